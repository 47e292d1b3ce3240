#include "forms/colours.h"
#include "forms/pictures.h"
#include "support/surfacepixels.h"

#include <QSet>
#include <QtTest>

// The program's own pictures: the dot disc pixel by pixel, the toolbar's image
// list and the splash logo.
class TstPictures : public QObject {
    Q_OBJECT

private slots:
    void dotMatchesPixelTable_data();
    void dotMatchesPixelTable();
    void dotsDifferOnlyInFill();
    void toolbarKeysGiveImages_data();
    void toolbarKeysGiveImages();
    void toolbarUnknownKeyIsNull_data();
    void toolbarUnknownKeyIsNull();
    void toolbarMaskBecomesTransparent_data() { toolbarKeysGiveImages_data(); }
    void toolbarMaskBecomesTransparent();
    void toolbarUsesOnlyConsoleColours_data() { toolbarKeysGiveImages_data(); }
    void toolbarUsesOnlyConsoleColours();
    void toolbarPictureColours_data();
    void toolbarPictureColours();
    void saveShowsMaskInsideTheDisk();
    void logoSizeAndFormat();
};

namespace {

enum class Px { Clear, Outline, Fill, White };

// The expected pixel class at (x, y), straight from the row table of the disc.
Px expectedDot(int x, int y)
{
    struct Row {
        int oFrom, oTo;
        bool run;
        int fFrom, fTo;
    };
    static const Row rows[16] = {
        {-1, -1, false, -1, -1}, {5, 10, true, -1, -1}, {4, 11, false, 5, 10},
        {3, 12, false, 4, 11},   {2, 13, false, 3, 12}, {1, 14, false, 2, 13},
        {1, 14, false, 2, 13},   {1, 14, false, 2, 13}, {1, 14, false, 2, 13},
        {1, 14, false, 2, 13},   {1, 14, false, 2, 13}, {2, 13, false, 3, 12},
        {3, 12, false, 4, 11},   {4, 11, false, 5, 10}, {5, 10, true, -1, -1},
        {-1, -1, false, -1, -1}};
    const Row &r = rows[y];
    if (r.run ? (x >= r.oFrom && x <= r.oTo) : (x == r.oFrom || x == r.oTo)) return Px::Outline;
    if (r.fFrom >= 0 && x >= r.fFrom && x <= r.fTo)
        return (y == 5 || y == 6) && (x == 4 || x == 5) ? Px::White : Px::Fill;
    return Px::Clear;
}

bool isConsoleColour(QRgb c)
{
    for (int n = 0; n < 16; ++n)
        if (colours::console(n).rgb() == (c | 0xff000000u)) return true;
    return false;
}

const QStringList kKeys = {"New", "Open", "Save", "Print", "Line Style", "Properties", "Drawing"};

} // namespace

using surfacepixels::pixelCount;

void TstPictures::dotMatchesPixelTable_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QRgb>("fill");
    QTest::newRow("green") << pictures::greenDotImage() << qRgb(0, 255, 0);
    QTest::newRow("red") << pictures::redDotImage() << qRgb(255, 0, 0);
}

void TstPictures::dotMatchesPixelTable()
{
    QFETCH(QImage, image);
    QFETCH(QRgb, fill);
    QCOMPARE(image.size(), QSize(16, 16));
    QVERIFY(image.hasAlphaChannel());
    int outline = 0, filled = 0, white = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const QRgb px = image.pixel(x, y);
            const QString where = QStringLiteral("pixel (%1,%2)").arg(x).arg(y);
            switch (expectedDot(x, y)) {
            case Px::Clear:
                QVERIFY2(qAlpha(px) == 0, qPrintable(where));
                break;
            case Px::Outline:
                QVERIFY2(px == qRgb(0, 0, 0), qPrintable(where));
                ++outline;
                break;
            case Px::Fill:
                QVERIFY2(px == fill, qPrintable(where));
                ++filled;
                break;
            case Px::White:
                QVERIFY2(px == qRgb(255, 255, 255), qPrintable(where));
                ++white;
                break;
            }
        }
    }
    // The table itself: a one-pixel ring, 2 x 2 highlight, 14 x 14 disc.
    QCOMPARE(white, 4);
    QCOMPARE(outline, 36);
    QCOMPARE(outline + filled + white, 156);
}

void TstPictures::dotsDifferOnlyInFill()
{
    const QImage green = pictures::greenDotImage();
    const QImage red = pictures::redDotImage();
    int differing = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (green.pixel(x, y) != red.pixel(x, y)) {
                QCOMPARE(green.pixel(x, y), qRgb(0, 255, 0));
                QCOMPARE(red.pixel(x, y), qRgb(255, 0, 0));
                ++differing;
            }
    QCOMPARE(differing, pixelCount(green, qRgb(0, 255, 0)));
    QVERIFY(differing > 100);
}

void TstPictures::toolbarKeysGiveImages_data()
{
    QTest::addColumn<QString>("key");
    for (const QString &k : kKeys)
        QTest::newRow(qPrintable(k)) << k;
}

