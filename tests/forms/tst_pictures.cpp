#include "forms/colours.h"
#include "forms/pictures.h"
#include "support/surfacepixels.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QIcon>
#include <QPalette>
#include <QtTest>

// The program's own pictures: the dot disc pixel by pixel, the toolbar's image
// list and the splash logo.
class TstPictures : public QObject {
    Q_OBJECT

private slots:
    void picturesAreAsBefore_data();
    void picturesAreAsBefore();
    void dotMatchesPixelTable_data();
    void dotMatchesPixelTable();
    void dotsDifferOnlyInFill();
    void toolbarKeysGiveImages_data();
    void toolbarKeysGiveImages();
    void toolbarUnknownKeyIsNull_data();
    void toolbarUnknownKeyIsNull();
    void toolbarIsMaskedConsoleColours_data() { toolbarKeysGiveImages_data(); }
    void toolbarIsMaskedConsoleColours();
    void toolbarPictureColours_data();
    void toolbarPictureColours();
    void saveShowsMaskInsideTheDisk();
    void iconStandsOutFromItsButton_data();
    void iconStandsOutFromItsButton();
    void logoSizeAndFormat();
};

namespace {

// An opaque console colour.
bool isConsoleColour(QRgb c)
{
    for (int n = 0; n < 16; ++n)
        if (colours::console(n).rgb() == c) return true;
    return false;
}

const QStringList kKeys = {"New", "Open", "Save", "Print", "Line Style", "Properties", "Drawing"};
const QString kScaleSuffix[] = {QString(), QString(), QStringLiteral(" @2x")};
const QRgb kMask = qRgb(192, 192, 192); // the image list's mask colour

// SHA-1 of the pixels as alpha, red, green and blue bytes, row by row.
QByteArray pixelHash(const QImage &img)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            const char argb[4] = {char(qAlpha(p)), char(qRed(p)), char(qGreen(p)), char(qBlue(p))};
            hash.addData(QByteArrayView(argb, 4));
        }
    return hash.result().toHex();
}

} // namespace

using surfacepixels::pixelCount;

// Every picture is, pixel for pixel, the one the program drew in code before
// the pictures became files: a file saved again with a colour profile, gamma,
// premultiplied or palette-reduced colours, or put in another's place, differs.
void TstPictures::picturesAreAsBefore_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QByteArray>("hash");
    const std::pair<const char *, QByteArray> toolbar[] = {
        {"New", "408a3b1b66576d62aa3785274a66a7cd05188691"},
        {"Open", "ca9c421eed19ae22a6ea50516002077df5642028"},
        {"Save", "de0c302ebdc5c748e4d548ff0db4dda531dddae4"},
        {"Print", "2f1453ff242dc6004f519a008b033a6d7a94f1b8"},
        {"Line Style", "f4a46f23d1f17988b20c10280e36f55bafbda9f5"},
        {"Properties", "cce096ad81c9f9c02653fe080aadb84eba9e9ee1"},
        {"Drawing", "adbd8c13b2fc9bc1e492f743cd164bdfc7bbbee7"}};
    for (const auto &[key, hash] : toolbar)
        QTest::newRow(key) << pictures::toolbarImage(QString::fromLatin1(key)) << hash;
    QTest::newRow("green dot") << pictures::greenDotImage()
                               << QByteArray("ee5caf9b7039534c34a2fd91a35b5ce80a8d564b");
    QTest::newRow("red dot") << pictures::redDotImage()
                             << QByteArray("75c965086b524ba6c36e69f6f5f55585999354bb");
    QTest::newRow("splash logo") << pictures::splashLogo()
                                 << QByteArray("102d2ea99df17da26d1e564316e7188dee80e3dd");
}

void TstPictures::picturesAreAsBefore()
{
    QFETCH(QImage, image);
    QFETCH(QByteArray, hash);
    QCOMPARE(pixelHash(image), hash);
}

void TstPictures::dotMatchesPixelTable_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QRgb>("fill");
    QTest::addColumn<QRgb>("outline");
    const QRgb black = qRgb(0, 0, 0);
    QTest::newRow("green") << pictures::greenDotImage() << qRgb(0, 255, 0) << black;
    QTest::newRow("red") << pictures::redDotImage() << qRgb(255, 0, 0) << black;
    // As the dot grid asks for it on a dark surface.
    QTest::newRow("outline made lighter")
        << pictures::dotImage(qRgb(255, 0, 0), qRgb(150, 150, 150)) << qRgb(255, 0, 0)
        << qRgb(150, 150, 150);
}

