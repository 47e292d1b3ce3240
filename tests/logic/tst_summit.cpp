// The Summit check: which attempts retrace a stored pattern.
#include "logic/summit.h"
#include "support/paths.h"

#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>

namespace {

Values range(int from, int to) // from..to inclusive, either direction
{
    Values v;
    const int step = from <= to ? 1 : -1;
    for (int x = from; x != to + step; x += step)
        v.push_back(static_cast<std::int16_t>(x));
    return v;
}

Values concat(Values a, const Values &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

class TestSummit : public QObject {
    Q_OBJECT
private slots:
    void check_data();
    void check();
    void emptyEntriesEndTheAttempt();
    void emptyAttemptFails();
    void followsTheRule();
    void anyValuesAreSafe();
};

void TestSummit::check_data()
{
    QTest::addColumn<Values>("stored");
    QTest::addColumn<Values>("attempt");
    QTest::addColumn<bool>("good");

    const Values s123{1, 2, 3};
    QTest::newRow("1,2,3") << s123 << Values{1, 2, 3} << true;
    QTest::newRow("3,2,1") << s123 << Values{3, 2, 1} << true;
    QTest::newRow("2,1,2") << s123 << Values{2, 1, 2} << true;
    QTest::newRow("1,2,3,2") << s123 << Values{1, 2, 3, 2} << true;
    QTest::newRow("1,2") << s123 << Values{1, 2} << true;
    QTest::newRow("2,1") << s123 << Values{2, 1} << true;
    QTest::newRow("5 (one dot)") << s123 << Values{5} << true;
    QTest::newRow("2,3 (only 1-2 counts)") << s123 << Values{2, 3} << false;
    QTest::newRow("3,2") << s123 << Values{3, 2} << false;
    QTest::newRow("1,3") << s123 << Values{1, 3} << false;
    QTest::newRow("1,2,3,4") << s123 << Values{1, 2, 3, 4} << false;
    QTest::newRow("repeat of one dot") << s123 << Values{1, 1} << false;
    QTest::newRow("stored 1,0,2,3: 1,2") << Values{1, 0, 2, 3} << Values{1, 2} << false;
    QTest::newRow("stored 1,0,2,3: one dot") << Values{1, 0, 2, 3} << Values{1} << true;
    QTest::newRow("stored all 0: two dots") << Values{} << Values{1, 2} << false;
    QTest::newRow("entries after a 0 ignored") << s123 << Values{1, 2, 0, 9, 9} << true;
    QTest::newRow("bad entry after a 0 ignored") << s123 << Values{2, 3, 0, 1, 2} << false;

    const Values stored = fullValues(); // 1..63, 1: 63 distinct segments
    const Values all64 = stored;
    Values wrongLast64 = stored;
    wrongLast64[63] = 5;
    QTest::newRow("64 dots retraced") << stored << all64 << true;
    // Entry 63 is read on neither side: a 64th dot is not judged, and the
    // stored pattern's segment 63-1 (entries 62 and 63) never counts.
    QTest::newRow("64 dots reversed: 1-63 is no segment")
        << stored << Values(all64.rbegin(), all64.rend()) << false;
    QTest::newRow("64 dots, the 64th not judged") << stored << wrongLast64 << true;
    QTest::newRow("64 dots using the 63rd segment")
        << stored << concat({63}, range(1, 63)) << false;
    // What a 64-dot attempt left in entry 63 (Yes does not clear it) changes nothing.
    QTest::newRow("63 dots retraced, stale 64th entry")
        << range(1, 63) << concat(range(1, 63), {5}) << true;
    QTest::newRow("63 dots using the 63rd segment")
        << stored << concat({63}, range(1, 62)) << false;
    QTest::newRow("63 dots retraced") << stored << range(1, 63) << true;
    QTest::newRow("63 dots reversed") << stored << range(63, 1) << true;
    QTest::newRow("63 dots, last segment wrong") << stored << concat(range(1, 62), {10}) << false;
    QTest::newRow("62 dots retraced") << stored << range(1, 62) << true;
    QTest::newRow("62 dots, first segment wrong") << stored << concat({4}, range(2, 62)) << false;
    QTest::newRow("62 dots, last segment wrong") << stored << concat(range(1, 61), {1}) << false;
    QTest::newRow("64 dots back and forth")
        << stored << concat(concat(range(1, 32), range(31, 1)), {2}) << true;
}

void TestSummit::check()
{
    QFETCH(Values, stored);
    QFETCH(Values, attempt);
    QFETCH(bool, good);
    QCOMPARE(summitCheck(pathOf(attempt), patternOf(stored)), good);
}

void TestSummit::emptyEntriesEndTheAttempt()
{
    const Pattern stored = patternOf({1, 2, 3});
    QVERIFY(summitCheck(pathOf({1, 2, -1, 9}), stored));
    QVERIFY(!summitCheck(pathOf({2, 3, -1, 1}), stored));
}

void TestSummit::emptyAttemptFails()
{
    const Pattern stored = patternOf({1, 2, 3});
    QVERIFY(!summitCheck(DotPath{}, stored));
    QVERIFY(!summitCheck(pathOf({0, 1, 2}), stored));
    QVERIFY(!summitCheck(pathOf({-1, 1, 2}), stored));
    QVERIFY(!summitCheck(DotPath{}, Pattern{}));
}

// The rule, on random patterns of distinct dots: an attempt of m dots that
// walks only along the first m - 1 stored segments, either way and in any
// order, succeeds; one segment off them fails it; drawing it backwards never
// changes the verdict.
void TestSummit::followsTheRule()
{
    QRandomGenerator rng(20240607);
    for (int round = 0; round < 2000; ++round) {
        Values dots = range(1, 63);
        std::shuffle(dots.begin(), dots.end(), rng);
        const Pattern stored = patternOf(dots);
        const int m = 2 + int(rng.bounded(60)); // 2..61 dots
        // A walk over the stored path's first m dots, one step back or forth at a time.
        Values walk;
        int at = int(rng.bounded(m));
        for (int i = 0; i < m; ++i) {
            walk.push_back(dots[size_t(at)]);
            at = at == 0 ? 1 : at == m - 1 ? m - 2 : at + (rng.bounded(2) ? 1 : -1);
        }
        const Values backwards(walk.rbegin(), walk.rend());
        QVERIFY(summitCheck(pathOf(walk), stored));
        QVERIFY(summitCheck(pathOf(backwards), stored));
        // A dot the first m stored dots do not hold makes a segment off the pattern.
        Values off = walk;
        off[size_t(rng.bounded(m))] = dots[size_t(m + int(rng.bounded(63 - m)))];
        QVERIFY2(!summitCheck(pathOf(off), stored), joined(off).constData());
        QVERIFY(!summitCheck(pathOf(Values(off.rbegin(), off.rend())), stored));
    }
}

void TestSummit::anyValuesAreSafe()
{
    // Values no reader lets through still give a verdict, without overflow.
    Pattern stored{};
    stored.fill(-32768);
    stored[1] = 32767;
    DotPath attempt{};
    attempt.fill(std::int16_t(32767));
    QVERIFY(!summitCheck(attempt, stored));
    attempt[0] = std::int16_t(-32768);
    attempt[1] = std::int16_t(32767);
    attempt[2] = 0;
    QVERIFY(summitCheck(attempt, stored));
}

QTEST_GUILESS_MAIN(TestSummit)
#include "tst_summit.moc"
