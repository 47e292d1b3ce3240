#pragma once
// The one challenge window of the run, as the frame and File > Open reach it.
//
// At most one frmOldFile is open at a time. challengeWindow() returns it while
// it is open. When none is open (never created, or closed since) and
// createIfMissing is true, it builds a new frmOldFile on the run's shared
// challenge state (frmOldFile::sharedState(), which outlives every close, so
// the new window loads on what the last close left), adds it to `area` as a
// child window, shows it and makes it the area's current child; otherwise it
// returns nullptr. A window that has started closing counts as closed.
struct AppContext;
class QMdiArea;
class frmOldFile;

frmOldFile *challengeWindow(QMdiArea *area, AppContext &ctx, bool createIfMissing);
