#pragma once
// The pattern editor window (object name `frmDocument`): the user records a
// path on PicA; PicB repeats it on every full redraw and shows the Test
// replay. Each instance owns its state.
#include "grid/gridwindow.h"

class EditorWindow : public GridWindow {
    Q_OBJECT
public:
    // Builds the window from its definition and runs its load handler.
    explicit EditorWindow(AppContext &ctx, QWidget *parent = nullptr);

    QPushButton *CmdTest() const { return buttonA(); }

    // The path on PicA, and with Sides::Both on PicB too.
    void redraw(int colour, Sides sides) override;

    // Lines on the editor's surfaces are 2 pixels wide (defined: 1), so a
    // path stays legible over the 16-pixel dots.
    static constexpr int kLineWidth = 2;

public slots:
    void test();

protected:
    void loadSettings() override;
    int eraseColour() const override;
    // A press on the window's own background, outside surfaces and buttons.
    void mousePressEvent(QMouseEvent *event) override;
};
