#pragma once
// A GridCanvas without widgets: dots, pictures and control bounds are plain
// values, and every change is logged in order so tests can check sequences.
#include "logic/gridcanvas.h"
#include "logic/gridstate.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <vector>

struct RecordingCanvas : GridCanvas {
    struct Line {
        Side side;
        QPointF from, to;
        int colour;
    };

    std::array<QRectF, kPathLength> dotsA{}; // 63: the spare dot
    std::array<QRectF, kDotCount> dotsB{};
    std::array<DotPicture, kPathLength> picturesA{};
    std::array<DotPicture, kDotCount> picturesB{};
    std::array<QRectF, 4> controls{};
    std::array<bool, 2> redVisible{true, true};
    std::vector<Line> lines;
    QStringList log;

    // Dots of 240 x 240 twips on a plain 7 x 9 grid with the given steps.
    explicit RecordingCanvas(double colW = 600, double rowH = 480)
    {
        for (int k = 0; k < kDotCount; ++k) {
            const QRectF r((k % 9) * colW + 240, (k / 9) * rowH + 120, 240, 240);
            dotsA[size_t(k)] = r;
            dotsB[size_t(k)] = r.translated(7, 11); // B differs, to tell the sides apart
        }
        dotsA[63] = QRectF(6000, 120, 240, 240);
    }

    QPointF centreA(int k) const { return centre(dotsA[size_t(k)]); }
    QPointF centreB(int k) const { return centre(dotsB[size_t(k)]); }
    std::vector<Line> linesOn(Side side) const
    {
        std::vector<Line> out;
        for (const Line &l : lines)
            if (l.side == side) out.push_back(l);
        return out;
    }
    // The dots 0..62 of `side` that show the red picture, in ascending order.
    std::vector<int> redDots(Side side) const
    {
        std::vector<int> out;
        for (int k = 0; k < kDotCount; ++k)
            if ((side == Side::A ? picturesA[size_t(k)] : picturesB[size_t(k)]) == DotPicture::Red)
                out.push_back(k);
        return out;
    }
    int redCount(Side side) const { return int(redDots(side).size()); }
    // Every setDotPicture so far, in order ("picture B4").
    QStringList pictureChanges() const { return log.filter(QStringLiteral("picture ")); }

    QRectF dotRect(Side side, int index) const override
    {
        if (side == Side::A)
            return index >= 0 && index < kPathLength ? dotsA[size_t(index)] : QRectF();
        return index >= 0 && index < kDotCount ? dotsB[size_t(index)] : QRectF();
    }
    void moveDot(Side side, int index, QPointF topLeft) override
    {
        QRectF &r = side == Side::A ? dotsA[size_t(index)] : dotsB[size_t(index)];
        r.moveTopLeft(topLeft);
        log << QStringLiteral("move %1%2").arg(side == Side::A ? "A" : "B").arg(index);
    }
    void setDotPicture(Side side, int index, DotPicture picture) override
    {
        (side == Side::A ? picturesA[size_t(index)] : picturesB[size_t(index)]) = picture;
        log << QStringLiteral("picture %1%2").arg(side == Side::A ? "A" : "B").arg(index);
    }
    void drawLine(Side side, QPointF from, QPointF to, int consoleColour) override
    {
        lines.push_back({side, from, to, consoleColour});
        log << QStringLiteral("line %1").arg(side == Side::A ? "A" : "B");
    }
    void clearSurface(Side side) override
    {
        lines.erase(std::remove_if(lines.begin(), lines.end(),
                                   [side](const Line &l) { return l.side == side; }),
                    lines.end());
        log << QStringLiteral("clear %1").arg(side == Side::A ? "A" : "B");
    }
    QRectF controlRect(GridControl c) const override { return controls[size_t(c)]; }
    void setControlRect(GridControl c, const QRectF &r) override
    {
        controls[size_t(c)] = r;
        log << QStringLiteral("bounds %1").arg(int(c));
    }
    void setRedImageVisible(Side side, bool visible) override
    {
        redVisible[side == Side::A ? 0 : 1] = visible;
        log << QStringLiteral("red %1 %2").arg(side == Side::A ? "A" : "B").arg(visible);
    }
};
