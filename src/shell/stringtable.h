#pragma once
// The program's string table: the 43 numbered UI texts 1000..1042, and the two
// text-to-number conversions that the string-table walk uses.
#include <QString>
#include <cstdint>
#include <optional>

namespace StringTable {

// The text of entry `number`, or nothing when the table has no such entry.
std::optional<QString> text(int number);

// Strict conversion: the whole text (blanks around it allowed) must be a
// decimal number; it is rounded half to even and must fit 16 bits signed.
std::optional<std::int16_t> strictNumber(const QString &text);

// Lenient conversion: the longest leading part that reads as a decimal number
// (none gives 0), rounded half to even; fails only outside 16 bits signed.
std::optional<std::int16_t> lenientNumber(const QString &text);

} // namespace StringTable
