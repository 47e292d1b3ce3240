#pragma once
// The pattern challenge window (object name `frmOldFile`): the user redraws
// the stored pattern (shown on PicB) on PicA. It works on the run's challenge
// state, which outlives the window: a later window loads on what a close left.
#include "grid/gridwindow.h"

struct ChallengeState;

class ChallengeWindow : public GridWindow {
    Q_OBJECT
public:
    // Builds the window from its definition on `challenge` and runs its load
    // handler.
    ChallengeWindow(AppContext &ctx, ChallengeState &challenge, QWidget *parent = nullptr);

    QPushButton *CmdA() const { return buttonA(); }

    // The attempt on PicA; with Sides::Both then the stored pattern on PicB.
    void redraw(int colour, Sides sides) override;

    // The user's attempt is drawn 5 pixels wide.
    static constexpr int kAttemptLineWidth = 5;

public slots:
    void summit();

protected:
    void loadSettings() override;
    int eraseColour() const override;

private:
    ChallengeState &m_challenge;
};
