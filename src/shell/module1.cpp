#include "shell/module1.h"

#include "forms/qtdialogs.h"
#include "shell/appcontext.h"
#include "shell/appsetup.h"
#include "shell/frmmain.h"
#include "shell/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace Module1 {

namespace {

// What the run keeps alive: the context every window gets and the one frame.
std::unique_ptr<AppContext> Context;
std::unique_ptr<frmMain> MainFrame;

} // namespace

int run(int argc, char **argv)
{
    if (!appsetup::displayAvailable(argc, argv)) {
        std::fputs("plimso needs a graphical display, and none was found (DISPLAY and "
                   "WAYLAND_DISPLAY are not set).\n"
                   "Run it inside a desktop session, or on a virtual display:\n"
                   "  xvfb-run -a ./plimso\n"
                   "or start one yourself: Xvfb :99 & DISPLAY=:99 ./plimso\n",
                   stderr);
        return 2;
    }
    QApplication app(argc, argv);
    appsetup::configureApplication();
    const auto qtTexts = appsetup::installQtTranslations(); // Qt's dialogs in the user's language

    QtDialogs dialogs;
    Main(dialogs);
    const int code = QApplication::exec();
    // Windows go before the application object does.
    MainFrame.reset();
    Context.reset();
    return code;
}

void Main(Dialogs &dialogs)
{
    Context =
        std::make_unique<AppContext>(AppContext{dialogs, QCoreApplication::applicationDirPath()});
    StartUp startUp(*Context);
    MainFrame = startUp.run();
}

void WaitSeconds(const std::int16_t &seconds)
{
    QElapsedTimer clock; // monotonic: midnight and clock changes do not matter
    clock.start();
    const qint64 total = qint64(seconds) * 1000;
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    for (qint64 left = total - clock.elapsed(); left > 0; left = total - clock.elapsed()) {
        // Dispatch what is pending, then sleep until the next event or the deadline.
        wake.start(int(left));
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

} // namespace Module1
