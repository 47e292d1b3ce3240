#include "forms/twips.h"

#include <QtTest>

// Twips against logical pixels at 15 twips per pixel.
class TstTwips : public QObject {
    Q_OBJECT

private slots:
    void toPixelsRounds_data();
    void toPixelsRounds();
    void exactPixels_data();
    void exactPixels();
    void rectangles();
    void himetric_data();
    void himetric();
};

void TstTwips::toPixelsRounds_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("zero") << 0.0 << 0;
    QTest::newRow("below half") << 7.4 << 0;
    QTest::newRow("half rounds up") << 7.5 << 1;
    QTest::newRow("one pixel") << 15.0 << 1;
    QTest::newRow("1.49") << 22.4 << 1;
    QTest::newRow("1.5") << 22.5 << 2;
    QTest::newRow("a dot") << 240.0 << 16;
    QTest::newRow("single precision layout value") << double(5547.7773f) << 370;
    QTest::newRow("editor width") << 13515.0 << 901;
    QTest::newRow("editor height") << 6090.0 << 406;
    QTest::newRow("splash frame top") << -15.0 << -1;
    QTest::newRow("negative half rounds away from zero") << -7.5 << -1;
    QTest::newRow("negative below half") << -7.4 << 0;
}

void TstTwips::toPixelsRounds()
{
    QFETCH(double, twips);
    QFETCH(int, pixels);
    QCOMPARE(twips::toPixels(twips), pixels);
}

void TstTwips::exactPixels_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<double>("pixels");
    QTest::newRow("dot centre") << 600.0 << 40.0;
    QTest::newRow("fraction kept") << 607.5 << 40.5;
    QTest::newRow("one twip") << 1.0 << 1.0 / 15;
}

void TstTwips::exactPixels()
{
    QFETCH(double, twips);
    QFETCH(double, pixels);
    QCOMPARE(twips::toPixels(QPointF(twips, 2 * twips)), QPointF(pixels, 2 * pixels));
    QCOMPARE(twips::fromPixels(pixels), twips);
}

void TstTwips::rectangles()
{
    QCOMPARE(twips::toPixels(QRectF(240, 240, 6735, 3975)), QRect(16, 16, 449, 265));
    QCOMPARE(twips::toPixels(QRectF(45, -15, 7380, 4590)), QRect(3, -1, 492, 306));
    QCOMPARE(twips::toPixels(13515, 6090), QSize(901, 406));
    QCOMPARE(twips::fromPixels(QRect(16, 16, 449, 265)), QRectF(240, 240, 6735, 3975));
}

void TstTwips::himetric_data()
{
    QTest::addColumn<double>("himetric");
    QTest::addColumn<double>("twips");
    QTest::newRow("one inch") << 2540.0 << 1440.0;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("half inch") << 1270.0 << 720.0;
}

void TstTwips::himetric()
{
    QFETCH(double, himetric);
    QFETCH(double, twips);
    QCOMPARE(twips::fromHimetric(himetric), twips);
}

QTEST_GUILESS_MAIN(TstTwips)
#include "tst_twips.moc"
