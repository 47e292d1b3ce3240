#include "shell/samefile.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

bool isSameFile(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    if (ca.isEmpty()) return false;
    if (ca == QFileInfo(b).canonicalFilePath()) return true;
    struct stat sa {};
    struct stat sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}
