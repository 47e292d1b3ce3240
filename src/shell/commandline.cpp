#include "shell/commandline.h"

#include "shell/version.h"

#include <QCommandLineParser>

namespace {

// The options QGuiApplication, QApplication and the xcb platform take from
// argv, with a value and without.
constexpr const char *kQtValueOptions[] = {"platform",
                                           "platformpluginpath",
                                           "platformtheme",
                                           "plugin",
                                           "qwindowgeometry",
                                           "geometry",
                                           "qwindowtitle",
                                           "title",
                                           "qwindowicon",
                                           "icon",
                                           "session",
                                           "display",
                                           "name",
                                           "visual",
                                           "style",
                                           "stylesheet",
                                           "qmljsdebugger"};
constexpr const char *kQtFlagOptions[] = {"reverse", "widgetcount", "testability",
                                          "sync",    "nograb",      "dograb"};

void addQtOptions(QCommandLineParser &parser)
{
    for (const char *name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : kQtFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QString usageLine()
{
    return QStringLiteral("Usage: plimso [options] [file]\n");
}

CommandLine error(const QString &problem)
{
    return {CommandLine::Action::Error, QString(),
            QStringLiteral("plimso: %1\n").arg(problem) + usageLine() +
                QStringLiteral("Run 'plimso --help' for more.\n")};
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // "-platform" is one option, as Qt reads it, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Draw dot patterns and redraw them from memory."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays the version."));
    parser.addOption(help);
    parser.addOption(version);
    addQtOptions(parser);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A pattern file to open as the challenge."),
                                 QStringLiteral("[file]"));

    if (!parser.parse(arguments)) return error(parser.errorText());
    if (parser.isSet(help)) {
        // The parser's usage line names the program by its path, or not at all
        // before a QCoreApplication exists: ours replaces it.
        const QString text = parser.helpText();
        return {CommandLine::Action::Help, QString(),
                usageLine() + text.mid(text.indexOf(QLatin1Char('\n')) + 1) +
                    QStringLiteral("\nQt's own options, such as -platform, -style and -display, "
                                   "are accepted too.\n")};
    }
    if (parser.isSet(version))
        return {CommandLine::Action::Version, QString(),
                QStringLiteral("plimso %1\n").arg(version::text())};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return error(QStringLiteral("one pattern file at most, not %1: %2")
                         .arg(files.size())
                         .arg(files.join(QLatin1Char(' '))));
    return {CommandLine::Action::Run, files.value(0), QString()};
}

QStringList commandLineArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}
