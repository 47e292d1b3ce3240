#include "logic/gridlayout.h"
#include "logic/consolecolour.h"

#include "logic/gridstate.h"

namespace gridlayout {

std::optional<QRectF> surfaceBounds(Side side, float innerWidth, float innerHeight)
{
    const float width = innerWidth / 2.0f - 1200.0f;
    const float height = innerHeight - 3600.0f;
    if (!(width >= 0.0f) || !(height >= 0.0f)) // also refuses NaN
        return std::nullopt;
    const float left = side == Side::A ? 960.0f : innerWidth / 2.0f + 120.0f;
    return QRectF(left, 1000.0f, width, height);
}

QSizeF gridSteps(const QSizeF &picASize)
{
    return QSizeF(float(picASize.width()) / 9.0f, float(picASize.height()) / 7.0f);
}

QPointF dotTopLeft(int k, const QSizeF &steps)
{
    const int r = k / kGridColumns, c = k % kGridColumns;
    return QPointF(float(c) * float(steps.width()) + 240.0f,
                   float(r) * float(steps.height()) + 120.0f);
}

void layOut(GridCanvas &canvas, float innerWidth, float innerHeight, int eraseColour,
            const RedrawFn &redrawPath)
{
    if (auto a = surfaceBounds(Side::A, innerWidth, innerHeight))
        canvas.setControlRect(GridControl::PicA, *a);
    if (auto b = surfaceBounds(Side::B, innerWidth, innerHeight))
        canvas.setControlRect(GridControl::PicB, *b);
    // Read back: a skipped step leaves the previous bounds.
    const QRectF picA = canvas.controlRect(GridControl::PicA);
    const QRectF picB = canvas.controlRect(GridControl::PicB);

    const QRectF button = canvas.controlRect(GridControl::ButtonA);
    const float w0 = float(button.width());
    canvas.setControlRect(GridControl::ButtonA,
                          QRectF(float(picA.left()) + float(picA.width()) - w0 - 280.0f,
                                 float(picA.height()) + 1200.0f, float(picA.width()) / 5.0f,
                                 button.height()));

    const QRectF cmdB = canvas.controlRect(GridControl::CmdB);
    canvas.setControlRect(GridControl::CmdB, QRectF(picB.left(), float(picB.height()) + 1200.0f,
                                                    float(picB.width()) / 5.0f, cmdB.height()));

    if (redrawPath) redrawPath(eraseColour, Sides::Both);

    const QSizeF steps = gridSteps(picA.size());
    for (int k = 0; k < kDotCount; ++k) {
        const QPointF at = dotTopLeft(k, steps);
        canvas.moveDot(Side::A, k, at);
        canvas.moveDot(Side::B, k, at);
    }

    if (redrawPath) redrawPath(consolecolour::kRed, Sides::Both);
    canvas.setRedImageVisible(Side::A, false);
}

} // namespace gridlayout
