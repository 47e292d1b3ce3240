#pragma once
// Whether two paths name the same file: the same canonical path (symbolic links
// resolved) or the same device and inode (hard links). False when either does
// not exist.
#include <QString>

bool isSameFile(const QString &a, const QString &b);
