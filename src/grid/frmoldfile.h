#pragma once
// The pattern challenge: the user redraws the stored pattern (shown on PicB)
// on PicA. One window serves the whole run; its state lives outside the widget
// so that it outlives a close (see grid/challengeaccess.h).
#include "grid/gridwindow.h"

class frmOldFile : public GridWindow {
    Q_OBJECT
public:
    // Builds the window from its definition on `state` (the run's shared
    // challenge state by default) and runs its load handler.
    explicit frmOldFile(AppContext &ctx, GridState &state = sharedState(),
                        QWidget *parent = nullptr);

    // The one challenge state of the run.
    static GridState &sharedState();

    QPushButton *CmdA() const { return buttonA(); }

    // The attempt on PicA; with Bflag 1 then the stored pattern on PicB.
    void MyDraw(int tColor, int Bflag) override;
    // Module1::LoadedPattern on PicB in bColor, through PicA's dot centres.
    void b_MyDraw(int bColor);

    // The user's attempt is drawn 5 pixels wide.
    static constexpr int kAttemptLineWidth = 5;

public slots:
    void CmdA_Click();

protected:
    void loadSettings() override;
    int eraseColour() const override;
};
