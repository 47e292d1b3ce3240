#pragma once
// Whole files for the tests: reading one and writing one.
#include <QByteArray>
#include <QFile>
#include <QString>

// The whole content of `path`, or "<unreadable>" when it cannot be opened, so
// that a comparison with any expected content fails and says why.
inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Creates or replaces `path` with `bytes`; false unless every byte got written.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size() &&
           f.flush();
}
