#pragma once
// Drawing a path of dot numbers on the right-hand grid (B): the editor's Test
// replay and the challenge's drawing of the stored pattern.
#include "logic/gridcanvas.h"
#include "logic/gridstate.h"
#include "logic/pattern.h"

// Test replay: joins the non-zero entries 0..63 of `path` on surface B in
// colour 4, through the centres of B's own dots, and turns those dots red.
void replayPath(const DotPath &path, GridCanvas &canvas);

// The stored pattern on B: entries 0..62 that are non-zero, joined through the
// centres of A's dots with the same numbers, in `consoleColour`; the B dots
// turn red whatever the colour. Entry 63 is never drawn.
void drawStoredPattern(const Pattern &pattern, GridCanvas &canvas, int consoleColour);

// File > Open's drawing on a freshly shown challenge: lays B's dots out from
// B's own size (column step Width / 9, row step Height / 7 rounded to a whole
// twip, half to even) at (c * step + 240, r * step + 120), then joins the
// non-zero entries 0..62 through B's dot centres in colour 4 and turns those
// dots red. B is cleared first (no lines, every dot green), so a pattern
// opened over another shows alone.
void showLoadedPattern(const Pattern &pattern, GridCanvas &canvas);
