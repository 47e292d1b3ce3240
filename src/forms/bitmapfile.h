#pragma once
// Writing a picture as a bitmap (.bmp) file, all or nothing.
#include <QImage>
#include <QString>

struct BitmapWriteResult {
    bool ok = false;
    QString error; // the reason when !ok, to show next to the file name
};

// Writes `image` to `filePath` as a BMP, replacing a file of that name. The
// bytes go to a temporary file beside the target that is renamed over it only
// once the image is fully written and flushed; on failure an existing file
// keeps its previous content.
BitmapWriteResult writeBitmapFile(const QImage &image, const QString &filePath);
