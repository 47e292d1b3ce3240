#include "shell/application.h"

#include "forms/systemreason.h"
#include "logic/filenamecodec.h"
#include "shell/appsetup.h"
#include "shell/commandline.h"
#include "shell/mainframe.h"
#include "shell/patternfolder.h"
#include "shell/standardstreams.h"
#include "shell/startup.h"

#include <QApplication>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

Application::Application(Dialogs *dialogs)
    : m_context{dialogs ? *dialogs : m_qtDialogs,
                patternfolder::choose(QCoreApplication::applicationDirPath(),
                                      patternfolder::userFolder()),
                &m_lastInput}
{
}

Application::~Application() = default;

namespace {

// Help and version are all such a run is for: a full disk or a closed stdout
// is a failure, said on stderr. A stdout closed at start is open on /dev/null
// by now, which would take anything.
int printOut(const QString &text, bool stdoutClosed)
{
    errno = EBADF;
    if (!stdoutClosed) {
        errno = 0;
        if (std::fputs(qPrintable(text), stdout) >= 0 && std::fflush(stdout) == 0) return 0;
    }
    const QString reason = systemReason(QString::fromLocal8Bit(std::strerror(errno)));
    //: %1 is the system's reason ("No space left on device").
    const QString line = Application::tr("cannot write to standard output: %1").arg(reason);
    std::fputs(qPrintable(QStringLiteral("plimso: ") + line + QLatin1Char('\n')), stderr);
    return 1;
}

// The command line as the process was started with it, every byte kept.
QStringList processArguments()
{
    QFile file(QStringLiteral("/proc/self/cmdline"));
    QStringList arguments;
    if (!file.open(QIODevice::ReadOnly)) return arguments;
    QByteArray all = file.readAll();
    if (all.endsWith('\0')) all.chop(1);
    for (const QByteArray &argument : all.split('\0'))
        arguments << decodeFileName(argument);
    return arguments;
}

// Qt ends the process (qFatal) when the display or platform it was given does
// not answer, with advice that does not fit ("Reinstalling the application
// may fix this problem") and a core dump. While the application object is
// made, a fatal message ends the run as no display at all does instead; Qt's
// warnings before it, which say what went wrong, are shown as usual. Without
// state of its own, it reads the command line again.
void displayFailureHandler(QtMsgType type, const QMessageLogContext &context,
                           const QString &message)
{
    if (type != QtFatalMsg) {
        std::fputs(qPrintable(qFormatLogMessage(type, context, message) + QLatin1Char('\n')),
                   stderr);
        return;
    }
    const auto texts = appsetup::installTranslations(); // the application object exists by now
    const CommandLine command = parseCommandLine(processArguments());
    std::fputs(qPrintable(Application::noDisplayText(appsetup::displayTried(command.qtArguments))),
               stderr);
    std::fflush(stderr);
    std::_Exit(2);
}

} // namespace

QString Application::noDisplayText(const QString &tried)
{
    const QString problem =
        tried.isEmpty() ? tr("plimso needs a graphical display, and none was found (DISPLAY and "
                             "WAYLAND_DISPLAY are not set).")
                        //: %1 says what was tried ("the X display ":1"").
                        : tr("plimso needs a graphical display, and could not open %1.").arg(tried);
    return problem + QLatin1Char('\n') +
           tr("Run it inside a desktop session, or on a virtual display:\n"
              "  xvfb-run -a ./plimso\n"
              "or start one yourself: Xvfb :99 & DISPLAY=:99 ./plimso") +
           QLatin1Char('\n');
}

int Application::endEarly(char **argv, const QStringList &arguments, const ClosedStreams &closed)
{
    // No window, but texts in the user's language: their translations need an
    // application object (one of our own unless a caller has one), and Qt's
    // options are not for it.
    int coreArgc = 1;
    std::optional<QCoreApplication> core;
    if (!QCoreApplication::instance()) core.emplace(coreArgc, argv);
    const auto texts = appsetup::installTranslations();
    const CommandLine command = parseCommandLine(arguments); // again, now translated
    switch (command.action) {
    case CommandLine::Action::Help:
    case CommandLine::Action::Version:
        return printOut(command.message, closed.output);
    case CommandLine::Action::Error:
        std::fputs(qPrintable(command.message), stderr);
        return 2;
    case CommandLine::Action::Run:
        break;
    }
    std::fputs(qPrintable(noDisplayText(QString())), stderr);
    return 2;
}

int Application::run(int argc, char **argv)
{
    const ClosedStreams closed = openClosedStandardStreams();
    const QStringList arguments = commandLineArguments(argc, argv);
    const CommandLine command = parseCommandLine(arguments);
    if (command.action != CommandLine::Action::Run ||
        !appsetup::displayAvailable(command.displayNamed))
        return endEarly(argv, arguments, closed);
    // Qt gets its own options only, never what follows "--".
    std::vector<QByteArray> qtArguments{QByteArray(argv[0])};
    for (const QString &argument : command.qtArguments)
        qtArguments.push_back(encodeFileName(argument));
    std::vector<char *> qtArgv;
    for (QByteArray &argument : qtArguments)
        qtArgv.push_back(argument.data());
    int qtArgc = int(qtArgv.size());
    qtArgv.push_back(nullptr);
    qInstallMessageHandler(&displayFailureHandler);
    QApplication qtApp(qtArgc, qtArgv.data());
    qInstallMessageHandler(nullptr);
    appsetup::configureApplication();
    const auto texts = appsetup::installTranslations(); // Qt's and the program's

    Application app;
    app.start();
    if (!command.file.isEmpty()) app.frame()->openFile(command.file);
    return QApplication::exec();
}

void Application::start()
{
    m_frame = StartUp(m_context, m_challenge).run();
}
