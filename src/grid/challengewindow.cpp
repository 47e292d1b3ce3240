#include "grid/challengewindow.h"

#include "forms/modalbox.h"
#include "grid/appcontext.h"
#include "grid/commands.h"
#include "grid/dotgridview.h"

#include <QPointer>
#include <QPushButton>

ChallengeWindow::ChallengeWindow(AppContext &ctx, GridModel &challenge, QWidget *parent)
    : GridWindow(forms::griddefs::challenge(), challenge, ctx, kAttemptLineWidth, kPatternLineWidth,
                 parent)
{
    //: What the challenge's left grid is for, said by a screen reader.
    PicA()->setAccessibleName(tr("Your attempt"));
    //: The challenge's right grid, which shows the stored pattern.
    PicB()->setAccessibleName(tr("Pattern to repeat"));
    connect(CmdA(), &QPushButton::clicked, this, &ChallengeWindow::summit);
}

void ChallengeWindow::summit()
{
    if (isBehindModalBox(this)) return; // a screen reader's press on the button
    const QPointer<ChallengeWindow> self(this);
    const auto outcome = runSummit(context().dialogs, this, model());
    if (self && outcome == SummitOutcome::Close) closeWindow();
}
