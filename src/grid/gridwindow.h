#pragma once
// The client area shared by both dot grid windows: the window's GridModel,
// the two DotGridViews that show it (PicA, PicB) and the two buttons, placed
// where the model lays them out. A click on PicA records a dot, a double-click
// or Backspace takes the last one back, and a click on a PicB dot shows where
// that dot stands. Subclasses (EditorWindow, ChallengeWindow) add what their
// button under PicA does.
//
// The window is laid out as it is built and on every change of its inner
// size; inside a QMdiSubWindow a minimised window lays itself out as a window
// of inner size 0 x 0, so its surfaces keep their bounds. Closing never fails
// and clears the path first (GridModel::clear).
//
// A button is placed where the layout puts it, grown about its middle (and
// downwards) where the font needs more room for its text: a text is never
// clipped. In any palette a focused button's outline stands out from the
// window's background (and, where it can, from the button's face) by 3:1
// (colours::focusHighlight); where the palette's own does, the buttons keep
// the window's palette.
#include "forms/griddefs.h"
#include "logic/gridmodel.h"

#include <QWidget>
#include <memory>

struct AppContext;
class DotGridView;
class QMdiSubWindow;
class QPushButton;
class SubWindowFollower;

class GridWindow : public QWidget {
    Q_OBJECT
public:
    ~GridWindow() override;

    GridModel &model() { return m_model; }
    const GridModel &model() const { return m_model; }
    const GridState &state() const { return m_model.state(); }
    AppContext &context() { return m_ctx; }

    DotGridView *PicA() const { return m_picA; }
    DotGridView *PicB() const { return m_picB; }
    QPushButton *buttonA() const { return m_buttonA; } // CmdTest or CmdA
    QPushButton *CmdB() const { return m_cmdB; }

    // The left grid as it shows, without the keyboard's ring: the picture
    // File > Save writes.
    QImage inputGridImage() const;

    // Lays the window out from its current inner size.
    void layOut();
    // The inner size in twips as the layout sees it: 0 x 0 while minimised.
    QSizeF innerSizeTwips() const;

    // Closes the enclosing QMdiSubWindow, or the widget itself when it stands alone.
    void closeWindow();
    // The child window that holds this one in a workspace, if any.
    QMdiSubWindow *subWindow() const;
    // True from the moment the window starts closing.
    bool isClosed() const { return m_closed; }

protected:
    // Builds the window of definition `def` on `model` (GridModel::startWindow)
    // and lays it out. Lines are `lineWidthA` and `lineWidthB` logical pixels
    // wide. The window owns a model given as unique_ptr; one given by
    // reference outlives it.
    GridWindow(const forms::griddefs::Window &def, std::unique_ptr<GridModel> model,
               AppContext &ctx, int lineWidthA, int lineWidthB, QWidget *parent);
    GridWindow(const forms::griddefs::Window &def, GridModel &model, AppContext &ctx,
               int lineWidthA, int lineWidthB, QWidget *parent);

    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void placeControls();
    void showButtonFocus();
    void recordClick(int index);
    void takeBack();
    void showReplayDotPosition(int index);

    AppContext &m_ctx;
    std::unique_ptr<GridModel> m_ownModel; // an editor's
    GridModel &m_model;
    DotGridView *m_picA = nullptr;
    DotGridView *m_picB = nullptr;
    QPushButton *m_buttonA = nullptr;
    QPushButton *m_cmdB = nullptr;
    SubWindowFollower *m_follower = nullptr;

    bool m_built = false; // laid out by resizes only once every control exists
    bool m_closed = false;
    bool m_lastClickRecorded = false; // a double-click acts only on a recorded first press
};

// Where a window of definition `def` starts: the definition's controls and the
// dots' design-time places.
GridGeometry initialGeometry(const forms::griddefs::Window &def);
