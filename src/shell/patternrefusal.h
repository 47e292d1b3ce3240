#pragma once
// What File > Open (and a file named on the command line) says about a file
// it refuses, in the user's language.
#include <QString>

struct ReadResult;

// "The pattern file "FILE" cannot be opened." and, on the next line, why:
// "line N: " and the fault when a line is at fault, else the fault alone.
// `file` is shown with native separators; a reason the system gave is shown
// as forms/systemreason.h has it.
QString patternRefusal(const QString &file, const ReadResult &read);
