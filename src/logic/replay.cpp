#include "logic/replay.h"
#include "logic/consolecolour.h"

#include "logic/gridlayout.h"

#include <cmath>

namespace {

// Joins the dots numbered numberAt(0), ..., numberAt(count - 1) on B in
// `colour`, through the centres of the dots of side `centresFrom`, skipping
// numbers that name no dot, and turns those B dots red.
template <class NumberAt>
void joinOnB(GridCanvas &canvas, int count, NumberAt numberAt, Side centresFrom, int colour)
{
    SegmentChain chain;
    for (int i = 0; i < count; ++i) {
        const int d = dotIndexOf(numberAt(static_cast<size_t>(i)));
        if (d < 0) continue;
        const QPointF centre = GridCanvas::centre(canvas.dotRect(centresFrom, d));
        canvas.drawLine(Side::B, centre, chain.previousFor(centre), colour);
        canvas.setDotPicture(Side::B, d, DotPicture::Red);
    }
}

} // namespace

void replayPath(const DotPath &path, GridCanvas &canvas)
{
    joinOnB(
        canvas, kPathLength, [&](size_t i) { return valueOf(path[i]); }, Side::B,
        consolecolour::kRed);
}

void drawStoredPattern(const Pattern &pattern, GridCanvas &canvas, int consoleColour)
{
    joinOnB(
        canvas, kDotCount, [&](size_t i) { return pattern[i]; }, Side::A, consoleColour);
}

void showLoadedPattern(const Pattern &pattern, GridCanvas &canvas)
{
    canvas.clearSurface(Side::B);
    for (int n = 0; n < kDotCount; ++n)
        canvas.setDotPicture(Side::B, n, DotPicture::Green);
    const QRectF picB = canvas.controlRect(GridControl::PicB);
    // Unlike the window's own layout, the row step is rounded to a whole twip.
    const QSizeF steps(float(picB.width()) / 9.0f, std::nearbyint(float(picB.height()) / 7.0f));
    for (int n = 0; n < kDotCount; ++n)
        canvas.moveDot(Side::B, n, gridlayout::dotTopLeft(n, steps));
    joinOnB(
        canvas, kDotCount, [&](size_t i) { return pattern[i]; }, Side::B, consolecolour::kRed);
}
