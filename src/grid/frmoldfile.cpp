#include "logic/consolecolour.h"
#include "grid/frmoldfile.h"

#include "forms/colours.h"
#include "forms/griddefs.h"
#include "forms/picturesurface.h"
#include "logic/pathdrawing.h"
#include "grid/commands.h"
#include "logic/replay.h"
#include "grid/appcontext.h"
#include "shell/module1.h"

#include <QPushButton>

frmOldFile::frmOldFile(AppContext &ctx, GridState &state, QWidget *parent)
    : GridWindow(forms::frmOldFileDef(), "CmdA", ctx, &state, parent)
{
    connect(CmdA(), &QPushButton::clicked, this, &frmOldFile::CmdA_Click);
    Form_Load();
}

GridState &frmOldFile::sharedState()
{
    static GridState state;
    return state;
}

void frmOldFile::MyDraw(int tColor, int Bflag)
{
    ::MyDraw(GridKind::Challenge, state(), *this, tColor, Bflag, Module1::LoadedPattern);
}

void frmOldFile::b_MyDraw(int bColor)
{
    drawStoredPattern(Module1::LoadedPattern, *this, bColor);
}

void frmOldFile::CmdA_Click()
{
    const auto outcome = runSummit(context().dialogs, this, state(), *this, Module1::LoadedPattern,
                                   [this] { MyDraw(eraseColour(), 0); });
    if (outcome == SummitOutcome::Close) closeWindow();
}

void frmOldFile::loadSettings()
{
    PicA()->setLineWidth(kAttemptLineWidth);
}

int frmOldFile::eraseColour() const
{
    return consolecolour::kLightYellow;
}
