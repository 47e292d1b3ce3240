#pragma once
// The challenge's Summit check: does an attempt retrace the stored pattern?
//
// Segments are coded as 100 * a + b for the ordered pair of dot numbers (a, b),
// in 16-bit arithmetic. With m the attempt's length (its leading non-zero
// entries among positions 0..62, so 0..63), the attempt's m - 1 segments are compared with the
// first m - 1 segments of the stored pattern, pairs (i, i + 1) for i = 0..m - 2: every attempt
// segment must equal one of them read forwards or backwards. Hence direction and order do not
// matter, a stored segment may be used again, a shorter attempt is judged against the start of the
// pattern only, a single dot always succeeds, and a 0 inside the stored pattern breaks it (a pair
// with a 0 never equals a segment between two dots).
//
// Neither the attempt's nor the pattern's entry 63 is ever read: an attempt of
// up to 63 dots is judged on all its segments, a 64th recorded dot is not
// judged, and what entry 63 held before cannot change a verdict. An attempt
// with no dot fails. Any int16 values are safe: codes are
// computed in int and wrapped to 16 bits as 16-bit arithmetic would wrap them.
#include "logic/gridstate.h"
#include "logic/pattern.h"

#include <array>
#include <cstdint>

// The 16-bit segment code of (a, b).
std::int16_t segmentCode(int a, int b);

// Number of leading non-zero entries among positions 0..62 of the attempt
// (empty counts as 0).
int attemptLength(const DotPath &attempt);

// The three code tables of one check, index 0..segments - 1.
struct SummitTables {
    static constexpr int kSize = kPathLength - 1;
    int segments = 0;
    std::array<std::int16_t, kSize> attemptCode{};   // (attempt[i], attempt[i+1])
    std::array<std::int16_t, kSize> storedFwdCode{}; // (stored[i], stored[i+1])
    std::array<std::int16_t, kSize> storedRevCode{}; // (stored[i+1], stored[i])
};
SummitTables buildSummitTables(const DotPath &attempt, const Pattern &stored);

// True when the attempt succeeds ("You are good").
bool summitCheck(const DotPath &attempt, const Pattern &stored);
