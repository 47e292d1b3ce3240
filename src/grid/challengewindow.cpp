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
    connect(CmdA(), &QPushButton::clicked, this, &ChallengeWindow::summit);
    load();
}

void ChallengeWindow::redraw(int colour, Sides sides)
{
    drawPath(GridKind::Challenge, state(), *this, colour, sides, m_challenge.stored);
}

void ChallengeWindow::summit()
{
    const auto outcome = runSummit(context().dialogs, this, state(), *this, m_challenge.stored);
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
