// Feeds arbitrary bytes to the pattern file reader. Whatever it accepts must be
// a usable pattern, and writing that pattern out must read back the same.
#include "logic/patternfile.h"

#include <cstdint>
#include <cstdlib>

namespace {
void require(bool condition)
{
    if (!condition) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const ReadResult r = parsePattern(bytes);
    if (!r.ok) {
        require(r.values.size() <= kPatternValues);
        require(r.problem != PatternProblem::None);
        require(r.errorLine >= 0);
        return 0;
    }
    require(!r.values.empty() && r.values.size() <= kPatternValues);
    require(r.errorLine == 0 && r.problem == PatternProblem::None);
    DotPath path{};
    for (size_t i = 0; i < r.values.size(); ++i) {
        require(r.values[i] >= 0 && r.values[i] <= kMaxDotNumber);
        path[i] = r.values[i];
    }

    // Written out, the values come back, and the entries never read come back as 0.
    const QByteArray written = formatPattern(path);
    require(written.size() >= 128 && written.size() <= 256);
    const ReadResult again = parsePattern(written);
    require(again.ok && again.values.size() == static_cast<size_t>(kPatternValues));
    for (size_t i = 0; i < again.values.size(); ++i)
        require(again.values[i] == (i < r.values.size() ? r.values[i] : 0));

    // The stored pattern is exactly the file's values, the rest 0.
    const Pattern loaded = patternFromValues(r.values);
    for (size_t i = 0; i < loaded.size(); ++i)
        require(loaded[i] == (i < r.values.size() ? r.values[i] : 0));
    return 0;
}
