#include "forms/colours.h"
#include "forms/imagecontrol.h"
#include "forms/pictures.h"
#include "forms/picturesurface.h"
#include "logic/consolecolour.h"
#include "support/surfacepixels.h"
#include "support/testenv.h"

#include <QApplication>
#include <QtTest>
#include <cmath>

using namespace surfacepixels;

// The picture surface at the level of real pixels in its backing image, at a
// device pixel ratio of 1.
class TstPictureSurface : public QObject {
    Q_OBJECT

private slots:
    void lineBetweenDotCentres_data();
    void lineBetweenDotCentres();
    void redrawInBackgroundRestores_data();
    void redrawInBackgroundRestores();
    void zeroLengthLineIsDotOfLineWidth_data();
    void zeroLengthLineIsDotOfLineWidth();
    void widthFiveVersusOne();
    void lineWidthBelowOneIsOne();
    void drawingSurvivesShrinkAndGrow();
    void backingImageMatchesWidgetAtRatioOne();
    void visibleSurfaceShowsTheDrawing();
    void renderedImageIncludesChildControls();
    void newBackColourClearsTheDrawing();
};

namespace {

const QRgb kRed = colours::console(consolecolour::kRed).rgb();
const QRgb kWhite = qRgb(255, 255, 255);

// The centre of a 240 x 240 twips dot at (left, top), in twips.
QPointF dotCentre(double left, double top)
{
    return QPointF(left + 120, top + 120);
}

// PicA's defined size: 6735 x 3975 twips is 449 x 265 pixels.
std::unique_ptr<PictureSurface> picA()
{
    auto s = std::make_unique<PictureSurface>();
    s->setBackColor(Qt::white);
    s->resize(449, 265);
    return s;
}

} // namespace

void TstPictureSurface::lineBetweenDotCentres_data()
{
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QPoint>("firstPixel");
    QTest::addColumn<QPoint>("lastPixel");
    QTest::newRow("imgGreen(0) to imgGreen(1)")
        << dotCentre(480, 240) << dotCentre(1320, 360) << QPoint(40, 24) << QPoint(96, 32);
    QTest::newRow("across a row, level")
        << dotCentre(1320, 360) << dotCentre(2160, 360) << QPoint(96, 32) << QPoint(152, 32);
    QTest::newRow("down a column")
        << dotCentre(480, 240) << dotCentre(480, 720) << QPoint(40, 24) << QPoint(40, 56);
    QTest::newRow("imgGreen(45) up to imgGreen(8)")
        << dotCentre(480, 2520) << dotCentre(6240, 600) << QPoint(40, 176) << QPoint(424, 48);
    QTest::newRow("right to left, steep")
        << dotCentre(2160, 480) << dotCentre(1320, 3000) << QPoint(152, 40) << QPoint(96, 208);
}

void TstPictureSurface::lineBetweenDotCentres()
{
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(QPoint, firstPixel);
    QFETCH(QPoint, lastPixel);
    auto s = picA();
    s->drawLine(from, to, colours::console(consolecolour::kRed));
    const QImage &img = s->backingImage();

    QCOMPARE(img.pixel(firstPixel), kRed);
    QCOMPARE(img.pixel(lastPixel), kRed);
    const QList<QPoint> red = pixelsOf(img, kRed);
    QCOMPARE(boundingRect(red), boundingRect({firstPixel, lastPixel}));
    // Aliased: one pixel per step along the longer axis, each on the ideal line,
    // and nothing but line colour and background.
    const QPoint d = lastPixel - firstPixel;
    QCOMPARE(red.size(), std::max(std::abs(d.x()), std::abs(d.y())) + 1);
    for (const QPoint &p : red) {
        const double cross = std::abs(double(d.x()) * (p.y() - firstPixel.y()) -
                                      double(d.y()) * (p.x() - firstPixel.x()));
        QVERIFY2(cross / std::hypot(d.x(), d.y()) <= 1.0,
                 qPrintable(QStringLiteral("(%1,%2) off the line").arg(p.x()).arg(p.y())));
    }
    QCOMPARE(pixelsOf(img, kWhite).size() + red.size(), img.width() * img.height());
}

