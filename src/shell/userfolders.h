#pragma once
// The user's own folders, as the XDG base directory rules name them, and only
// as absolute paths: a relative XDG_DATA_HOME or XDG_CONFIG_HOME is ignored,
// as if unset, and without an absolute HOME there is no such folder (Qt's own
// lookup would take a relative value, or a missing HOME, as relative to the
// working folder or as the root folder). Nothing is created here.
#include <QString>

namespace userfolders {

// $XDG_DATA_HOME, else ~/.local/share; empty when neither is absolute.
QString dataHome();
// $XDG_CONFIG_HOME, else ~/.config; empty when neither is absolute.
QString configHome();

} // namespace userfolders
