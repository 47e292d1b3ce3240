#include "forms/griddefs.h"

#include <algorithm>
#include <iterator>

namespace forms::griddefs {

namespace {

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

constexpr QRectF kPicA(240, 240, 6735, 3975);
constexpr QRectF kPicB(7080, 240, 6255, 3855);
constexpr QRectF kCmdB(7560, 4320, 1575, 1095);
constexpr colours::Fill kYellow = colours::Fill::fromRgb(255, 255, 0);

} // namespace

const Window &editor()
{
    static const Window window{"frmDocument",
                               {13515, 6090},
                               colours::Fill::fromRole(QPalette::Button),
                               colours::Fill::fromRole(QPalette::Base),
                               colours::Fill::fromRole(QPalette::HighlightedText),
                               {"PicA", kPicA, 3},
                               {"PicB", kPicB, 0},
                               {"CmdTest", {5040, 4440, 1695, 1095}, 2},
                               "Test",
                               {"CmdB", kCmdB, 1}};
    return window;
}

const Window &challenge()
{
    static const Window window{"frmOldFile",
                               {14055, 8820},
                               colours::Fill::fromRgb(255, 255, 128),
                               kYellow,
                               kYellow,
                               {"PicA", kPicA, 3},
                               {"PicB", kPicB, 0},
                               {"CmdA", {3360, 4440, 1575, 1095}, 1},
                               "Summit",
                               {"CmdB", kCmdB, 2}};
    return window;
}

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

} // namespace forms::griddefs
