#include "forms/pictures.h"

// The dot disc, row by row: outline columns and fill columns (inclusive
// ranges); everything else is transparent.
namespace {
struct Row {
    int outlineFrom, outlineTo; // a run of outline pixels, or the two ends below
    bool twoEnds;               // true: only outlineFrom and outlineTo are outline
    int fillFrom, fillTo;       // -1: no fill
};
constexpr Row kRows[16] = {{-1, -1, false, -1, -1}, {5, 10, false, -1, -1}, {4, 11, true, 5, 10},
                           {3, 12, true, 4, 11},    {2, 13, true, 3, 12},   {1, 14, true, 2, 13},
                           {1, 14, true, 2, 13},    {1, 14, true, 2, 13},   {1, 14, true, 2, 13},
                           {1, 14, true, 2, 13},    {1, 14, true, 2, 13},   {2, 13, true, 3, 12},
                           {3, 12, true, 4, 11},    {4, 11, true, 5, 10},   {5, 10, false, -1, -1},
                           {-1, -1, false, -1, -1}};
} // namespace

namespace pictures {

QImage dotImage(QRgb fill, QRgb outline)
{
    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y) {
        const Row &r = kRows[y];
        if (r.outlineFrom < 0) continue;
        if (r.twoEnds) {
            img.setPixel(r.outlineFrom, y, outline);
            img.setPixel(r.outlineTo, y, outline);
        } else {
            for (int x = r.outlineFrom; x <= r.outlineTo; ++x)
                img.setPixel(x, y, outline);
        }
        for (int x = r.fillFrom; r.fillFrom >= 0 && x <= r.fillTo; ++x)
            img.setPixel(x, y,
                         (y == 5 || y == 6) && (x == 4 || x == 5) ? qRgb(255, 255, 255)
                                                                  : (fill | 0xff000000u));
    }
    return img;
}

QImage greenDotImage()
{
    return dotImage(qRgb(0, 255, 0));
}
QImage redDotImage()
{
    return dotImage(qRgb(255, 0, 0));
}

} // namespace pictures
