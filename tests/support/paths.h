#pragma once
// Building paths and patterns from short lists, for the pattern tests.
#include "logic/gridstate.h"
#include "logic/pattern.h"

#include <QByteArray>
#include <QMetaType>
#include <cstdint>
#include <initializer_list>
#include <vector>

using Values = std::vector<std::int16_t>;
Q_DECLARE_METATYPE(Values)
Q_DECLARE_METATYPE(DotPath)

// Entries 0..n-1 set from the list (-1 stands for an empty entry); the rest empty.
inline DotPath pathOf(std::initializer_list<int> entries)
{
    DotPath path{};
    size_t i = 0;
    for (const int e : entries) {
        if (e >= 0) path[i] = static_cast<std::int16_t>(e);
        ++i;
    }
    return path;
}

inline DotPath pathOf(const Values &entries)
{
    DotPath path{};
    for (size_t i = 0; i < entries.size() && i < path.size(); ++i)
        path[i] = entries[i];
    return path;
}

// Entries 0..n-1 from the list, the rest 0.
inline Pattern patternOf(const Values &entries)
{
    Pattern p{};
    for (size_t i = 0; i < entries.size() && i < p.size(); ++i)
        p[i] = entries[i];
    return p;
}

// 1, 2, ..., 63, then 1 again: 64 values, every dot once and back to the first.
inline Values fullValues()
{
    Values v;
    for (int i = 0; i < 64; ++i)
        v.push_back(static_cast<std::int16_t>(i % 63 + 1));
    return v;
}

// n values from the list followed by zeros up to 64.
inline Values paddedTo64(Values v)
{
    v.resize(64, 0);
    return v;
}

// "1,10,19,0,..." so failed comparisons show the values.
inline QByteArray joined(const Values &v)
{
    QByteArray out;
    for (size_t i = 0; i < v.size(); ++i)
        out += (i ? "," : "") + QByteArray::number(v[i]);
    return out;
}
