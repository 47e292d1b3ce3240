// The Test replay and the drawing of the stored pattern, on a recording canvas.
#include "logic/consolecolour.h"
#include "logic/replay.h"
#include "support/paths.h"
#include "support/recordingcanvas.h"

#include <QtTest>
#include <vector>

class TestReplay : public QObject {
    Q_OBJECT
private slots:
    void replayJoinsDotsOnB();
    void replaySkipsZeroAndEmptyEntries();
    void replayDrawsEntry63();
    void replayOfEmptyPathDrawsNothing();
    void storedPatternUsesLeftPositions();
    void storedPatternJoinsAcrossZeros();
    void storedPatternNeverDrawsEntry63();
    void storedPatternInBackgroundColourStillTurnsDotsRed();
};

namespace {
// The canvas holds exactly one red line on B per point, each from its point back
// to the one before; the first has zero length.
void verifyRedChainOnB(const RecordingCanvas &canvas, const QList<QPointF> &points)
{
    QCOMPARE(canvas.lines.size(), size_t(points.size()));
    for (qsizetype i = 0; i < points.size(); ++i) {
        const auto &line = canvas.lines[size_t(i)];
        QCOMPARE(line.side, Side::B);
        QCOMPARE(line.colour, consolecolour::kRed);
        QCOMPARE(line.from, points[i]);
        QCOMPARE(line.to, points[i > 0 ? i - 1 : 0]);
    }
}
} // namespace

void TestReplay::replayJoinsDotsOnB()
{
    RecordingCanvas canvas;
    replayPath(pathOf({1, 10, 19}), canvas);
    verifyRedChainOnB(canvas, {canvas.centreB(0), canvas.centreB(9), canvas.centreB(18)});
    QCOMPARE(canvas.redDots(Side::B), (std::vector<int>{0, 9, 18}));
    QVERIFY(canvas.redDots(Side::A).empty());
}

void TestReplay::replaySkipsZeroAndEmptyEntries()
{
    RecordingCanvas canvas;
    replayPath(pathOf({5, 0, -1, 7}), canvas);
    QCOMPARE(canvas.lines.size(), size_t(2));
    QCOMPARE(canvas.lines[1].from, canvas.centreB(6));
    QCOMPARE(canvas.lines[1].to, canvas.centreB(4));
    QCOMPARE(canvas.redDots(Side::B), (std::vector<int>{4, 6}));
}

void TestReplay::replayDrawsEntry63()
{
    DotPath path{};
    path[62] = std::int16_t(2);
    path[63] = std::int16_t(3);
    RecordingCanvas canvas;
    replayPath(path, canvas);
    QCOMPARE(canvas.lines.size(), size_t(2));
    QCOMPARE(canvas.lines[1].from, canvas.centreB(2));
    QCOMPARE(canvas.redDots(Side::B), (std::vector<int>{1, 2}));
}

void TestReplay::replayOfEmptyPathDrawsNothing()
{
    RecordingCanvas canvas;
    replayPath(DotPath{}, canvas);
    QVERIFY(canvas.lines.empty());
    QVERIFY(canvas.pictureChanges().isEmpty());
}

void TestReplay::storedPatternUsesLeftPositions()
{
    RecordingCanvas canvas;
    drawStoredPattern(patternOf({5, 6, 7}), canvas, consolecolour::kRed);
    verifyRedChainOnB(canvas, {canvas.centreA(4), canvas.centreA(5), canvas.centreA(6)});
    QCOMPARE(canvas.redDots(Side::B), (std::vector<int>{4, 5, 6}));
    QVERIFY(canvas.redDots(Side::A).empty());
}

void TestReplay::storedPatternJoinsAcrossZeros()
{
    RecordingCanvas canvas;
    drawStoredPattern(patternOf({5, 0, 7}), canvas, consolecolour::kRed);
    QCOMPARE(canvas.lines.size(), size_t(2));
    QCOMPARE(canvas.lines[1].from, canvas.centreA(6));
    QCOMPARE(canvas.lines[1].to, canvas.centreA(4));
}

void TestReplay::storedPatternNeverDrawsEntry63()
{
    Pattern pattern{};
    pattern[63] = 5;
    RecordingCanvas canvas;
    drawStoredPattern(pattern, canvas, consolecolour::kRed);
    QVERIFY(canvas.lines.empty());
    QVERIFY(canvas.pictureChanges().isEmpty());

    pattern[62] = 9;
    drawStoredPattern(pattern, canvas, consolecolour::kRed);
    QCOMPARE(canvas.lines.size(), size_t(1));
    QCOMPARE(canvas.redDots(Side::B), std::vector<int>{8});
}

void TestReplay::storedPatternInBackgroundColourStillTurnsDotsRed()
{
    RecordingCanvas canvas;
    drawStoredPattern(patternOf({1, 2}), canvas, consolecolour::kLightYellow);
    QCOMPARE(canvas.lines.size(), size_t(2));
    QCOMPARE(canvas.lines[0].colour, consolecolour::kLightYellow);
    QCOMPARE(canvas.redDots(Side::B), (std::vector<int>{0, 1}));
}

QTEST_GUILESS_MAIN(TestReplay)
#include "tst_replay.moc"
