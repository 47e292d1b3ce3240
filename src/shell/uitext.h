#pragma once
// Gives a window built from a definition its UI text from the string table
// (see shell/stringtable.h): numbers in captions, Tags and tooltips are
// replaced by the texts they name. Never fails: a step that cannot be done is
// skipped.
class QWidget;

void applyStringTable(QWidget *window);
