#pragma once
// A toolbar whose buttons sit a fixed margin inside its edges, whatever margin
// the style would give: QToolBar takes its margin from the style and applies it
// again on every style change, so a bar defined as its buttons' height plus a
// margin would otherwise grow with the style.
#include <QToolBar>

class MarginToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit MarginToolBar(QWidget *parent = nullptr);

    // The margin round the buttons, in pixels (0 until set).
    void setMargin(int margin);

protected:
    bool event(QEvent *event) override;

private:
    void applyMargin();

    int m_margin = 0;
};
