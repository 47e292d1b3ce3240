#include "logic/gridlayout.h"

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

QPointF centre(const QRectF &r)
{
    return QPointF(float(r.left()) + float(r.width()) / 2.0f,
                   float(r.top()) + float(r.height()) / 2.0f);
}

Controls layOutControls(const Controls &current, float innerWidth, float innerHeight)
{
    Controls c = current;
    auto &picA = c[size_t(GridControl::PicA)];
    auto &picB = c[size_t(GridControl::PicB)];
    if (auto a = surfaceBounds(Side::A, innerWidth, innerHeight)) picA = *a;
    if (auto b = surfaceBounds(Side::B, innerWidth, innerHeight)) picB = *b;

    auto &button = c[size_t(GridControl::ButtonA)];
    const float w0 = float(button.width());
    button = QRectF(float(picA.left()) + float(picA.width()) - w0 - 280.0f,
                    float(picA.height()) + 1200.0f, float(picA.width()) / 5.0f, button.height());

    auto &cmdB = c[size_t(GridControl::CmdB)];
    cmdB = QRectF(picB.left(), float(picB.height()) + 1200.0f, float(picB.width()) / 5.0f,
                  cmdB.height());
    return c;
}

} // namespace gridlayout
