// The Test replay and the drawing of the stored pattern, on a recording canvas.
#include "forms/colours.h"
#include "logic/consolecolour.h"
#include "logic/replay.h"
#include "support/paths.h"

#include <QtTest>
#include <map>
#include <vector>

namespace {

// Dots laid out 7 x 9 on both sides, B offset from A so a line tells which
// side's positions it was taken from. Records lines and picture changes.
class RecordingCanvas final : public GridCanvas {
public:
    struct Line {
        Side side;
        QPointF from;
        QPointF to;
        int colour;
    };
    std::vector<Line> lines;
    std::map<std::pair<Side, int>, DotPicture> pictures;

    QRectF dotRect(Side side, int index) const override
    {
        const qreal dx = side == Side::B ? 5000 : 0;
        return QRectF(dx + 240 + 600 * (index % 9), 120 + 500 * (index / 9), 240, 240);
    }
    void moveDot(Side, int, QPointF) override {}
    void setDotPicture(Side side, int index, DotPicture picture) override
    {
        pictures[{side, index}] = picture;
    }
    void drawLine(Side side, QPointF from, QPointF to, int consoleColour) override
    {
        lines.push_back({side, from, to, consoleColour});
    }
    void clearSurface(Side) override {}
    QRectF controlRect(GridControl) const override { return {}; }
    void setControlRect(GridControl, const QRectF &) override {}

    QPointF centre(Side side, int index) const { return GridCanvas::centre(dotRect(side, index)); }
    std::vector<int> redDots(Side side) const
    {
        std::vector<int> out;
        for (const auto &[key, picture] : pictures)
            if (key.first == side && picture == DotPicture::Red) out.push_back(key.second);
        return out;
    }
};

} // namespace

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

void TestReplay::replayJoinsDotsOnB()
{
    RecordingCanvas canvas;
    replayPath(pathOf({1, 10, 19}), canvas);
    QCOMPARE(canvas.lines.size(), size_t(3));
    for (const auto &line : canvas.lines) {
        QCOMPARE(line.side, Side::B);
        QCOMPARE(line.colour, consolecolour::kRed);
    }
    // First segment has zero length; each later one runs from the new dot back.
    QCOMPARE(canvas.lines[0].from, canvas.centre(Side::B, 0));
    QCOMPARE(canvas.lines[0].to, canvas.centre(Side::B, 0));
    QCOMPARE(canvas.lines[1].from, canvas.centre(Side::B, 9));
    QCOMPARE(canvas.lines[1].to, canvas.centre(Side::B, 0));
    QCOMPARE(canvas.lines[2].from, canvas.centre(Side::B, 18));
    QCOMPARE(canvas.lines[2].to, canvas.centre(Side::B, 9));
    QCOMPARE(canvas.redDots(Side::B), (std::vector<int>{0, 9, 18}));
    QVERIFY(canvas.redDots(Side::A).empty());
}

void TestReplay::replaySkipsZeroAndEmptyEntries()
{
    RecordingCanvas canvas;
    replayPath(pathOf({5, 0, -1, 7}), canvas);
    QCOMPARE(canvas.lines.size(), size_t(2));
    QCOMPARE(canvas.lines[1].from, canvas.centre(Side::B, 6));
    QCOMPARE(canvas.lines[1].to, canvas.centre(Side::B, 4));
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
    QCOMPARE(canvas.lines[1].from, canvas.centre(Side::B, 2));
    QCOMPARE(canvas.redDots(Side::B), (std::vector<int>{1, 2}));
}

void TestReplay::replayOfEmptyPathDrawsNothing()
{
    RecordingCanvas canvas;
    replayPath(DotPath{}, canvas);
    QVERIFY(canvas.lines.empty());
    QVERIFY(canvas.pictures.empty());
}

void TestReplay::storedPatternUsesLeftPositions()
{
    RecordingCanvas canvas;
    drawStoredPattern(patternOf({5, 6, 7}), canvas, consolecolour::kRed);
    QCOMPARE(canvas.lines.size(), size_t(3));
    for (const auto &line : canvas.lines) {
        QCOMPARE(line.side, Side::B);
        QCOMPARE(line.colour, consolecolour::kRed);
    }
    QCOMPARE(canvas.lines[0].from, canvas.centre(Side::A, 4));
    QCOMPARE(canvas.lines[0].to, canvas.centre(Side::A, 4));
    QCOMPARE(canvas.lines[1].from, canvas.centre(Side::A, 5));
    QCOMPARE(canvas.lines[1].to, canvas.centre(Side::A, 4));
    QCOMPARE(canvas.lines[2].from, canvas.centre(Side::A, 6));
    QCOMPARE(canvas.lines[2].to, canvas.centre(Side::A, 5));
    QCOMPARE(canvas.redDots(Side::B), (std::vector<int>{4, 5, 6}));
    QVERIFY(canvas.redDots(Side::A).empty());
}

void TestReplay::storedPatternJoinsAcrossZeros()
{
    RecordingCanvas canvas;
    drawStoredPattern(patternOf({5, 0, 7}), canvas, consolecolour::kRed);
    QCOMPARE(canvas.lines.size(), size_t(2));
    QCOMPARE(canvas.lines[1].from, canvas.centre(Side::A, 6));
    QCOMPARE(canvas.lines[1].to, canvas.centre(Side::A, 4));
}

void TestReplay::storedPatternNeverDrawsEntry63()
{
    Pattern pattern{};
    pattern[63] = 5;
    RecordingCanvas canvas;
    drawStoredPattern(pattern, canvas, consolecolour::kRed);
    QVERIFY(canvas.lines.empty());
    QVERIFY(canvas.pictures.empty());

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
