#include "grid/challengewindow.h"

#include "forms/modalbox.h"
#include "grid/appcontext.h"
#include "grid/commands.h"
#include "logic/challengestate.h"

#include <QPointer>
#include <QPushButton>

ChallengeWindow::ChallengeWindow(AppContext &ctx, ChallengeState &challenge, QWidget *parent)
    : GridWindow(forms::griddefs::challenge(),
                 std::make_unique<GridModel>(initialGeometry(forms::griddefs::challenge()),
                                             challenge.attempt, challenge.stored),
                 ctx, kAttemptLineWidth, kPatternLineWidth, parent),
      m_challenge(challenge)
{
    connect(CmdA(), &QPushButton::clicked, this, &ChallengeWindow::summit);
}

void ChallengeWindow::summit()
{
    if (isBehindModalBox(this)) return; // a screen reader's press on the button
    const QPointer<ChallengeWindow> self(this);
    const auto outcome = runSummit(context().dialogs, this, model(), m_challenge.stored);
    if (self && outcome == SummitOutcome::Close) closeWindow();
}
