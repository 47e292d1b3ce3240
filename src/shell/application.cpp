#include "shell/application.h"

#include "forms/systemreason.h"
#include "logic/filenamecodec.h"
#include "shell/appsetup.h"
#include "shell/commandline.h"
#include "shell/mainframe.h"
#include "shell/patternfolder.h"
#include "shell/startup.h"

#include <QApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

Application::Application(Dialogs *dialogs)
    : m_context{dialogs ? *dialogs : m_qtDialogs,
                patternfolder::choose(QCoreApplication::applicationDirPath(),
                                      patternfolder::userFolder())}
{
}

Application::~Application() = default;

namespace {

// Help and version are all such a run is for: a full disk or a closed stdout
// is a failure, said on stderr.
int printOut(const QString &text)
{
    errno = 0;
    if (std::fputs(qPrintable(text), stdout) >= 0 && std::fflush(stdout) == 0) return 0;
    const QString reason = systemReason(QString::fromLocal8Bit(std::strerror(errno)));
    //: %1 is the system's reason ("No space left on device").
    const QString line = Application::tr("cannot write to standard output: %1").arg(reason);
    std::fputs(qPrintable(QStringLiteral("plimso: ") + line + QLatin1Char('\n')), stderr);
    return 1;
}

} // namespace

int Application::endEarly(char **argv, const QStringList &arguments)
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
        return printOut(command.message);
    case CommandLine::Action::Error:
        std::fputs(qPrintable(command.message), stderr);
        return 2;
    case CommandLine::Action::Run:
        break;
    }
    const QString text = tr("plimso needs a graphical display, and none was found (DISPLAY and "
                            "WAYLAND_DISPLAY are not set).\n"
                            "Run it inside a desktop session, or on a virtual display:\n"
                            "  xvfb-run -a ./plimso\n"
                            "or start one yourself: Xvfb :99 & DISPLAY=:99 ./plimso");
    std::fputs(qPrintable(text + QLatin1Char('\n')), stderr);
    return 2;
}

int Application::run(int argc, char **argv)
{
    const QStringList arguments = commandLineArguments(argc, argv);
    const CommandLine command = parseCommandLine(arguments);
    if (command.action != CommandLine::Action::Run ||
        !appsetup::displayAvailable(command.displayNamed))
        return endEarly(argv, arguments);
    // Qt gets its own options only, never what follows "--".
    std::vector<QByteArray> qtArguments{QByteArray(argv[0])};
    for (const QString &argument : command.qtArguments)
        qtArguments.push_back(encodeFileName(argument));
    std::vector<char *> qtArgv;
    for (QByteArray &argument : qtArguments)
        qtArgv.push_back(argument.data());
    int qtArgc = int(qtArgv.size());
    qtArgv.push_back(nullptr);
    QApplication qtApp(qtArgc, qtArgv.data());
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
