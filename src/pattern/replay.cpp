#include "pattern/replay.h"

#include "forms/colours.h"

#include <cmath>

namespace {
// Joins successive points; the first point gets a zero-length line at itself.
struct PolyLine {
    std::optional<QPointF> previous;
    void to(GridCanvas &canvas, QPointF point, int colour)
    {
        canvas.drawLine(Side::B, point, previous.value_or(point), colour);
        previous = point;
    }
};
} // namespace

void replayPath(const DotPath &path, GridCanvas &canvas)
{
    PolyLine line;
    for (const PathEntry &entry : path) {
        const int n = valueOf(entry);
        if (n < 1 || n > kDotCount) continue;
        line.to(canvas, GridCanvas::centre(canvas.dotRect(Side::B, n - 1)), colours::kRed);
        canvas.setDotPicture(Side::B, n - 1, DotPicture::Red);
    }
}

void drawStoredPattern(const Pattern &pattern, GridCanvas &canvas, int consoleColour)
{
    PolyLine line;
    for (int i = 0; i < kDotCount; ++i) {
        const int n = pattern[static_cast<size_t>(i)];
        if (n < 1 || n > kDotCount) continue;
        line.to(canvas, GridCanvas::centre(canvas.dotRect(Side::A, n - 1)), consoleColour);
        canvas.setDotPicture(Side::B, n - 1, DotPicture::Red);
    }
}

void showLoadedPattern(const Pattern &pattern, GridCanvas &canvas)
{
    const QRectF picB = canvas.controlRect(GridControl::PicB);
    const float colW = float(picB.width()) / 9.0f;
    const auto rowH = static_cast<std::int16_t>(std::nearbyint(float(picB.height()) / 7.0f));
    for (int n = 0; n < kDotCount; ++n) {
        const int r = n / kGridColumns, c = n % kGridColumns;
        canvas.moveDot(Side::B, n, QPointF(float(c) * colW + 240.0f, float(r * rowH + 120)));
    }
    PolyLine line;
    for (int k = 0; k < kDotCount; ++k) {
        const int n = pattern[static_cast<size_t>(k)];
        if (n < 1 || n > kDotCount) continue;
        line.to(canvas, GridCanvas::centre(canvas.dotRect(Side::B, n - 1)), colours::kRed);
        canvas.setDotPicture(Side::B, n - 1, DotPicture::Red);
    }
}
