#pragma once
// While a modal box, prompt or dialog is open, it alone takes input. Qt holds
// back the mouse and keys from every other window, but not a screen reader's
// actions: commands reached that way ask here first and do nothing.
class QWidget;

// Whether a modal box is open that `widget` is not part of.
bool isBehindModalBox(const QWidget *widget);
