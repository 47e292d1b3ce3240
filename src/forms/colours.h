#pragma once
// The 16 console colours used for drawing, and the system colours that window
// definitions name by their classic index, mapped to Qt palette roles.
#include <QColor>
#include <QPalette>

namespace colours {

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

} // namespace colours
