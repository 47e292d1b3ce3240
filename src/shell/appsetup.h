#pragma once
// What the application object needs before any window exists: its names (the
// settings store uses them), the stand-in for the definitions' font, what
// assistive technology is to make of the dot grids, and the texts in the
// user's language, Qt's and the program's own.
#include <QLocale>
#include <QStringList>
#include <QTranslator>
#include <memory>

namespace appsetup {

// Organisation and application name "plimso"; Qt's own settings kept in the
// user's configuration folder (shell/userfolders.h), or nowhere; the child
// windows' accessibility (grid/childwindowaccessible.h); the desktop entry's name
// "io.github.plimso.Plimso", by which Wayland compositors match the windows to
// the installed entry and its icon; the font family "新細明體" mapped to an
// installed Traditional Chinese face; the dot grids' accessibility
// (grid/dotgridaccessible.h).
void configureApplication();

// Qt's own texts (its dialogs' buttons and labels: 是(&Y), 否(&N), 確定, 取消
// under zh_TW) for `locale`, from Qt's translations folder, installed on the
// application. Nothing is installed, and nullptr returned, when Qt ships no
// translation for the locale: the C locale keeps Qt's English. The caller
// keeps the translator alive for as long as the texts are wanted; destroying
// it takes them away again.
std::unique_ptr<QTranslator> installQtTranslations(const QLocale &locale = QLocale());

// The program's own texts (its messages, the command line's help and errors)
// in Traditional Chinese, from the catalogue built into the program
// (translations/), installed on the application when the first of `locale`'s
// languages is Chinese, in any script or region: the menus and toolbar come
// from a Traditional Chinese string table in every locale, so a Simplified
// Chinese user reads Traditional Chinese already. Else, and for the C locale,
// nothing is installed, nullptr is returned and the texts stay English. The
// texts the program's definitions and string table give ("Test", "Summit",
// "INPUT", the menus, ...) are never translated. Kept alive as above.
std::unique_ptr<QTranslator> installProgramTranslations(const QLocale &locale = QLocale());

// Both of the above, for as long as the application lives; works with a
// QCoreApplication too.
struct Translations {
    std::unique_ptr<QTranslator> qt;
    std::unique_ptr<QTranslator> program;
};
Translations installTranslations(const QLocale &locale = QLocale());

// Whether Qt can reach a display: a platform or display named on the command
// line (`displayNamed`, see shell/commandline.h) or a platform chosen in the
// environment, or an X11 or Wayland display.
bool displayAvailable(bool displayNamed);

// What Qt tries to open, in words for a message (in the user's language):
// "the X display ":1"", "the Wayland display "wayland-1"", both joined by
// "and", or "the platform "bogus"". Taken from Qt's options on the command
// line (`qtArguments`, see shell/commandline.h), else the environment.
QString displayTried(const QStringList &qtArguments);

} // namespace appsetup
