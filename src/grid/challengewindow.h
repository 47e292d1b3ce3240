#pragma once
// The pattern challenge window (object name `frmOldFile`): the user redraws
// the stored pattern (shown on PicB) on PicA. It shows the run's challenge
// model, which outlives the window: a later window shows what a close left.
// A screen reader hears the grids as "Your attempt" and "Pattern to repeat".
#include "grid/gridwindow.h"

class ChallengeWindow : public GridWindow {
    Q_OBJECT
public:
    // Builds the window from its definition on `challenge` (a model of kind
    // Challenge) and lays it out.
    ChallengeWindow(AppContext &ctx, GridModel &challenge, QWidget *parent = nullptr);

    QPushButton *CmdA() const { return buttonA(); }

    // The user's attempt is drawn 5 pixels wide, the stored pattern 1.
    static constexpr int kAttemptLineWidth = 5;
    static constexpr int kPatternLineWidth = 1;

public slots:
    void summit();
};
