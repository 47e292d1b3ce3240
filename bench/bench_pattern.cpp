// Opening a pattern (read, parse, merge, draw) and one Summit check, timed.
// Targets: open and draw within 5 ms, a Summit check of 64 dots within 0.1 ms.
// Runs offscreen unless another platform is asked for.
#include "forms/colours.h"
#include "forms/picturesurface.h"
#include "logic/consolecolour.h"
#include "logic/patternfile.h"
#include "logic/replay.h"
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

// Dots laid out as the grid windows place them on a surface of the given size.
QRectF gridDot(int index, QSizeF surface)
{
    const double colW = surface.width() / 9.0;
    const double rowH = surface.height() / 7.0;
    return QRectF(240 + (index % 9) * colW, 120 + (index / 9) * rowH, 240, 240);
}

class NullCanvas : public GridCanvas {
public:
    int lines = 0;
    QRectF dotRect(Side, int index) const override { return gridDot(index, {5400, 4200}); }
    void moveDot(Side, int, QPointF) override {}
    void setDotPicture(Side, int, DotPicture) override {}
    void drawLine(Side, QPointF, QPointF, int) override { ++lines; }
    void clearSurface(Side) override {}
    QRectF controlRect(GridControl) const override { return {}; }
    void setControlRect(GridControl, const QRectF &) override {}
};

// Lines go to a real picture surface, as in the challenge window.
class SurfaceCanvas : public NullCanvas {
public:
    PictureSurface surface;
    SurfaceCanvas() { surface.resize(360, 280); } // 5400 x 4200 twips
    void drawLine(Side, QPointF from, QPointF to, int colour) override
    {
        surface.drawLine(from, to, colours::console(colour));
    }
};

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

    Pattern loaded{};
    NullCanvas nullCanvas;
    SurfaceCanvas surfaceCanvas;
    auto open = [&](GridCanvas &canvas) {
        const ReadResult r = readPatternFile(file);
        if (r.ok) loaded = patternFromValues(r.values);
        drawStoredPattern(loaded, canvas, consolecolour::kRed);
    };
    const double openNull = medianMicros(2000, 1, [&] { open(nullCanvas); });
    const double openSurface = medianMicros(2000, 1, [&] { open(surfaceCanvas); });

    DotPath attempt{};
    for (size_t i = 0; i < attempt.size(); ++i)
        attempt[i] = loaded[i];
    volatile int good = 0;
    const double summit =
        medianMicros(1000, 100, [&] { good = good + summitCheck(attempt, loaded); });

    std::printf("%-44s %12s %10s\n", "operation (median of many)", "time", "target");
    std::printf("%-44s %9.1f us %10s\n", "open 64-value file + draw (no surface)", openNull,
                "5 ms");
    std::printf("%-44s %9.1f us %10s\n", "open 64-value file + draw (PictureSurface)", openSurface,
                "5 ms");
    std::printf("%-44s %9.3f us %10s\n", "Summit check, 64-dot attempt", summit, "0.1 ms");
    const bool met = openNull < 5000 && openSurface < 5000 && summit < 100;
    std::printf("%s (%d lines drawn, %d checks passed)\n", met ? "targets met" : "TARGET MISSED",
                surfaceCanvas.surface.linesDrawn(), int(good));
    return met ? 0 : 1;
}