void TstPictures::toolbarKeysGiveImages()
{
    QFETCH(QString, key);
    const QImage unmasked = pictures::toolbarImageUnmasked(key);
    const QImage masked = pictures::toolbarImage(key);
    QCOMPARE(unmasked.size(), QSize(16, 16));
    QCOMPARE(masked.size(), QSize(16, 16));
    // Each is a real picture: the mask colour surrounds it but does not fill it.
    const int mask = pixelCount(unmasked, pictures::kToolbarMask);
    QVERIFY2(mask > 0 && mask < 200, qPrintable(QString::number(mask)));
}

void TstPictures::toolbarUnknownKeyIsNull_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("empty") << QString();
    QTest::newRow("other") << QStringLiteral("Cut");
    QTest::newRow("case") << QStringLiteral("new");
    QTest::newRow("toolbar key, not image key") << QStringLiteral("開新檔案");
}

void TstPictures::toolbarUnknownKeyIsNull()
{
    QFETCH(QString, key);
    QVERIFY(pictures::toolbarImage(key).isNull());
    QVERIFY(pictures::toolbarImageUnmasked(key).isNull());
}

void TstPictures::toolbarMaskBecomesTransparent()
{
    QFETCH(QString, key);
    const QImage unmasked = pictures::toolbarImageUnmasked(key);
    const QImage masked = pictures::toolbarImage(key);
    QVERIFY(masked.hasAlphaChannel());
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const QRgb u = unmasked.pixel(x, y);
            const QRgb m = masked.pixel(x, y);
            const QString where = QStringLiteral("pixel (%1,%2)").arg(x).arg(y);
            if (u == pictures::kToolbarMask) {
                QVERIFY2(qAlpha(m) == 0, qPrintable(where));
            } else {
                QVERIFY2(qAlpha(u) == 255, qPrintable(where));
                QVERIFY2(m == u, qPrintable(where));
            }
        }
    }
}

void TstPictures::toolbarUsesOnlyConsoleColours()
{
    QFETCH(QString, key);
    const QImage img = pictures::toolbarImageUnmasked(key);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            QVERIFY2(isConsoleColour(img.pixel(x, y)),
                     qPrintable(QStringLiteral("pixel (%1,%2) = %3")
                                    .arg(x)
                                    .arg(y)
                                    .arg(img.pixel(x, y), 8, 16)));
}

// Colours each picture is described with.
void TstPictures::toolbarPictureColours_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<int>>("consoleColours");
    QTest::newRow("New") << "New" << QList<int>{0, 15};
    QTest::newRow("Open") << "Open" << QList<int>{0, 6, 14, 15};
    QTest::newRow("Save") << "Save" << QList<int>{0, 6};
    QTest::newRow("Print") << "Print" << QList<int>{0, 14, 15};
    QTest::newRow("Line Style") << "Line Style" << QList<int>{0};
    QTest::newRow("Properties") << "Properties" << QList<int>{0, 1, 14, 15};
    QTest::newRow("Drawing") << "Drawing" << QList<int>{1, 3, 14, 15};
}

void TstPictures::toolbarPictureColours()
{
    QFETCH(QString, key);
    QFETCH(QList<int>, consoleColours);
    const QImage img = pictures::toolbarImageUnmasked(key);
    for (int n : consoleColours)
        QVERIFY2(pixelCount(img, colours::console(n).rgb()) > 0,
                 qPrintable(QStringLiteral("console colour %1 missing").arg(n)));
}

void TstPictures::saveShowsMaskInsideTheDisk()
{
    // The label and the shutter hole are mask-coloured pixels enclosed by the
    // disk, not just the surround: some row has mask between two olive/black runs.
    const QImage img = pictures::toolbarImage("Save");
    int enclosed = 0;
    for (int y = 0; y < 16; ++y) {
        int first = -1, last = -1;
        for (int x = 0; x < 16; ++x)
            if (qAlpha(img.pixel(x, y)) != 0) {
                if (first < 0) first = x;
                last = x;
            }
        for (int x = first + 1; first >= 0 && x < last; ++x)
            enclosed += qAlpha(img.pixel(x, y)) == 0;
    }
    QVERIFY(enclosed >= 8);
}

void TstPictures::logoSizeAndFormat()
{
    const QImage logo = pictures::splashLogo();
    QCOMPARE(logo.size(), QSize(141, 166));
    QCOMPARE(logo.depth(), 24);
    QVERIFY(!logo.hasAlphaChannel());
    // The light steel-blue background shows at the corners.
    QCOMPARE(logo.pixel(0, 0), qRgb(181, 195, 222));
    QCOMPARE(logo.pixel(140, 0), qRgb(181, 195, 222));
    QCOMPARE(logo.pixel(0, 165), qRgb(181, 195, 222));
    // The box, its door and the lozenges lie in the part the splash shows (121 x 159).
    const QImage shown = logo.copy(0, 0, 121, 159);
    QVERIFY(pixelCount(shown, qRgb(255, 255, 255)) > 500);
    QVERIFY(pixelCount(shown, qRgb(204, 0, 204)) > 100);
    QVERIFY(pixelCount(shown, qRgb(0, 255, 255)) > 200);
}

QTEST_GUILESS_MAIN(TstPictures)
#include "tst_pictures.moc"
