#include "shell/commandline.h"

#include "logic/filenamecodec.h"
#include "shell/version.h"

#include <QCommandLineParser>
#include <QHash>

namespace {

// The options QGuiApplication, QApplication and the xcb platform take from
// argv; whether each takes a value, and whether it names where windows go (the
// platform, or the X display), which is as good as DISPLAY being set.
struct QtOption {
    const char *name;
    bool takesValue;
    bool namesDisplay;
};
constexpr QtOption kQtOptions[] = {{"platform", true, true},
                                   {"platformpluginpath", true, false},
                                   {"platformtheme", true, false},
                                   {"plugin", true, false},
                                   {"qwindowgeometry", true, false},
                                   {"geometry", true, false},
                                   {"qwindowtitle", true, false},
                                   {"title", true, false},
                                   {"qwindowicon", true, false},
                                   {"icon", true, false},
                                   {"session", true, false},
                                   {"display", true, true},
                                   {"name", true, false},
                                   {"visual", true, false},
                                   {"style", true, false},
                                   {"stylesheet", true, false},
                                   {"qmljsdebugger", true, false},
                                   {"reverse", false, false},
                                   {"widgetcount", false, false},
                                   {"testability", false, false},
                                   {"sync", false, false},
                                   {"nograb", false, false},
                                   {"dograb", false, false}};

void addQtOptions(QCommandLineParser &parser)
{
    for (const QtOption &qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue) option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// Qt's options found, in order, as Qt reads them: "-name", then the value
// (given after a blank or after "="; Qt itself knows only the first form).
void takeQtOptions(const QCommandLineParser &parser, CommandLine &command)
{
    QHash<QString, qsizetype> valuesTaken;
    for (const QString &name : parser.optionNames()) {
        for (const QtOption &qt : kQtOptions) {
            if (name != QLatin1String(qt.name)) continue;
            command.qtArguments << QLatin1Char('-') + name;
            if (qt.takesValue) command.qtArguments << parser.values(name).at(valuesTaken[name]++);
            command.displayNamed = command.displayNamed || qt.namesDisplay;
        }
    }
}

QString usageLine()
{
    return CommandLine::tr("Usage: plimso [options] [file]") + QLatin1Char('\n');
}

// A command line that ends the run before any window, saying `message`.
CommandLine ending(CommandLine::Action action, const QString &message)
{
    CommandLine command;
    command.action = action;
    command.message = message;
    return command;
}

CommandLine error(const QString &problem)
{
    return ending(CommandLine::Action::Error,
                  QStringLiteral("plimso: %1\n").arg(problem) + usageLine() +
                      CommandLine::tr("Run 'plimso --help' for more.") + QLatin1Char('\n'));
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // "-platform" is one option, as Qt reads it, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        CommandLine::tr("Draw dot patterns and redraw them from memory."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  CommandLine::tr("Displays this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     CommandLine::tr("Displays the version."));
    parser.addOption(help);
    parser.addOption(version);
    addQtOptions(parser);
    //: The name of the one argument, as the help lists it.
    parser.addPositionalArgument(CommandLine::tr("file"),
                                 CommandLine::tr("A pattern file to open as the challenge."),
                                 QStringLiteral("[file]"));

    if (!parser.parse(arguments)) return error(parser.errorText());
    if (parser.isSet(help)) {
        // The parser's usage line names the program by its path, or not at all
        // before a QCoreApplication exists: ours replaces it.
        const QString text = parser.helpText();
        return ending(CommandLine::Action::Help,
                      usageLine() + text.mid(text.indexOf(QLatin1Char('\n')) + 1) +
                          QLatin1Char('\n') +
                          CommandLine::tr("Qt's own options, such as -platform, -style and "
                                          "-display, are accepted too.") +
                          QLatin1Char('\n'));
    }
    if (parser.isSet(version))
        return ending(CommandLine::Action::Version,
                      QStringLiteral("plimso %1\n").arg(version::text()));
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        //: %1 is how many files were named, %2 the files.
        return error(CommandLine::tr("one pattern file at most, not %1: %2")
                         .arg(QString::number(files.size()), files.join(QLatin1Char(' '))));
    CommandLine command;
    command.file = files.value(0);
    takeQtOptions(parser, command);
    return command;
}

QStringList commandLineArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << decodeFileName(argv[i]);
    return arguments;
}
