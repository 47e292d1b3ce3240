#include "forms/imagecontrol.h"

#include "forms/twips.h"

#include <QMouseEvent>
#include <QPainter>

#include <utility>

ImageControl::ImageControl(QWidget *parent, int index) : QWidget(parent), m_index(index)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::PointingHandCursor);
}

void ImageControl::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void ImageControl::setTwipsGeometry(const QRectF &r)
{
    m_twips = r;
    setGeometry(twips::toPixels(r));
}

void ImageControl::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawPixmap(rect(), m_picture);
}

void ImageControl::mouseReleaseEvent(QMouseEvent *event)
{
    // The second press of a double-click reports the double-click, not another click.
    const bool endsDoubleClick = std::exchange(m_releaseEndsDoubleClick, false);
    if (event->button() == Qt::LeftButton && !endsDoubleClick &&
        rect().contains(event->position().toPoint()))
        emit clicked(m_index);
    QWidget::mouseReleaseEvent(event);
}

void ImageControl::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_releaseEndsDoubleClick = true;
        emit doubleClicked(m_index);
    }
    QWidget::mouseDoubleClickEvent(event);
}
