#include "forms/colours.h"
#include "forms/picturesurface.h"
#include "logic/consolecolour.h"
#include "support/surfacepixels.h"
#include "support/testenv.h"

#include <QApplication>
#include <QtTest>

using namespace surfacepixels;

// The picture surface on a screen with a device pixel ratio of 2: the scale
// factor is fixed before the application starts (see main below).
class TstPictureSurfaceHiDpi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void backingImageIsTwiceTheLogicalSize();
    void onePixelLineIsTwoDevicePixelsWide();
    void dotOfWidthFiveCoversTenDevicePixels();
    void redrawInBackgroundRestores();
    void renderedImageIsLogicalSize();

private:
    std::unique_ptr<PictureSurface> shownSurface();
};

namespace {
const QRgb kRed = colours::console(consolecolour::kRed).rgb();
const QRgb kWhite = qRgb(255, 255, 255);
} // namespace

std::unique_ptr<PictureSurface> TstPictureSurfaceHiDpi::shownSurface()
{
    auto s = std::make_unique<PictureSurface>();
    s->setBackColor(Qt::white);
    s->resize(200, 120);
    s->show();
    if (!QTest::qWaitForWindowExposed(s.get())) return nullptr;
    return s;
}

void TstPictureSurfaceHiDpi::initTestCase()
{
    PictureSurface probe;
    probe.show();
    QVERIFY(QTest::qWaitForWindowExposed(&probe));
    QCOMPARE(probe.devicePixelRatioF(), 2.0);
}

void TstPictureSurfaceHiDpi::backingImageIsTwiceTheLogicalSize()
{
    auto s = shownSurface();
    QVERIFY(s);
    QCOMPARE(s->backingImage().size(), QSize(400, 240));
    QCOMPARE(s->backingImage().devicePixelRatio(), 2.0);
    s->resize(250, 150);
    QCoreApplication::processEvents();
    QCOMPARE(s->backingImage().size(), QSize(500, 300));
}

void TstPictureSurfaceHiDpi::onePixelLineIsTwoDevicePixelsWide()
{
    auto s = shownSurface();
    QVERIFY(s);
    s->drawLine(QPointF(600, 360), QPointF(1440, 360),
                colours::console(consolecolour::kRed)); // (40,24) to (96,24)
    // Logical pixel row 24 is device rows 48 and 49; columns 40 to 96 are 80 to 193.
    QCOMPARE(rowsAt(s->backingImage(), 120, kRed), QList<int>({48, 49}));
    QCOMPARE(boundingRect(pixelsOf(s->backingImage(), kRed)), QRect(80, 48, 114, 2));
}

void TstPictureSurfaceHiDpi::dotOfWidthFiveCoversTenDevicePixels()
{
    auto s = shownSurface();
    QVERIFY(s);
    s->setLineWidth(5);
    s->drawLine(QPointF(1500, 900), QPointF(1500, 900),
                colours::console(consolecolour::kRed)); // (100,60)
    // Logical pixels 98 to 102 around the point's pixel.
    QCOMPARE(boundingRect(pixelsOf(s->backingImage(), kRed)), QRect(196, 116, 10, 10));
}

void TstPictureSurfaceHiDpi::redrawInBackgroundRestores()
{
    auto fresh = shownSurface();
    auto s = shownSurface();
    QVERIFY(fresh && s);
    const QList<QPointF> path = {{600, 360}, {1440, 480}, {2280, 1500}, {600, 1700}};
    for (int width : {1, 5}) {
        s->setLineWidth(width);
        for (int i = 1; i < path.size(); ++i)
            s->drawLine(path[i - 1], path[i], colours::console(consolecolour::kRed));
        QVERIFY(s->backingImage() != fresh->backingImage());
        for (int i = 1; i < path.size(); ++i)
            s->drawLine(path[i - 1], path[i], Qt::white);
        QCOMPARE(s->backingImage(), fresh->backingImage());
    }
}

void TstPictureSurfaceHiDpi::renderedImageIsLogicalSize()
{
    auto s = shownSurface();
    QVERIFY(s);
    s->drawLine(QPointF(600, 360), QPointF(1440, 360), colours::console(consolecolour::kRed));
    const QImage seen = s->renderedImage();
    QCOMPARE(seen.size(), QSize(200, 120));
    QCOMPARE(seen.pixel(60, 24), kRed);
    QCOMPARE(seen.pixel(60, 30), kWhite);
}

int main(int argc, char **argv)
{
    // The scale factor is read once, when the application starts.
    qputenv("QT_SCALE_FACTOR", "2");
    TestEnv::isolate();
    QApplication app(argc, argv);
    TstPictureSurfaceHiDpi tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_picturesurface_hidpi.moc"
