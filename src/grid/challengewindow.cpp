#include "grid/challengewindow.h"

#include "forms/griddefs.h"
#include "forms/picturesurface.h"
#include "grid/appcontext.h"
#include "grid/commands.h"
#include "logic/challengestate.h"
#include "logic/consolecolour.h"
#include "logic/pathdrawing.h"

#include <QPushButton>

ChallengeWindow::ChallengeWindow(AppContext &ctx, ChallengeState &challenge, QWidget *parent)
    : GridWindow(forms::challengeDef(), "CmdA", ctx, &challenge.attempt, parent),
      m_challenge(challenge)
{
    connect(CmdA(), &QPushButton::clicked, this, &ChallengeWindow::CmdA_Click);
    Form_Load();
}

void ChallengeWindow::MyDraw(int tColor, int Bflag)
{
    ::MyDraw(GridKind::Challenge, state(), *this, tColor, Bflag, m_challenge.stored);
}

void ChallengeWindow::CmdA_Click()
{
    const auto outcome = runSummit(context().dialogs, this, state(), *this, m_challenge.stored,
                                   [this] { MyDraw(eraseColour(), 0); });
    if (outcome == SummitOutcome::Close) closeWindow();
}

void ChallengeWindow::loadSettings()
{
    PicA()->setLineWidth(kAttemptLineWidth);
}

int ChallengeWindow::eraseColour() const
{
    return consolecolour::kLightYellow;
}
