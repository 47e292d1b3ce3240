#pragma once
// Pixel helpers shared by the picture surface tests.
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>

namespace surfacepixels {

// Every pixel of img (device pixels) that has colour c.
inline QList<QPoint> pixelsOf(const QImage &img, QRgb c)
{
    QList<QPoint> out;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == c) out.append(QPoint(x, y));
    return out;
}

inline QRect boundingRect(const QList<QPoint> &points)
{
    QRect r;
    for (const QPoint &p : points)
        r |= QRect(p, QSize(1, 1));
    return r;
}

// Rows of column x that have colour c.
inline QList<int> rowsAt(const QImage &img, int x, QRgb c)
{
    QList<int> out;
    for (int y = 0; y < img.height(); ++y)
        if (img.pixel(x, y) == c) out.append(y);
    return out;
}

} // namespace surfacepixels
