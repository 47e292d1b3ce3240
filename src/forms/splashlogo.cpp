#include "forms/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

// The splash logo: clip-art of a white box with a row of dark dots and a
// magenta door, a cyan band along its top edge, two lozenges floating above it
// and its shadow falling to the right, on light steel blue. The splash's
// picture box shows only its top-left 121 x 159 pixels, so everything that
// matters stays inside that part.
namespace {

void lozenge(QPainter &p, QPointF centre, qreal halfWidth, qreal halfHeight, const QColor &left,
             const QColor &right)
{
    const QPointF top(centre.x(), centre.y() - halfHeight);
    const QPointF bottom(centre.x(), centre.y() + halfHeight);
    const QPointF west(centre.x() - halfWidth, centre.y());
    const QPointF east(centre.x() + halfWidth, centre.y());
    p.setPen(Qt::NoPen);
    p.setBrush(left);
    p.drawPolygon(QPolygonF({top, west, bottom}));
    p.setBrush(right);
    p.drawPolygon(QPolygonF({top, east, bottom}));
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({top, east, bottom, west}));
}

} // namespace

namespace pictures {

QImage splashLogo()
{
    QImage canvas(141, 166, QImage::Format_RGB32);
    canvas.fill(QColor(181, 195, 222));
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);

    const QColor outline(40, 40, 40);
    const QRectF front(12, 80, 78, 70);
    const qreal depth = 22, rise = 14; // the side face recedes up and to the right

    // Shadow on the ground to the right, drawn first so the box stands on it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 128, 128));
    p.drawPolygon(
        QPolygonF({front.bottomRight(), front.bottomRight() + QPointF(depth, -rise),
                   QPointF(138, front.bottom() - rise + 4), QPointF(128, front.bottom())}));

    // Side and top faces.
    p.setPen(QPen(outline, 1.2));
    p.setBrush(QColor(226, 228, 236));
    p.drawPolygon(QPolygonF({front.topRight(), front.topRight() + QPointF(depth, -rise),
                             front.bottomRight() + QPointF(depth, -rise), front.bottomRight()}));
    p.setBrush(QColor(0, 210, 230));
    p.drawPolygon(QPolygonF({front.topLeft(), front.topLeft() + QPointF(depth, -rise),
                             front.topRight() + QPointF(depth, -rise), front.topRight()}));

    // Front face with the cyan band along its top edge.
    p.setBrush(Qt::white);
    p.drawRect(front);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 255, 255));
    p.drawRect(QRectF(front.left() + 0.6, front.top() + 0.6, front.width() - 1.2, 10));
    p.setPen(QPen(outline, 1.2));
    p.drawLine(QPointF(front.left(), front.top() + 10.6),
               QPointF(front.right(), front.top() + 10.6));

    // Two rows of dark grey dots, like windows.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(64, 64, 64));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 6; ++col)
            p.drawEllipse(QPointF(front.left() + 10 + col * 11.6, front.top() + 22 + row * 12), 3,
                          3);

    // The magenta door in the middle of the bottom edge.
    QPainterPath door;
    const QRectF doorRect(front.center().x() - 9, front.bottom() - 24, 18, 24);
    door.moveTo(doorRect.bottomLeft());
    door.lineTo(doorRect.left(), doorRect.top() + 9);
    door.arcTo(QRectF(doorRect.left(), doorRect.top(), 18, 18), 180, -180);
    door.lineTo(doorRect.bottomRight());
    door.closeSubpath();
    p.setPen(QPen(outline, 1.2));
    p.setBrush(QColor(204, 0, 204));
    p.drawPath(door);

    // The lozenges floating above.
    lozenge(p, QPointF(38, 36), 18, 26, QColor(0, 200, 0), QColor(0, 140, 0));
    lozenge(p, QPointF(84, 30), 17, 24, QColor(255, 255, 0), QColor(128, 128, 0));
    p.end();
    return canvas.convertToFormat(QImage::Format_RGB888);
}

} // namespace pictures
