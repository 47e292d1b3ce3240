// Start-up cost: time from process start to the frame being shown, processor
// time spent during the one-second splash wait, and peak resident memory with
// the frame up. Run it with a display (or QT_QPA_PLATFORM=offscreen).
#include "grid/appcontext.h"
#include "logic/gridmodel.h"
#include "shell/appsetup.h"
#include "shell/commandline.h"
#include "shell/mainframe.h"
#include "shell/startup.h"

#include "support/fakedialogs.h"

#include <QApplication>
#include <QFile>
#include <cstdio>
#include <ctime>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Seconds since boot at which this process started (/proc/self/stat field 22).
double processStartSinceBoot()
{
    QFile f(QStringLiteral("/proc/self/stat"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray stat = f.readAll();
    // Fields after the command name, which is in parentheses and may hold blanks.
    const QList<QByteArray> rest = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    // rest[0] is field 3 (state), so field 22 is rest[19].
    return rest.size() > 19 ? rest[19].toDouble() / double(sysconf(_SC_CLK_TCK)) : -1;
}

double nowSinceBoot()
{
    timespec ts{};
    clock_gettime(CLOCK_BOOTTIME, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

double cpuSeconds()
{
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return double(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
           double(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}

double peakResidentMiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

void row(const char *what, double value, const char *unit, double target)
{
    std::printf("%-34s %9.3f %-4s  <= %6.2f  %s\n", what, value, unit, target,
                value <= target ? "ok" : "OVER");
}

} // namespace

int main(int argc, char **argv)
{
    const double mainEntry = nowSinceBoot();
    if (!appsetup::displayAvailable(
            parseCommandLine(commandLineArguments(argc, argv)).displayNamed)) {
        std::fputs("bench_startup needs a display: use QT_QPA_PLATFORM=offscreen or xvfb-run\n",
                   stderr);
        return 2;
    }
    QApplication app(argc, argv);
    appsetup::configureApplication();

    FakeDialogs dialogs;
    AppContext context{dialogs, QCoreApplication::applicationDirPath()};
    GridModel challenge(GridModel::Kind::Challenge);
    StartUp startUp(context, challenge);
    double waitCpu = 0;
    startUp.setWait([&](const std::int16_t &seconds) {
        const double before = cpuSeconds();
        waitSeconds(seconds);
        waitCpu = cpuSeconds() - before;
    });
    double shownAt = 0, splashAt = 0, repaintedAt = 0, createdAt = 0;
    startUp.setObserver([&](StartUp::Step step, SplashWindow *, MainFrame *) {
        if (step == StartUp::Step::SplashShown) splashAt = nowSinceBoot();
        if (step == StartUp::Step::SplashRepainted) repaintedAt = nowSinceBoot();
        if (step == StartUp::Step::FrameCreated) createdAt = nowSinceBoot();
        if (step == StartUp::Step::FrameShown) {
            QApplication::sync(); // the window system has the request
            QApplication::processEvents();
            shownAt = nowSinceBoot();
        }
    });
    std::unique_ptr<MainFrame> frame = startUp.run();
    const double peak = peakResidentMiB();

    const double start = processStartSinceBoot();
    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("%-34s %9s %-4s  %9s\n", "measure", "value", "", "target");
    if (start > 0) row("process start to frame shown", shownAt - start, "s", 1.10);
    row("main() entry to frame shown", shownAt - mainEntry, "s", 1.10);
    row("  of which: main() to splash shown", splashAt - mainEntry, "s", 0.10);
    row("  of which: frame created", createdAt - repaintedAt, "s", 0.10);
    row("CPU during the splash wait", waitCpu, "s", 0.05);
    row("peak resident memory, frame up", peak, "MiB", 60);
    // The frame is not closed: a benchmark must not overwrite the user's placement.
    return 0;
}
