#include "grid/challengewindow.h"

#include "forms/modalbox.h"
#include "grid/appcontext.h"
#include "grid/commands.h"

#include <QPointer>
#include <QPushButton>

ChallengeWindow::ChallengeWindow(AppContext &ctx, GridModel &challenge, QWidget *parent)
    : GridWindow(forms::griddefs::challenge(), challenge, ctx, kAttemptLineWidth, kPatternLineWidth,
                 parent)
{
    connect(CmdA(), &QPushButton::clicked, this, &ChallengeWindow::summit);
}

void ChallengeWindow::summit()
{
    if (isBehindModalBox(this)) return; // a screen reader's press on the button
    const QPointer<ChallengeWindow> self(this);
    const auto outcome = runSummit(context().dialogs, this, model());
    if (self && outcome == SummitOutcome::Close) closeWindow();
}
