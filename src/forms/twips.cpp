#include "forms/twips.h"

#include <cmath>

namespace twips {

int toPixels(double t)
{
    return static_cast<int>(std::lround(t / kPerPixel));
}

QRect toPixels(const QRectF &t)
{
    return QRect(toPixels(t.left()), toPixels(t.top()), toPixels(t.width()), toPixels(t.height()));
}

QSize toPixels(double width, double height)
{
    return QSize(toPixels(width), toPixels(height));
}

QRectF fromPixels(const QRect &px)
{
    return QRectF(fromPixels(px.left()), fromPixels(px.top()), fromPixels(px.width()),
                  fromPixels(px.height()));
}

} // namespace twips