// A 14 x 14 disc in the middle of the 16 x 16 picture, mirror-symmetric left
// to right and top to bottom but for its highlight: a closed one-pixel ring in
// the outline colour round the fill, with a 2 x 2 white highlight up and left
// of the centre.
void TstPictures::dotMatchesPixelTable()
{
    QFETCH(QImage, image);
    QFETCH(QRgb, fill);
    QFETCH(QRgb, outline);
    QCOMPARE(image.size(), QSize(16, 16));
    QVERIFY(image.hasAlphaChannel());
    const QRgb white = qRgb(255, 255, 255);
    const auto at = [&](int x, int y) {
        return x < 0 || y < 0 || x > 15 || y > 15 ? QRgb(0) : image.pixel(x, y);
    };
    QRect shown;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb px = at(x, y);
            const QString where = QStringLiteral("pixel (%1,%2)").arg(x).arg(y);
            QVERIFY2(qAlpha(px) == 0 || px == outline || px == fill || px == white,
                     qPrintable(where));
            if (qAlpha(px)) shown |= QRect(x, y, 1, 1);
            // The inside never touches the transparent surround: the ring is closed.
            if (px == fill || px == white)
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
                    QVERIFY2(qAlpha(at(x + d.x(), y + d.y())), qPrintable(where));
            const bool highlight = (x == 4 || x == 5) && (y == 5 || y == 6);
            QVERIFY2((px == white) == highlight, qPrintable(where));
            // Symmetric, the highlight counted as fill.
            const auto plain = [&](QRgb c) { return c == white ? fill : c; };
            QVERIFY2(plain(px) == plain(at(15 - x, y)) && plain(px) == plain(at(x, 15 - y)),
                     qPrintable(where));
        }
    QCOMPARE(shown, QRect(1, 1, 14, 14));
    QCOMPARE(pixelCount(image, outline), 36); // one pixel wide all round
    QCOMPARE(pixelCount(image, outline) + pixelCount(image, fill) + pixelCount(image, white), 156);
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
    QTest::addColumn<int>("scale");
    for (const int scale : {1, 2})
        for (const QString &k : kKeys)
            QTest::newRow(qPrintable(k + kScaleSuffix[scale])) << k << scale;
}

void TstPictures::toolbarKeysGiveImages()
{
    QFETCH(QString, key);
    QFETCH(int, scale);
    const QImage img = pictures::toolbarImage(key, scale);
    QCOMPARE(img.size(), QSize(16, 16) * scale);
    // Each is a real picture: the mask surrounds it but does not fill it.
    const int mask = pixelCount(img, qRgba(0, 0, 0, 0));
    QVERIFY2(mask > 0 && mask < 200 * scale * scale, qPrintable(QString::number(mask)));
    QVERIFY(pictures::toolbarImage(key, 3).isNull());
    // The 32 px drawing shows the same subject in its place: halved, it covers
    // the picture's pixels but for a few along slanted and curved edges.
    const QImage picture = pictures::toolbarImage(key);
    int differing = 0;
    for (int y = 0; y < 16 && scale == 2; ++y)
        for (int x = 0; x < 16; ++x) {
            const int covered = (qAlpha(img.pixel(2 * x, 2 * y)) != 0) +
                                (qAlpha(img.pixel(2 * x + 1, 2 * y)) != 0) +
                                (qAlpha(img.pixel(2 * x, 2 * y + 1)) != 0) +
                                (qAlpha(img.pixel(2 * x + 1, 2 * y + 1)) != 0);
            differing += (covered >= 2) != (qAlpha(picture.pixel(x, y)) != 0);
        }
    QVERIFY2(differing <= 12, qPrintable(QString::number(differing)));
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
    QVERIFY(pictures::toolbarImage(key, 2).isNull());
    QVERIFY(pictures::toolbarIcon(key, QPalette()).isNull());
}

// A 16-colour picture with its mask colour made transparent: every pixel is
// either wholly transparent or an opaque console colour other than the mask.
void TstPictures::toolbarIsMaskedConsoleColours()
{
    QFETCH(QString, key);
    QFETCH(int, scale);
    const QImage img = pictures::toolbarImage(key, scale);
    QVERIFY(img.hasAlphaChannel());
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb px = img.pixel(x, y);
            QVERIFY2(px == qRgba(0, 0, 0, 0) || (isConsoleColour(px) && px != kMask),
                     qPrintable(QStringLiteral("pixel (%1,%2) = %3").arg(x).arg(y).arg(px, 8, 16)));
        }
}

// Colours each picture is described with, in both sizes.
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
    for (const int scale : {1, 2})
        for (int n : consoleColours)
            QVERIFY2(
                pixelCount(pictures::toolbarImage(key, scale), colours::console(n).rgb()) > 0,
                qPrintable(
                    QStringLiteral("console colour %1 missing at scale %2").arg(n).arg(scale)));
}

