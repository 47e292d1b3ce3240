#include "forms/colours.h"

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
QColor mixed(const QColor &a, const QColor &b, double t)
{
    const auto mix = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    const QColor ra = a.toRgb(), rb = b.toRgb();
    return QColor(mix(ra.red(), rb.red()), mix(ra.green(), rb.green()), mix(ra.blue(), rb.blue()));
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
    const QColor towards = contrast(Qt::white, background) >= contrast(Qt::black, background)
                               ? QColor(Qt::white)
                               : QColor(Qt::black);
    constexpr int kSteps = 64;
    for (int i = 1; i < kSteps; ++i) {
        const QColor c = mixed(wanted, towards, double(i) / kSteps);
        if (contrast(c, background) >= ratio) return c;
    }
    return towards;
}

} // namespace colours
