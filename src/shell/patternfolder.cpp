#include "shell/patternfolder.h"

#include <QDir>
#include <QTemporaryFile>

namespace patternfolder {

bool acceptsNewFiles(const QString &folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.plimso-probe-XXXXXX"));
    return probe.open(); // and removed again when it goes
}

QString choose(const QString &programFolder, const QString &userFolder)
{
    return acceptsNewFiles(programFolder) ? programFolder : userFolder;
}

QString userFolder()
{
    // As the XDG base directory rules say: a relative value is ignored, as if
    // unset. Qt's own lookup would take it, and a relative or missing HOME,
    // as relative to the working folder.
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (QDir::isAbsolutePath(dataHome))
        return QDir::cleanPath(dataHome + QStringLiteral("/plimso"));
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home))
        return QDir::cleanPath(home + QStringLiteral("/.local/share/plimso"));
    return QString();
}

} // namespace patternfolder
