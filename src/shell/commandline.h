#pragma once
// What the command line asks for, decided before any QApplication exists (one
// cannot be created without a display, and --help must work without one).
//
//   plimso [options] [file]
//   -h, --help      the usage text on stdout, exit 0
//   -v, --version   "plimso 1.0.0" on stdout, exit 0
//   file            a pattern file to open as the challenge once the frame is up
//
// Qt's own options (-platform xcb, -style fusion, -display :1, -reverse, ...)
// are known to the parser, so they and their values are skipped here and
// handed to QApplication. Options may start with one dash or two, and take
// their value after a blank or "="; an unknown option, a missing option value
// or a second file is an error. After "--" every argument is a file, for the
// program alone: Qt never sees it.
//
// The texts are in the user's language when its translation is installed
// (shell/appsetup.h); Qt's own parts of them (its errors, "Options:") follow
// Qt's.
#include <QCoreApplication>
#include <QString>
#include <QStringList>

struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QString file;    // Run: the file named, as given; empty when none
    QString message; // Help, Version: the text for stdout; Error: the problem and the usage line
    QStringList qtArguments;   // Run: Qt's options for QApplication, "-name" then any value
    bool displayNamed = false; // Run: -platform or -display was given
};

// `arguments` as the program received them, the program's own name first.
CommandLine parseCommandLine(const QStringList &arguments);

// argv as text, each argument decoded as a file name (logic/filenamecodec.h):
// a name that is not UTF-8 still names its file.
QStringList commandLineArguments(int argc, char **argv);
