#pragma once
// The fixed definitions of the two dot grid windows: the pattern editor
// EditorWindow and the pattern challenge ChallengeWindow. Both carry the same two
// surfaces and dot grids; they differ in colours, client size and the button
// under PicA. The design-time dot positions here are replaced by the layout
// before either window is first seen; only dot sizes, pictures, tooltips and
// button heights survive it.
#include "forms/formdef.h"

#include <QPointF>

namespace forms {

const FormDef &editorDef();    // editor: CmdTest "Test", 13515 x 6090 twips
const FormDef &challengeDef(); // challenge: CmdA "Summit", 14055 x 8820 twips, yellow

// Design-time top-left of imgGreen(i), 0..63 (63 stands apart at (6000, 120)),
// and of b_imgGreen(i), 0..62; twips inside the surface.
QPointF designDotA(int i);
QPointF designDotB(int i);

// Whether b_imgGreen(i) carries the tooltip "切換通訊埠" (28 of the 63 do).
bool designTipB(int i);

inline constexpr const char *kPortTip = "切換通訊埠";

} // namespace forms
