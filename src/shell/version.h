#pragma once
// The program version and its one text form: plain decimals joined by dots,
// no leading zeros ("1.0.0", "1.0.12").
#include <QString>

namespace version {

inline constexpr int kMajor = PLIMSO_VERSION_MAJOR;
inline constexpr int kMinor = PLIMSO_VERSION_MINOR;
inline constexpr int kRevision = PLIMSO_VERSION_PATCH;

QString text(int major, int minor, int revision);
inline QString text()
{
    return text(kMajor, kMinor, kRevision);
}

} // namespace version