void TstPictures::saveShowsMaskInsideTheDisk()
{
    // The label and the shutter hole are mask-coloured pixels enclosed by the
    // disk, not just the surround: some row has mask between two olive/black runs.
    for (const int scale : {1, 2}) {
        const QImage img = pictures::toolbarImage("Save", scale);
        int enclosed = 0;
        for (int y = 0; y < img.height(); ++y) {
            int first = -1, last = -1;
            for (int x = 0; x < img.width(); ++x)
                if (qAlpha(img.pixel(x, y)) != 0) {
                    if (first < 0) first = x;
                    last = x;
                }
            for (int x = first + 1; first >= 0 && x < last; ++x)
                enclosed += qAlpha(img.pixel(x, y)) == 0;
        }
        QVERIFY(enclosed >= 8 * scale * scale);
    }
}

void TstPictures::iconStandsOutFromItsButton_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("scale");
    const auto scheme = [](QRgb button, QRgb bar, QRgb text) {
        QPalette p = QApplication::palette();
        p.setColor(QPalette::Button, button);
        p.setColor(QPalette::Window, bar);
        p.setColor(QPalette::ButtonText, text);
        return p;
    };
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255), grey = qRgb(192, 192, 192);
    const std::pair<const char *, QPalette> palettes[] = {
        {"default", QApplication::palette()},
        {"darker", scheme(qRgb(0x42, 0x42, 0x45), qRgb(0x22, 0x20, 0x20), white)}, // qt6ct's
        {"high contrast black", scheme(black, black, white)},
        {"classic grey", scheme(grey, grey, black)}};
    for (const auto &[name, palette] : palettes)
        for (const int scale : {1, 2})
            for (const QString &k : kKeys)
                QTest::newRow(
                    qPrintable(QLatin1String(name) + QLatin1Char(' ') + k + kScaleSuffix[scale]))
                    << palette << k << scale;
}

// A picture stands out from its button and the bar behind it: every pixel of
// its outer edge (within one logical pixel of a transparent pixel or the
// border) by 3:1 from both, so its whole shape shows. It keeps that shape, and
// the lines inside it stand out from what they are drawn on as before: the
// fold of the new sheet, the text on the form. In the default palette the
// icon is the 16 px picture pixel for pixel, and the 32 px drawing at scale 2,
// not the picture enlarged.
void TstPictures::iconStandsOutFromItsButton()
{
    QFETCH(QPalette, palette);
    QFETCH(QString, key);
    QFETCH(int, scale);
    const QImage drawn = pictures::toolbarImage(key, scale);
    const QImage shown = pictures::toolbarIcon(key, palette)
                             .pixmap(QSize(16, 16), scale)
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shown.size(), drawn.size());
    if (palette == QApplication::palette()) QCOMPARE(shown, drawn);
    const auto opaque = [](const QImage &img, int x, int y) {
        return img.rect().contains(x, y) && qAlpha(img.pixel(x, y)) != 0;
    };
    const auto onEdge = [&](int x, int y) {
        for (int dy = -scale; dy <= scale; ++dy)
            for (int dx = std::abs(dy) - scale; dx <= scale - std::abs(dy); ++dx)
                if (!opaque(drawn, x + dx, y + dy)) return true;
        return false;
    };
    const auto contrast = [](QRgb a, QRgb b) { return colours::contrast(QColor(a), QColor(b)); };
    const QRgb button = palette.color(QPalette::Button).rgb();
    const QRgb bar = palette.color(QPalette::Window).rgb();
    int edge = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QString where = QStringLiteral("pixel (%1,%2)").arg(x).arg(y);
            QVERIFY2(opaque(shown, x, y) == opaque(drawn, x, y), qPrintable(where));
            if (!opaque(drawn, x, y)) continue;
            const QRgb px = shown.pixel(x, y);
            if (onEdge(x, y)) {
                ++edge;
                QVERIFY2(contrast(px, button) >= 3.0 && contrast(px, bar) >= 3.0,
                         qPrintable(where));
                continue;
            }
            for (const QPoint n : {QPoint(x + 1, y), QPoint(x, y + 1)})
                if (opaque(drawn, n.x(), n.y()) && !onEdge(n.x(), n.y()) &&
                    contrast(drawn.pixel(x, y), drawn.pixel(n.x(), n.y())) >= 3.0)
                    QVERIFY2(contrast(px, shown.pixel(n.x(), n.y())) >= 3.0, qPrintable(where));
        }
    QVERIFY(edge > 20 * scale);
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

QTEST_MAIN(TstPictures)
#include "tst_pictures.moc"
