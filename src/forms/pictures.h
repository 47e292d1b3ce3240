#pragma once
// The program's own pictures, kept as PNG files in the resource pictures.qrc
// that this library carries.
#include <QImage>
#include <QString>

namespace pictures {

// The 16 x 16 dot pictures of the dot grids: a 14 x 14 disc with a one-pixel
// outline (black as defined), a 2 x 2 white highlight and a transparent
// surround. dotImage gives the green dot with its fill and outline in other
// colours; the highlight stays white.
QImage dotImage(QRgb fill, QRgb outline = 0xff000000);
QImage greenDotImage(); // fill (0,255,0)
QImage redDotImage();   // fill (255,0,0)

// The toolbar's pictures by their image-list key ("New", "Open", "Save",
// "Print", "Line Style", "Properties", "Drawing"). At scale 1 the image list's
// 16 x 16 picture with its mask colour (192,192,192) made transparent; at
// scale 2 a 32 x 32 drawing of the same subject in the same colours, its
// lines two pixels wide (device pixel ratio 2). A null image for an unknown
// key or another scale.
QImage toolbarImage(const QString &key, int scale = 1);

// The splash logo, 141 x 166 pixels, 24-bit colour.
QImage splashLogo();

} // namespace pictures
