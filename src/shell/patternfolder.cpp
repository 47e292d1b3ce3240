#include "shell/patternfolder.h"

#include "shell/userfolders.h"

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
    const QString data = userfolders::dataHome();
    return data.isEmpty() ? QString() : data + QStringLiteral("/plimso");
}

} // namespace patternfolder
