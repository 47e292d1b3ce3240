#include "logic/pathdrawing.h"
#include "logic/consolecolour.h"

#include "logic/replay.h"

#include <algorithm>

bool recordClick(GridState &state, GridCanvas &canvas, int index)
{
    if (index < 0 || index >= kDotCount || state.dotCount < 0 || state.dotCount >= kPathLength)
        return false; // the path has no room: leave the 64 entries, the dot and PicA alone
    canvas.setDotPicture(Side::A, index, DotPicture::Red);
    state.previous = state.current;
    ++state.dotCount;
    state.current = GridCanvas::centre(canvas.dotRect(Side::A, index));
    if (state.dotCount == 1 || !state.previous) state.previous = state.current;
    canvas.drawLine(Side::A, *state.current, *state.previous, consolecolour::kRed);
    state.dotPath[static_cast<size_t>(state.dotCount - 1)] = static_cast<std::int16_t>(index + 1);
    return true;
}

void unrecordClick(GridState &state, GridCanvas &canvas, int index, bool firstPressRecorded,
                   int eraseColour)
{
    if (!firstPressRecorded || index < 0 || index >= kDotCount || state.dotCount < 1 ||
        state.dotCount > kPathLength || !state.current)
        return;
    canvas.drawLine(Side::A, *state.current, state.previous.value_or(*state.current), eraseColour);
    --state.dotCount;
    state.dotPath[static_cast<size_t>(state.dotCount)].reset();
    drawPath(GridKind::Editor, state, canvas, consolecolour::kRed, Sides::A, Pattern{});
    const auto begin = state.dotPath.begin();
    if (std::find(begin, begin + state.dotCount, PathEntry(index + 1)) == begin + state.dotCount)
        canvas.setDotPicture(Side::A, index, DotPicture::Green);
    placeLineStart(state, canvas);
}

void placeLineStart(GridState &state, const GridCanvas &canvas)
{
    const auto centreAt = [&](int p) -> std::optional<QPointF> {
        const int d = dotIndexOf(valueOf(state.dotPath[static_cast<size_t>(p)]));
        if (d < 0) return std::nullopt;
        return GridCanvas::centre(canvas.dotRect(Side::A, d));
    };
    if (state.dotCount < 1 || state.dotCount > kPathLength) return;
    state.current = centreAt(state.dotCount - 1);
    state.previous = state.dotCount >= 2 ? centreAt(state.dotCount - 2) : state.current;
}

void drawPath(GridKind kind, const GridState &state, GridCanvas &canvas, int colour, Sides sides,
              const Pattern &stored)
{
    const bool alsoB = kind == GridKind::Editor && sides == Sides::Both;
    SegmentChain chain;
    for (int p = 0; p < kDotCount; ++p) { // position 63 is never drawn
        const int d = dotIndexOf(valueOf(state.dotPath[static_cast<size_t>(p)]));
        if (d < 0) continue;
        const QPointF centre = GridCanvas::centre(canvas.dotRect(Side::A, d));
        const QPointF previous = chain.previousFor(centre);
        canvas.drawLine(Side::A, centre, previous, colour);
        canvas.setDotPicture(Side::A, d, DotPicture::Red);
        if (alsoB) {
            canvas.drawLine(Side::B, centre, previous, colour);
            canvas.setDotPicture(Side::B, d, DotPicture::Red);
        }
    }
    if (kind == GridKind::Challenge && sides == Sides::Both)
        drawStoredPattern(stored, canvas, colour);
}

void redrawWholePath(const GridState &state, GridCanvas &canvas)
{
    drawPath(GridKind::Editor, state, canvas, consolecolour::kRed, Sides::Both, Pattern{});
}

void clearPath(GridState &state)
{
    state.dotCount = 0;
    for (int p = 0; p < kDotCount; ++p)
        state.dotPath[static_cast<size_t>(p)] = std::int16_t(0);
}
