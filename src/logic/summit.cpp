#include "logic/summit.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// The 16-bit segment code of (a, b).
std::int16_t segmentCode(int a, int b)
{
    // 100 * 32767 + 32767 fits an int; the low 16 bits are what a 16-bit
    // register would hold, read back as a signed value.
    const int low = (100 * a + b) & 0xffff;
    return static_cast<std::int16_t>(low >= 0x8000 ? low - 0x10000 : low);
}

// Number of leading non-zero entries among positions 0..62 of the attempt
// (empty counts as 0).
int attemptLength(const DotPath &attempt)
{
    int m = 0;
    while (m < kDotCount && valueOf(attempt[static_cast<size_t>(m)]) != 0)
        ++m;
    return m;
}

// The three code tables of one check, index 0..segments - 1.
struct SummitTables {
    static constexpr int kSize = kPathLength - 1;
    int segments = 0;
    std::array<std::int16_t, kSize> attemptCode{};   // (attempt[i], attempt[i+1])
    std::array<std::int16_t, kSize> storedFwdCode{}; // (stored[i], stored[i+1])
    std::array<std::int16_t, kSize> storedRevCode{}; // (stored[i+1], stored[i])
};

SummitTables buildSummitTables(const DotPath &attempt, const Pattern &stored)
{
    SummitTables t;
    t.segments = std::max(attemptLength(attempt) - 1, 0);
    for (size_t i = 0; i < static_cast<size_t>(t.segments); ++i) {
        t.attemptCode[i] = segmentCode(valueOf(attempt[i]), valueOf(attempt[i + 1]));
        t.storedFwdCode[i] = segmentCode(stored[i], stored[i + 1]);
        t.storedRevCode[i] = segmentCode(stored[i + 1], stored[i]);
    }
    return t;
}

} // namespace

bool summitCheck(const DotPath &attempt, const Pattern &stored)
{
    if (attemptLength(attempt) == 0) return false;
    const SummitTables t = buildSummitTables(attempt, stored);
    const auto fwdEnd = t.storedFwdCode.begin() + t.segments;
    const auto revEnd = t.storedRevCode.begin() + t.segments;
    for (int k = 0; k < t.segments; ++k) {
        const std::int16_t code = t.attemptCode[static_cast<size_t>(k)];
        if (std::find(t.storedFwdCode.begin(), fwdEnd, code) == fwdEnd &&
            std::find(t.storedRevCode.begin(), revEnd, code) == revEnd)
            return false;
    }
    return true;
}
