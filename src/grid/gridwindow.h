#pragma once
// The client area shared by both dot grid windows: built from its definition,
// it implements GridCanvas on its two PictureSurfaces and its ImageControls
// and wires input to the path and layout logic. Subclasses (EditorWindow,
// ChallengeWindow) state what differs: the path drawing and the resize colour.
//
// Lifecycle: a subclass constructor builds nothing itself and ends by calling
// load(). Inside a QMdiSubWindow a minimised window lays itself out as a
// window of inner size 0 x 0, so its surfaces keep their bounds. Closing never
// fails and always runs clearPath first.
#include "forms/formdef.h"
#include "logic/gridcanvas.h"
#include "logic/gridstate.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>
#include <array>

struct AppContext;
class ImageControl;
class PictureSurface;
class QPushButton;

class GridWindow : public QWidget, public GridCanvas {
    Q_OBJECT
public:
    ~GridWindow() override;

    GridState &state() { return *m_state; }
    const GridState &state() const { return *m_state; }
    AppContext &context() { return m_ctx; }

    PictureSurface *PicA() const { return m_picA; }
    PictureSurface *PicB() const { return m_picB; }
    ImageControl *imgGreen(int i) const;   // 0..63, nullptr outside
    ImageControl *b_imgGreen(int i) const; // 0..62, nullptr outside
    ImageControl *imgRed() const { return m_imgRed; }
    ImageControl *B_imgRed() const { return m_bImgRed; }
    QPushButton *buttonA() const { return m_buttonA; } // CmdTest or CmdA
    QPushButton *CmdB() const { return m_cmdB; }

    // Draws the recorded path again (see grid/pathdrawing.h).
    virtual void redraw(int colour, Sides sides) = 0;

    // A click on a replay dot shows its position: Left, a space, Top (twips).
    void showReplayDotPosition(int index);

    // Lays the window out from its current inner size (see grid/gridlayout.h).
    void layOut();

    // The inner size in twips as the layout sees it: 0 x 0 while minimised.
    QSizeF innerSizeTwips() const;

    // Unloads the window: closes the enclosing QMdiSubWindow, or the widget
    // itself when it stands alone.
    void closeWindow();
    // The child window that holds this one in a workspace, if any.
    QMdiSubWindow *subWindow() const { return m_subWindow; }
    // True from the moment the window starts closing.
    bool isClosed() const { return m_closed; }

    // GridCanvas, in twips.
    QRectF dotRect(Side side, int index) const override;
    void moveDot(Side side, int index, QPointF topLeft) override;
    void setDotPicture(Side side, int index, DotPicture picture) override;
    // The window's erase colour paints in the surface's own background colour,
    // whatever the desktop palette made it, so erasing is exact.
    void drawLine(Side side, QPointF from, QPointF to, int consoleColour) override;
    void clearSurface(Side side) override;
    QRectF controlRect(GridControl c) const override;
    void setControlRect(GridControl c, const QRectF &r) override;
    void setRedImageVisible(Side side, bool visible) override;

protected:
    // Builds the controls of `def`; `buttonAName` names the button under PicA.
    // `sharedState` outlives the window when given; otherwise the window owns
    // a fresh one.
    GridWindow(const forms::FormDef &def, const char *buttonAName, AppContext &ctx,
               GridState *sharedState, QWidget *parent);

    // Runs the load handler: tooltips "Click Me" on imgGreen(0..62), the spare
    // dot and B_imgRed hidden, loadSettings(), then layOut().
    void load();
    // The window's own load step before the first layout (line widths).
    virtual void loadSettings() {}
    // The colour the resize paints the old path with: the surfaces' background.
    virtual int eraseColour() const = 0;

    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void onDotClicked(int index);
    void onDotDoubleClicked(int index);
    void followSubWindow();
    void subWindowStateChanged(Qt::WindowStates oldState, Qt::WindowStates newState);

    AppContext &m_ctx;
    GridState m_ownState;
    GridState *m_state = &m_ownState;
    PictureSurface *m_picA = nullptr;
    PictureSurface *m_picB = nullptr;
    std::array<ImageControl *, kPathLength> m_imgGreen{};
    std::array<ImageControl *, kDotCount> m_bImgGreen{};
    ImageControl *m_imgRed = nullptr;
    ImageControl *m_bImgRed = nullptr;
    QPushButton *m_buttonA = nullptr;
    QPushButton *m_cmdB = nullptr;
    // Bounds exactly as last set, in twips: the widgets snap to whole pixels,
    // the layout reads back what it wrote.
    std::array<QRectF, 4> m_controlTwips{};
    QPointer<QMdiSubWindow> m_subWindow;
    bool m_loaded = false;
    bool m_closed = false;
    bool m_lastClickRecorded = false; // a double-click acts only on a recorded first press
};
