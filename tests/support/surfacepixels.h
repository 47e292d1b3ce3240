#pragma once
// Finding the pixels of one colour in an image, for every test that checks
// what was drawn or saved. Colours compare whole, alpha included.
#include <QImage>
#include <QList>
#include <QPoint>

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

// How many pixels of img have colour c.
inline int pixelCount(const QImage &img, QRgb c)
{
    return int(pixelsOf(img, c).size());
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
