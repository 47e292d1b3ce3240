#include "shell/version.h"

namespace version {

QString text(int major, int minor, int revision)
{
    return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString text()
{
    return text(PLIMSO_VERSION_MAJOR, PLIMSO_VERSION_MINOR, PLIMSO_VERSION_PATCH);
}

} // namespace version
