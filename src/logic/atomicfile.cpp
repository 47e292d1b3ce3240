#include "logic/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <sys/stat.h>

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

WriteResult makeFolder(const QString &folder)
{
    // QDir::mkpath only says that it failed, not why.
    const QByteArray path = QFile::encodeName(QDir::cleanPath(folder));
    for (qsizetype end = path.indexOf('/', 1);; end = path.indexOf('/', end + 1)) {
        const QByteArray part = end < 0 ? path : path.left(end);
        struct stat status {};
        if (::stat(part.constData(), &status) != 0 &&
            (::mkdir(part.constData(), 0777) != 0 || ::stat(part.constData(), &status) != 0))
            return {false, qt_error_string(errno)};
        if (!S_ISDIR(status.st_mode)) return {false, qt_error_string(ENOTDIR)};
        if (end < 0) return {true, {}};
    }
}
