#pragma once
// Recording and drawing the path of clicked dots, shared by the editor and the
// challenge. Every function works on a window's GridState and draws through its
// GridCanvas; nothing here shows a message.
#include "logic/gridcanvas.h"
#include "logic/gridstate.h"
#include "logic/pattern.h"

enum class GridKind { Editor, Challenge };

// A click on imgGreen(index), 0..62: the dot turns red, LinePt shifts to its
// centre, DotCount grows, a colour-4 line joins the previous centre to this one
// on A (zero length for the first click of a path) and the dot number index + 1
// is stored at position DotCount - 1. A click when all 64 positions are used,
// or on an index outside 0..62, is ignored entirely. Returns whether it was
// recorded; a double-click needs to know about its first press.
bool recordClick(GridState &state, GridCanvas &canvas, int index);

// A double-click on imgGreen(index), after the click of its first press, takes
// that press back: the segment it drew is drawn again in `eraseColour` (the
// surface's background), the entry it recorded (position DotCount - 1) is
// emptied and DotCount goes back by one, the rest of the path is drawn again
// in red on A (so segments the erased one crossed stay whole), the line starts
// again from the last recorded dot, and the dot shows green unless the path
// still holds it. When the press was ignored (the path was full), nothing
// changes. A path never gains a 0 from a double-click.
void unrecordClick(GridState &state, GridCanvas &canvas, int index, bool firstPressRecorded,
                   int eraseColour);

// Puts LinePt on the centres of the last two recorded dots as they stand now
// (the last one twice for a path of one dot), so the next click joins the last
// dot where it is after a layout or an undone click. An empty path keeps it.
void placeLineStart(GridState &state, const GridCanvas &canvas);

// Draws the path again: the non-zero entries of positions 0..62 (never 63),
// joined in order across zero entries, on A in `colour`, each dot turned red
// whatever the colour. With Sides::Both the editor draws the same lines on B and
// turns its B dots red; the challenge instead draws `stored` on B after the
// loop (drawStoredPattern). Entries that name no dot are skipped.
void drawPath(GridKind kind, const GridState &state, GridCanvas &canvas, int colour, Sides sides,
              const Pattern &stored);

// The editor's click on its own background: the whole path again in red on
// both sides.
void redrawWholePath(const GridState &state, GridCanvas &canvas);

// A window about to close: DotCount 0 and positions 0..62 set to 0; position 63
// and LinePt keep their values. The close is never refused.
void clearPath(GridState &state);
