// Recording clicks into a path and drawing it again, against a recording canvas.
#include "logic/pathdrawing.h"
#include "support/recordingcanvas.h"

#include <QtTest>

namespace {
using Line = RecordingCanvas::Line;

void clickAll(GridState &s, RecordingCanvas &c, std::initializer_list<int> indices)
{
    for (int i : indices)
        QVERIFY(recordClick(s, c, i));
}

bool sameLine(const Line &l, Side side, QPointF from, QPointF to, int colour)
{
    return l.side == side && l.from == from && l.to == to && l.colour == colour;
}

QList<int> entries(const GridState &s)
{
    QList<int> out;
    for (const PathEntry &e : s.dotPath)
        out << (e ? int(*e) : -1); // -1: empty
    return out;
}
} // namespace

class TestPathDrawing : public QObject {
    Q_OBJECT
private slots:
    void firstClick()
    {
        GridState s;
        RecordingCanvas c;
        QVERIFY(recordClick(s, c, 40));
        QCOMPARE(s.dotCount, std::int16_t(1));
        QCOMPARE(s.dotPath[0], PathEntry(41));
        QVERIFY(!s.dotPath[1].has_value());
        QCOMPARE(c.picturesA[40], DotPicture::Red);
        QCOMPARE(c.lines.size(), size_t(1));
        QVERIFY(sameLine(c.lines[0], Side::A, c.centreA(40), c.centreA(40), 4)); // zero length
        QCOMPARE(*s.current, c.centreA(40));
        QCOMPARE(*s.previous, c.centreA(40));
    }

    void segmentsJoinCentres()
    {
        GridState s;
        RecordingCanvas c;
        clickAll(s, c, {0, 1, 10});
        QCOMPARE(entries(s).mid(0, 4), (QList<int>{1, 2, 11, -1}));
        QCOMPARE(c.lines.size(), size_t(3));
        QVERIFY(sameLine(c.lines[1], Side::A, c.centreA(1), c.centreA(0), 4));
        QVERIFY(sameLine(c.lines[2], Side::A, c.centreA(10), c.centreA(1), 4));
        QVERIFY(c.linesOn(Side::B).empty()); // a click draws on A only
        QCOMPARE(c.redCount(Side::B), 0);
    }

    void centreInSinglePrecision()
    {
        RecordingCanvas c;
        c.dotsA[5] = QRectF(240.1, 120.3, 240, 240);
        GridState s;
        recordClick(s, c, 5);
        QCOMPARE(s.current->x(), double(240.1f + 120.0f));
        QCOMPARE(s.current->y(), double(120.3f + 120.0f));
    }

    void repeatedDot()
    {
        GridState s;
        RecordingCanvas c;
        clickAll(s, c, {7, 7});
        QCOMPARE(entries(s).mid(0, 2), (QList<int>{8, 8}));
        QVERIFY(sameLine(c.lines[1], Side::A, c.centreA(7), c.centreA(7), 4));
    }

    void fullPathAndOneMore()
    {
        GridState s;
        RecordingCanvas c;
        for (int i = 0; i < kPathLength; ++i)
            QVERIFY(recordClick(s, c, i % kDotCount));
        QCOMPARE(s.dotCount, std::int16_t(64));
        QCOMPARE(s.dotPath[63], PathEntry(1)); // the 64th click: dot 0 again
        QVERIFY(sameLine(c.lines.back(), Side::A, c.centreA(0), c.centreA(62), 4));
        const QList<int> before = entries(s);
        const QPointF current = *s.current;

        c.lines.clear();
        c.picturesA[30] = DotPicture::Green;
        QVERIFY(!recordClick(s, c, 30));
        QCOMPARE(s.dotCount, std::int16_t(64));
        QCOMPARE(entries(s), before);
        QVERIFY(c.lines.empty());
        QCOMPARE(c.picturesA[30], DotPicture::Green);
        QCOMPARE(*s.current, current);

        // A double-click on top of the ignored click changes nothing either.
        unrecordClick(s, c, 30, false, 15);
        QCOMPARE(entries(s), before);
        QCOMPARE(c.picturesA[30], DotPicture::Green);

        // A redraw never draws position 63; a close never clears it.
        drawPath(GridKind::Editor, s, c, 4, Sides::A, Pattern{});
        QCOMPARE(c.lines.size(), size_t(63));
        QVERIFY(sameLine(c.lines.back(), Side::A, c.centreA(62), c.centreA(61), 4));
        clearPath(s);
        QCOMPARE(s.dotPath[63], PathEntry(1));
    }

