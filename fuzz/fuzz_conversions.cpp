// Fuzzes the two text-to-number conversions of the string table: neither may
// crash, and their results must agree with each other where both succeed.
#include "shell/stringtable.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto strict = StringTable::strictNumber(text);
    const auto lenient = StringTable::lenientNumber(text);
    // A text that is wholly a number reads the same leniently.
    if (strict && (!lenient || *lenient != *strict)) std::abort();
    // Lenient parsing of a prefix never depends on what follows a non-number tail.
    if (lenient && StringTable::lenientNumber(text + QStringLiteral("x")) != lenient) std::abort();
    return 0;
}
