// Memory over many challenge rounds (File > Open, one dot, Summit, "You are
// good" closes the window): resident memory after the first round and every
// 50th, once as the program runs and once with Qt's pixmap cache emptied after
// each round. The growth that remains with the cache emptied is plimso's (or
// the allocator's); target 1 MiB over 300 rounds. Each new window has a
// palette of its own, and Qt's styles cache their button pictures by palette:
// the pixmap cache fills up to its limit (QPixmapCache::cacheLimit) and stays
// there. Run it under an X server with an accessibility bus, as a screen
// reader's desktop has, for the figures the README gives:
//   dbus-run-session -- tests/support/a11y-session.sh build/bench/bench_rounds
#include "grid/challengewindow.h"
#include "logic/gridmodel.h"
#include "logic/patternfile.h"
#include "shell/mainframe.h"

#include "support/fakedialogs.h"
#include "support/frameinput.h"
#include "support/gridinput.h"

#include <QApplication>
#include <QFile>
#include <QPixmapCache>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
    return 0;
}

// Plays `rounds` rounds on a fresh frame; returns the growth after the first.
double play(int rounds, bool emptyPixmapCache, const QString &file)
{
    FakeDialogs dialogs;
    AppContext context{dialogs, QFileInfo(file).path()};
    GridModel challenge(GridModel::Kind::Challenge);
    MainFrame frame(context, challenge);
    frame.resize(1400, 900);
    frame.show();
    if (!QTest::qWaitForWindowExposed(&frame)) return -1;
    double first = 0;
    for (int round = 1; round <= rounds; ++round) {
        dialogs.answerText(file);
        triggerMenu(frame, "mnuFileOpen");
        ChallengeWindow *window = frame.challengeWindow();
        clickDot(window->PicA(), 0);
        QTest::mouseClick(window->CmdA(), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        dialogs.clear();
        if (emptyPixmapCache) QPixmapCache::clear();
        if (round == 1) first = residentMiB();
        if (round == 1 || round % 50 == 0)
            std::printf("  round %3d: %6.1f MiB\n", round, residentMiB());
    }
    return residentMiB() - first;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("p.txt"));
    DotPath one{};
    one[0] = 1;
    if (!dir.isValid() || !writePatternFile(file, one).ok) {
        std::fprintf(stderr, "cannot write the pattern file\n");
        return 1;
    }
    constexpr int kRounds = 300;
    std::printf("Qt's pixmap cache holds at most %d KiB\n", QPixmapCache::cacheLimit());
    // The run without Qt's cache first: memory freed by a run stays with the
    // process, and would hide the growth of a run after it.
    std::printf("with Qt's pixmap cache emptied after each round:\n");
    const double own = play(kRounds, true, file);
    std::printf("as the program runs:\n");
    const double grown = play(kRounds, false, file);
    std::printf("growth over %d rounds: %.1f MiB as it runs, %.1f MiB without Qt's pixmap cache "
                "(target 1 MiB)\n",
                kRounds, grown, own);
    return own <= 1.0 ? 0 : 1;
}
