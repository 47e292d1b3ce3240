#pragma once
// What the path and layout logic sees of a dot grid window: two surfaces (A on
// the left, B on the right) with their dots, the two buttons, and line drawing.
// Widgets implement it; tests use a recording fake. All values are twips.
#include <QPointF>
#include <QRectF>
#include <optional>

enum class Side { A, B };
// What a redraw of a path covers: surface A alone, or A and then B.
enum class Sides { A, Both };
enum class GridControl { PicA, PicB, ButtonA, CmdB }; // ButtonA: CmdTest or CmdA
enum class DotPicture { Green, Red };

class GridCanvas {
public:
    virtual ~GridCanvas() = default;

    // Dot index 0..62 on either side; on side A also 63, the hidden spare dot.
    virtual QRectF dotRect(Side side, int index) const = 0;
    virtual void moveDot(Side side, int index, QPointF topLeft) = 0;
    virtual void setDotPicture(Side side, int index, DotPicture picture) = 0;

    // A straight line on a surface in a console colour (0..15).
    virtual void drawLine(Side side, QPointF from, QPointF to, int consoleColour) = 0;
    // Removes every line from a surface: it shows its background alone.
    virtual void clearSurface(Side side) = 0;

    virtual QRectF controlRect(GridControl c) const = 0;
    virtual void setControlRect(GridControl c, const QRectF &r) = 0;

    // Shows or hides the red dot image of a side (imgRed on A, B_imgRed on B),
    // which only lends its picture. A canvas without such images ignores it.
    virtual void setRedImageVisible(Side side, bool visible)
    {
        (void)side;
        (void)visible;
    }

    // A dot's centre: Left + Width / 2, Top + Height / 2, in single precision.
    static QPointF centre(const QRectF &r)
    {
        return QPointF(float(r.left()) + float(r.width()) / 2.0f,
                       float(r.top()) + float(r.height()) / 2.0f);
    }
};

// Joins successive points of a path: each point is drawn back to the one
// before it, the first to itself (a zero-length line at its own centre).
class SegmentChain {
public:
    // The point the segment ending at `point` starts from; `point` becomes the last one.
    QPointF previousFor(QPointF point)
    {
        const QPointF previous = m_last.value_or(point);
        m_last = point;
        return previous;
    }

private:
    std::optional<QPointF> m_last;
};
