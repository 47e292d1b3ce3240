#include "shell/placementstore.h"

#include "forms/systemreason.h"
#include "forms/twips.h"
#include "logic/openedfile.h"
#include "shell/screenfit.h"
#include "shell/userfolders.h"

#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryFile>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <unistd.h>

namespace {
constexpr const char *kGroup = "Settings";

QString notSaved(const QString &file, const QString &reason)
{
    //: %1 is the settings file, %2 why it could not be written.
    const QString line = PlacementStore::tr("the window placement could not be saved to %1: %2");
    return QStringLiteral("plimso: ") + line.arg(file, reason);
}

// Whether something other than a regular file (or a link to one) stands at
// `path`: a folder, FIFO, device or socket, found without waiting.
bool isOtherThanRegularFile(const QString &path)
{
    return OpenedFile(QFile::encodeName(path)).isOtherThanRegularFile();
}

QString notRegularFile()
{
    return PlacementStore::tr("it is not a regular file");
}

// The system's reason for a failed write into `folder`, found by writing a
// little there; 0 when it takes it. A full disk refuses no access check.
int writeProbe(const QString &folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.plimso-probe-XXXXXX"));
    if (!probe.open()) return errno ? errno : EACCES;
    const QByteArray bytes(4096, ' ');
    errno = 0;
    if (::write(probe.handle(), bytes.constData(), size_t(bytes.size())) != bytes.size() ||
        ::fsync(probe.handle()) != 0)
        return errno ? errno : ENOSPC;
    return 0;
}

// Why `file` cannot be written, as the file system says: QSettings replaces it
// through a new file beside it, so its folder, or the nearest one above that
// exists (QSettings makes the rest), must take new files; and the file itself,
// if there is one, must be writable. Empty when nothing refuses.
QString whyNotWritable(const QString &file)
{
    QFileInfo folder(QFileInfo(file).absolutePath());
    for (;; folder.setFile(folder.absolutePath())) {
        // Through "folder/.", a file that stands where the folder should gives ENOTDIR.
        const QByteArray path = QFile::encodeName(folder.filePath() + QLatin1String("/."));
        if (::access(path.constData(), W_OK | X_OK) == 0) break;
        if (errno != ENOENT || folder.isRoot()) return systemReason(qt_error_string(errno));
    }
    if (::access(QFile::encodeName(file).constData(), W_OK) != 0 && errno != ENOENT)
        return systemReason(qt_error_string(errno));
    if (const int err = writeProbe(folder.filePath())) return systemReason(qt_error_string(err));
    return PlacementStore::tr("the file system gave no reason");
}
} // namespace

PlacementStore::PlacementStore() : PlacementStore(userSettingsFile()) {}

PlacementStore::PlacementStore(const QString &iniPath) : m_file(iniPath)
{
    if (m_file.isEmpty())
        m_problem = tr("the window placement is not remembered: neither XDG_CONFIG_HOME nor HOME "
                       "is an absolute path");
    else if (isOtherThanRegularFile(m_file))
        m_problem = notRegularFile();
    else
        m_settings = std::make_unique<QSettings>(m_file, QSettings::IniFormat);
}

PlacementStore::~PlacementStore() = default;

QString PlacementStore::userSettingsFile()
{
    const QString config = userfolders::configHome();
    return config.isEmpty() ? QString() : config + QStringLiteral("/plimso/plimso.conf");
}

QString PlacementStore::readProblem() const
{
    if (m_file.isEmpty() || m_problem.isEmpty()) return {};
    //: %1 is the settings file, %2 why it was not read.
    const QString line = tr("the window placement could not be read from %1: %2");
    return QStringLiteral("plimso: ") + line.arg(m_file, m_problem);
}

float PlacementStore::left() const
{
    return value("MainLeft", kDefaultLeft);
}
float PlacementStore::top() const
{
    return value("MainTop", kDefaultTop);
}
float PlacementStore::width() const
{
    return value("MainWidth", kDefaultWidth);
}
float PlacementStore::height() const
{
    return value("MainHeight", kDefaultHeight);
}

QString PlacementStore::write(const QRectF &twips)
{
    return store({{"MainLeft", twips.left()},
                  {"MainTop", twips.top()},
                  {"MainWidth", twips.width()},
                  {"MainHeight", twips.height()}});
}

QString PlacementStore::writeSize(const QSizeF &twips)
{
    return store({{"MainWidth", twips.width()}, {"MainHeight", twips.height()}});
}

QString PlacementStore::store(std::initializer_list<std::pair<const char *, qreal>> values)
{
    if (m_file.isEmpty()) return QStringLiteral("plimso: ") + m_problem;
    if (!m_settings) return notSaved(m_file, m_problem);
    const QString &file = m_file;
    {
        // QSettings waits on this lock without a limit, and a stale one can
        // hold for ever: a folder or FIFO in its place (a FIFO would even be
        // opened and read), or a process id that another plimso now has.
        // Probed first, and nothing is written while it is taken (QSettings
        // would retry a pending write when it goes).
        const QString lockPath = file + QLatin1String(".lock");
        if (isOtherThanRegularFile(lockPath))
            return notSaved(file, tr("its lock file %1 is not a regular file").arg(lockPath));
        QLockFile lock(lockPath);
        if (!lock.tryLock(kLockWaitMs) && lock.error() == QLockFile::LockFailedError)
            return notSaved(file,
                            tr("its lock file %1 stayed taken by another process").arg(lockPath));
    }
    m_settings->beginGroup(QLatin1String(kGroup));
    for (const auto &[key, value] : values)
        m_settings->setValue(QLatin1String(key), format(float(value)));
    m_settings->endGroup();
    m_settings->sync();
    // QSettings says no more than AccessError: the file system tells why.
    if (m_settings->status() == QSettings::AccessError) return notSaved(file, whyNotWritable(file));
    return {};
}

QString PlacementStore::format(float value)
{
    // Fixed notation with the fewest digits that read back to the same float.
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    return QString::fromLatin1(buf, int(result.ptr - buf));
}

bool PlacementStore::parse(const QString &text, float &value)
{
    bool ok = false;
    const float v = text.trimmed().toFloat(&ok);
    // toFloat accepts "inf" and "nan"; a huge value would overflow pixel arithmetic.
    if (!ok || !std::isfinite(v) || std::fabs(v) > kLimit) return false;
    value = v;
    return true;
}

float PlacementStore::value(const char *key, float fallback) const
{
    if (!m_settings) return fallback;
    const QVariant stored =
        m_settings->value(QLatin1String(kGroup) + QLatin1Char('/') + QLatin1String(key));
    float v = fallback;
    if (stored.isValid() && parse(stored.toString(), v)) return v;
    return fallback;
}
