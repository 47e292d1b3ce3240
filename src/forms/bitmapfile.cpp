#include "forms/bitmapfile.h"

#include <QImageWriter>
#include <QSaveFile>

BitmapWriteResult writeBitmapFile(const QImage &image, const QString &filePath)
{
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) return {false, file.errorString()};
    QImageWriter writer(&file, "bmp");
    // QImageWriter reports why a write failed; QImage::save only says that it did.
    if (!writer.write(image)) {
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    // commit() can report success after a failed last flush: flush first.
    if (file.error() != QFileDevice::NoError || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit()) return {false, file.errorString()};
    return {true, QString()};
}
