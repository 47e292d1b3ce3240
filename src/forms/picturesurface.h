#pragma once
// A picture box: a surface that keeps everything drawn on it in a backing
// image, painted in paintEvent, so lines survive being covered. Lines are drawn
// without antialiasing: drawing a line again in the background colour erases
// it exactly. The backing image follows the screen's device pixel ratio, so
// lines stay crisp on high-DPI screens. Coordinates are twips, as in the
// window definitions; widths are logical pixels.
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QWidget>

class PictureSurface : public QWidget {
    Q_OBJECT
public:
    explicit PictureSurface(QWidget *parent = nullptr);

    void setBackColor(const QColor &c);
    QColor backColor() const { return m_back; }
    void setForeColor(const QColor &c) { m_fore = c; }
    QColor foreColor() const { return m_fore; }
    void setLineWidth(int pixels) { m_lineWidth = pixels < 1 ? 1 : pixels; }
    int lineWidth() const { return m_lineWidth; }

    // Straight line between two points in twips. Coinciding ends draw a dot of
    // the line width, as a zero-length line does on a classic picture box.
    void drawLine(QPointF fromTwips, QPointF toTwips, const QColor &colour);

    // Removes every line: the surface shows its background alone.
    void clear();

    // The drawing itself (background and lines), without the child controls.
    const QImage &backingImage() const { return m_image; }
    // What the user sees of the surface: background, lines and every visible
    // child control painted over them, at logical size.
    QImage renderedImage() const;

    // Counts drawLine calls; benchmarks and tests use it to see work done.
    int linesDrawn() const { return m_linesDrawn; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void ensureImage(QSize logical, qreal dpr);

    QImage m_image;
    QColor m_back = Qt::white;
    QColor m_fore = Qt::black;
    int m_lineWidth = 1;
    int m_linesDrawn = 0;
};
