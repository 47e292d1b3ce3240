#pragma once
// Paints what one surface of a dot grid window shows (its background, the
// segments its model holds and its 63 dots) on any QPainter: the view paints
// the screen with it, printing paints a page. Coordinates are the surface's
// logical pixels; a scaled painter draws them larger.
//
// Dots overlap in creation order (on PicA dot 0 lies above 1, above 2 ...
// above 62; on PicB 1 above 2 ... above 62, above 0), and the segments lie
// under every dot.
#include "logic/gridlayout.h"
#include "logic/gridstate.h"

#include <QColor>
#include <QRect>
#include <array>

class GridModel;
class QPainter;

// The colours and line width a surface is painted with.
struct SurfaceLook {
    QColor background;
    QColor path;
    QColor outline;
    QColor greenFill{0, 255, 0};
    QColor redFill{255, 0, 0};
    int lineWidth = 1; // logical pixels
};

class SurfacePainter {
public:
    enum class Drawing {
        // The defined 16-pixel dot pictures and unantialiased lines, pixel for
        // pixel: for a device of one device pixel to the logical pixel.
        Pictures,
        // Round dots and antialiased lines drawn at the device's resolution,
        // through whatever scale the painter has.
        Round,
    };

    SurfacePainter(const GridModel &model, Side side) : m_model(model), m_side(side) {}

    // Where dot `index` (0..62) is drawn, in logical pixels.
    QRect dotRect(int index) const;
    // The dots from the bottom of the stack to the top.
    const std::array<int, kDotCount> &stackOrder() const;

    // Paints everything that lies in `dirty` (logical pixels): the background
    // over all of it, then the segments, then the dots.
    void paint(QPainter &p, const SurfaceLook &look, const QRect &dirty, Drawing drawing) const;

private:
    const GridModel &m_model;
    Side m_side;
};
