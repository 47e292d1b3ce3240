#include "logic/consolecolour.h"
#include "grid/frmdocument.h"

#include "forms/colours.h"
#include "forms/griddefs.h"
#include "forms/picturesurface.h"
#include "logic/pathdrawing.h"
#include "grid/commands.h"
#include "grid/appcontext.h"

#include <QMouseEvent>
#include <QPushButton>

frmDocument::frmDocument(AppContext &ctx, QWidget *parent)
    : GridWindow(forms::frmDocumentDef(), "CmdTest", ctx, nullptr, parent)
{
    connect(CmdTest(), &QPushButton::clicked, this, &frmDocument::CmdTest_Click);
    Form_Load();
}

void frmDocument::MyDraw(int tColor, int Bflag)
{
    ::MyDraw(GridKind::Editor, state(), *this, tColor, Bflag, Pattern{});
}

void frmDocument::CmdTest_Click()
{
    runTest(context().dialogs, this, context().programFolder, state().dotPath, *this);
}

void frmDocument::loadSettings()
{
    PicA()->setLineWidth(kLineWidth);
    PicB()->setLineWidth(kLineWidth);
}

int frmDocument::eraseColour() const
{
    return consolecolour::kBrightWhite;
}

void frmDocument::mousePressEvent(QMouseEvent *event)
{
    // Presses that controls ignore (surfaces, dots) bubble up here: only the
    // bare background counts.
    if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint())) {
        Form_Click(state(), *this);
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}
