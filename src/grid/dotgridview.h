#pragma once
// One surface of a dot grid window (object and accessible name `PicA` or
// `PicB`): paints its background, the segments its model shows and its 63
// dots, and turns a person's input into dot activations. No child widget
// stands for a dot.
//
// Drawing follows the definitions (SurfacePainter paints it): each dot is
// 16 x 16 logical pixels at its twips / 15 (rounded), and dots overlap in
// creation order, which hit-testing follows. At device pixel ratio 1 the dots
// are the defined 16-pixel pictures and lines are not antialiased; above it
// dots and lines are drawn at device resolution, antialiased. The path and the
// dot outlines keep at least 3:1 contrast against the background in any
// palette; under a high-contrast desktop palette (colours::isHighContrast)
// 4.5:1, and the path's lines are at least 2 logical pixels wide.
//
// Input: a press and a release on the same dot activate it (the second press
// of a double-click reports the double-click instead). With keyboard focus a
// ring marks one dot: the arrows move it, Space or Return activate it, and
// Backspace asks to take back the last click. The ring shows while the focus
// is the keyboard's: brought by Tab, Shift+Tab or a shortcut, or moved by a
// window or command after a key was the last input (LastInput), or kept since
// a key was pressed on the surface. A click never shows it.
//
// To assistive technology the surface is a table whose cells are the dots
// (grid/dotgridaccessible.h): the view tells it what changed by child index,
// the dot's index. The ringed dot has the focus while the view has; a path
// that changes changes the descriptions of the grid and of its dots.
#include "forms/colours.h"
#include "grid/surfacepainter.h"
#include "logic/gridlayout.h"
#include "logic/gridstate.h"

#include <QAccessible>
#include <QList>
#include <QWidget>
#include <array>

class GridModel;
class LastInput;

class DotGridView : public QWidget {
    Q_OBJECT
public:
    DotGridView(GridModel &model, Side side, QWidget *parent = nullptr);
    ~DotGridView() override;

    Side side() const { return m_side; }
    const GridModel &model() const { return m_model; }

    // The background: a palette role, followed as the theme changes, or a
    // fixed colour.
    void setBackground(const colours::Fill &fill);
    // Width of the path's lines, in logical pixels (at least 1), and the
    // width they are drawn at in the current palette.
    void setLineWidth(int pixels);
    int lineWidth() const { return m_lineWidth; }
    int drawnLineWidth() const;
    // What tells which input came last, for a focus that comes without a
    // reason of its own; without it such a focus shows no ring.
    void setLastInput(const LastInput *input) { m_lastInput = input; }
    // A dot's tooltip (0..62); empty for none.
    void setDotToolTip(int index, const QString &tip);
    QString dotToolTip(int index) const;

    // Where dot `index` is drawn and hit, in logical pixels.
    QRect dotRect(int index) const;
    // The topmost dot at `p` (logical pixels), or -1.
    int dotAt(QPoint p) const;
    // The dot the keyboard ring is on, and whether the ring shows.
    int focusDot() const { return m_focusDot; }
    bool focusRingShown() const;

    // The colours drawn against the background now.
    QColor backgroundColour() const;
    QColor pathColour() const;
    QColor outlineColour() const;
    // All of them, with the line width: what the surface is painted with.
    SurfaceLook look() const;

    // What the surface shows, at device pixel ratio 1 and without the ring:
    // the picture Save writes.
    QImage image() const;

    // A screen reader's Press on a dot: what a click does. On PicB it runs
    // once the call has returned, since it opens a modal box and an
    // accessibility action must not wait for that box to close. Nothing
    // happens while a modal box is open (forms/modalbox.h), as for a click.
    void press(int index);

signals:
    // A click on a dot, Space or Return on the ringed one, or a Press.
    void dotActivated(int index);
    // The second press of a double-click on a dot (after the click of its first).
    void dotDoubleClicked(int index);
    // Backspace on PicA.
    void takeBackRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool event(QEvent *event) override;

private:
    void onChanged(Side side, const QRectF &area);
    void onDotChanged(Side side, int index);
    void onLaidOut();
    void moveFocusDot(int index);
    QRect ringRect(int index) const;
    // Tells assistive technology about dot `index` (the view itself for -1).
    void notify(QAccessible::Event type, int index = -1);
    void notifyFocusDot();
    void notifyPathChange();

    GridModel &m_model;
    Side m_side;
    SurfacePainter m_surface;
    colours::Fill m_background = colours::Fill::fromRole(QPalette::Base);
    int m_lineWidth = 1;
    std::array<QString, kDotCount> m_tips;
    QList<int> m_heardPath;                // the path as assistive technology was last told of it
    int m_pressed = -1;                    // the dot a press began on
    bool m_releaseEndsDoubleClick = false; // the release of a double-click's second press
    int m_focusDot = 0;
    const LastInput *m_lastInput = nullptr;
    bool m_keyboardUsed = false; // the focus is the keyboard's
    bool m_renderingImage = false;
};
