#pragma once
// Program-wide procedures and data: start-up, the string-table filler and the
// one stored pattern that File > Open fills.
#include "logic/pattern.h"

#include <cstdint>

class QWidget;
class Dialogs;

namespace Module1 {

// The pattern read by the last File > Open; all 0 at start. Lives for the run.
extern Pattern LoadedPattern;

// The process entry point: sets up the application, checks for a display,
// runs Main and then the event loop. Returns the exit code.
int run(int argc, char **argv);

// The start-up sequence: splash, one-second wait, hidden frame loaded, splash
// gone, frame shown. Returns once the frame is shown.
void Main(Dialogs &dialogs);

// Waits the given number of seconds while dispatching window events, measured
// on a monotonic clock, blocking between events rather than spinning.
void WaitSeconds(const std::int16_t &seconds);

// Gives a window built from a definition its UI text from the string table
// (see shell/stringtable.h). Never fails: a step that cannot be done is skipped.
void ApplyStringTable(QWidget *window);

} // namespace Module1
