#pragma once
// A status bar of panels: sunken labels side by side, 1 pixel inside the bar's
// top and bottom edges, and a size grip in the corner. The bar is as high as
// defined, or as its panels need at their font when that is more: a larger
// desktop font makes it taller and never cuts off its text. (QStatusBar's own
// layout keeps 3 pixels above its widgets and 2 below, too many for a bar
// defined to hold exactly one line of text, and a minimum height would pin it.)
//
// Panels are added with addPanel, never addWidget; they cover the whole bar, so
// the bar shows no temporary messages.
#include <QStatusBar>

class QHBoxLayout;
class QLabel;

class PanelStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit PanelStatusBar(QWidget *parent = nullptr);

    // The height the bar is defined with, in pixels (0 until set).
    void setDefinedHeight(int pixels);

    // Appends a panel at least `minWidth` pixels wide. Panels with a stretch
    // share the width the others leave, in proportion to it.
    QLabel *addPanel(int minWidth, int stretch = 0);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QSize withDefinedHeight(QSize size) const;

    int m_definedHeight = 0;
    QWidget *m_row;
    QHBoxLayout *m_panels;
};
