#pragma once
// The colours the grid windows are drawn in, as the definitions give them
// (palette roles, followed as the desktop theme changes, or fixed colours),
// and their contrast against what they are drawn on.
#include <QColor>
#include <QPalette>

namespace colours {

// The colour every path is drawn in, before any adjustment for contrast: dark
// red, (128, 0, 0).
inline QColor pathColour()
{
    return QColor(128, 0, 0);
}

// The workspace's colour: the system colour for an application's workspace.
inline constexpr QPalette::ColorRole kWorkspaceRole = QPalette::Dark;

// A colour a definition gives: a palette role, followed as the desktop theme
// changes it, or a fixed RGB value.
struct Fill {
    enum class Kind { Role, Rgb } kind = Kind::Role;
    QPalette::ColorRole role = QPalette::Window;
    QRgb rgb = 0;

    static constexpr Fill fromRole(QPalette::ColorRole r) { return {Kind::Role, r, 0}; }
    static constexpr Fill fromRgb(int r, int g, int b)
    {
        return {Kind::Rgb, QPalette::Window,
                0xff000000u | (QRgb(r) << 16) | (QRgb(g) << 8) | QRgb(b)};
    }
    QColor resolve(const QPalette &palette) const
    {
        return kind == Kind::Role ? palette.color(role) : QColor::fromRgb(rgb);
    }
};

// WCAG 2.1 contrast ratio of two colours, 1 to 21.
double contrast(const QColor &a, const QColor &b);

// `wanted` when it reaches `ratio` against `background`; otherwise the same
// hue and saturation made just light enough (on a dark background) or dark
// enough (on a light one) to reach it.
QColor standingOut(const QColor &wanted, const QColor &background, double ratio = 3.0);

// Whether `palette` is a high-contrast one: its window text stands out from
// the window by 7:1 or more, and so does its selected text from the
// selection (which sets a high-contrast scheme apart from the usual black on
// light grey).
bool isHighContrast(const QPalette &palette);

// The highlight colour to give a palette so that a focused push button's
// outline, which the style draws from the highlight (darkened by a fifth, and
// no lighter than lightness 160), stands out by 3:1 from `around` and from the
// button's `face`: `highlight` itself when its outline does, else the nearest
// lightness of its hue that does (or of grey, when no lightness of the hue
// can); failing both, one that stands out from `around`.
QColor focusHighlight(const QColor &highlight, const QColor &around, const QColor &face);

} // namespace colours