void TstPictureSurface::redrawInBackgroundRestores_data()
{
    QTest::addColumn<int>("background");
    QTest::addColumn<int>("width");
    QTest::newRow("editor white, width 1") << int(consolecolour::kBrightWhite) << 1;
    QTest::newRow("challenge yellow, width 5") << int(consolecolour::kLightYellow) << 5;
    QTest::newRow("challenge yellow, width 1") << int(consolecolour::kLightYellow) << 1;
}

void TstPictureSurface::redrawInBackgroundRestores()
{
    QFETCH(int, background);
    QFETCH(int, width);
    const QColor back = colours::console(background);
    auto fresh = picA();
    fresh->setBackColor(back);
    fresh->drawLine({0, 0}, {0, 0}, back); // creates the backing image untouched
    auto s = picA();
    s->setBackColor(back);
    s->setLineWidth(width);

    const QList<QPointF> path = {dotCentre(480, 240), dotCentre(1320, 360), dotCentre(2160, 480),
                                 dotCentre(480, 2520), dotCentre(6240, 3360)};
    s->drawLine(path[0], path[0], colours::console(consolecolour::kRed)); // the first click's dot
    for (int i = 1; i < path.size(); ++i)
        s->drawLine(path[i - 1], path[i], colours::console(consolecolour::kRed));
    QVERIFY(s->backingImage() != fresh->backingImage());

    s->drawLine(path[0], path[0], back);
    for (int i = 1; i < path.size(); ++i)
        s->drawLine(path[i - 1], path[i], back);
    QCOMPARE(s->backingImage(), fresh->backingImage());
}

void TstPictureSurface::zeroLengthLineIsDotOfLineWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
    QTest::newRow("3") << 3;
    QTest::newRow("5") << 5;
}

void TstPictureSurface::zeroLengthLineIsDotOfLineWidth()
{
    QFETCH(int, width);
    auto s = picA();
    s->setLineWidth(width);
    s->drawLine(dotCentre(480, 240), dotCentre(480, 240), colours::console(consolecolour::kRed));
    const QList<QPoint> red = pixelsOf(s->backingImage(), kRed);
    const QRect box = boundingRect(red);
    QCOMPARE(box.size(), QSize(width, width));
    // Around the point's pixel (40, 24): centred for odd widths.
    QVERIFY(box.contains(QPoint(40, 24)));
    if (width % 2 == 1) QCOMPARE(box.center(), QPoint(40, 24));
    // A round dot fills most of its box, corners possibly cut.
    QVERIFY(red.size() >= width * width * 3 / 4);
}

void TstPictureSurface::widthFiveVersusOne()
{
    auto thin = picA();
    auto thick = picA();
    thick->setLineWidth(5);
    const QPointF a = dotCentre(1320, 360), b = dotCentre(2160, 360); // (96,32) to (152,32)
    thin->drawLine(a, b, colours::console(consolecolour::kRed));
    thick->drawLine(a, b, colours::console(consolecolour::kRed));
    QCOMPARE(rowsAt(thin->backingImage(), 120, kRed), QList<int>({32}));
    QCOMPARE(rowsAt(thick->backingImage(), 120, kRed), QList<int>({30, 31, 32, 33, 34}));
    // The thick line's round ends reach past the end pixels; the thin one's do not.
    QCOMPARE(boundingRect(pixelsOf(thin->backingImage(), kRed)), QRect(96, 32, 57, 1));
    QCOMPARE(boundingRect(pixelsOf(thick->backingImage(), kRed)), QRect(94, 30, 61, 5));
}

void TstPictureSurface::lineWidthBelowOneIsOne()
{
    PictureSurface s;
    s.setLineWidth(0);
    QCOMPARE(s.lineWidth(), 1);
    s.setLineWidth(-3);
    QCOMPARE(s.lineWidth(), 1);
}

