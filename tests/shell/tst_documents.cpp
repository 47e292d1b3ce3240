// The frame's document commands end to end inside one process: New, Close,
// Exit, Open as a challenge, Save as a bitmap and Print, through scripted dialogs.
#include "forms/pictures.h"
#include "grid/challengewindow.h"
#include "grid/childwindowaccessible.h"
#include "grid/editorwindow.h"
#include "logic/filenamecodec.h"
#include "shell/commandline.h"
#include "shell/mainframe.h"
#include "support/fakedialogs.h"
#include "support/files.h"
#include "support/framefixture.h"
#include "support/frameinput.h"
#include "support/gridinput.h"
#include "support/surfacepixels.h"
#include "support/testenv.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QGlyphRun>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProxyStyle>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyleOptionTitleBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>
#include <cerrno>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The caption a child window paints in its title bar, as handed to the style.
QString shownCaption(QMdiSubWindow *sub)
{
    struct Recorder : QProxyStyle {
        using QProxyStyle::QProxyStyle;
        mutable QString caption;
        void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                QPainter *painter, const QWidget *widget) const override
        {
            if (control == CC_TitleBar)
                caption = static_cast<const QStyleOptionTitleBar *>(option)->text;
            QProxyStyle::drawComplexControl(control, option, painter, widget);
        }
    } recorder(sub->style()->name());
    sub->setStyle(&recorder);
    sub->grab();
    sub->setStyle(nullptr);
    return recorder.caption;
}

