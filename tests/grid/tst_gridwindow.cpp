// The two grid windows as widgets, offscreen: built from their definitions,
// clicked with real mouse events, checked on the pixels of their surfaces.
#include "forms/formbuilder.h"
#include "forms/imagecontrol.h"
#include "forms/picturesurface.h"
#include "forms/twips.h"
#include "grid/appcontext.h"
#include "grid/challengeslot.h"
#include "grid/challengewindow.h"
#include "grid/editorwindow.h"
#include "grid/workspace.h"
#include "logic/challengestate.h"
#include "support/fakedialogs.h"
#include "support/surfacepixels.h"
#include "support/testenv.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using surfacepixels::pixelsOf;

namespace {
const QRgb kPathRed = qRgb(128, 0, 0);

// The centre of dot k in PicA's pixels, as the line is drawn (twips / 15).
QPointF lineCentre(GridWindow &w, int k)
{
    return twips::toPixels(GridCanvas::centre(w.dotRect(Side::A, k)));
}

QRgb pixel(const PictureSurface *s, QPointF logical)
{
    const QImage &img = s->backingImage();
    const QPoint p = (logical * img.devicePixelRatio()).toPoint();
    return img.pixel(p);
}

void clickDot(ImageControl *dot)
{
    QTest::mouseClick(dot, Qt::LeftButton, {}, QPoint(8, 8));
}

// A person's double-click: the click of the first press, then the double-click.
void doubleClickDot(ImageControl *dot)
{
    QTest::mouseClick(dot, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseDClick(dot, Qt::LeftButton, {}, QPoint(8, 8));
}
} // namespace

class TestGridWindow : public QObject {
    Q_OBJECT
    FakeDialogs m_dialogs;
    AppContext m_ctx{m_dialogs, QDir::tempPath()};
    ChallengeState m_challenge;

private slots:
    void init() { m_challenge = ChallengeState{}; }

