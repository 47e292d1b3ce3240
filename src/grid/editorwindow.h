#pragma once
// The pattern editor window (object name `frmDocument`): the user records a
// path on PicA; PicB repeats it on every full redraw and shows the Test
// replay. Each instance owns its model and path. A screen reader hears the
// grids as "Your path" and "Replay".
#include "grid/gridwindow.h"

class EditorWindow : public GridWindow {
    Q_OBJECT
public:
    // Builds the window from its definition and lays it out.
    explicit EditorWindow(AppContext &ctx, QWidget *parent = nullptr);

    QPushButton *CmdTest() const { return buttonA(); }

    // Lines on the editor's surfaces are 2 pixels wide (defined: 1), so a
    // path stays legible over the 16-pixel dots.
    static constexpr int kLineWidth = 2;

public slots:
    void test();

protected:
    // A press on the window's own background, outside surfaces and buttons,
    // draws the path again on both surfaces.
    void mousePressEvent(QMouseEvent *event) override;
};
