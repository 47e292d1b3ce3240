#pragma once
// Gives a form its UI text from the string table (shell/stringtable.h). A form
// shows the table's texts, and names the number of each in a dynamic property
// of the control: `textNumber` for its text (a label's, a menu's title, a menu
// entry's, a button's, a frame's title), `toolTipNumber` for its tooltip. By
// Qt type:
// - a label's, a menu's and an action's (a menu entry, a toolbar button) must
//   be a whole number (strict conversion);
// - any other control's (a button, a frame, a picture) is read from its start
//   (lenient conversion) and counts only when greater than 0.
// The text of that entry replaces the form's; a number that is none, or names
// no entry, leaves the form's text as it is. Every control drops a font of its
// own and is drawn in the window's font (entries 20 and 21 would name that
// font; the table has neither). Never fails: a step that cannot be done is
// skipped.
class QWidget;

namespace uitext {
inline constexpr char kTextNumber[] = "textNumber";
inline constexpr char kToolTipNumber[] = "toolTipNumber";
} // namespace uitext

void applyStringTable(QWidget *window);
