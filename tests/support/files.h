#pragma once
// Whole files for the tests: reading one, writing one, and the bytes of a
// pattern file.
#include "support/paths.h"

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

// A pattern file of 64 lines: `values` one a line, then empty lines, each line
// ended by `lineEnd`. More than 64 values give a line for each.
inline QByteArray patternFileBytes(const Values &values, const QByteArray &lineEnd = "\r\n")
{
    QByteArray out;
    for (const std::int16_t v : values)
        out += QByteArray::number(v) + lineEnd;
    for (size_t n = values.size(); n < 64; ++n)
        out += lineEnd;
    return out;
}
