#include "forms/colours.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace colours {

namespace {
double channel(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
double luminance(const QColor &c)
{
    const QColor rgb = c.toRgb();
    return 0.2126 * channel(rgb.red()) + 0.7152 * channel(rgb.green()) +
           0.0722 * channel(rgb.blue());
}
} // namespace

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor standingOut(const QColor &wanted, const QColor &background, double ratio)
{
    if (contrast(wanted, background) >= ratio) return wanted;
    // Lighter on a background that white stands out from better, else darker,
    // keeping the hue and saturation.
    const bool lighter = contrast(Qt::white, background) >= contrast(Qt::black, background);
    const QColor hsl = wanted.toHsl();
    for (int step = 1; step <= 255; ++step) {
        const int l = hsl.lightness() + (lighter ? step : -step);
        if (l < 0 || l > 255) break;
        const QColor c = QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), l);
        if (contrast(c, background) >= ratio) return c;
    }
    return lighter ? QColor(Qt::white) : QColor(Qt::black);
}

bool isHighContrast(const QPalette &palette)
{
    return contrast(palette.color(QPalette::WindowText), palette.color(QPalette::Window)) >= 7.0 &&
           contrast(palette.color(QPalette::HighlightedText), palette.color(QPalette::Highlight)) >=
               7.0;
}

namespace {
QColor focusOutline(const QColor &highlight)
{
    QColor outline = highlight.darker(125);
    if (outline.value() > 160) outline.setHsl(outline.hslHue(), outline.hslSaturation(), 160);
    return outline;
}
} // namespace

QColor focusHighlight(const QColor &highlight, const QColor &around, const QColor &face)
{
    const QColor hsl = highlight.toHsl();
    // The lightness nearest the highlight's, in its hue or grey, whose outline
    // stands out from every one of `from`.
    const auto nearest = [&](std::initializer_list<QColor> from) {
        const auto standsOut = [&](const QColor &c) {
            return std::all_of(from.begin(), from.end(), [&](const QColor &b) {
                return contrast(focusOutline(c), b) >= 3.0;
            });
        };
        if (standsOut(highlight)) return highlight;
        for (const int saturation : {hsl.hslSaturation(), 0})
            for (int d = 1; d <= 255; ++d)
                for (const int l : {hsl.lightness() - d, hsl.lightness() + d})
                    if (l >= 0 && l <= 255 &&
                        standsOut(QColor::fromHsl(hsl.hslHue(), saturation, l)))
                        return QColor::fromHsl(hsl.hslHue(), saturation, l);
        return QColor();
    };
    QColor c = nearest({around, face});
    if (!c.isValid()) c = nearest({around});
    return c.isValid() ? c : highlight;
}

} // namespace colours
