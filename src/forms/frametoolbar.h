#pragma once
// The frame's toolbar, as its form defines it: buttons of one size a fixed
// margin inside its edges, each known by its key, showing pictures drawn for
// the bar's palette. What it reads from an action:
// - the dynamic property `buttonKey`: the action's button carries the key as
//   its object name and accessible name, which tools and people know it by;
// - the dynamic property `imageKey`, an image-list key ("New", "Line Style";
//   forms/pictures.h): the action shows pictures::toolbarIcon of that key for
//   the bar's palette, drawn again on every palette change, so that a dark or
//   high-contrast theme gets pictures that stand out from its buttons.
// QToolBar takes its margin from the style and applies it again on every style
// change; the margin set here stays, so a bar defined as its buttons' height
// plus a margin does not grow with the style.
#include <QSize>
#include <QToolBar>

class FrameToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit FrameToolBar(QWidget *parent = nullptr);

    // The margin round the buttons, in pixels (0 until set).
    void setMargin(int margin);
    // The size of every button, in pixels (the style's until set).
    void setButtonSize(const QSize &size);

protected:
    bool event(QEvent *event) override;
    void actionEvent(QActionEvent *event) override;

private:
    void applyMargin();
    void fitButton(QAction *action);
    void drawPicture(QAction *action);

    int m_margin = 0;
    QSize m_buttonSize;
};
