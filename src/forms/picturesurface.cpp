#include "forms/picturesurface.h"

#include "forms/twips.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <cmath>

namespace {
// A point names the pixel to its right and below. Qt draws one-device-pixel
// pens on that pixel, but fills wider pens by pixel centres; aim those so their
// edges fall on device pixel edges around the named pixel, or a width-5 dot
// comes out 4 pixels wide and lines sit half a pixel off on high-DPI screens.
QPointF aim(QPointF logical, qreal dpr, int width)
{
    const qreal device = width * dpr;
    if (device <= 1) return logical;
    const auto snap = [&](qreal v) {
        return (std::round((v + 0.5) * dpr - device / 2) + device / 2) / dpr;
    };
    return QPointF(snap(logical.x()), snap(logical.y()));
}
} // namespace

PictureSurface::PictureSurface(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureSurface::setBackColor(const QColor &c)
{
    m_back = c;
    if (!m_image.isNull())
        m_image.fill(m_back); // a new back colour clears the drawing, like a fresh box
    update();
}

void PictureSurface::clear()
{
    if (!m_image.isNull()) m_image.fill(m_back);
    update();
}

void PictureSurface::ensureImage(QSize logical, qreal dpr)
{
    const QSize wanted = (QSizeF(logical) * dpr).toSize().expandedTo(QSize(1, 1));
    if (!m_image.isNull() && m_image.devicePixelRatio() == dpr &&
        m_image.width() >= wanted.width() && m_image.height() >= wanted.height())
        return;
    // Grow only, keeping what is drawn: shrinking and growing back must not lose lines.
    QImage grown(wanted.expandedTo(m_image.isNull() ? QSize() : m_image.size()),
                 QImage::Format_RGB32);
    grown.setDevicePixelRatio(dpr);
    grown.fill(m_back);
    if (!m_image.isNull()) {
        QPainter p(&grown);
        p.drawImage(QPointF(0, 0), m_image);
    }
    m_image = grown;
}

void PictureSurface::drawLine(QPointF fromTwips, QPointF toTwips, const QColor &colour)
{
    ensureImage(size(), devicePixelRatioF());
    QPainter p(&m_image);
    p.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(colour, m_lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    const QPointF a = aim(twips::toPixels(fromTwips), m_image.devicePixelRatio(), m_lineWidth);
    const QPointF b = aim(twips::toPixels(toTwips), m_image.devicePixelRatio(), m_lineWidth);
    if (a == b)
        p.drawPoint(a);
    else
        p.drawLine(a, b);
    ++m_linesDrawn;
    // Repaint only the line's neighbourhood.
    const qreal m = m_lineWidth + 2;
    update(QRectF(a, b).normalized().adjusted(-m, -m, m, m).toAlignedRect());
}

QImage PictureSurface::renderedImage() const
{
    QImage out(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    out.fill(m_back);
    const_cast<PictureSurface *>(this)->render(&out);
    return out;
}

void PictureSurface::paintEvent(QPaintEvent *event)
{
    ensureImage(size(), devicePixelRatioF());
    QPainter p(this);
    const QRect r = event->rect();
    p.fillRect(r, m_back);
    p.drawImage(r, m_image,
                QRectF(QPointF(r.topLeft()) * m_image.devicePixelRatio(),
                       QSizeF(r.size()) * m_image.devicePixelRatio()));
}

void PictureSurface::resizeEvent(QResizeEvent *event)
{
    ensureImage(event->size(), devicePixelRatioF());
    QWidget::resizeEvent(event);
}
