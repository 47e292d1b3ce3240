#include "shell/patternfolder.h"

#include <QStandardPaths>
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
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/plimso");
}

} // namespace patternfolder
