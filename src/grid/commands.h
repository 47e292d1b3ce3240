#pragma once
// The grid windows' buttons as plain procedures: what the editor's Test and
// the challenge's Summit ask, write, check and draw. The windows only call
// these with their model and the program's dialogs. The window (`parent`) may
// be destroyed while one of their boxes is up: they then stop, and neither
// write nor change the model.
#include "logic/pattern.h"

#include <QRectF>
#include <QString>

class Dialogs;
class GridModel;
class QWidget;

// Test: prompts "Please Input a Filename :" (title "INPUT", default
// "Default.txt"); an empty answer ends it. A name that is not a plain file
// name, no folder (an empty `folder`), a file Test must not replace (see
// testTargetProblem), and a folder that cannot be made or a file that cannot be
// written are reported (with the full path and the system's reason) and
// nothing is drawn. Otherwise `folder` is created if missing, the model's path
// is written to folder + "/" + name and replayed on B, and a screen reader is
// told the file's name and folder.
// Returns the path written, or an empty string when nothing was written.
QString runTest(Dialogs &dialogs, QWidget *parent, const QString &folder, GridModel &model);

// The text a click on a replay dot shows: its Left, a space, its Top (twips).
QString dotPositionText(const QRectF &dot);

enum class SummitOutcome { Close, TryAgain };

// Summit: checks the attempt against the stored pattern (both the model's)
// and answers "You are good" (then the window is to close) or "Sorry ! Please
// Try It Again" with Yes (try again) and No (close). On Yes the attempt is
// reset (GridModel::resetAttempt).
SummitOutcome runSummit(Dialogs &dialogs, QWidget *parent, GridModel &model);
