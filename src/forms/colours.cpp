#include "forms/colours.h"

#include <algorithm>
#include <cmath>

namespace colours {

QColor console(int number)
{
    static const QRgb table[16] = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255)};
    return QColor(table[((number % 16) + 16) % 16]);
}

QPalette::ColorRole paletteRole(System s)
{
    switch (s) {
    case System::WindowBackground:
        return QPalette::Base;
    case System::WindowText:
        return QPalette::Text;
    case System::TitleBarText:
        return QPalette::HighlightedText;
    case System::ButtonFace:
        return QPalette::Button;
    case System::ButtonText:
        return QPalette::ButtonText;
    case System::AppWorkspace:
        return QPalette::Dark;
    }
    return QPalette::Window;
}

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

} // namespace colours
