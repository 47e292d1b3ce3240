#pragma once
// The fixed definitions of the two dot grid windows, the pattern editor
// (`frmDocument`) and the pattern challenge (`frmOldFile`): their client size,
// colours, controls, tab order and the dots' design-time places and tooltips.
// Both windows carry the same two surfaces and dot grids; they differ in
// colours, client size and the button under PicA. The layout replaces the
// design-time places of the surfaces, buttons and dots before either window
// is first seen; what survives it is the dots' size, the buttons' heights,
// the captions, colours, tab order and tooltips. All places are twips.
#include "forms/colours.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace forms::griddefs {

struct Control {
    const char *name; // object name: "PicA", "CmdTest"
    QRectF twips;     // inside the window's client area
    int tabIndex;     // lowest first
};

struct Window {
    const char *name; // object name: "frmDocument", "frmOldFile"
    QSizeF client;
    colours::Fill windowBack;
    colours::Fill picABack;
    colours::Fill picBBack;
    Control picA, picB;
    Control buttonA; // CmdTest "Test" or CmdA "Summit"
    const char *buttonAText;
    Control cmdB; // "Refresh", which does nothing
};

// Both windows carry this title until the command that opens them names them.
inline constexpr const char *kInitialTitle = "frmDocument";
inline constexpr const char *kCmdBText = "Refresh";

const Window &editor();
const Window &challenge();

// Design-time top-left of imgGreen(i), 0..63 (63, the spare, stands apart at
// (6000, 120)), and of b_imgGreen(i), 0..62; inside the surface.
QPointF designDotA(int i);
QPointF designDotB(int i);

// Whether b_imgGreen(i) carries the tooltip "切換通訊埠" (28 of the 63 do);
// imgGreen(0..62) show "Click Me" once the window is loaded.
bool designTipB(int i);
inline constexpr const char *kPortTip = "切換通訊埠";
inline constexpr const char *kClickMeTip = "Click Me";

} // namespace forms::griddefs
