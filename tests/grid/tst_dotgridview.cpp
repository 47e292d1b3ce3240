// A grid surface as its users meet it: with the mouse, the keyboard alone, a
// dark or high-contrast palette and a device pixel ratio of 2. (A screen
// reader's view is tst_dotaccessible.)
#include "forms/colours.h"
#include "grid/appcontext.h"
#include "grid/dotgridview.h"
#include "grid/editorwindow.h"
#include "support/fakedialogs.h"
#include "support/gridinput.h"
#include "support/surfacepixels.h"
#include "support/testenv.h"

#include <QApplication>
#include <QPaintEvent>
#include <QRegion>
#include <QScreen>
#include <QtTest>

namespace {

QPalette schemed(QRgb base, QRgb text, QRgb highlight, QRgb highlightedText)
{
    QPalette p = QApplication::palette();
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::Window, base);
    p.setColor(QPalette::Button, base);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, highlightedText);
    return p;
}

// What of a widget Qt repainted since the filter was installed.
struct PaintedRegion : QObject {
    QRegion region;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) region += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

// Whether the screen (offscreen: the window's backing store, as Qt last
// painted it) shows of `view` what a full repaint, grab(), shows.
bool screenShowsAFullRepaint(QWidget *view)
{
    const QPoint at = view->mapTo(view->window(), QPoint(0, 0));
    const QPixmap screen = view->screen()->grabWindow(view->window()->winId(), at.x(), at.y(),
                                                      view->width(), view->height());
    return screen.toImage().convertToFormat(QImage::Format_RGB32) ==
           view->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestDotGridView : public QObject, EditorFixture {
    Q_OBJECT

private slots:
    void cleanup() { m_window.reset(); }

    // A click is a press and a release on the same dot; the second press of a
    // double-click takes the first back, whichever dot it lands on (dots
    // overlap), and its release is no click. The dot taken back turns green.
    void mouse()
    {
        EditorWindow &w = showEditor(true);
        QTest::mousePress(w.PicA(), Qt::LeftButton, {}, dotCentre(w.PicA(), 5));
        QTest::mouseRelease(w.PicA(), Qt::LeftButton, {}, dotCentre(w.PicA(), 7));
        QCOMPARE(w.state().dotCount, std::int16_t(0));
        clickDot(w.PicA(), 5);
        clickDot(w.PicA(), 6);
        QTest::mouseDClick(w.PicA(), Qt::LeftButton, {}, dotCentre(w.PicA(), 15));
        QTest::mouseRelease(w.PicA(), Qt::LeftButton, {}, dotCentre(w.PicA(), 15));
        QCOMPARE(w.state().dotCount, std::int16_t(1));
        QVERIFY(!w.model().isRed(Side::A, 6));
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        clickDot(w.PicA(), 6);
        QCOMPARE(w.state().dotPath[1], PathEntry(7));
        QVERIFY(!w.PicA()->focusRingShown()); // the mouse never shows the ring
        QCOMPARE(w.PicA()->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseMove(w.PicA(), dotCentre(w.PicA(), 6));
        QCOMPARE(w.PicA()->cursor().shape(), Qt::PointingHandCursor);
    }

    // The window opens on PicB; Tab reaches the buttons, then PicA, whose
    // ring starts on dot 0 and follows the arrows, stopping at the edges.
    void keyboardAlone()
    {
        EditorWindow &w = showEditor(true);
        QCOMPARE(QApplication::focusWidget(), w.PicB());
        QTest::keyClick(w.PicB(), Qt::Key_Space); // the position box, as a click on b_imgGreen(0)
        QCOMPARE(m_dialogs.last().text, QStringLiteral("240 120"));
        QStringList order;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, (QStringList{"CmdB", "CmdTest", "PicA"}));
        DotGridView *a = w.PicA();
        QVERIFY(a->focusRingShown());
        QCOMPARE(a->focusDot(), 0);
        for (const auto key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Space,
                               Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Return})
            QTest::keyClick(a, key);
        for (int i = 0; i < 12; ++i)
            QTest::keyClick(a, Qt::Key_Right);
        QTest::keyClick(a, Qt::Key_Space);
        QCOMPARE(a->focusDot(), 8);
        QCOMPARE(w.state().dotCount, std::int16_t(3));
        QCOMPARE(w.state().dotPath[0], PathEntry(12));
        QCOMPARE(w.state().dotPath[1], PathEntry(2));
        QCOMPARE(w.state().dotPath[2], PathEntry(9));
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(a, Qt::Key_Backspace); // one click a press, down to none
        QCOMPARE(w.state().dotCount, std::int16_t(0));
        QVERIFY(!w.model().isRed(Side::A, 11));
        QTest::keyClick(w.PicB(), Qt::Key_Backspace);
    }

    // A click repaints only part of the surface, which then shows what a full
    // repaint shows: not the new wide line cut short by a shrunken update
    // rectangle, nor line 1-12, where it crosses 2-56, lost to a wrong cull.
    void aClickRepaintsWhatItChanged()
    {
        EditorWindow &w = showEditor(false);
        DotGridView *a = w.PicA();
        a->setLineWidth(5); // the challenge's: a wide line needs all of its rectangle
        for (const int k : {1, 12, 2})
            clickDot(a, k);
        QTRY_VERIFY(screenShowsAFullRepaint(a));
        PaintedRegion painted;
        a->installEventFilter(&painted);
        clickDot(a, 56);
        QTRY_VERIFY(!painted.region.isEmpty());
        QVERIFY(!QRegion(a->rect()).subtracted(painted.region).isEmpty());
        QVERIFY(screenShowsAFullRepaint(a));
    }

    // The path and the dots' outlines stand out by at least 3:1 from each
    // surface's own background under a dark palette, by 4.5:1 under a high
    // contrast one, whose lines are 2 pixels wide even where 1 is asked for;
    // nothing is painted in the default palette's white.
    void palettes_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("lineWidth"); // of a line asked to be 1 pixel wide
        QTest::newRow("darker scheme")
            << schemed(qRgb(0x3d, 0x3d, 0x3d), qRgb(255, 255, 255), qRgb(0x12, 0x60, 0x8a),
                       qRgb(0xf9, 0xf9, 0xf9)) << 3.0 << 1;
        QTest::newRow("high contrast black")
            << schemed(qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(0x1a, 0xeb, 0xff), qRgb(0, 0, 0))
            << 4.5 << 2;
    }
    void palettes()
    {
        QFETCH(QPalette, palette);
        QFETCH(double, ratio);
        QFETCH(int, lineWidth);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(palette);
        EditorWindow &w = showEditor(true);
        w.PicB()->setLineWidth(1);
        for (const int k : {0, 1, 10, 20})
            clickDot(w.PicA(), k);
        QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(3, 3)); // the path on PicB too
        for (DotGridView *view : {w.PicA(), w.PicB()}) {
            const QImage shownImage = view->image();
            const QColor back = view->backgroundColour();
            QCOMPARE(shownImage.pixel(1, 1), back.rgb());
            QVERIFY(back != QColor(Qt::white));
            QVERIFY2(colours::contrast(view->pathColour(), back) >= ratio,
                     view->objectName().toLatin1());
            QVERIFY(colours::contrast(view->outlineColour(), back) >= ratio);
            QVERIFY(surfacepixels::pixelCount(shownImage, view->pathColour().rgb()) > 20);
            QVERIFY(surfacepixels::pixelCount(shownImage, view->outlineColour().rgb()) >= 63 * 36);
        }
        const int x = (w.PicB()->dotRect(0).right() + w.PicB()->dotRect(1).left()) / 2; // 0 to 1
        QCOMPARE(surfacepixels::rowsAt(w.PicB()->image(), x, w.PicB()->pathColour().rgb()).size(),
                 lineWidth);
        m_window.reset();
        QApplication::setPalette(before);
    }

    // At ratio 2 a dot is drawn at device resolution: round, its outline as
    // wide on every side, its edge antialiased; lines are antialiased and stay
    // centred on the dots.
    void ratioTwo()
    {
        EditorWindow &w = showEditor(true);
        clickDot(w.PicA(), 0);
        clickDot(w.PicA(), 1);
        DotGridView *a = w.PicA();
        QImage img(a->size() * 2, QImage::Format_RGB32);
        img.setDevicePixelRatio(2);
        a->render(&img);
        const QRect dot = a->dotRect(2);
        const QRect device(dot.topLeft() * 2, dot.size() * 2);
        // Round and evenly outlined: the middle row and column read the same
        // from either end; the rim is antialiased, not steps of black and white.
        const auto gray = [&](int x, int y) { return qGray(img.pixel(device.x() + x, device.y() + y)); };
        const int n = device.width(), mid = n / 2;
        int rim = 0;
        for (int i = 0; i < n; ++i) {
            QVERIFY(qAbs(gray(i, mid) - gray(n - 1 - i, mid)) < 40);
            QVERIFY(qAbs(gray(mid, i) - gray(mid, n - 1 - i)) < 40);
            for (int j = 0; j < n; ++j) {
                const QColor c = img.pixelColor(device.x() + i, device.y() + j);
                rim += c.red() == c.green() && c.green() == c.blue() && c.red() > 30 && c.red() < 225;
            }
        }
        QVERIFY(rim > 8);
        // The line from dot 0 to 1: red rows symmetric about the dots' centre row.
        const int cy = 2 * (a->dotRect(0).top() + 8);
        const int x = (2 * (a->dotRect(0).left() + a->dotRect(1).left()) + 32) / 2;
        int above = 0, below = 0;
        while (qRed(img.pixel(x, cy - 1 - above)) > 100 && qGreen(img.pixel(x, cy - 1 - above)) < 100) ++above;
        while (qRed(img.pixel(x, cy + below)) > 100 && qGreen(img.pixel(x, cy + below)) < 100) ++below;
        QVERIFY(above + below >= 3);
        QVERIFY(qAbs(above - below) <= 1);
    }
};

PLIMSO_TEST_MAIN(TestDotGridView)
#include "tst_dotgridview.moc"
