// Opening a pattern (read, parse, merge, draw) and one Summit check, timed.
// Targets: open and draw within 5 ms, a Summit check of 64 dots within 0.1 ms.
// Runs offscreen unless another platform is asked for.
#include "grid/dotgridview.h"
#include "grid/gridwindow.h"
#include "logic/gridmodel.h"
#include "logic/patternfile.h"
#include "logic/summit.h"

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Median time of one call in microseconds; `batch` calls are timed together so
// that operations far shorter than the clock's overhead still measure.
double medianMicros(int samples, int batch, const std::function<void()> &op)
{
    std::vector<double> times;
    times.reserve(static_cast<size_t>(samples));
    for (int s = 0; s < samples; ++s) {
        const auto start = Clock::now();
        for (int i = 0; i < batch; ++i)
            op();
        const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
        times.push_back(spent.count() / batch);
    }
    std::nth_element(times.begin(), times.begin() + samples / 2, times.end());
    return times[static_cast<size_t>(samples / 2)];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // The longest file Test writes: 64 two-digit dot numbers, a path over the grid.
    DotPath path{};
    for (size_t i = 0; i < path.size(); ++i)
        path[i] = static_cast<std::int16_t>(10 + (i * 7) % 54);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Default.txt"));
    if (!dir.isValid() || !writePatternFile(file, path).ok) {
        std::fprintf(stderr, "cannot write the pattern file\n");
        return 1;
    }

    // The challenge's model, and its right-hand surface painted on screen.
    GridModel model(GridModel::Kind::Challenge, initialGeometry(forms::griddefs::challenge()));
    model.layOut(14055, 8820);
    DotGridView surface(model, Side::B);
    surface.resize(389, 348);
    surface.show();
    QCoreApplication::processEvents(); // exposed, so that repaint paints
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } counter;
    surface.installEventFilter(&counter);
    auto open = [&](bool paint) {
        const ReadResult r = readPatternFile(file);
        if (r.ok) model.setStoredPattern(patternFromValues(r.values));
        if (paint) surface.repaint();
    };
    const double openNull = medianMicros(2000, 1, [&] { open(false); });
    const double openSurface = medianMicros(2000, 1, [&] { open(true); });

    DotPath tried{};
    for (size_t i = 0; i < tried.size(); ++i)
        tried[i] = model.storedPattern()[i];
    volatile int good = 0;
    const double summit = medianMicros(1000, 100, [&] { good = good + summitCheck(tried, model.storedPattern()); });

    std::printf("%-44s %12s %10s\n", "operation (median of many)", "time", "target");
    std::printf("%-44s %9.1f us %10s\n", "open 64-value file + show (model only)", openNull,
                "5 ms");
    std::printf("%-44s %9.1f us %10s\n", "open 64-value file + show and paint", openSurface,
                "5 ms");
    std::printf("%-44s %9.3f us %10s\n", "Summit check, 64-dot attempt", summit, "0.1 ms");
    const bool met = openNull < 5000 && openSurface < 5000 && summit < 100;
    std::printf("%s (%d paints, %d checks passed)\n", met ? "targets met" : "TARGET MISSED",
                counter.paints,
                int(good));
    return met ? 0 : 1;
}