void TstPictureSurface::drawingSurvivesShrinkAndGrow()
{
    auto s = picA();
    s->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.get()));
    const QPointF a = dotCentre(5640, 3360), b = dotCentre(6240, 3360); // (384,232) to (424,232)
    s->drawLine(a, b, colours::console(consolecolour::kRed));
    const QList<QPoint> before = pixelsOf(s->backingImage(), kRed);

    s->resize(100, 60); // the line is now outside
    QCoreApplication::processEvents();
    s->resize(449, 265);
    QCoreApplication::processEvents();
    QCOMPARE(pixelsOf(s->backingImage(), kRed), before);
    const QImage seen = s->renderedImage();
    QCOMPARE(seen.pixel(400, 232), kRed);
    // Growing past the first size keeps the drawing and fills the new part with background.
    s->resize(600, 400);
    QCoreApplication::processEvents();
    QCOMPARE(pixelsOf(s->backingImage(), kRed), before);
    QCOMPARE(s->backingImage().pixel(590, 390), kWhite);
}

void TstPictureSurface::backingImageMatchesWidgetAtRatioOne()
{
    auto s = picA();
    s->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.get()));
    QCOMPARE(s->devicePixelRatioF(), 1.0);
    QCOMPARE(s->backingImage().size(), QSize(449, 265));
    QCOMPARE(s->backingImage().devicePixelRatio(), 1.0);
    s->resize(500, 300);
    QCoreApplication::processEvents();
    QCOMPARE(s->backingImage().size(), QSize(500, 300));
}

void TstPictureSurface::visibleSurfaceShowsTheDrawing()
{
    auto s = picA();
    s->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.get()));
    s->drawLine(dotCentre(480, 240), dotCentre(1320, 360), colours::console(consolecolour::kRed));
    const QImage grabbed = s->grab().toImage();
    QCOMPARE(grabbed.pixel(40, 24), kRed);
    QCOMPARE(grabbed.pixel(96, 32), kRed);
    QCOMPARE(grabbed.pixel(96, 24), kWhite);
}

void TstPictureSurface::renderedImageIncludesChildControls()
{
    auto s = picA();
    auto *dot = new ImageControl(s.get(), 0);
    dot->setPicture(QPixmap::fromImage(pictures::greenDotImage()));
    dot->setTwipsGeometry(QRectF(480, 240, 240, 240)); // pixels (32,16) to (47,31)
    auto *hidden = new ImageControl(s.get(), 1);
    hidden->setPicture(QPixmap::fromImage(pictures::redDotImage()));
    hidden->setTwipsGeometry(QRectF(1320, 360, 240, 240));
    hidden->hide();
    // A line through the dot's middle row, under the dot.
    s->drawLine(QPointF(300, 360), QPointF(1200, 360), colours::console(consolecolour::kRed));

    for (bool shown : {false, true}) {
        if (shown) {
            s->show();
            QVERIFY(QTest::qWaitForWindowExposed(s.get()));
        }
        const QImage seen = s->renderedImage();
        QCOMPARE(seen.size(), QSize(449, 265));
        QCOMPARE(seen.pixel(40, 24), qRgb(0, 255, 0)); // the dot's fill covers the line
        QCOMPARE(seen.pixel(33, 24), qRgb(0, 0, 0));   // its outline
        QCOMPARE(seen.pixel(32, 24), kRed);            // the transparent surround shows the line
        QCOMPARE(seen.pixel(60, 24), kRed);
        QCOMPARE(seen.pixel(104, 32), kWhite); // the hidden control is not drawn
        QCOMPARE(s->backingImage().pixel(40, 24), kRed);
    }
}

void TstPictureSurface::newBackColourClearsTheDrawing()
{
    auto s = picA();
    s->drawLine(dotCentre(480, 240), dotCentre(1320, 360), colours::console(consolecolour::kRed));
    s->setBackColor(colours::console(consolecolour::kLightYellow));
    QCOMPARE(pixelsOf(s->backingImage(), kRed).size(), 0);
    QCOMPARE(s->backingImage().pixel(40, 24), qRgb(255, 255, 0));
}

PLIMSO_TEST_MAIN(TstPictureSurface)
#include "tst_picturesurface.moc"
