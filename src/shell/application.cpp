#include "shell/application.h"

#include "shell/appsetup.h"
#include "shell/commandline.h"
#include "shell/mainframe.h"
#include "shell/patternfolder.h"
#include "shell/startup.h"

#include <QApplication>
#include <cstdio>

Application::Application(Dialogs *dialogs)
    : m_context{dialogs ? *dialogs : m_qtDialogs,
                patternfolder::choose(QCoreApplication::applicationDirPath(),
                                      patternfolder::userFolder())}
{
}

Application::~Application() = default;

int Application::run(int argc, char **argv)
{
    const CommandLine command = parseCommandLine(commandLineArguments(argc, argv));
    switch (command.action) {
    case CommandLine::Action::Help:
    case CommandLine::Action::Version:
        std::fputs(qPrintable(command.message), stdout);
        return 0;
    case CommandLine::Action::Error:
        std::fputs(qPrintable(command.message), stderr);
        return 2;
    case CommandLine::Action::Run:
        break;
    }
    if (!appsetup::displayAvailable(argc, argv)) {
        std::fputs("plimso needs a graphical display, and none was found (DISPLAY and "
                   "WAYLAND_DISPLAY are not set).\n"
                   "Run it inside a desktop session, or on a virtual display:\n"
                   "  xvfb-run -a ./plimso\n"
                   "or start one yourself: Xvfb :99 & DISPLAY=:99 ./plimso\n",
                   stderr);
        return 2;
    }
    QApplication qtApp(argc, argv);
    appsetup::configureApplication();
    const auto qtTexts = appsetup::installQtTranslations(); // Qt's dialogs in the user's language

    Application app;
    app.start();
    if (!command.file.isEmpty()) app.frame()->openFile(command.file);
    return QApplication::exec();
}

void Application::start()
{
    m_frame = StartUp(m_context, m_challenge).run();
}
