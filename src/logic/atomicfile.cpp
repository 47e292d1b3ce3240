#include "logic/atomicfile.h"

#include "logic/filenamecodec.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

WriteResult failed(int err)
{
    return {false, qt_error_string(err)};
}

// The folder part of a path, "." for a bare name.
QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// The file that writing through `path` reaches: the target of each link in
// turn, a dangling one included (it is created). A loop of links is left as
// it is, and fails where it is written.
QByteArray throughLinks(QByteArray path)
{
    for (int depth = 0; depth < 40; ++depth) {
        char buffer[4096];
        const ssize_t n = ::readlink(path.constData(), buffer, sizeof buffer);
        if (n < 0 || size_t(n) >= sizeof buffer) break;
        const QByteArray target(buffer, n);
        path = target.startsWith('/') ? target : folderOf(path) + '/' + target;
    }
    return path;
}

// Writes all of `bytes` to `fd`; false with errno set when that fails.
bool writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

} // namespace

WriteResult writeFileAtomically(const QString &filePath, const QByteArray &bytes, AtLink atLink)
{
    QByteArray target = encodeFileName(filePath);
    if (atLink == AtLink::WriteThrough) target = throughLinks(target);

    // A new name beside the target, which nothing else can have opened.
    int fd = -1;
    QByteArray temporary;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary =
            target + '.' +
            QByteArray::number(QRandomGenerator::global()->generate(), 36).rightJustified(7, '0');
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return failed(errno);
    }
    if (fd < 0) return failed(EEXIST);

    struct stat existing {};
    const bool replacing = ::lstat(target.constData(), &existing) == 0 && S_ISREG(existing.st_mode);
    // fsync: a rename may reach the disk before the data it names.
    const bool written = writeAll(fd, bytes) &&
                         (!replacing || ::fchmod(fd, existing.st_mode & 07777) == 0) &&
                         ::fsync(fd) == 0;
    int err = errno;
    if (::close(fd) != 0 && written) {
        err = errno;
    } else if (written) {
        if (::rename(temporary.constData(), target.constData()) == 0) return {true, {}};
        err = errno;
    }
    ::unlink(temporary.constData());
    return failed(err);
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
