#include "grid/surfacepainter.h"

#include "forms/pictures.h"
#include "forms/twips.h"
#include "logic/gridmodel.h"

#include <QPainter>
#include <QPixmapCache>

#include <cmath>

namespace {

constexpr std::array<int, kDotCount> stackFrom(bool firstOnTop)
{
    // PicA: 62 at the bottom up to 0 on top. PicB: 0 at the bottom, then 62 up to 1.
    std::array<int, kDotCount> order{};
    int n = 0;
    if (!firstOnTop) order[size_t(n++)] = 0;
    for (int i = kDotCount - 1; i >= 1; --i)
        order[size_t(n++)] = i;
    if (firstOnTop) order[size_t(n++)] = 0;
    return order;
}
constexpr std::array<int, kDotCount> kOrderA = stackFrom(true);
constexpr std::array<int, kDotCount> kOrderB = stackFrom(false);

// A point names the pixel to its right and below. Qt draws one-device-pixel
// pens on that pixel, but fills wider pens by pixel centres; aim those so their
// edges fall on pixel edges around the named pixel, or a width-5 point comes
// out 4 pixels wide. Only for unantialiased drawing at ratio 1.
QPointF aim(QPointF logical, int width)
{
    if (width <= 1) return logical;
    const auto snap = [&](qreal v) { return std::round(v + 0.5 - width / 2.0) + width / 2.0; };
    return QPointF(snap(logical.x()), snap(logical.y()));
}

// The defined 16-pixel dot picture in these colours; shared.
QPixmap dotPixmap(QRgb fill, QRgb outline)
{
    const QString key = QStringLiteral("plimso/dot/%1/%2").arg(fill, 8, 16).arg(outline, 8, 16);
    QPixmap pm;
    if (!QPixmapCache::find(key, &pm)) {
        pm = QPixmap::fromImage(pictures::dotImage(fill, outline));
        QPixmapCache::insert(key, pm);
    }
    return pm;
}

// The same disc drawn at device resolution: a 14-pixel disc with an even
// one-pixel outline and a small highlight, all in logical pixels.
void paintRoundDot(QPainter &p, const QRect &r, const QColor &fill, const QColor &outline)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(outline, 1.0));
    p.setBrush(fill);
    p.drawEllipse(QRectF(r).adjusted(1.5, 1.5, -1.5, -1.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(r.x() + 4, r.y() + 5, 2, 2));
    p.restore();
}

} // namespace

QRect SurfacePainter::dotRect(int index) const
{
    return twips::toPixels(m_model.dotRect(m_side, index));
}

const std::array<int, kDotCount> &SurfacePainter::stackOrder() const
{
    return m_side == Side::A ? kOrderA : kOrderB;
}

void SurfacePainter::paint(QPainter &p, const SurfaceLook &look, const QRect &dirty,
                           Drawing drawing) const
{
    const bool exact = drawing == Drawing::Pictures;
    p.save();
    p.fillRect(dirty, look.background);
    p.setRenderHint(QPainter::Antialiasing, !exact);
    p.setPen(QPen(look.path, look.lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const int margin = look.lineWidth + 2;
    for (const Segment &s : m_model.segments(m_side)) {
        QPointF a = twips::toPixels(s.from), b = twips::toPixels(s.to);
        if (!QRectF(a, b).normalized().adjusted(-margin, -margin, margin, margin).intersects(dirty))
            continue;
        if (exact) {
            a = aim(a, look.lineWidth);
            b = aim(b, look.lineWidth);
        }
        if (a == b)
            p.drawPoint(a);
        else
            p.drawLine(a, b);
    }

    for (const int i : stackOrder()) {
        const QRect r = dotRect(i);
        if (!r.intersects(dirty)) continue;
        const QColor &fill = m_model.isRed(m_side, i) ? look.redFill : look.greenFill;
        if (exact)
            p.drawPixmap(r.topLeft(), dotPixmap(fill.rgb(), look.outline.rgb()));
        else
            paintRoundDot(p, r, fill, look.outline);
    }
    p.restore();
}
