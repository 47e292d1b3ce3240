#pragma once
// Window definitions as data: each window is declared as a fixed table of
// controls, built by buildForm() before the window's load handler runs.
#include "forms/colours.h"

#include <QRgb>
#include <Qt>
#include <vector>

namespace forms {

enum class ControlKind { PictureBox, CommandButton, Label, Frame };

// The type name a control reports, as the string-table walk compares it.
const char *typeName(ControlKind kind);

struct ColourDef {
    enum class Kind { Unset, Rgb, System } kind = Kind::Unset;
    QRgb rgb = 0;
    colours::System system = colours::System::WindowBackground;

    static constexpr ColourDef unset() { return {}; }
    static constexpr ColourDef fromRgb(int r, int g, int b)
    {
        return {Kind::Rgb, 0xff000000u | (QRgb(r) << 16) | (QRgb(g) << 8) | QRgb(b),
                colours::System::WindowBackground};
    }
    static constexpr ColourDef fromSystem(colours::System s) { return {Kind::System, 0, s}; }
};

enum class PictureDef { None, Logo };

struct FontDef {
    const char *family = nullptr; // nullptr: the window's font
    double pointSize = 0;
    bool bold = false;
};

struct ControlDef {
    const char *name = nullptr; // "lblVersion"
    ControlKind kind = ControlKind::Label;
    const char *container = nullptr; // name of the containing control; nullptr: the window
    double left = 0, top = 0, width = 0, height = 0; // twips, inside the container
    int tabIndex = -1;
    const char *caption = nullptr;
    ColourDef back;
    ColourDef fore;
    PictureDef picture = PictureDef::None;
    const char *toolTip = nullptr;
    const char *tag = nullptr;
    // Labels
    Qt::Alignment alignment = Qt::AlignLeft;
    bool autoSize = false;
    FontDef font;
};

struct FormDef {
    const char *name = nullptr; // "frmDocument"
    const char *caption = nullptr;
    double clientWidth = 0, clientHeight = 0; // twips
    ColourDef back;
    const char *tag = nullptr;
    std::vector<ControlDef> controls; // in creation order, containers first
};

// A control of `kind` at (left, top), width x height twips inside `container`
// (nullptr: the window); the definition tables start every control from this.
inline ControlDef placed(const char *name, ControlKind kind, const char *container, double left,
                         double top, double width, double height, int tabIndex = -1)
{
    ControlDef d;
    d.name = name;
    d.kind = kind;
    d.container = container;
    d.left = left;
    d.top = top;
    d.width = width;
    d.height = height;
    d.tabIndex = tabIndex;
    return d;
}

// The control's object name.
QString objectName(const ControlDef &def);

} // namespace forms
