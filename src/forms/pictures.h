#pragma once
// The program's own pictures, drawn in code so that no binary assets are needed.
#include <QImage>
#include <QPixmap>
#include <QString>

namespace pictures {

// The 16 x 16 dot pictures of the dot grids: a 14 x 14 disc with a one-pixel
// outline (black as defined), a 2 x 2 white highlight and a transparent
// surround.
QImage dotImage(QRgb fill, QRgb outline = 0xff000000);
QImage greenDotImage(); // fill (0,255,0)
QImage redDotImage();   // fill (255,0,0)

// The toolbar's 16 x 16 images by their image-list key ("New", "Open", "Save",
// "Print", "Line Style", "Properties", "Drawing"), with the mask colour
// (192,192,192) already made transparent. A null image for an unknown key.
QImage toolbarImage(const QString &key);
// The same image before masking: what the image list stores.
QImage toolbarImageUnmasked(const QString &key);
inline constexpr QRgb kToolbarMask = 0xffc0c0c0;

// The splash logo, 141 x 166 pixels, 24-bit colour.
QImage splashLogo();

} // namespace pictures
