#pragma once
// Window definitions give every position and size in twips. This is the one
// place where twips meet Qt's logical pixels.
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

namespace twips {

inline constexpr double kPerPixel = 15.0; // 1440 twips per inch at 96 logical dpi
inline constexpr double kHimetricPerTwip = 2540.0 / 1440.0;

inline QPointF toPixels(QPointF t)
{
    return t / kPerPixel;
}
// Whole logical pixels: for widget geometry. Rounds to the nearest pixel.
int toPixels(double t);
QRect toPixels(const QRectF &t);
QSize toPixels(double width, double height);

inline constexpr double fromPixels(double px)
{
    return px * kPerPixel;
}
QRectF fromPixels(const QRect &px);

inline constexpr double fromHimetric(double h)
{
    return h / kHimetricPerTwip;
}

} // namespace twips