    void clientSizeInWorkspace_data()
    {
        QTest::addColumn<bool>("challenge");
        QTest::addColumn<QSize>("areaSize");
        QTest::addColumn<QSize>("client");
        QTest::newRow("editor") << false << QSize(1200, 900) << QSize(901, 406);
        QTest::newRow("challenge") << true << QSize(1200, 900) << QSize(937, 588);
        QTest::newRow("editor, small area") << false << QSize(500, 300) << QSize(901, 406);
        QTest::newRow("challenge, small area") << true << QSize(640, 480) << QSize(937, 588);
    }
    void clientSizeInWorkspace()
    {
        QFETCH(bool, challenge);
        QFETCH(QSize, areaSize);
        QFETCH(QSize, client);
        QMdiArea area;
        area.resize(areaSize);
        area.show();
        QWidget *w = challenge ? static_cast<QWidget *>(new ChallengeWindow(m_ctx, m_challenge))
                               : new EditorWindow(m_ctx);
        QMdiSubWindow *sub = addToWorkspace(&area, w);
        sub->show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QCoreApplication::processEvents();
        QCOMPARE(w->size(), client);
        QVERIFY(sub->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(area.horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        if (areaSize.width() < client.width())
            QVERIFY(area.horizontalScrollBar()->isVisible()); // the area scrolls to reach it
    }

    void builtFromDefinition()
    {
        EditorWindow w(m_ctx);
        QCOMPARE(w.objectName(), QStringLiteral("frmDocument"));
        QCOMPARE(w.windowTitle(), QStringLiteral("frmDocument"));
        QCOMPARE(w.size(), QSize(901, 406));
        QCOMPARE(w.findChild<ImageControl *>("imgGreen(40)"), w.imgGreen(40));
        QCOMPARE(w.imgGreen(40)->accessibleName(), QStringLiteral("imgGreen(40)"));
        QCOMPARE(w.b_imgGreen(3)->accessibleName(), QStringLiteral("b_imgGreen(3)"));
        QCOMPARE(w.PicA()->accessibleName(), QStringLiteral("PicA"));
        QCOMPARE(w.CmdTest()->objectName(), QStringLiteral("CmdTest"));
        QCOMPARE(w.CmdTest()->text(), QStringLiteral("Test"));
        QCOMPARE(w.CmdB()->text(), QStringLiteral("Refresh"));
        QVERIFY(!w.findChild<QWidget *>("b_imgGreen(63)"));
        QCOMPARE(w.imgGreen(0)->parentWidget(), w.PicA());
        QCOMPARE(w.b_imgGreen(0)->parentWidget(), w.PicB());

        // After load: "Click Me" on the grid, the spare dot keeps its tip.
        const QString tip = QString::fromUtf8("切換通訊埠");
        for (int i = 0; i < 63; ++i)
            QCOMPARE(w.imgGreen(i)->toolTip(), QStringLiteral("Click Me"));
        QCOMPARE(w.imgGreen(63)->toolTip(), tip);
        int tipped = 0;
        for (int i = 0; i < 63; ++i)
            tipped += w.b_imgGreen(i)->toolTip() == tip;
        QCOMPARE(tipped, 28);
        QVERIFY(w.imgGreen(63)->isHidden());
        QVERIFY(w.imgRed()->isHidden());
        QVERIFY(w.B_imgRed()->isHidden());
        QCOMPARE(w.PicA()->lineWidth(), EditorWindow::kLineWidth);

        // Laid out by the rule before it is first seen.
        const QRectF picA = w.controlRect(GridControl::PicA);
        QCOMPARE(picA, QRectF(960, 1000, 5557.5, 2490));
        QCOMPARE(w.PicA()->geometry(), twips::toPixels(picA));
        QCOMPARE(w.dotRect(Side::A, 0), QRectF(240, 120, 240, 240));
        QCOMPARE(w.dotRect(Side::B, 62).topLeft(), w.dotRect(Side::A, 62).topLeft());
        QCOMPARE(w.dotRect(Side::A, 62).topLeft(),
                 QPointF(8 * (5557.5f / 9) + 240.0f, 6 * (2490.0f / 7) + 120.0f));
        QCOMPARE(w.dotRect(Side::A, 63).topLeft(), QPointF(6000, 120));
    }

    void clickDrawsRedLine()
    {
        EditorWindow w(m_ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        clickDot(w.imgGreen(0));
        clickDot(w.imgGreen(1));
        QCOMPARE(w.state().dotCount, std::int16_t(2));
        QCOMPARE(w.state().dotPath[1], PathEntry(2));
        QCOMPARE(w.imgGreen(1)->picture().cacheKey(), w.imgRed()->picture().cacheKey());
        const QPointF mid = (lineCentre(w, 0) + lineCentre(w, 1)) / 2;
        QCOMPARE(pixel(w.PicA(), mid), kPathRed);
        QCOMPARE(pixel(w.PicB(), mid), qRgb(255, 255, 255)); // a click draws on A only
        // What the user sees: the line between the dots, over the white surface.
        const QImage seen = w.PicA()->renderedImage();
        QCOMPARE(seen.pixel(mid.toPoint()), kPathRed);
    }

    void doubleClickTakesBackItsPress()
    {
        EditorWindow w(m_ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (int k : {0, 20, 2})
            clickDot(w.imgGreen(k));
        doubleClickDot(w.imgGreen(18)); // its segment 2-18 crosses 0-20 at dot 10
        QCOMPARE(w.state().dotCount, std::int16_t(3));
        QCOMPARE(w.state().dotPath[3], PathEntry()); // emptied, not 0
        QCOMPARE(w.imgGreen(18)->picture().cacheKey(), w.imgGreen(63)->picture().cacheKey());
        const QRgb white = qRgb(255, 255, 255);
        QCOMPARE(pixel(w.PicA(), (lineCentre(w, 2) * 3 + lineCentre(w, 18)) / 4), white);
        QCOMPARE(pixel(w.PicA(), lineCentre(w, 10)), kPathRed); // the crossed segment is whole
        // The next click joins the last recorded dot, 2.
        clickDot(w.imgGreen(38));
        QCOMPARE(w.state().dotPath[3], PathEntry(39));
        QCOMPARE(pixel(w.PicA(), (lineCentre(w, 2) + lineCentre(w, 38)) / 2), kPathRed);
        QCOMPARE(pixel(w.PicA(), (lineCentre(w, 18) + lineCentre(w, 38)) / 2), white);
    }

    void undoneDotCountsNowhereInTheVerdict()
    {
        // Attempt 1, 2, (7 taken back), 40, 50 against 1, 2, 3 is wrong.
        m_challenge.stored = {1, 2, 3};
        ChallengeWindow w(m_ctx, m_challenge);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        clickDot(w.imgGreen(0));
        clickDot(w.imgGreen(1));
        doubleClickDot(w.imgGreen(6));
        clickDot(w.imgGreen(39));
        clickDot(w.imgGreen(49));
        m_dialogs.clear();
        m_dialogs.answerMessage(Dialogs::Answer::Yes);
        QTest::mouseClick(w.CmdA(), Qt::LeftButton);
        QCOMPARE(m_dialogs.last().text, QStringLiteral("Sorry ! Please Try It Again"));
    }

    void clickAfterResizeJoinsTheLastDotWhereItIs()
    {
        EditorWindow w(m_ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        clickDot(w.imgGreen(10));
        const QPointF before = lineCentre(w, 10);
        w.resize(1200, 600);
        QTRY_VERIFY(lineCentre(w, 10) != before);
        clickDot(w.imgGreen(4));
        QCOMPARE(pixel(w.PicA(), (lineCentre(w, 10) + lineCentre(w, 4)) / 2), kPathRed);
        QCOMPARE(pixel(w.PicA(), (before + lineCentre(w, 4)) / 2), qRgb(255, 255, 255));
    }

    void noLineLeftAfterTryingAgain()
    {
        m_challenge.stored = {1, 2, 3};
        ChallengeWindow w(m_ctx, m_challenge);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (int k : {30, 40, 22})
            clickDot(w.imgGreen(k));
        doubleClickDot(w.imgGreen(5));
        w.resize(1100, 700);
        QTRY_COMPARE(w.controlRect(GridControl::PicA).width(), 1100 * 15 / 2.0 - 1200);
        m_dialogs.answerMessage(Dialogs::Answer::Yes);
        QTest::mouseClick(w.CmdA(), Qt::LeftButton);
        const QImage &img = w.PicA()->backingImage();
        QCOMPARE(pixelsOf(img, w.PicA()->backColor().rgb()).size(),
                 qsizetype(img.width()) * img.height());
    }

    void darkPaletteLeavesNoTraces()
    {
        const QPalette before = QApplication::palette();
        QPalette dark = before;
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::Dark})
            dark.setColor(role, QColor(30, 30, 35));
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                          QPalette::HighlightedText})
            dark.setColor(role, QColor(220, 220, 220));
        QApplication::setPalette(dark);
        {
            EditorWindow w(m_ctx);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            for (int k : {0, 10, 20})
                clickDot(w.imgGreen(k));
            doubleClickDot(w.imgGreen(30));
            w.resize(1200, 600);
            QTRY_COMPARE(w.controlRect(GridControl::PicA).width(), 1200 * 15 / 2.0 - 1200);
            for (const PictureSurface *s : {w.PicA(), w.PicB()}) {
                QVERIFY(s->backColor() != QColor(Qt::white));
                QVERIFY(pixelsOf(s->backingImage(), qRgb(255, 255, 255)).isEmpty());
            }
        }
        QApplication::setPalette(before);
    }

    void doubleClickOnFullPath()
    {
        EditorWindow w(m_ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (int i = 0; i < 64; ++i)
            clickDot(w.imgGreen(i % 63));
        const DotPath before = w.state().dotPath;
        doubleClickDot(w.imgGreen(0)); // its first press is ignored: nothing changes
        QCOMPARE(w.state().dotCount, std::int16_t(64));
        QVERIFY(w.state().dotPath == before);
        QCOMPARE(w.imgGreen(0)->picture().cacheKey(), w.imgRed()->picture().cacheKey());
    }

    void resizeRedrawsAtNewPositions()
    {
        EditorWindow w(m_ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        clickDot(w.imgGreen(1));
        clickDot(w.imgGreen(10)); // a vertical line that moves with the width
        const QPointF oldMid = (lineCentre(w, 1) + lineCentre(w, 10)) / 2;
        QCOMPARE(pixel(w.PicA(), oldMid), kPathRed);

        w.resize(1200, 600);
        QTRY_COMPARE(w.controlRect(GridControl::PicA).width(), 1200 * 15 / 2.0 - 1200);
        const QPointF newMid = (lineCentre(w, 1) + lineCentre(w, 10)) / 2;
        QVERIFY(qAbs(newMid.x() - oldMid.x()) > 4);
        QCOMPARE(pixel(w.PicA(), newMid), kPathRed);
        QCOMPARE(pixel(w.PicA(), oldMid), qRgb(255, 255, 255)); // erased in colour 15
        // The editor's resize repeats the path on B and reddens its dots.
        QCOMPARE(pixel(w.PicB(), newMid), kPathRed);
        QCOMPARE(w.b_imgGreen(10)->picture().cacheKey(), w.imgRed()->picture().cacheKey());
        QCOMPARE(w.b_imgGreen(11)->picture().cacheKey(), w.imgGreen(63)->picture().cacheKey());
    }

    void backgroundClickRedrawsBothSides()
    {
        EditorWindow w(m_ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        clickDot(w.imgGreen(0));
        clickDot(w.imgGreen(1));
        const QPointF mid = (lineCentre(w, 0) + lineCentre(w, 1)) / 2;
        // A press on the surface itself is not a press on the window.
        QTest::mouseClick(w.PicA(), Qt::LeftButton, {}, QPoint(w.PicA()->width() - 3, 3));
        QTest::mouseClick(w.CmdB(), Qt::LeftButton); // Refresh does nothing
        QCOMPARE(pixel(w.PicB(), mid), qRgb(255, 255, 255));
        QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(pixel(w.PicB(), mid), kPathRed);
        QCOMPARE(w.b_imgGreen(1)->picture().cacheKey(), w.imgRed()->picture().cacheKey());
        QCOMPARE(w.state().dotCount, std::int16_t(2));
    }

    void challengeLooks()
    {
        m_challenge.stored[0] = 1;
        m_challenge.stored[1] = 10;
        ChallengeWindow w(m_ctx, m_challenge);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.CmdA()->text(), QStringLiteral("Summit"));
        QCOMPARE(w.palette().color(QPalette::Window), QColor(255, 255, 128));
        QCOMPARE(w.PicA()->backColor(), QColor(255, 255, 0));
        QCOMPARE(w.PicB()->backColor(), QColor(255, 255, 0));
        QCOMPARE(w.PicA()->lineWidth(), 5);
        QCOMPARE(w.PicB()->lineWidth(), 1);
        // Its load already shows the stored pattern on B, through A's centres.
        const QPointF stored = (lineCentre(w, 0) + lineCentre(w, 9)) / 2;
        QCOMPARE(pixel(w.PicB(), stored), kPathRed);
        QCOMPARE(w.b_imgGreen(9)->picture().cacheKey(), w.imgRed()->picture().cacheKey());
        QCOMPARE(pixel(w.PicA(), stored), qRgb(255, 255, 0));

        // The attempt is drawn five pixels wide.
        clickDot(w.imgGreen(0));
        clickDot(w.imgGreen(1));
        const QPointF mid = (lineCentre(w, 0) + lineCentre(w, 1)) / 2;
        for (int dy = -2; dy <= 2; ++dy)
            QCOMPARE(pixel(w.PicA(), mid + QPointF(0, dy)), kPathRed);
        QCOMPARE(pixel(w.PicA(), mid + QPointF(0, -5)), qRgb(255, 255, 0));
        QCOMPARE(pixel(w.PicA(), mid + QPointF(0, 5)), qRgb(255, 255, 0));
        QCOMPARE(pixel(w.PicB(), mid), qRgb(255, 255, 0)); // the attempt stays off B
    }

    void minimisedKeepsLayout()
    {
        QMdiArea area;
        area.resize(1200, 900);
        area.show();
        auto *w = new EditorWindow(m_ctx);
        QMdiSubWindow *sub = addToWorkspace(&area, w);
        sub->show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        clickDot(w->imgGreen(0));
        clickDot(w->imgGreen(1));
        const QRectF picA = w->controlRect(GridControl::PicA);
        const QRect picAPx = w->PicA()->geometry();
        const QRectF dot62 = w->dotRect(Side::A, 62);
        const QPointF mid = (lineCentre(*w, 0) + lineCentre(*w, 1)) / 2;

        const int drawn = w->PicA()->linesDrawn();
        sub->showMinimized();
        QCoreApplication::processEvents();
        QVERIFY(sub->isMinimized());
        QVERIFY(w->PicA()->linesDrawn() > drawn); // minimising runs the layout, path redrawn
        QCOMPARE(w->innerSizeTwips(), QSizeF(0, 0));
        QCOMPARE(w->controlRect(GridControl::PicA), picA);
        QCOMPARE(w->PicA()->geometry(), picAPx);
        QCOMPARE(w->dotRect(Side::A, 62), dot62);
        QCOMPARE(pixel(w->PicA(), mid), kPathRed);

        const int drawnMinimised = w->PicA()->linesDrawn();
        sub->showNormal();
        QCoreApplication::processEvents();
        QVERIFY(w->PicA()->linesDrawn() > drawnMinimised); // restoring lays out again
        QCOMPARE(w->innerSizeTwips(), QSizeF(13515, 6090));
        QCOMPARE(w->controlRect(GridControl::PicA), picA);
        QCOMPARE(pixel(w->PicA(), mid), kPathRed);

        sub->showMaximized();
        QCoreApplication::processEvents();
        QTRY_VERIFY(w->controlRect(GridControl::PicA).width() > picA.width());
        QCOMPARE(w->controlRect(GridControl::PicA).width(),
                 double(float(w->width() * 15) / 2.0f - 1200.0f));
        const QPointF newMid = (lineCentre(*w, 0) + lineCentre(*w, 1)) / 2;
        QCOMPARE(pixel(w->PicA(), newMid), kPathRed);
    }

    void closeResetsPath()
    {
        EditorWindow w(m_ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        clickDot(w.imgGreen(3));
        w.state().dotPath[63] = 9;
        QVERIFY(w.close()); // never refused
        QCOMPARE(w.state().dotCount, std::int16_t(0));
        QCOMPARE(w.state().dotPath[0], PathEntry(0));
        QCOMPARE(w.state().dotPath[63], PathEntry(9));
    }

    void oneChallengeWindow()
    {
        QMdiArea area;
        area.resize(1200, 900);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        ChallengeSlot slot(&area, m_ctx, m_challenge);
        QVERIFY(!slot.window(false));
        QPointer<ChallengeWindow> first = slot.window(true);
        QVERIFY(first);
        QCOMPARE(slot.window(true), first.data());
        QCOMPARE(slot.window(false), first.data());
        QCOMPARE(area.currentSubWindow()->widget(), first.data());
        QVERIFY(first->isVisible());
        QCOMPARE(&first->state(), &m_challenge.attempt);

        clickDot(first->imgGreen(4));
        clickDot(first->imgGreen(5));
        m_challenge.attempt.dotPath[63] = 7;
        first->closeWindow();
        QVERIFY(!slot.window(false)); // closing counts as closed
        QTRY_VERIFY(!first);          // gone with its child window
        QVERIFY(area.subWindowList().isEmpty());

        // The state outlives the close: reset up to position 62, LinePt kept.
        const GridState &s = m_challenge.attempt;
        QCOMPARE(s.dotCount, std::int16_t(0));
        QCOMPARE(s.dotPath[1], PathEntry(0));
        QCOMPARE(s.dotPath[63], PathEntry(7));
        QVERIFY(s.current.has_value());

        ChallengeWindow *second = slot.window(true);
        QVERIFY(second);
        QCOMPARE(&second->state(), &s);
        QCOMPARE(second->imgGreen(4)->picture().cacheKey(),
                 second->imgGreen(63)->picture().cacheKey()); // rebuilt from its definition
        clickDot(second->imgGreen(20));
        QCOMPARE(s.dotPath[0], PathEntry(21));
        QCOMPARE(*s.previous, *s.current);
    }
};

PLIMSO_TEST_MAIN(TestGridWindow)
#include "tst_gridwindow.moc"
