#pragma once
// The 16 console colours used for drawing, and the system colours that window
// definitions name by their classic index, mapped to Qt palette roles.
#include <QColor>
#include <QPalette>

namespace colours {

inline constexpr int kRed = 4;          // (128,0,0): every path is drawn in it
inline constexpr int kLightYellow = 14; // (255,255,0): the challenge's surface colour
inline constexpr int kBrightWhite = 15; // (255,255,255)

// Console colour 0..15; numbers outside that range are taken modulo 16.
QColor console(int number);

// System colour indices that the definitions use.
enum class System {
    WindowBackground = 5,
    WindowText = 8,
    TitleBarText = 9,
    ButtonFace = 15,
    ButtonText = 18,
    AppWorkspace = 12
};

QPalette::ColorRole paletteRole(System s);
// The colour the system colour has in the standard scheme (what an offscreen
// or unthemed run shows): white, black, white, light grey, black, grey.
QColor standard(System s);

} // namespace colours
