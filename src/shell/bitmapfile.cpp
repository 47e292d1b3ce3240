#include "shell/bitmapfile.h"

#include <QBuffer>
#include <QImageWriter>

WriteResult writeBitmapFile(const QImage &image, const QString &filePath)
{
    // Encode in memory first: a failing disk then reports its own reason,
    // not the image writer's "Unknown error".
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image)) return {false, writer.errorString()};
    return writeFileAtomically(filePath, bytes);
}
