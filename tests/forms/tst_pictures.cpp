#include "forms/colours.h"
#include "forms/pictures.h"
#include "support/surfacepixels.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QIcon>
#include <QPalette>
#include <QtTest>
#include <cmath>
#include <tuple>
#include <utility>

// The program's own pictures: the dots, the toolbar's image list with its
// drawings for scale 2, and the splash logo.
class TstPictures : public QObject {
    Q_OBJECT

private slots:
    void picturesAreAsBefore_data();
    void picturesAreAsBefore();
    void toolbarKeysGiveImages_data();
    void toolbarKeysGiveImages();
    void toolbarUnknownKeyIsNull_data();
    void toolbarUnknownKeyIsNull();
    void iconStandsOutFromItsButton_data();
    void iconStandsOutFromItsButton();
};

namespace {

const QStringList kKeys = {"New", "Open", "Save", "Print", "Line Style", "Properties", "Drawing"};
const QString kScaleSuffix[] = {QString(), QString(), QStringLiteral(" @2x")};

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
// the pictures became files, and each 32 px drawing as it was first drawn: a
// file saved again with a colour profile, gamma, premultiplied or
// palette-reduced colours, or put in another's place, differs. The dots are
// recoloured from the green one: fill and outline, nothing else.
void TstPictures::picturesAreAsBefore_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QByteArray>("hash");
    const std::tuple<const char *, QByteArray, QByteArray> toolbar[] = {
        {"New", "408a3b1b66576d62aa3785274a66a7cd05188691",
         "1c9d0b3b859189e9671c11a0d6cb9be23557fe67"},
        {"Open", "ca9c421eed19ae22a6ea50516002077df5642028",
         "bd9f1bc1d90e71a78a0d581ecb992b568b8c3e2d"},
        {"Save", "de0c302ebdc5c748e4d548ff0db4dda531dddae4",
         "a30aeee81b4e86c5e87107b7161a5e353bb76d1f"},
        {"Print", "2f1453ff242dc6004f519a008b033a6d7a94f1b8",
         "732dfae91890f8f85cd5f55eff9020b7ac56229c"},
        {"Line Style", "f4a46f23d1f17988b20c10280e36f55bafbda9f5",
         "f4056738b60a0a529bf6bca53683661cbd0c176d"},
        {"Properties", "cce096ad81c9f9c02653fe080aadb84eba9e9ee1",
         "c769ab6c677ac22ee5c7fb83833232b610a49037"},
        {"Drawing", "adbd8c13b2fc9bc1e492f743cd164bdfc7bbbee7",
         "71334cb9e7de234583ce7dd0d3e3ea268bbfe034"}};
    for (const auto &[key, hash, hash2x] : toolbar) {
        const QString name = QString::fromLatin1(key);
        QTest::newRow(key) << pictures::toolbarImage(name) << hash;
        QTest::newRow(qPrintable(name + kScaleSuffix[2]))
            << pictures::toolbarImage(name, 2) << hash2x;
    }
    QTest::newRow("green dot") << pictures::greenDotImage()
                               << QByteArray("ee5caf9b7039534c34a2fd91a35b5ce80a8d564b");
    QTest::newRow("red dot") << pictures::dotImage(qRgb(255, 0, 0))
                             << QByteArray("75c965086b524ba6c36e69f6f5f55585999354bb");
    // As the dot grid asks for it on a dark surface.
    QTest::newRow("red dot, lighter outline")
        << pictures::dotImage(qRgb(255, 0, 0), qRgb(150, 150, 150))
        << QByteArray("ecfcd548e8d7e9b7829aba5f53afa401ca446c5b");
    QTest::newRow("splash logo") << pictures::splashLogo()
                                 << QByteArray("102d2ea99df17da26d1e564316e7188dee80e3dd");
}

void TstPictures::picturesAreAsBefore()
{
    QFETCH(QImage, image);
    QFETCH(QByteArray, hash);
    QCOMPARE(pixelHash(image), hash);
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

QTEST_MAIN(TstPictures)
#include "tst_pictures.moc"
