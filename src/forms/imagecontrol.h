#pragma once
// An image control: shows a shared picture stretched to its size, knows its
// position in twips inside its container, and reports clicks and double-clicks
// with its element index (-1 when it is not part of a control array). A
// double-click always follows the click of its first press.
#include <QPixmap>
#include <QRectF>
#include <QWidget>

class ImageControl : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget *parent = nullptr, int index = -1);

    int index() const { return m_index; }

    // Setting a picture shares it (QPixmap is implicitly shared).
    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }

    // Position and size in twips inside the container, exactly as last set;
    // the widget itself snaps to whole logical pixels.
    void setTwipsGeometry(const QRectF &r);
    QRectF twipsGeometry() const { return m_twips; }
    void moveTwips(QPointF topLeft) { setTwipsGeometry(QRectF(topLeft, m_twips.size())); }

signals:
    void clicked(int index);
    void doubleClicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int m_index;
    QPixmap m_picture;
    QRectF m_twips;
    bool m_releaseEndsDoubleClick = false; // the release of a double-click's second press
};
