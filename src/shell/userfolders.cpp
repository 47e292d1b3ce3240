#include "shell/userfolders.h"

#include <QDir>

namespace userfolders {

namespace {

QString xdgHome(const char *variable, const QString &underHome)
{
    const QString set = qEnvironmentVariable(variable);
    if (QDir::isAbsolutePath(set)) return QDir::cleanPath(set);
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home)) return QDir::cleanPath(home + QLatin1Char('/') + underHome);
    return QString();
}

} // namespace

QString dataHome()
{
    return xdgHome("XDG_DATA_HOME", QStringLiteral(".local/share"));
}

QString configHome()
{
    return xdgHome("XDG_CONFIG_HOME", QStringLiteral(".config"));
}

} // namespace userfolders