    void indexOutsideGridIgnored_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("spare dot") << 63;
        QTest::newRow("negative") << -1;
        QTest::newRow("far") << 4000;
    }
    void indexOutsideGridIgnored()
    {
        QFETCH(int, index);
        GridState s;
        RecordingCanvas c;
        QVERIFY(!recordClick(s, c, index));
        QCOMPARE(s.dotCount, std::int16_t(0));
        QVERIFY(c.lines.empty());
        QVERIFY(c.log.isEmpty());
    }

    void doubleClickTakesBackItsPress()
    {
        GridState s;
        RecordingCanvas c;
        clickAll(s, c, {0, 1});
        QVERIFY(recordClick(s, c, 2)); // the first press of the double-click
        c.lines.clear();
        unrecordClick(s, c, 2, true, 15);
        QCOMPARE(c.picturesA[2], DotPicture::Green);
        QCOMPARE(s.dotCount, std::int16_t(2));
        QCOMPARE(entries(s).mid(0, 4), (QList<int>{1, 2, -1, -1})); // emptied, never 0
        // Its segment is erased in the background colour, then the rest drawn again.
        QCOMPARE(c.lines.size(), size_t(3));
        QVERIFY(sameLine(c.lines[0], Side::A, c.centreA(2), c.centreA(1), 15));
        QVERIFY(sameLine(c.lines[2], Side::A, c.centreA(1), c.centreA(0), 4));
        // The next click joins the last recorded dot and takes the emptied place.
        c.lines.clear();
        clickAll(s, c, {11});
        QCOMPARE(entries(s).mid(0, 4), (QList<int>{1, 2, 12, -1}));
        QVERIFY(sameLine(c.lines[0], Side::A, c.centreA(11), c.centreA(1), 4));
        // A dot the path still holds elsewhere stays red.
        QVERIFY(recordClick(s, c, 0));
        unrecordClick(s, c, 0, true, 15);
        QCOMPARE(c.picturesA[0], DotPicture::Red);
        QCOMPARE(s.dotCount, std::int16_t(3));
    }

    void drawPathOnFreshWindow()
    {
        GridState s;
        RecordingCanvas c;
        drawPath(GridKind::Editor, s, c, 4, Sides::Both, Pattern{});
        QVERIFY(c.log.isEmpty());
        Pattern stored{};
        stored[0] = 3;
        stored[1] = 12;
        drawPath(GridKind::Challenge, s, c, 4, Sides::Both, stored);
        QVERIFY(c.linesOn(Side::A).empty());
        QCOMPARE(c.redCount(Side::A), 0);
        // The stored pattern goes on B through A's centres.
        QCOMPARE(c.linesOn(Side::B).size(), size_t(2));
        QVERIFY(sameLine(c.linesOn(Side::B)[1], Side::B, c.centreA(11), c.centreA(2), 4));
        QCOMPARE(c.picturesB[2], DotPicture::Red);
        QCOMPARE(c.picturesB[11], DotPicture::Red);
    }

    void drawPathJoinsAcrossGaps()
    {
        GridState s;
        s.dotPath[0] = 5;
        s.dotPath[1] = 0;
        s.dotPath[3] = 7; // 2 stays empty
        RecordingCanvas c;
        drawPath(GridKind::Editor, s, c, 15, Sides::A, Pattern{});
        QCOMPARE(c.lines.size(), size_t(2));
        QVERIFY(sameLine(c.lines[0], Side::A, c.centreA(4), c.centreA(4), 15));
        QVERIFY(sameLine(c.lines[1], Side::A, c.centreA(6), c.centreA(4), 15));
        // Dots turn red even when the path is painted in a background colour.
        QCOMPARE(c.picturesA[4], DotPicture::Red);
        QCOMPARE(c.picturesA[6], DotPicture::Red);
    }

    void drawPathSkipsEntriesNamingNoDot()
    {
        GridState s;
        s.dotPath[0] = 64;
        s.dotPath[1] = -3;
        s.dotPath[2] = 2;
        RecordingCanvas c;
        drawPath(GridKind::Editor, s, c, 4, Sides::Both, Pattern{});
        QCOMPARE(c.linesOn(Side::A).size(), size_t(1));
    }

    void drawPathSides_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("both"); // Sides::Both, else Sides::A
        QTest::addColumn<int>("linesOnB");
        QTest::addColumn<int>("redOnB");
        // Path 1, 2, 3 (indices 0..2); stored pattern 60, 61 (indices 59, 60).
        QTest::newRow("editor, A only") << int(GridKind::Editor) << false << 0 << 0;
        QTest::newRow("editor, both") << int(GridKind::Editor) << true << 3 << 3;
        QTest::newRow("challenge, A only") << int(GridKind::Challenge) << false << 0 << 0;
        QTest::newRow("challenge, stored on B") << int(GridKind::Challenge) << true << 2 << 2;
    }
    void drawPathSides()
    {
        QFETCH(int, kind);
        QFETCH(bool, both);
        QFETCH(int, linesOnB);
        QFETCH(int, redOnB);
        GridState s;
        s.dotPath[0] = 1;
        s.dotPath[1] = 2;
        s.dotPath[2] = 3;
        Pattern stored{};
        stored[0] = 60;
        stored[1] = 61;
        RecordingCanvas c;
        drawPath(GridKind(kind), s, c, 14, both ? Sides::Both : Sides::A, stored);
        QCOMPARE(c.linesOn(Side::A).size(), size_t(3));
        QCOMPARE(int(c.linesOn(Side::B).size()), linesOnB);
        QCOMPARE(c.redCount(Side::B), redOnB);
        for (const Line &l : c.lines)
            QCOMPARE(l.colour, 14);
        if (GridKind(kind) == GridKind::Editor && both) {
            // Same coordinates on B, taken from the left grid.
            for (size_t i = 0; i < 3; ++i) {
                QCOMPARE(c.linesOn(Side::B)[i].from, c.linesOn(Side::A)[i].from);
                QCOMPARE(c.linesOn(Side::B)[i].to, c.linesOn(Side::A)[i].to);
            }
        }
        if (GridKind(kind) == GridKind::Challenge && both) {
            // After the user's path, not interleaved with it.
            QCOMPARE(c.lines.back().side, Side::B);
            QVERIFY(sameLine(c.lines.back(), Side::B, c.centreA(60), c.centreA(59), 14));
        }
    }

    void backgroundClick()
    {
        GridState s;
        RecordingCanvas c;
        clickAll(s, c, {3, 4});
        c.lines.clear();
        redrawWholePath(s, c);
        QCOMPARE(c.linesOn(Side::A).size(), size_t(2));
        QCOMPARE(c.linesOn(Side::B).size(), size_t(2));
        QCOMPARE(c.lines.back().colour, 4);
        QCOMPARE(c.picturesB[3], DotPicture::Red);
        QCOMPARE(c.picturesB[4], DotPicture::Red);
    }

    void closeResetsPositionsUpTo62()
    {
        GridState s;
        RecordingCanvas c;
        clickAll(s, c, {8, 9});
        s.dotPath[63] = 17;
        const QPointF current = *s.current;
        clearPath(s);
        QCOMPARE(s.dotCount, std::int16_t(0));
        for (int p = 0; p < kDotCount; ++p)
            QCOMPARE(s.dotPath[size_t(p)], PathEntry(0)); // 0, no longer empty
        QCOMPARE(s.dotPath[63], PathEntry(17));
        QCOMPARE(*s.current, current); // LinePt is left alone
        // The next first click starts a fresh path at its own centre.
        clickAll(s, c, {20});
        QCOMPARE(*s.previous, c.centreA(20));
        QCOMPARE(s.dotPath[0], PathEntry(21));
    }
};

QTEST_GUILESS_MAIN(TestPathDrawing)
#include "tst_pathdrawing.moc"
