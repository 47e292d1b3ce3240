#include "logic/atomicfile.h"

#include <QSaveFile>

#include <cerrno>

WriteResult writeFileAtomically(const QString &filePath, const QByteArray &bytes)
{
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) return {false, file.errorString()};
    // commit() alone may report success after a failed final flush, leaving a
    // truncated file in place: check the write and the flush ourselves.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        // QSaveFile can fail a write without setting its own error
        // ("Unknown error"); errno still holds the system's reason.
        const int err = errno;
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : qt_error_string(err);
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit()) return {false, file.errorString()};
    return {true, {}};
}
