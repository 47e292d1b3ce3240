// What a grid window shows, through the model's verbs alone: the recorded
// path, the segments of each surface, red dots and where the dots stand.
#include "logic/gridmodel.h"
#include "support/paths.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// The editor's design-time controls; dots start on a simple grid of their own.
GridGeometry geometry()
{
    GridGeometry g;
    g.controls = {QRectF(240, 240, 6735, 3975), QRectF(7080, 240, 6255, 3855),
                  QRectF(5040, 4440, 1695, 1095), QRectF(7560, 4320, 1575, 1095)};
    for (int i = 0; i < kPathLength; ++i)
        g.dotsA[size_t(i)] = QPointF(100 + 300 * (i % 9), 100 + 300 * (i / 9));
    for (int i = 0; i < kDotCount; ++i)
        g.dotsB[size_t(i)] = QPointF(50 + 250 * (i % 9), 50 + 250 * (i / 9));
    return g;
}

QPointF centre(const GridModel &m, Side side, int dot)
{
    return gridlayout::centre(m.dotRect(side, dot));
}

// The segments between the centres of each pair of dots of `side`, in order;
// a pair of one dot is a point.
QList<Segment> joined(const GridModel &m, Side side,
                      std::initializer_list<std::pair<int, int>> pairs)
{
    QList<Segment> out;
    for (const auto &[a, b] : pairs)
        out.append({centre(m, side, a), centre(m, side, b)});
    return out;
}

QList<int> redDots(const GridModel &m, Side side)
{
    QList<int> out;
    for (int i = 0; i < kDotCount; ++i)
        if (m.isRed(side, i)) out << i;
    return out;
}

void clickAll(GridModel &m, std::initializer_list<int> dots)
{
    for (const int d : dots)
        QVERIFY(m.recordClick(d));
}

} // namespace

class TestGridModel : public QObject {
    Q_OBJECT
private slots:
    // A click records its dot number and joins the previous centre to its own.
    void clicksRecordAndJoin()
    {
        GridModel m(GridModel::Kind::Editor, geometry());
        QSignalSpy changed(&m, &GridModel::changed);
        clickAll(m, {40});
        QCOMPARE(m.state().dotPath[0], PathEntry(41));
        QCOMPARE(m.segments(Side::A), joined(m, Side::A, {{40, 40}})); // a point at its centre
        QCOMPARE(changed.count(), 1);
        QVERIFY(changed[0][1].toRectF().contains(centre(m, Side::A, 40)));
        clickAll(m, {41, 41, 0});
        QCOMPARE(m.state().dotCount, std::int16_t(4));
        QCOMPARE(m.segments(Side::A), joined(m, Side::A, {{40, 40}, {41, 40}, {41, 41}, {0, 41}}));
        QCOMPARE(redDots(m, Side::A), (QList<int>{0, 40, 41}));
        QVERIFY(m.segments(Side::B).isEmpty()); // a click draws on A only
        QCOMPARE(m.lastDot(), 0);
    }

