#include "forms/griddefs.h"

#include <algorithm>
#include <iterator>

namespace forms {

namespace {

constexpr double kDot = 240; // every dot and red image is 240 x 240 twips

// imgGreen: per-column lefts, per-row tops of column 0, and each row's slope
// of 0..360 twips from its first to its last column.
constexpr double kLeftA[9] = {480, 1320, 2160, 2880, 3600, 4080, 4920, 5640, 6240};
constexpr double kTopA[7] = {240, 720, 1200, 1680, 2160, 2520, 3000};
constexpr double kSlopeA[9] = {0, 120, 120, 240, 240, 240, 240, 360, 360};

// b_imgGreen: one top per row, three patterns of lefts.
constexpr double kTopB[7] = {120, 600, 1200, 1680, 2280, 2760, 3240};
constexpr double kLeftsRow0[9] = {120, 720, 1440, 2160, 2760, 3360, 4080, 4800, 5640};
constexpr double kLeftsUsual[9] = {240, 840, 1440, 2160, 2760, 3360, 4080, 4800, 5520};
constexpr double kLeftsRow3[9] = {120, 720, 1320, 2040, 2640, 3240, 3960, 4680, 5400};

constexpr int kTippedB[28] = {1,  2,  4,  6,  9,  11, 13, 15, 18, 20, 22, 24, 27, 29,
                              31, 33, 36, 38, 40, 42, 45, 47, 49, 51, 54, 56, 58, 60};

// The differences between the two windows; everything else is shared.
struct Variant {
    const char *name;
    double clientWidth, clientHeight;
    ColourDef windowBack, picABack, picBBack, picBFore;
    ControlDef buttonA; // CmdTest or CmdA
    int cmdBTab;
    bool buttonAFirst; // the editor creates CmdTest before CmdB, the challenge CmdB before CmdA
};

// A dot of either grid: 240 x 240 twips, green, at its design position.
ControlDef dot(const char *array, const char *surface, int i, QPointF position, bool tipped)
{
    ControlDef d =
        placed(array, ControlKind::Image, surface, position.x(), position.y(), kDot, kDot);
    d.index = i;
    d.picture = PictureDef::GreenDot;
    d.toolTip = tipped ? kPortTip : nullptr;
    return d;
}

ControlDef dotA(int i)
{
    return dot("imgGreen", "PicA", i, designDotA(i), i != 0);
}

ControlDef dotB(int i)
{
    return dot("b_imgGreen", "PicB", i, designDotB(i), designTipB(i));
}

ControlDef redImage(const char *name, const char *container, double left, double top)
{
    ControlDef d = placed(name, ControlKind::Image, container, left, top, kDot, kDot);
    d.picture = PictureDef::RedDot;
    d.toolTip = kPortTip;
    return d;
}

ControlDef surface(const char *name, double left, double top, double width, double height, int tab,
                   ColourDef back, ColourDef fore)
{
    ControlDef d = placed(name, ControlKind::PictureBox, nullptr, left, top, width, height, tab);
    d.back = back;
    d.fore = fore;
    return d;
}

ControlDef button(const char *name, const char *caption, double left, double top, double width,
                  int tab)
{
    ControlDef d = placed(name, ControlKind::CommandButton, nullptr, left, top, width, 1095, tab);
    d.caption = caption;
    return d;
}

FormDef build(const Variant &v)
{
    FormDef f{};
    f.name = v.name;
    f.caption = "frmDocument"; // both windows; the commands that open them set the title
    f.clientWidth = v.clientWidth;
    f.clientHeight = v.clientHeight;
    f.back = v.windowBack;

    auto &c = f.controls;
    c.push_back(surface("PicA", 240, 240, 6735, 3975, 3, v.picABack,
                        ColourDef::fromSystem(colours::System::WindowText)));
    for (int i = 62; i >= 1; --i)
        c.push_back(dotA(i));
    c.push_back(redImage("imgRed", "PicA", 5280, 120));
    c.push_back(dotA(0));
    c.push_back(dotA(63));

    const ControlDef cmdB = button("CmdB", "Refresh", 7560, 4320, 1575, v.cmdBTab);
    if (v.buttonAFirst) {
        c.push_back(v.buttonA);
        c.push_back(cmdB);
    } else {
        c.push_back(cmdB);
        c.push_back(v.buttonA);
    }

    c.push_back(surface("PicB", 7080, 240, 6255, 3855, 0, v.picBBack, v.picBFore));
    c.push_back(dotB(0));
    for (int i = 62; i >= 1; --i)
        c.push_back(dotB(i));
    c.push_back(redImage("B_imgRed", "PicB", 4800, 0));
    return f;
}

} // namespace

QPointF designDotA(int i)
{
    if (i == 63) return {6000, 120};
    const int r = i / 9, col = i % 9;
    return {kLeftA[col], kTopA[r] + kSlopeA[col]};
}

QPointF designDotB(int i)
{
    const int r = i / 9, col = i % 9;
    const double *lefts = r == 0 ? kLeftsRow0 : r == 3 ? kLeftsRow3 : kLeftsUsual;
    return {lefts[col], kTopB[r]};
}

bool designTipB(int i)
{
    return std::find(std::begin(kTippedB), std::end(kTippedB), i) != std::end(kTippedB);
}

const FormDef &editorDef()
{
    using S = colours::System;
    static const FormDef def =
        build({"frmDocument", 13515, 6090, ColourDef::fromSystem(S::ButtonFace),
               ColourDef::fromSystem(S::WindowBackground), ColourDef::fromSystem(S::TitleBarText),
               ColourDef::fromSystem(S::ButtonText), button("CmdTest", "Test", 5040, 4440, 1695, 2),
               1, true});
    return def;
}

const FormDef &challengeDef()
{
    using S = colours::System;
    const ColourDef yellow = ColourDef::fromRgb(255, 255, 0);
    static const FormDef def = build({"frmOldFile", 14055, 8820, ColourDef::fromRgb(255, 255, 128),
                                      yellow, yellow, ColourDef::fromSystem(S::WindowText),
                                      button("CmdA", "Summit", 3360, 4440, 1575, 1), 2, false});
    return def;
}

} // namespace forms
