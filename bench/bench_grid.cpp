// Grid window benchmark, offscreen unless QT_QPA_PLATFORM says otherwise.
//   1. a click on a dot until PicA has repainted (target 2 ms)
//   2. a resize of an editor holding a full 64-dot path, until repainted (target 10 ms)
//   3. peak memory (VmHWM) with 20, then 50 editor windows open in a QMdiArea
//      (target 80 MiB for 20), and the widgets one editor window is made of
// Dots are clicked where a person clicks them, at their centres
// (tests/support/gridinput.h).
#include "grid/appcontext.h"
#include "grid/dotgridview.h"
#include "grid/editorwindow.h"
#include "grid/workspace.h"

#include "support/fakedialogs.h"
#include "support/gridinput.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Counts paint events of one widget.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

DotGridView *picA(QWidget *window)
{
    return window->findChild<DotGridView *>(QStringLiteral("PicA"));
}

// Processes events until `counter` has seen a new paint (or 1 s passed).
void untilPainted(PaintCounter &counter, int before)
{
    QElapsedTimer guard;
    guard.start();
    while (counter.paints == before && guard.elapsed() < 1000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

struct Stats {
    double median, mean, max;
};
Stats stats(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms)
        sum += v;
    return {ms[ms.size() / 2], sum / double(ms.size()), ms.back()};
}

long vmHwmKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FakeDialogs dialogs;
    AppContext ctx{dialogs, QStringLiteral("/tmp")};

    QMdiArea area;
    area.resize(1280, 1000);
    area.show();

    // 1. Click to repaint.
    std::vector<double> clickMs;
    for (int round = 0; round < 5; ++round) {
        auto *w = new EditorWindow(ctx);
        QMdiSubWindow *sub = addToWorkspace(&area, w);
        sub->show();
        PaintCounter counter;
        picA(w)->installEventFilter(&counter);
        QApplication::processEvents();
        for (int i = 0; i < 63; ++i) {
            const int before = counter.paints;
            QElapsedTimer t;
            t.start();
            clickDot(picA(w), (i * 10) % 63);
            untilPainted(counter, before);
            clickMs.push_back(double(t.nsecsElapsed()) / 1e6);
        }
        if (w->state().dotCount != 63)
            std::fprintf(stderr, "clicks were not recorded (%d)\n", int(w->state().dotCount));
        sub->close();
        QApplication::processEvents();
    }

    // 2. Resize with a full path.
    std::vector<double> resizeMs, layoutMs;
    {
        auto *w = new EditorWindow(ctx);
        QMdiSubWindow *sub = addToWorkspace(&area, w);
        sub->show();
        QApplication::processEvents();
        for (int i = 0; i < 64; ++i)
            clickDot(picA(w), (i * 10) % 63);
        PaintCounter counter;
        picA(w)->installEventFilter(&counter);
        QApplication::processEvents();
        const QSize small = sub->size(), large = small + QSize(240, 300);
        for (int i = 0; i < 100; ++i) {
            const int before = counter.paints;
            QElapsedTimer t;
            t.start();
            sub->resize(i % 2 ? small : large);
            untilPainted(counter, before);
            resizeMs.push_back(double(t.nsecsElapsed()) / 1e6);
        }
        // The layout logic alone, without Qt's repaint: where the time goes.
        for (int i = 0; i < 100; ++i) {
            QElapsedTimer t;
            t.start();
            w->layOut();
            layoutMs.push_back(double(t.nsecsElapsed()) / 1e6);
        }
        sub->close();
        QApplication::processEvents();
    }

    // 3. Twenty editors open, then fifty.
    long hwm20 = 0;
    int widgets = 0;
    for (int i = 0; i < 50; ++i) {
        auto *w = new EditorWindow(ctx);
        w->setWindowTitle(QStringLiteral("Document %1").arg(i + 1));
        addToWorkspace(&area, w)->show();
        for (int k = 0; k < 10; ++k)
            clickDot(picA(w), k * 6);
        QApplication::processEvents();
        widgets = int(w->findChildren<QWidget *>().size());
        if (i == 19) hwm20 = vmHwmKiB();
    }
    QApplication::processEvents();
    const long hwm50 = vmHwmKiB();

    const Stats c = stats(clickMs), r = stats(resizeMs);
    std::printf("click to repaint      median %.3f ms  mean %.3f ms  max %.3f ms  (target 2 ms, "
                "%zu clicks)\n",
                c.median, c.mean, c.max, clickMs.size());
    std::printf("resize, 64-dot path   median %.3f ms  mean %.3f ms  max %.3f ms  (target 10 ms, "
                "%zu resizes)\n",
                r.median, r.mean, r.max, resizeMs.size());
    const Stats l = stats(layoutMs);
    std::printf("  of which layOut median %.3f ms  mean %.3f ms  max %.3f ms\n", l.median, l.mean,
                l.max);
    std::printf("peak memory, 20 editors  VmHWM %.1f MiB  (target 80 MiB)\n", double(hwm20) / 1024.0);
    std::printf("peak memory, 50 editors  VmHWM %.1f MiB\n", double(hwm50) / 1024.0);
    std::printf("widgets in one editor window: %d\n", widgets);
    return 0;
}
