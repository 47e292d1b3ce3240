#pragma once
// The program's own pictures, kept as PNG files in the resource pictures.qrc,
// which every program that links this library carries (src/CMakeLists.txt).
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QString>

namespace pictures {

// The 16 x 16 dot pictures of the dot grids: a 14 x 14 disc with a one-pixel
// outline (black as defined), a 2 x 2 white highlight and a transparent
// surround. dotImage gives the green dot with its fill and outline in other
// colours; the highlight stays white.
QImage dotImage(QRgb fill, QRgb outline = 0xff000000);
QImage greenDotImage(); // fill (0,255,0)

// The toolbar's pictures by their image-list key ("New", "Open", "Save",
// "Print", "Line Style", "Properties", "Drawing"). At scale 1 the image list's
// 16 x 16 picture with its mask colour (192,192,192) made transparent; at
// scale 2 a 32 x 32 drawing of the same subject in the same colours, its
// lines two pixels wide (device pixel ratio 2). A null image for an unknown
// key or another scale.
QImage toolbarImage(const QString &key, int scale = 1);

// `picture`, drawn at `scale` device pixels to the logical pixel, made to
// stand out by 3:1 from a toolbar button of `palette` (its Button colour) and
// the bar behind it (Window). A colour that stands out from both stays, so in
// a palette like the default the picture comes back unchanged. Of the others:
// - on the picture's outer edge (within one logical pixel of a transparent
//   pixel or the border) black becomes the button's text colour, and any other
//   colour is made just light or dark enough (colours::standingOut);
// - black inside becomes the button's text colour too, except where it draws
//   a line on a colour that text colour would not stand out from (a line on
//   white paper stays black);
// - other colours inside stay, shown by the edge round them.
// Transparency is kept.
QImage standingOutOnButton(const QImage &picture, const QPalette &palette, int scale);

// The toolbar picture of `key` for a button of `palette`, at scales 1 and 2
// (standingOutOnButton of toolbarImage). A null icon for an unknown key.
// A palette change asks for a new icon.
QIcon toolbarIcon(const QString &key, const QPalette &palette);

// The splash logo, 141 x 166 pixels, 24-bit colour.
QImage splashLogo();

} // namespace pictures
