#pragma once
// The console colour numbers (0..15) the drawing logic names; the surfaces turn
// a number into its RGB value.
namespace consolecolour {

inline constexpr int kRed = 4;          // (128,0,0): every path is drawn in it
inline constexpr int kLightYellow = 14; // (255,255,0): the challenge's surface colour
inline constexpr int kBrightWhite = 15; // (255,255,255): the editor's surface colour

} // namespace consolecolour
