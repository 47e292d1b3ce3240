#pragma once
// The layout of a dot grid window from its inner size: both surfaces side by
// side, a button under each, and the two 7 x 9 dot grids placed on PicA's
// steps. All values are twips in single precision.
#include "logic/gridcanvas.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <functional>
#include <optional>

namespace gridlayout {

// Bounds of PicA or PicB for an inner size W x H: (960, 1000, W/2 - 1200,
// H - 3600) and (W/2 + 120, 1000, same size). Nothing when the width or the
// height would be negative: the surface then keeps its bounds.
std::optional<QRectF> surfaceBounds(Side side, float innerWidth, float innerHeight);

// The grid steps colW = PicA.Width / 9 and rowH = PicA.Height / 7, unrounded.
QSizeF gridSteps(const QSizeF &picASize);

// Top-left of dot k (0..62) of either grid: (c * colW + 240, r * rowH + 120)
// with r = k / 9 and c = k % 9.
QPointF dotTopLeft(int k, const QSizeF &steps);

// Redraws the window's path: `colour` is a console colour, Sides::Both
// also draws on the right-hand side.
using RedrawFn = std::function<void(int colour, Sides sides)>;

// layOut, in this order: PicA, PicB (each skipped when its size would be
// negative), the button under PicA (its Left uses the width it had before this
// run), CmdB, redraw(eraseColour, Both) at the old dot positions, every imgGreen(k)
// then b_imgGreen(k) moved by PicA's steps (imgGreen(63) stays), redraw(4, Both)
// at the new positions, imgRed hidden. eraseColour is the surfaces' background
// colour: 15 in the editor, 14 in the challenge. Never fails.
void layOut(GridCanvas &canvas, float innerWidth, float innerHeight, int eraseColour,
            const RedrawFn &redrawPath);

} // namespace gridlayout
