#pragma once
// Putting a window into the frame's workspace as a child window.
#include <QString>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

// Wraps `client` in a child window of `area` whose client area keeps the size
// `client` has now (its defined size), whatever frame and title bar the style
// adds. It opens at that size where it overlaps the other children least, and
// as much of it as fits lies in the shown part of the area, in either layout
// direction; one too large for the area keeps the leading end of its title bar
// in view. The child window deletes itself, and `client` with it, when closed;
// the area gets scroll bars when a child is larger than it, and scrolls to show
// a control of a child window that takes the focus outside the area's shown
// part (nothing scrolls while the focus stays in view). The child window is no
// Tab stop of its own: Tab and Shift+Tab go round its controls alone. Its
// Close entry takes Ctrl+F4 as well as Qt's shortcut (Ctrl+W). The child window
// is not shown: the caller sets the caption and shows it.
QMdiSubWindow *addToWorkspace(QMdiArea *area, QWidget *client);

// Captions `sub` with `caption`, shown as it is: "[*]" is not taken as the
// modified mark's place; control and bidirectional formatting characters (a
// newline, U+202E RIGHT-TO-LEFT OVERRIDE) are shown as visible escapes
// ("\u202E") instead of breaking the line or reversing the text; in a
// right-to-left layout the caption still reads left to right ("/tmp/p.txt").
// The child window's content and, to a screen reader, the child window itself
// (grid/childwindowaccessible.h) are named with `caption` exactly.
void setChildCaption(QMdiSubWindow *sub, const QString &caption);

// `caption` with its control and bidirectional formatting characters as the
// visible escapes a child window's title shows ("\u202E"): what it reads as.
QString shownCaption(const QString &caption);
