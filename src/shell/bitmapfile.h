#pragma once
// Saving a picture as a bitmap (.bmp) file, all or nothing.
#include "logic/atomicfile.h"

#include <QImage>
#include <QString>

// Writes `image` to `filePath` as a BMP, replacing a file of that name, all or
// nothing (see logic/atomicfile.h).
WriteResult writeBitmapFile(const QImage &image, const QString &filePath);
