#include "forms/colours.h"

namespace colours {

QColor console(int number)
{
    static const QRgb table[16] = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255)};
    return QColor(table[((number % 16) + 16) % 16]);
}

QPalette::ColorRole paletteRole(System s)
{
    switch (s) {
    case System::WindowBackground:
        return QPalette::Base;
    case System::WindowText:
        return QPalette::Text;
    case System::TitleBarText:
        return QPalette::HighlightedText;
    case System::ButtonFace:
        return QPalette::Button;
    case System::ButtonText:
        return QPalette::ButtonText;
    case System::AppWorkspace:
        return QPalette::Dark;
    }
    return QPalette::Window;
}

} // namespace colours
