#pragma once
// Gives a form its UI text from the string table (shell/stringtable.h). A form
// holds the numbers of its texts as placeholders where the texts go:
// - a label's text, a menu's title, a menu entry's text and a toolbar button's
//   tooltip are the number itself (strict conversion);
// - any other control's text and tooltip (a button, a frame) start with it
//   (lenient conversion), and count only when greater than 0.
// A placeholder that is no number, or names no entry, stays as it is. Every
// control drops a font of its own and is drawn in the window's font (entries
// 20 and 21 would name that font; the table has neither). Never fails: a step
// that cannot be done is skipped.
class QWidget;

void applyStringTable(QWidget *window);
