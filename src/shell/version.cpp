#include "shell/version.h"

namespace version {

QString text(int major, int minor, int revision)
{
    return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision);
}

} // namespace version
