#include "grid/challengewindow.h"

#include "grid/appcontext.h"
#include "grid/commands.h"
#include "grid/dotgridview.h"
#include "logic/challengestate.h"

#include <QPushButton>

ChallengeWindow::ChallengeWindow(AppContext &ctx, ChallengeState &challenge, QWidget *parent)
    : GridWindow(forms::griddefs::challenge(),
                 std::make_unique<GridModel>(initialGeometry(forms::griddefs::challenge()),
                                             challenge.attempt, challenge.stored),
                 ctx, kAttemptLineWidth, kPatternLineWidth, parent),
      m_challenge(challenge)
{
    //: What the challenge's left grid is for, said by a screen reader.
    PicA()->setAccessibleName(tr("Your attempt"));
    //: The challenge's right grid, which shows the stored pattern.
    PicB()->setAccessibleName(tr("Pattern to repeat"));
    connect(CmdA(), &QPushButton::clicked, this, &ChallengeWindow::summit);
}

void ChallengeWindow::summit()
{
    const auto outcome = runSummit(context().dialogs, this, model(), m_challenge.stored);
    if (outcome == SummitOutcome::Close) closeWindow();
}
