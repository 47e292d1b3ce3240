#pragma once
// The grid state every dot grid window owns: the recorded path of clicked dots.
#include <QPointF>
#include <array>
#include <cstdint>
#include <optional>

inline constexpr int kDotCount = 63; // dots of a 7 x 9 grid, indices 0..62
inline constexpr int kGridColumns = 9;
inline constexpr int kGridRows = 7;
inline constexpr int kPathLength = 64; // positions 0..63 of a path

// A path entry: empty (never assigned) or a dot number (dot index + 1), where
// 0 means "no dot". Readers treat empty like 0; only the pattern file tells
// them apart.
using PathEntry = std::optional<std::int16_t>;
using DotPath = std::array<PathEntry, kPathLength>;

inline std::int16_t valueOf(const PathEntry &e)
{
    return e.value_or(0);
}

// The dot index a dot number names, or -1 for 0 and numbers that name no dot.
inline int dotIndexOf(int number)
{
    return number >= 1 && number <= kDotCount ? number - 1 : -1;
}

struct GridState {
    DotPath dotPath{};         // all empty
    std::int16_t dotCount = 0; // clicks recorded
    // Centres of the last two clicked dots (twips); empty until first set.
    std::optional<QPointF> current;
    std::optional<QPointF> previous;
};
