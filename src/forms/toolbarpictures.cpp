#include "forms/colours.h"
#include "forms/pictures.h"

// The toolbar's image list as pixel art: 16 rows of 16 characters, one per
// pixel, in the 16 console colours. Legend:
//   .  mask colour (192,192,192), transparent on the toolbar
//   K black   W white   G grey (128,128,128)   Y yellow   O olive
//   N navy    T teal    c yellow-and-white chequer, by pixel parity
namespace {

struct Art {
    const char *key;
    const char *rows[16];
};

// clang-format off
constexpr Art kArt[] = {
    {"New",
     {"................",
      "..KKKKKKKK......",
      "..KWWWWWWKK.....",
      "..KWWWWWWKWK....",
      "..KWWWWWWKWWK...",
      "..KWWWWWWKKKKK..",
      "..KWWWWWWWWWWK..",
      "..KWWWWWWWWWWK..",
      "..KWWWWWWWWWWK..",
      "..KWWWWWWWWWWK..",
      "..KWWWWWWWWWWK..",
      "..KWWWWWWWWWWK..",
      "..KWWWWWWWWWWK..",
      "..KWWWWWWWWWWK..",
      "..KKKKKKKKKKKK..",
      "................"}},
    {"Open",
     {"................",
      "..........KKK...",
      ".........K...K.K",
      "..............KK",
      ".KKK.........KKK",
      "KcccKKKKKKK.....",
      "KcccccccccK.....",
      "KcccccccccK.....",
      "KcccccKKKKKKKKKK",
      "KccccKOOOOOOOOOK",
      "KcccKOOOOOOOOOK.",
      "KccKOOOOOOOOOK..",
      "KcKOOOOOOOOOK...",
      "KKOOOOOOOOOK....",
      "KKKKKKKKKKK.....",
      "................"}},
    {"Save",
     {"................",
      ".KKKKKKKKKKKKKK.",
      ".KOK........KOK.",
      ".KOK........KOK.",
      ".KOK........KOK.",
      ".KOK........KOK.",
      ".KOOKKKKKKKKOOK.",
      ".KOOOOOOOOOOOOK.",
      ".KOOOOOOOOOOOOK.",
      ".KOOKKKKKKKKOOK.",
      ".KOOKKKKK..KOOK.",
      ".KOOKKKKK..KOOK.",
      ".KOOKKKKK..KOOK.",
      "..KOKKKKKKKKOOK.",
      "...KKKKKKKKKKKK.",
      "................"}},
    {"Print",
     {"................",
      "....KKKKKKKK....",
      "....KWWWWWWK....",
      "....KWKKKKWK....",
      "....KWWWWWWK....",
      "....KWKKKWWK....",
      "..KKKKKKKKKKKK..",
      ".KWWWWWWWWWWWWK.",
      ".KGGGGGGGGGGGGK.",
      ".KGGGGGGGGGYYGK.",
      ".KGGGGGGGGGYYGK.",
      ".KGGKKKKKKKGGGK.",
      ".KGGGGGGGGGGGGK.",
      ".KKKKKKKKKKKKKK.",
      "..KK........KK..",
      "................"}},
    {"Line Style",
     {"................",
      "................",
      ".K.K.K.K.K.K.K..",
      "................",
      "................",
      ".KKK..KKK..KKK..",
      "................",
      "................",
      ".KKKKKKKKKKKKKK.",
      "................",
      "................",
      ".KKKKKKKKKKKKKK.",
      ".KKKKKKKKKKKKKK.",
      ".KKKKKKKKKKKKKK.",
      "................",
      "................"}},
    {"Properties",
     {"..........KKKKK.",
      "KKKKKKKKKKKNNNK.",
      "KWWWWWWWWWKNNNK.",
      "KWKKKKKKWWKNNNK.",
      "KWWWWWWWWWKKKKK.",
      "KWKKKKKWWWWK....",
      "KWWWWWWWWWWK....",
      "KWKKKKKKKKWK....",
      "KWWWWWWWWWWK....",
      "KWKKKKKWWWWK....",
      "KWWWWWWKKKKK....",
      "KWWWWWWKcccK....",
      "KWWWWWWKccK.....",
      "KWWWWWWKcK......",
      "KKKKKKKKK.......",
      "................"}},
    {"Drawing",
     {"......KKKKKKKKKK",
      "......KccccccccK",
      "......KccccccccK",
      "....N.KccccccccK",
      "....N.KccccccccK",
      "...NNNKccccccccK",
      "...NNNKccTTTTccK",
      "..NNNNNcTTTTTTcK",
      "..NNNNNTTTTTTTTK",
      ".NNNNNNTTTTTTTT.",
      ".NNNNNNTTTTTTTT.",
      "NNNNNNNTTTTTTTT.",
      "NNNNNNNNTTTTTT..",
      ".........TTTT...",
      "................",
      "................"}},
};
// clang-format on

// Console colour number of one art character; -1 for a character outside the legend.
constexpr int consoleNumber(char c, int x, int y)
{
    switch (c) {
    case '.':
        return 7;
    case 'K':
        return 0;
    case 'W':
        return 15;
    case 'G':
        return 8;
    case 'Y':
        return 14;
    case 'O':
        return 6;
    case 'N':
        return 1;
    case 'T':
        return 3;
    case 'c':
        return (x + y) % 2 == 0 ? 14 : 15;
    default:
        return -1;
    }
}

constexpr bool wellFormed(const Art &art)
{
    for (int y = 0; y < 16; ++y) {
        int x = 0;
        for (; art.rows[y][x] != '\0'; ++x)
            if (x >= 16 || consoleNumber(art.rows[y][x], x, y) < 0) return false;
        if (x != 16) return false;
    }
    return true;
}

constexpr bool allWellFormed()
{
    for (const Art &art : kArt)
        if (!wellFormed(art)) return false;
    return true;
}
static_assert(allWellFormed(), "every toolbar picture is 16 rows of 16 legend characters");

const Art *findArt(const QString &key)
{
    for (const Art &art : kArt)
        if (key == QLatin1String(art.key)) return &art;
    return nullptr;
}

} // namespace

namespace pictures {

QImage toolbarImageUnmasked(const QString &key)
{
    const Art *art = findArt(key);
    if (!art) return QImage();
    // A 16-colour bitmap: an indexed image whose table is the console palette.
    QImage img(16, 16, QImage::Format_Indexed8);
    QVector<QRgb> table;
    for (int n = 0; n < 16; ++n)
        table.append(colours::console(n).rgb());
    img.setColorTable(table);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            img.setPixel(x, y, uint(consoleNumber(art->rows[y][x], x, y)));
    return img;
}

QImage toolbarImage(const QString &key)
{
    QImage img = toolbarImageUnmasked(key);
    if (img.isNull()) return img;
    img = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == kToolbarMask) img.setPixel(x, y, qRgba(0, 0, 0, 0));
    return img;
}

} // namespace pictures
