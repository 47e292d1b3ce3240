#pragma once
// The program version and its one text form: plain decimals joined by dots,
// no leading zeros ("1.0.0", "1.0.12").
#include <QString>

namespace version {

QString text(int major, int minor, int revision);
// This program's version, from the project's version in CMake.
QString text();

} // namespace version
