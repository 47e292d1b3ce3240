#pragma once
// A reason the system gave for a failed file operation, in the user's language
// as far as one is known.
#include <QString>

// Qt words four reasons itself ("Permission denied", "No such file or
// directory", "No space left on device", "Too many open files") and leaves
// them in English, although its own catalogue translates them: they are taken
// from there. Any other reason stays as the system gave it (the C library's
// words, in the locale's language where it has them).
QString systemReason(const QString &reason);
