// Making a picture stand out from the button it is drawn on.
#include "forms/colours.h"
#include "forms/pictures.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr double kRatio = 3.0;

// Each pixel's distance in steps between 4-neighbours to the nearest
// transparent pixel, or to just past the border; 0 for transparent pixels.
std::vector<int> edgeDistances(const QImage &img)
{
    const int w = img.width(), h = img.height();
    std::vector<int> d(size_t(w) * size_t(h));
    const auto at = [&](int x, int y) -> int & { return d[size_t(y) * size_t(w) + size_t(x)]; };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            at(x, y) = qAlpha(img.pixel(x, y)) == 0 ? 0 : std::min({x + 1, y + 1, w - x, h - y});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (x > 0) at(x, y) = std::min(at(x, y), at(x - 1, y) + 1);
            if (y > 0) at(x, y) = std::min(at(x, y), at(x, y - 1) + 1);
        }
    for (int y = h - 1; y >= 0; --y)
        for (int x = w - 1; x >= 0; --x) {
            if (x < w - 1) at(x, y) = std::min(at(x, y), at(x + 1, y) + 1);
            if (y < h - 1) at(x, y) = std::min(at(x, y), at(x, y + 1) + 1);
        }
    return d;
}

// Whether a 4-neighbour of (x, y) has a colour `ink` would not stand out
// from: the pixel then draws a line on it. (A diagonal neighbour only touches
// the line's end or corner.)
bool drawsOnPale(const QImage &img, int x, int y, const QColor &ink)
{
    for (const auto &[dx, dy] :
         {std::pair(1, 0), std::pair(-1, 0), std::pair(0, 1), std::pair(0, -1)}) {
        const int nx = x + dx, ny = y + dy;
        if (nx < 0 || ny < 0 || nx >= img.width() || ny >= img.height()) continue;
        const QRgb n = img.pixel(nx, ny);
        if (qAlpha(n) != 0 && colours::contrast(QColor(n), ink) < kRatio) return true;
    }
    return false;
}

} // namespace

namespace pictures {

QImage standingOutOnButton(const QImage &picture, const QPalette &palette, int scale)
{
    const QColor button = palette.color(QPalette::Button);
    const QColor bar = palette.color(QPalette::Window);
    const auto standsOut = [&](const QColor &c) {
        return colours::contrast(c, button) >= kRatio && colours::contrast(c, bar) >= kRatio;
    };
    const auto raised = [&](const QColor &c) {
        return colours::standingOut(colours::standingOut(c, button, kRatio), bar, kRatio);
    };
    const QColor ink = raised(palette.color(QPalette::ButtonText));

    const QImage in = picture.convertToFormat(QImage::Format_ARGB32);
    QImage out = in;
    const std::vector<int> edge = edgeDistances(in);
    for (int y = 0; y < in.height(); ++y)
        for (int x = 0; x < in.width(); ++x) {
            const QRgb px = in.pixel(x, y);
            if (qAlpha(px) == 0 || standsOut(QColor(px))) continue;
            const bool black = qRed(px) == 0 && qGreen(px) == 0 && qBlue(px) == 0;
            QColor to;
            if (edge[size_t(y) * size_t(in.width()) + size_t(x)] <= scale)
                to = black ? ink : raised(QColor(px));
            else if (black && !drawsOnPale(in, x, y, ink))
                to = ink;
            else
                continue;
            out.setPixel(x, y, qRgba(to.red(), to.green(), to.blue(), qAlpha(px)));
        }
    return out;
}

} // namespace pictures
