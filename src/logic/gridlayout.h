#pragma once
// The layout arithmetic of a dot grid window: both surfaces side by side, a
// button under each, and the two 7 x 9 dot grids placed on PicA's steps. All
// values are twips in single precision, as the window definitions give them.
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <array>
#include <optional>

// The surfaces: A on the left (PicA, where the path is drawn), B on the right.
enum class Side { A, B };
// The window's four controls; ButtonA is the button under PicA (CmdTest or CmdA).
enum class GridControl { PicA, PicB, ButtonA, CmdB };

namespace gridlayout {

inline constexpr float kDotSize = 240; // every dot is 240 x 240 twips

using Controls = std::array<QRectF, 4>; // indexed by GridControl

// Bounds of PicA or PicB for an inner size W x H: (960, 1000, W/2 - 1200,
// H - 3600) and (W/2 + 120, 1000, same size). Nothing when the width or the
// height would be negative: the surface then keeps its bounds.
std::optional<QRectF> surfaceBounds(Side side, float innerWidth, float innerHeight);

// The grid steps colW = PicA.Width / 9 and rowH = PicA.Height / 7, unrounded.
QSizeF gridSteps(const QSizeF &picASize);

// Top-left of dot k (0..62) of either grid: (c * colW + 240, r * rowH + 120)
// with r = k / 9 and c = k % 9.
QPointF dotTopLeft(int k, const QSizeF &steps);

// A dot's centre: Left + Width / 2, Top + Height / 2, in single precision.
QPointF centre(const QRectF &dot);

// The controls laid out for an inner size, from where they stand now: PicA and
// PicB by surfaceBounds (each keeps its bounds when its size would be
// negative); the button under PicA at (PicA.Left + PicA.Width - w0 - 280,
// PicA.Height + 1200), width PicA.Width / 5, where w0 is the width it had
// before, its height kept; CmdB at (PicB.Left, PicB.Height + 1200), width
// PicB.Width / 5, its height kept.
Controls layOutControls(const Controls &current, float innerWidth, float innerHeight);

} // namespace gridlayout