// What poppler's `tool` says of `args`.
QString poppler(const char *tool, const QStringList &args)
{
    QProcess p;
    p.start(QString::fromLatin1(tool), args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

using surfacepixels::pixelCount;

class TestDocuments : public QObject, FrameFixture {
    Q_OBJECT
private:

    MainFrame &frame() { return *m_frame; }
    QMdiArea *area() { return frame().mdiArea(); }
    QString path(const char *name) const { return m_tmp->filePath(QString::fromLatin1(name)); }
    QStringList captions()
    {
        QStringList out;
        for (QMdiSubWindow *w : area()->subWindowList())
            out << w->windowTitle();
        return out;
    }
    EditorWindow *currentEditor()
    {
        auto *sub = area()->currentSubWindow();
        return sub ? qobject_cast<EditorWindow *>(sub->widget()) : nullptr;
    }
    ChallengeWindow *challenge() { return m_frame->challengeWindow(); }
    void open(const QString &file)
    {
        m_dialogs.answerText(file);
        triggerMenu(frame(), "mnuFileOpen");
    }

private slots:
    void initTestCase() { QAccessible::installFactory(&childWindowAccessibleFactory); }
    void init() { startFrame(QSize(1400, 900)); }
    void cleanup() { stopFrame(); }

    void newNumbersWindowsWithoutReuse()
    {
        triggerMenu(frame(), "mnuFileNew");
        clickToolButton(frame(), QStringLiteral("開新檔案"));
        triggerMenu(frame(), "mnuFileNew");
        QCOMPARE(captions(), (QStringList{"Document 1", "Document 2", "Document 3"}));
        QCOMPARE(area()->currentSubWindow()->windowTitle(), QStringLiteral("Document 3"));
        area()->subWindowList()[1]->close();
        QTRY_COMPARE(area()->subWindowList().size(), 2);
        triggerMenu(frame(), "mnuFileNew");
        QCOMPARE(captions(), (QStringList{"Document 1", "Document 3", "Document 4"}));
        QCOMPARE(frame().editorCount(), 4);
        // The client area is the defined 13515 x 6090 twips, whatever the frame adds.
        QCOMPARE(currentEditor()->size(), QSize(901, 406));
    }

    void closeOnlyAnnounces()
    {
        triggerMenu(frame(), "mnuFileNew");
        triggerMenu(frame(), "mnuFileClose");
        QCOMPARE(m_dialogs.last().text, QStringLiteral("新增 'mnuFileClose_Click' 程式碼。"));
        QCOMPARE(area()->subWindowList().size(), 1);
    }

    void exitClosesEveryChildThroughItsCloseHandling()
    {
        QVERIFY(writeFile(path("p.txt"), patternFileBytes({1, 2})));
        triggerMenu(frame(), "mnuFileNew");
        EditorWindow *doc = currentEditor();
        clickDot(doc->PicA(), 3);
        open(path("p.txt"));
        clickDot(challenge()->PicA(), 7);
        QCOMPARE(m_challenge->state().dotCount, std::int16_t(1));
        triggerMenu(frame(), "mnuFileExit");
        QTRY_VERIFY(!frame().isVisible());
        QVERIFY(area()->subWindowList().isEmpty());
        // The shared challenge state outlives the window, reset by its close.
        QCOMPARE(m_challenge->state().dotCount, std::int16_t(0));
        QCOMPARE(valueOf(m_challenge->state().dotPath[0]), std::int16_t(0));
    }

    void openCancelChangesNothing()
    {
        m_challenge->setStoredPattern(Pattern{9});
        m_dialogs.answerText(QString());
        triggerMenu(frame(), "mnuFileOpen");
        QCOMPARE(m_dialogs.last().kind, FakeDialogs::Kind::OpenFile);
        QCOMPARE(m_dialogs.last().title, QStringLiteral("開啟"));
        QCOMPARE(m_dialogs.last().folder, m_tmp->path()); // where Test writes
        QVERIFY(area()->subWindowList().isEmpty());
        QCOMPARE(m_challenge->storedPattern()[0], std::int16_t(9));
    }

    void openShowsTheChallenge()
    {
        QVERIFY(writeFile(path("five.txt"), patternFileBytes({5, 6, 7})));
        open(path("five.txt"));
        ChallengeWindow *w = challenge();
        QVERIFY(w);
        QCOMPARE(area()->currentSubWindow()->widget(), w);
        QCOMPARE(area()->currentSubWindow()->windowTitle(), path("five.txt"));
        QCOMPARE(m_challenge->storedPattern()[0], std::int16_t(5));
        QCOMPARE(m_challenge->storedPattern()[2], std::int16_t(7));
        QCOMPARE(m_challenge->storedPattern()[3], std::int16_t(0));
        for (int k = 0; k < 63; ++k)
            QCOMPARE(w->model().isRed(Side::B, k), k >= 4 && k <= 6);
        // The path is on PicB in colour 4, between the centres of dots 4 and 6.
        const QImage b = w->PicB()->image();
        const QPointF mid = gridlayout::centre(w->model().dotRect(Side::B, 5)) / 15.0;
        QCOMPARE(QColor(b.pixel(int(mid.x()) - 12, int(mid.y()))), QColor(128, 0, 0));
        QCOMPARE(m_dialogs.messages().size(), 0);
    }

    void shortFileReplacesTheStoredPattern()
    {
        QVERIFY(writeFile(path("full.txt"), patternFileBytes(fullValues())));
        QVERIFY(writeFile(path("ten.txt"), "10"));
        open(path("full.txt"));
        open(path("ten.txt"));
        QVERIFY(m_challenge->storedPattern() == Pattern{10});  // nothing of full.txt is left
        QCOMPARE(area()->subWindowList().size(), 1); // the one challenge window is reused
        QCOMPARE(area()->currentSubWindow()->windowTitle(), path("ten.txt"));
    }

    void secondOpenShowsOnlyTheNewPattern()
    {
        QVERIFY(writeFile(path("a.txt"), patternFileBytes({1, 2, 3})));
        QVERIFY(writeFile(path("b.txt"), patternFileBytes({40, 50})));
        open(path("a.txt"));
        ChallengeWindow *w = challenge();
        const auto mid = [w](int a, int b) {
            return (gridlayout::centre(w->model().dotRect(Side::B, a)) +
                    gridlayout::centre(w->model().dotRect(Side::B, b))) /
                   30.0;
        };
        const auto at = [w](QPointF p) { return w->PicB()->image().pixel(p.toPoint()); };
        QCOMPARE(at(mid(0, 1)), qRgb(128, 0, 0));
        w->subWindow()->showMinimized();
        open(path("b.txt"));
        QCOMPARE(challenge(), w);
        QVERIFY(!w->subWindow()->isMinimized());
        QCOMPARE(area()->currentSubWindow(), w->subWindow());
        QCOMPARE(at(mid(0, 1)), qRgb(255, 255, 0)); // the first pattern is gone
        QCOMPARE(at(mid(39, 49)), qRgb(128, 0, 0));
        for (int k = 0; k < 63; ++k)
            QCOMPARE(w->model().isRed(Side::B, k), k == 39 || k == 49);
    }

    void badFileIsReportedAndChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("line");
        QTest::newRow("letters") << QByteArray("1\r\nabc\r\n") << "line 2";
        QTest::newRow("out of range") << QByteArray("1\r\n2\r\n64\r\n") << "line 3";
        QTest::newRow("negative") << QByteArray("-1\r\n") << "line 1";
        QTest::newRow("fraction") << QByteArray("1.5\r\n") << "line 1";
        QTest::newRow("too many values") << QByteArray("1\r\n").repeated(65) << "line 65";
    }

    void badFileIsReportedAndChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, line);
        QVERIFY(writeFile(path("good.txt"), patternFileBytes({1, 2, 3})));
        QVERIFY(writeFile(path("bad.txt"), bytes));
        open(path("good.txt"));
        const Pattern before = m_challenge->storedPattern();
        m_dialogs.clear();
        open(path("bad.txt"));
        QCOMPARE(m_dialogs.messages().size(), 1);
        const QString text = m_dialogs.messages()[0].text;
        QVERIFY2(text.contains(path("bad.txt")) && text.contains(line), qPrintable(text));
        QVERIFY(m_challenge->storedPattern() == before);
        QCOMPARE(area()->currentSubWindow()->windowTitle(), path("good.txt"));
    }

    void missingFileIsReported()
    {
        open(path("missing.txt"));
        QCOMPARE(m_dialogs.messages().size(), 1);
        QVERIFY(m_dialogs.messages()[0].text.contains(path("missing.txt")));
        QVERIFY(area()->subWindowList().isEmpty());
    }

    // Qt reads "[*]" in a window title as the place of the modified mark: a path
    // holding it is still shown whole, on screen and to accessibility tools. A
    // newline or a bidirectional override is shown as an escape in the title
    // bar (it would break the line or reverse the path), and exactly to tools.
    void captionsShowThePathExactly_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("shown");
        QTest::newRow("placeholder inside") << "a[*]b" << "a[*]b";
        QTest::newRow("placeholder alone") << "[*]" << "[*]";
        QTest::newRow("two placeholders") << "a[*][*]b" << "a[*][*]b";
        QTest::newRow("placeholder at the end") << "x[*]y[*]" << "x[*]y[*]";
        QTest::newRow("plain") << "plain" << "plain";
        QTest::newRow("right-to-left override")
            << QString(QChar(0x202e)) + QStringLiteral("gnp") << "\\u202Egnp";
        QTest::newRow("newline") << "two\nlines" << "two\\u000Alines";
    }
    void captionsShowThePathExactly()
    {
        QFETCH(QString, folder);
        QFETCH(QString, shown);
        QVERIFY(QDir(m_tmp->path()).mkdir(folder));
        const QString file = m_tmp->filePath(folder + QStringLiteral("/p.txt"));
        QVERIFY(writeFile(file, patternFileBytes({1, 2})));
        triggerMenu(frame(), "mnuFileNew");
        open(file);
        const QString native = QDir::toNativeSeparators(file);
        QMdiSubWindow *sub = challenge()->subWindow();
        QCOMPARE(shownCaption(sub), QString(native).replace(folder, shown));
        QCOMPARE(challenge()->accessibleName(), native);
        QCOMPARE(QAccessible::queryAccessibleInterface(sub)->text(QAccessible::Name), native);
        // Numbered captions are as before.
        QMdiSubWindow *doc = area()->subWindowList()[0];
        QCOMPARE(doc->windowTitle(), QStringLiteral("Document 1"));
        QCOMPARE(shownCaption(doc), QStringLiteral("Document 1"));
        QCOMPARE(doc->widget()->accessibleName(), QStringLiteral("Document 1"));
    }

    // Under a right-to-left locale (or -reverse) a path still reads left to
    // right in the title bar: "/tmp/p.txt", not "tmp/p.txt/".
    void pathCaptionsReadLeftToRight()
    {
        QVERIFY(writeFile(path("p.txt"), patternFileBytes({1, 2})));
        frame().setLayoutDirection(Qt::RightToLeft);
        open(path("p.txt"));
        const QString shown = shownCaption(challenge()->subWindow());
        QTextLayout layout(shown, frame().font());
        QTextOption option;
        option.setTextDirection(Qt::RightToLeft); // as the title bar paints it
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        const auto x = [&line](qsizetype i) {
            return line.glyphRuns(int(i), 1).value(0).positions().value(0).x();
        };
        const qsizetype slash = shown.indexOf(QLatin1Char('/'));
        QVERIFY2(x(slash) < x(slash + 1), qPrintable(shown)); // the leading "/" comes first
        QCOMPARE(challenge()->accessibleName(), QDir::toNativeSeparators(path("p.txt")));
        QCOMPARE(QAccessible::queryAccessibleInterface(challenge()->subWindow())
                     ->text(QAccessible::Name),
                 QDir::toNativeSeparators(path("p.txt"))); // no isolating marks

    }

    void openWhileAnEditorIsActiveNamesTheChallenge()
    {
        QVERIFY(writeFile(path("a.txt"), patternFileBytes({1, 2})));
        QVERIFY(writeFile(path("b.txt"), patternFileBytes({3, 4})));
        open(path("a.txt"));
        triggerMenu(frame(), "mnuFileNew");
        QCOMPARE(area()->currentSubWindow()->windowTitle(), QStringLiteral("Document 1"));
        open(path("b.txt"));
        QCOMPARE(captions(), (QStringList{path("b.txt"), "Document 1"}));
        QCOMPARE(area()->currentSubWindow()->widget(), challenge());
    }

    // A file named on the command line opens as File > Open's choice does; a
    // name relative to the working folder is shown, and reported, in full. Any
    // name that exists opens, UTF-8 or not.
    void openFileByName_data()
    {
        QTest::addColumn<QByteArray>("argument"); // as the command line gives it
        QTest::addColumn<QByteArray>("file");     // the name of the file in the folder
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("opens");
        const QByteArray five = patternFileBytes({5, 6, 7});
        QTest::newRow("relative") << QByteArray("five.txt") << QByteArray("five.txt") << five
                                  << true;
        QTest::newRow("dot slash")
            << QByteArray("./five.txt") << QByteArray("five.txt") << five << true;
        QTest::newRow("not a pattern") << QByteArray("five.txt") << QByteArray("five.txt")
                                       << QByteArray("1\r\nabc\r\n") << false;
        QTest::newRow("Latin-1 name")
            << QByteArray("caf\xe9.txt") << QByteArray("caf\xe9.txt") << five << true;
    }
    void openFileByName()
    {
        QFETCH(QByteArray, argument);
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, opens);
        const QByteArray where = QFile::encodeName(m_tmp->path()) + '/' + file;
        const int fd = ::open(where.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        QVERIFY(fd >= 0 && ::write(fd, bytes.constData(), bytes.size()) == bytes.size());
        ::close(fd);
        const QString shown = m_tmp->path() + QLatin1Char('/') + decodeFileName(file);
        char program[] = "plimso";
        char *argv[] = {program, argument.data(), nullptr};
        const QString before = QDir::currentPath();
        QDir::setCurrent(m_tmp->path());
        frame().openFile(commandLineArguments(2, argv)[1]);
        QDir::setCurrent(before);
        QCOMPARE(m_dialogs.messages().size(), opens ? 0 : 1);
        if (opens) {
            QVERIFY(challenge());
            QCOMPARE(area()->currentSubWindow()->windowTitle(), shown);
            QCOMPARE(m_challenge->storedPattern()[0], std::int16_t(5));
        } else {
            const QString text = m_dialogs.messages()[0].text;
            QVERIFY2(text.contains(QLatin1Char('"') + shown + QLatin1Char('"')), qPrintable(text));
            QVERIFY(area()->subWindowList().isEmpty());
            QCOMPARE(m_challenge->storedPattern()[0], std::int16_t(0));
        }
    }

    void saveWritesWhatTheSurfaceShows()
    {
        triggerMenu(frame(), "mnuFileNew");
        EditorWindow *doc = currentEditor();
        clickDot(doc->PicA(), 0);
        clickDot(doc->PicA(), 10);
        m_dialogs.answerText(path("grid.bmp"));
        triggerMenu(frame(), "mnuFileSave");
        QCOMPARE(m_dialogs.requests().first().kind, FakeDialogs::Kind::SaveFile);
        QCOMPARE(m_dialogs.requests().first().title, QStringLiteral("儲存檔案"));
        // A screen reader hears where the picture went.
        QCOMPARE(m_dialogs.announcements(),
                 QStringList{QStringLiteral("The picture grid.bmp was saved in %1.")
                                 .arg(QDir::toNativeSeparators(m_tmp->path()))});
        QCOMPARE(readFile(path("grid.bmp")).left(2), QByteArray("BM"));
        const QImage saved(path("grid.bmp"));
        QCOMPARE(saved.size(), doc->PicA()->size());
        QVERIFY(pixelCount(saved, qRgb(128, 0, 0)) > 20);       // the path
        QVERIFY(pixelCount(saved, qRgb(0, 255, 0)) > 50 * 100); // green dots
        QVERIFY(pixelCount(saved, qRgb(255, 0, 0)) >= 2 * 100); // two red dots
        const QPoint origin = doc->PicA()->dotRect(0).topLeft();
        QCOMPARE(saved.pixelColor(origin + QPoint(8, 8)), QColor(255, 0, 0));
    }

    void saveCancelledWritesNothing()
    {
        triggerMenu(frame(), "mnuFileNew");
        m_dialogs.answerText(QString());
        triggerMenu(frame(), "mnuFileSave");
        QVERIFY(QDir(m_tmp->path()).entryList(QDir::Files).isEmpty());
        QCOMPARE(m_dialogs.messages().size(), 0);
    }

    void saveOnTheChallengeAsksInsteadOfOverwriting()
    {
        QVERIFY(writeFile(path("p.txt"), patternFileBytes({1, 2})));
        open(path("p.txt"));
        m_dialogs.answerText(path("challenge.bmp"));
        clickToolButton(frame(), QStringLiteral("儲存"));
        const auto &asked = m_dialogs.requests();
        QCOMPARE(asked[asked.size() - 2].kind, FakeDialogs::Kind::SaveFile); // then the outcome
        QCOMPARE(readFile(path("p.txt")), patternFileBytes({1, 2}));
        QVERIFY(QImage(path("challenge.bmp")).width() > 0);
    }

    void saveNeverReplacesTheChallengesFile_data()
    {
        QTest::addColumn<QString>("target"); // relative to the temporary folder
        QTest::newRow("the file itself") << "p.txt";
        QTest::newRow("a symbolic link to it") << "link.txt";
        QTest::newRow("a hard link to it") << "hard.txt";
        QTest::newRow("a FIFO") << "fifo";
    }
    void saveNeverReplacesTheChallengesFile()
    {
        QFETCH(QString, target);
        QVERIFY(writeFile(path("p.txt"), patternFileBytes({1, 2})));
        QVERIFY(QFile::link(path("p.txt"), path("link.txt")));
        QCOMPARE(::link(QFile::encodeName(path("p.txt")).constData(),
                        QFile::encodeName(path("hard.txt")).constData()),
                 0);
        QCOMPARE(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
        open(path("p.txt"));
        m_dialogs.clear();
        m_dialogs.answerText(m_tmp->filePath(target));
        clickToolButton(frame(), QStringLiteral("儲存"));
        QCOMPARE(m_dialogs.messages().size(), 1);
        QVERIFY(m_dialogs.messages()[0].text.contains(m_tmp->filePath(target)));
        QVERIFY(m_dialogs.announcements().isEmpty()); // nothing was saved
        QFile pattern(path("p.txt"));
        QVERIFY(pattern.open(QIODevice::ReadOnly));
        QCOMPARE(pattern.readAll(), patternFileBytes({1, 2}));
        QVERIFY(QFileInfo(path("fifo")).exists() && !QFileInfo(path("fifo")).isFile());
    }

    void saveAndPrintWithoutChildDoNothing()
    {
        triggerMenu(frame(), "mnuFileSave");
        clickToolButton(frame(), QStringLiteral("儲存"));
        triggerMenu(frame(), "mnuFilePrint");
        clickToolButton(frame(), QStringLiteral("列印"));
        QVERIFY(m_dialogs.requests().isEmpty());
    }

    void saveToAnUnwritablePlaceIsReported()
    {
        triggerMenu(frame(), "mnuFileNew");
        QVERIFY(writeFile(path("file"), "x"));
        const QString target = path("file") + QStringLiteral("/grid.bmp");
        m_dialogs.answerText(target);
        triggerMenu(frame(), "mnuFileSave");
        m_dialogs.answerText(target);
        triggerMenu(frame(), "mnuFileSave");
        m_dialogs.answerText(target);
        clickToolButton(frame(), QStringLiteral("儲存"));
        // Reported the same way from the menu and from the toolbar.
        QCOMPARE(m_dialogs.messages().size(), 3);
        for (const auto &m : m_dialogs.messages())
            QVERIFY2(m.text.contains(target) && m.text.contains(QStringLiteral(": ")),
                     qPrintable(m.text));
        QVERIFY(frame().isVisible());
    }

    void printCancelledPrintsNothing()
    {
        triggerMenu(frame(), "mnuFileNew");
        m_dialogs.answerPrinter(false, path("grid.pdf"));
        m_dialogs.answerPrinter(false, path("grid.pdf"));
        triggerMenu(frame(), "mnuFilePrint");
        clickToolButton(frame(), QStringLiteral("列印"));
        QCOMPARE(m_dialogs.requests().size(), 2); // no message either
        for (const auto &r : m_dialogs.requests()) {
            QCOMPARE(r.kind, FakeDialogs::Kind::Printer);
            QCOMPARE(r.title, QStringLiteral("列印"));
        }
        QVERIFY(QDir(m_tmp->path()).entryList(QDir::Files).isEmpty());
    }

    // One page: the caption as heading, then both grids with their path and
    // green dots, drawn at the printer's resolution (no screen picture in the
    // PDF); the same from the menu and the toolbar, for an editor and for a
    // challenge, whose heading is its file's path as its title shows it.
    void printMakesOnePage_data()
    {
        QTest::addColumn<bool>("challenge");
        QTest::newRow("editor, menu") << false;
        QTest::newRow("challenge, toolbar") << true;
    }
    void printMakesOnePage()
    {
        QFETCH(bool, challenge);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("needs poppler-utils");
        QString heading = QStringLiteral("Document 1");
        if (challenge) { // a file whose name would reverse the text after it, as the title shows it
            QVERIFY(writeFile(m_tmp->filePath(QStringLiteral("p\u202etxt.txt")),
                              patternFileBytes({1, 11, 21, 31, 41})));
            open(m_tmp->filePath(QStringLiteral("p\u202etxt.txt")));
            heading = m_tmp->filePath(QStringLiteral("p\\u202Etxt.txt"));
        } else {
            triggerMenu(frame(), "mnuFileNew");
        }
        GridWindow *w = qobject_cast<GridWindow *>(area()->currentSubWindow()->widget());
        for (const int k : {0, 10, 20, 30, 40})
            clickDot(w->PicA(), k);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(3, 3)); // an editor's path on PicB too
        const QString pdf = path("grid.pdf");
        m_dialogs.answerPrinter(true, pdf);
        if (challenge)
            clickToolButton(frame(), QStringLiteral("列印"));
        else
            triggerMenu(frame(), "mnuFilePrint");
        QVERIFY(m_dialogs.messages().isEmpty());
        const QString text = poppler("pdftotext", {pdf, QStringLiteral("-")});
        QCOMPARE(text.count(QLatin1Char('\f')), 1); // one page
        QVERIFY(text.contains(heading));
        QCOMPARE(poppler("pdfimages", {QStringLiteral("-list"), pdf}).count(QLatin1Char('\n')), 2);
        poppler("pdftoppm", {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
                             QStringLiteral("-singlefile"), pdf, path("page")});
        const QImage page(path("page.png"));
        for (const int half : {0, 1}) {
            const QImage side =
                page.copy(half * page.width() / 2, 0, page.width() / 2, page.height());
            QVERIFY2(pixelCount(side, qRgb(128, 0, 0)) > 100, half ? "right" : "left");
            QVERIFY2(pixelCount(side, qRgb(0, 255, 0)) > 60 * 300, half ? "right" : "left");
        }
    }

    // A PDF that cannot be written is reported with its name and why, and
    // leaves no file.
    void printFailureIsReported_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("under a file") << "file/grid.pdf" << qt_error_string(ENOTDIR);
        QTest::newRow("a folder") << "folder"
                                  << "it is not a regular file";
    }
    void printFailureIsReported()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QVERIFY(writeFile(path("file"), "x") &&
                QDir(m_tmp->path()).mkdir(QStringLiteral("folder")));
        triggerMenu(frame(), "mnuFileNew");
        clickDot(currentEditor()->PicA(), 0);
        m_dialogs.answerPrinter(true, m_tmp->filePath(target));
        clickToolButton(frame(), QStringLiteral("列印"));
        QCOMPARE(m_dialogs.messages().size(), 1);
        const QString text = m_dialogs.messages()[0].text;
        QVERIFY2(text.contains(m_tmp->filePath(target)) && text.endsWith(reason), qPrintable(text));
        QCOMPARE(QDir(m_tmp->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 (QStringList{"file", "folder"}));
        QCOMPARE(currentEditor()->state().dotCount, std::int16_t(1));
    }

    void testAndSummitFromTheirButtons()
    {
        triggerMenu(frame(), "mnuFileNew");
        EditorWindow *doc = currentEditor();
        for (int k : {0, 9, 18})
            clickDot(doc->PicA(), k);
        m_dialogs.answerText(QStringLiteral("Default.txt"));
        QTest::mouseClick(doc->CmdTest(), Qt::LeftButton);
        QCOMPARE(QFileInfo(path("Default.txt")).size(), 133);
        QVERIFY(doc->model().isRed(Side::B, 9));

        open(path("Default.txt"));
        ChallengeWindow *w = challenge();
        for (int k : {18, 9, 0})
            clickDot(w->PicA(), k);
        QTest::mouseClick(w->CmdA(), Qt::LeftButton);
        QCOMPARE(m_dialogs.last().text, QStringLiteral("You are good"));
        QTRY_VERIFY(!challenge());
        QCOMPARE(area()->subWindowList().size(), 1);

        // A replay dot tells its position.
        clickDot(doc->PicB(), 0);
        QCOMPARE(m_dialogs.last().text, QStringLiteral("240 120"));
    }
};

PLIMSO_TEST_MAIN(TestDocuments)
#include "tst_documents.moc"
