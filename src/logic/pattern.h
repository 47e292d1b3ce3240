#pragma once
// A stored pattern: 64 dot numbers (dot index + 1; 0 means no dot).
#include <array>
#include <cstdint>

using Pattern = std::array<std::int16_t, 64>;
