#pragma once
// Where Test writes its pattern files, and where File > Open starts: beside the
// program when its folder takes new files (a build folder, an install in the
// user's home), else the user's data folder (an install under /usr, or on a
// read-only mount).
#include <QString>

namespace patternfolder {

// Whether a new file can be created in `folder` now. Tried for real, with a
// temporary file that is removed again: permission bits say nothing about a
// read-only mount, and root passes them all. False for a folder that does not
// exist.
bool acceptsNewFiles(const QString &folder);

// `programFolder` when it accepts new files, else `userFolder` (which may be
// empty: none). Neither is created here: Test creates the user's folder when
// it first writes there.
QString choose(const QString &programFolder, const QString &userFolder);

// The user's folder for pattern files: plimso in the user's data folder
// (shell/userfolders.h), ~/.local/share/plimso by default. The empty text
// when there is no such folder: nothing is ever written relative to the
// working folder.
QString userFolder();

} // namespace patternfolder
