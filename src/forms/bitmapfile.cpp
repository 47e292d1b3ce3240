#include "forms/bitmapfile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QSaveFile>
#include <cerrno>

BitmapWriteResult writeBitmapFile(const QImage &image, const QString &filePath)
{
    // Encode in memory first: a failing disk then reports its own reason
    // ("No space left on device"), not the image writer's "Unknown error".
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image)) return {false, writer.errorString()};

    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) return {false, file.errorString()};
    // commit() can report success after a failed last flush: check both first.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        // Qt 6.4's QSaveFile can fail a write without setting its own error
        // ("Unknown error"); errno still holds the system's reason.
        const int err = errno;
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : qt_error_string(err);
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit()) return {false, file.errorString()};
    return {true, QString()};
}
