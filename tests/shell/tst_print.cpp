// File > Print and the toolbar's 列印 through the printer dialog's seam, read
// back as a person reads the PDF: its page count and text (poppler's pdfinfo
// and pdftotext) and its page rendered at 300 dpi (pdftoppm).
#include "grid/editorwindow.h"
#include "support/files.h"
#include "support/framefixture.h"
#include "support/frameinput.h"
#include "support/gridinput.h"
#include "support/testenv.h"

#include <QMdiSubWindow>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include <array>
#include <cerrno>

namespace {

QString poppler(const char *tool, const QStringList &args)
{
    QProcess p;
    p.start(QString::fromLatin1(tool), args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The page at 300 dpi.
QImage rendered(const QString &pdf)
{
    poppler("pdftoppm", {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
                         QStringLiteral("-singlefile"), pdf, pdf});
    return QImage(pdf + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

bool isPath(QRgb c)
{
    return qAbs(qRed(c) - 128) < 12 && qGreen(c) + qBlue(c) < 24;
}
bool isGreenFill(QRgb c)
{
    return qGreen(c) > 200 && qRed(c) + qBlue(c) < 60;
}

// How many pixels of the left (0) or right (1) half of the page pass `test`.
int countIn(const QImage &page, int half, bool (*test)(QRgb))
{
    int n = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = half * page.width() / 2; x < (half + 1) * page.width() / 2; ++x)
            n += test(page.pixel(x, y));
    return n;
}

} // namespace

class TestPrint : public QObject, FrameFixture {
    Q_OBJECT

    QString path(const char *name) const { return m_tmp->filePath(QString::fromLatin1(name)); }
    GridWindow *current() const
    {
        QMdiSubWindow *sub = m_frame->mdiArea()->currentSubWindow();
        return sub ? qobject_cast<GridWindow *>(sub->widget()) : nullptr;
    }
    // The 5-dot path 1, 11, 21, 31, 41 drawn on the current window's left grid.
    void drawPath()
    {
        for (int k : {0, 10, 20, 30, 40})
            clickDot(current()->PicA(), k);
    }

private slots:
    void initTestCase()
    {
        for (const char *tool : {"pdfinfo", "pdftotext", "pdftoppm", "pdfimages"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP("needs poppler-utils");
    }
    void init() { startFrame(QSize(1400, 900)); }
    void cleanup() { stopFrame(); }

    // One page: the caption as heading, then both grids with the path and
    // round dots drawn at the printer's resolution; the same from the menu
    // and the toolbar, for an editor and for a challenge named by its path.
    void printsTheWindowOnOnePage_data()
    {
        QTest::addColumn<bool>("challenge");
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("editor, menu") << false << true;
        QTest::newRow("challenge, toolbar") << true << false;
    }
    void printsTheWindowOnOnePage()
    {
        QFETCH(bool, challenge);
        QFETCH(bool, fromMenu);
        QString caption = QStringLiteral("Document 1");
        if (challenge) {
            caption = path("p.txt");
            QVERIFY(writeFile(caption, patternFileBytes({1, 11, 21, 31, 41})));
            m_dialogs.answerText(caption);
            triggerMenu(*m_frame, "mnuFileOpen");
            drawPath();
        } else {
            triggerMenu(*m_frame, "mnuFileNew");
            drawPath();
            QTest::mouseClick(current(), Qt::LeftButton, {}, QPoint(3, 3)); // the path on PicB too
        }
        const QString pdf = path("grid.pdf");
        m_dialogs.answerPrinter(true, FakeDialogs::pdfFile(pdf));
        if (fromMenu)
            triggerMenu(*m_frame, "mnuFilePrint");
        else
            clickToolButton(*m_frame, QStringLiteral("列印"));
        QVERIFY(m_dialogs.messages().isEmpty());
        QVERIFY(
            poppler("pdfinfo", {pdf}).contains(QRegularExpression(QStringLiteral("Pages: +1\n"))));
        QVERIFY(poppler("pdftotext", {pdf, QStringLiteral("-")}).contains(caption));
        // Drawn at the printer's resolution: no enlarged screen picture in it.
        QCOMPARE(poppler("pdfimages", {QStringLiteral("-list"), pdf}).count(QLatin1Char('\n')), 2);
        const QImage page = rendered(pdf);
        for (int half : {0, 1}) {
            QVERIFY2(countIn(page, half, isPath) > 100, half ? "right" : "left");
            QVERIFY2(countIn(page, half, isGreenFill) > 60 * 300, half ? "right" : "left");
        }
    }

    // On a greyscale printer the path is black and the dots light: where the
    // colour page shows the path, the grey page is dark; where it shows the
    // right grid's dots (fills and outlines, away from the heading), light.
    void greyscaleKeepsThePathDarkest()
    {
        triggerMenu(*m_frame, "mnuFileNew");
        drawPath();
        for (const auto mode : {QPrinter::Color, QPrinter::GrayScale}) {
            m_dialogs.answerPrinter(
                true,
                FakeDialogs::pdfFile(path(mode == QPrinter::Color ? "c.pdf" : "g.pdf"), mode));
            triggerMenu(*m_frame, "mnuFilePrint");
        }
        const QImage colour = rendered(path("c.pdf")), grey = rendered(path("g.pdf"));
        std::array<double, 2> sum{}, count{}; // path, dots
        for (int y = 0; y < colour.height(); ++y)
            for (int x = 0; x < colour.width(); ++x) {
                const QRgb was = colour.pixel(x, y), shown = grey.pixel(x, y);
                QVERIFY(qRed(shown) == qGreen(shown) && qGreen(shown) == qBlue(shown));
                const bool dot = x > colour.width() / 2 && (isGreenFill(was) || qGray(was) < 30);
                if (isPath(was) || dot) {
                    sum[dot] += qGray(shown);
                    ++count[dot];
                }
            }
        QVERIFY(sum[0] / count[0] < 40 && sum[1] / count[1] > 120);
    }

    // A PDF that cannot be written is reported with the file and the reason,
    // and leaves no file; the window stays as it was.
    void aFailedWriteIsReported_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("under a file") << "file/grid.pdf" << qt_error_string(ENOTDIR);
        QTest::newRow("a folder") << "folder"
                                  << "it is not a regular file";
    }
    void aFailedWriteIsReported()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QVERIFY(writeFile(path("file"), "x") &&
                QDir(m_tmp->path()).mkdir(QStringLiteral("folder")));
        triggerMenu(*m_frame, "mnuFileNew");
        drawPath();
        m_dialogs.answerPrinter(true, FakeDialogs::pdfFile(m_tmp->filePath(target)));
        clickToolButton(*m_frame, QStringLiteral("列印"));
        QCOMPARE(m_dialogs.messages().size(), 1);
        const QString text = m_dialogs.messages()[0].text;
        QVERIFY2(text.contains(m_tmp->filePath(target)) && text.endsWith(reason), qPrintable(text));
        QCOMPARE(QDir(m_tmp->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 (QStringList{"file", "folder"}));
        QCOMPARE(current()->state().dotCount, std::int16_t(5));
    }

    // A window that closes while the dialog is open is not printed, and
    // nothing reaches for it.
    void aWindowClosedDuringTheDialogIsNotPrinted()
    {
        triggerMenu(*m_frame, "mnuFileNew");
        m_dialogs.onRequest = [this](const FakeDialogs::Request &) {
            m_frame->mdiArea()->currentSubWindow()->close();
        };
        m_dialogs.answerPrinter(true, FakeDialogs::pdfFile(path("grid.pdf")));
        triggerMenu(*m_frame, "mnuFilePrint");
        m_dialogs.onRequest = nullptr;
        QVERIFY(m_dialogs.messages().isEmpty());
        QVERIFY(!QFile::exists(path("grid.pdf")));
    }
};

PLIMSO_TEST_MAIN(TestPrint)
#include "tst_print.moc"
