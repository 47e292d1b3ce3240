#pragma once
// What the application object needs before any window exists: its names (the
// settings store uses them), the stand-in for the definitions' font, and Qt's
// own texts in the user's language.
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace appsetup {

// Organisation and application name "plimso"; the desktop entry's name
// "io.github.plimso.Plimso", by which Wayland compositors match the windows to
// the installed entry and its icon; the font family "新細明體" mapped to an
// installed Traditional Chinese face.
void configureApplication();

// Qt's own texts (its dialogs' buttons and labels: 是(&Y), 否(&N), 確定, 取消
// under zh_TW) for `locale`, from Qt's translations folder, installed on the
// application. Nothing is installed, and nullptr returned, when Qt ships no
// translation for the locale: the C locale keeps Qt's English. The program's
// own texts are not translated. The caller keeps the translator alive for as
// long as the texts are wanted; destroying it takes them away again.
std::unique_ptr<QTranslator> installQtTranslations(const QLocale &locale = QLocale());

// Whether Qt can reach a display: a platform or display named on the command
// line (`displayNamed`, see shell/commandline.h) or a platform chosen in the
// environment, or an X11 or Wayland display.
bool displayAvailable(bool displayNamed);

} // namespace appsetup