    void clicksOutsideTheGridAreIgnored_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("spare dot") << 63;
        QTest::newRow("negative") << -1;
    }
    void clicksOutsideTheGridAreIgnored()
    {
        QFETCH(int, index);
        GridModel m(GridModel::Kind::Editor, geometry());
        QVERIFY(!m.recordClick(index));
        QCOMPARE(m.state().dotCount, std::int16_t(0));
        QVERIFY(m.segments(Side::A).isEmpty());
    }

    // The 64th click is kept and drawn, a 65th ignored; no redraw reaches the
    // 64th segment, so a layout leaves it where it was drawn.
    void theSixtyFourthClick()
    {
        GridModel m(GridModel::Kind::Editor, geometry());
        for (int i = 0; i < kPathLength; ++i)
            QVERIFY(m.recordClick(i % kDotCount));
        QCOMPARE(m.state().dotPath[63], PathEntry(1));
        const Segment last{centre(m, Side::A, 0), centre(m, Side::A, 62)};
        QVERIFY(!m.recordClick(30));
        QCOMPARE(m.state().dotCount, std::int16_t(64));

        m.layOut(19185, 11475);
        QList<Segment> expected{last}; // then each dot joined to the one before
        for (int i = 0; i < kDotCount; ++i)
            expected += joined(m, Side::A, {{i, std::max(i - 1, 0)}});
        QCOMPARE(m.segments(Side::A).size(), expected.size());
        for (const Segment &s : expected)
            QVERIFY(m.segments(Side::A).contains(s));
        m.clear();
        QCOMPARE(m.state().dotPath[63], PathEntry(1)); // a close keeps position 63
    }

    // A take-back empties its entry, removes exactly its segment, and the next
    // click joins the dot before it.
    void takeBack()
    {
        GridModel m(GridModel::Kind::Editor, geometry());
        clickAll(m, {0, 20, 2, 18});
        m.takeBack();
        QCOMPARE(m.state().dotCount, std::int16_t(3));
        QCOMPARE(m.state().dotPath[3], PathEntry()); // emptied, never 0
        QCOMPARE(m.segments(Side::A), joined(m, Side::A, {{0, 0}, {20, 0}, {2, 20}}));
        QVERIFY(!m.isRed(Side::A, 18));
        clickAll(m, {11});
        QCOMPARE(m.segments(Side::A), joined(m, Side::A, {{0, 0}, {20, 0}, {2, 20}, {11, 2}}));
        // A dot the path still holds stays red; a segment it still has stays.
        clickAll(m, {0, 11});
        m.takeBack();
        QVERIFY(m.isRed(Side::A, 11));
        QCOMPARE(m.segments(Side::A),
                 joined(m, Side::A, {{0, 0}, {20, 0}, {2, 20}, {11, 2}, {0, 11}}));
        for (int i = 0; i < 5; ++i)
            m.takeBack();
        QCOMPARE(m.state().dotCount, std::int16_t(0));
        QVERIFY(m.segments(Side::A).isEmpty());
        QVERIFY(redDots(m, Side::A).isEmpty());
    }

    // A layout moves every dot of both grids by PicA's steps and the path
    // with them; the editor's B loses the path at its old place and gets it
    // at the new one, and the next click joins the last dot where it is now.
    void layoutMovesThePath()
    {
        GridModel m(GridModel::Kind::Editor, geometry());
        m.layOut(13515, 6090);
        clickAll(m, {1, 10});
        m.redrawWholePath(); // puts the path on B too
        // PicA is 8392.5 x 7875: columns 932.5 apart, rows 1125, from (240, 120).
        m.layOut(19185, 11475);
        for (const auto &[k, at] :
             {std::pair(0, QPointF(240, 120)), std::pair(10, QPointF(1172.5, 1245)),
              std::pair(62, QPointF(7700, 6870))}) {
            QCOMPARE(m.dotRect(Side::A, k).topLeft(), at);
            QCOMPARE(m.dotRect(Side::B, k).topLeft(), at);
        }
        QCOMPARE(m.dotRect(Side::A, 63).topLeft(), geometry().dotsA[63]); // the spare stays
        QCOMPARE(m.segments(Side::A), joined(m, Side::A, {{1, 1}, {10, 1}}));
        QCOMPARE(m.segments(Side::B), joined(m, Side::A, {{1, 1}, {10, 1}}));
        QCOMPARE(redDots(m, Side::B), (QList<int>{1, 10}));
        clickAll(m, {4});
        QCOMPARE(m.segments(Side::A), joined(m, Side::A, {{1, 1}, {10, 1}, {4, 10}}));
    }

    // Test's replay joins the non-zero entries 0..63 on B and keeps them; a
    // replayed segment that the path no longer holds survives a layout.
    void replay()
    {
        GridModel m(GridModel::Kind::Editor, geometry());
        m.layOut(13515, 6090);
        clickAll(m, {0, 9, 18});
        m.replay();
        QCOMPARE(m.segments(Side::B), joined(m, Side::B, {{0, 0}, {9, 0}, {18, 9}}));
        QCOMPARE(redDots(m, Side::B), (QList<int>{0, 9, 18}));
        m.replay(); // a second Test draws nothing new
        QCOMPARE(m.segments(Side::B).size(), 3);
        clickAll(m, {27});
        m.takeBack(); // never replayed: B does not change
        QCOMPARE(m.segments(Side::B).size(), 3);
    }

    // The path a listener hears is the one each surface shows, in order:
    // A's recorded clicks as they stand, and the editor's B what was last
    // drawn there, whatever A has done since.
    void pathDotsInOrder()
    {
        GridModel m(GridModel::Kind::Editor, geometry());
        clickAll(m, {9, 0, 9});
        QCOMPARE(m.pathDots(Side::A), (QList<int>{9, 0, 9}));
        QVERIFY(m.pathDots(Side::B).isEmpty()); // nothing drawn on B yet
        m.replay();
        clickAll(m, {4});
        m.takeBack();
        m.takeBack();
        QCOMPARE(m.pathDots(Side::A), (QList<int>{9, 0}));
        QCOMPARE(m.pathDots(Side::B), (QList<int>{9, 0, 9}));
        m.layOut(13515, 6090); // a full redraw puts the path as it stands on B
        QCOMPARE(m.pathDots(Side::B), (QList<int>{9, 0}));
    }

    // The challenge shows the stored pattern alone on B, through B's own dots:
    // zeros are skipped and entry 63 is never drawn. Every change is announced.
    void challengeShowsTheStoredPattern()
    {
        GridModel m(GridModel::Kind::Challenge, geometry());
        Pattern stored = patternOf({5, 0, 7});
        stored[63] = 30;
        m.setStoredPattern(stored);
        m.layOut(14055, 8820);
        QCOMPARE(m.segments(Side::B), joined(m, Side::B, {{4, 4}, {6, 4}}));
        QCOMPARE(redDots(m, Side::B), (QList<int>{4, 6}));
        QCOMPARE(m.pathDots(Side::B), (QList<int>{4, 6}));
        clickAll(m, {1, 2});
        QCOMPARE(m.segments(Side::B),
                 joined(m, Side::B, {{4, 4}, {6, 4}})); // the attempt stays off B

        // File > Open: B's rows on a step rounded to a whole twip, a new pattern alone.
        QSignalSpy announced(&m, &GridModel::storedPatternChanged);
        QSignalSpy changed(&m, &GridModel::changed);
        m.setStoredPattern(patternOf({1, 10}));
        QCOMPARE(announced.count(), 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed[0][0].value<Side>(), Side::B);
        QCOMPARE(m.storedPattern()[1], std::int16_t(10));
        QVERIFY(m.dotRect(Side::B, 18).top() != m.dotRect(Side::A, 18).top());
        QCOMPARE(m.segments(Side::B), joined(m, Side::B, {{0, 0}, {9, 0}}));
        QCOMPARE(redDots(m, Side::B), (QList<int>{0, 9}));
        m.layOut(14055, 8820); // back on PicA's steps
        QCOMPARE(m.dotRect(Side::B, 18).top(), m.dotRect(Side::A, 18).top());

        // Summit's Yes: nothing left on A, every dot green, the path cleared
        // but for position 63.
        for (int i = 2; i < kPathLength; ++i)
            m.recordClick(2);
        m.resetAttempt();
        QVERIFY(m.segments(Side::A).isEmpty());
        QVERIFY(redDots(m, Side::A).isEmpty());
        QCOMPARE(m.state().dotCount, std::int16_t(0));
        QCOMPARE(m.state().dotPath[1], PathEntry(0));
        QCOMPARE(m.state().dotPath[63], PathEntry(3));
    }

    // Open lays B's rows on PicB.Height / 7 rounded to a whole twip, halves to even.
    void openRoundsTheRowStep_data()
    {
        QTest::addColumn<float>("innerHeight");
        QTest::addColumn<double>("rowStep");
        QTest::newRow("2490 / 7 = 355.71") << 6090.f << 356.0;
        QTest::newRow("703.5 / 7 = 100.5") << 4303.5f << 100.0;
        QTest::newRow("710.5 / 7 = 101.5") << 4310.5f << 102.0;
    }
    void openRoundsTheRowStep()
    {
        QFETCH(float, innerHeight);
        QFETCH(double, rowStep);
        GridModel m(GridModel::Kind::Challenge, geometry());
        m.layOut(13515, innerHeight);
        m.setStoredPattern(Pattern{});
        QCOMPARE(m.dotRect(Side::B, 9).top(), rowStep + 120);
        QCOMPARE(m.dotRect(Side::B, 62).top(), 6 * rowStep + 120);
    }

    // A close clears positions 0..62 and the count, and says so; the line
    // start stays. The challenge's model outlives the window: the next one
    // starts with nothing drawn, and its first click draws a point.
    void closeClearsThePath()
    {
        GridModel m(GridModel::Kind::Challenge, geometry());
        clickAll(m, {8, 9});
        QSignalSpy cleared(&m, &GridModel::pathChanged);
        m.clear();
        QCOMPARE(cleared.count(), 1);
        QCOMPARE(m.state().dotCount, std::int16_t(0));
        QCOMPARE(m.state().dotPath[0], PathEntry(0));
        QVERIFY(m.state().current.has_value());
        m.startWindow(geometry());
        QVERIFY(m.segments(Side::A).isEmpty());
        QVERIFY(redDots(m, Side::A).isEmpty());
        clickAll(m, {20});
        QCOMPARE(m.segments(Side::A), joined(m, Side::A, {{20, 20}}));
    }
};

QTEST_GUILESS_MAIN(TestGridModel)
#include "tst_gridmodel.moc"
