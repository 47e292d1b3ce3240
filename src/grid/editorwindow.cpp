#include "grid/editorwindow.h"
#include "logic/consolecolour.h"

#include "forms/colours.h"
#include "forms/griddefs.h"
#include "forms/picturesurface.h"
#include "grid/appcontext.h"
#include "grid/commands.h"
#include "logic/pathdrawing.h"

#include <QMouseEvent>
#include <QPushButton>

EditorWindow::EditorWindow(AppContext &ctx, QWidget *parent)
    : GridWindow(forms::editorDef(), "CmdTest", ctx, nullptr, parent)
{
    connect(CmdTest(), &QPushButton::clicked, this, &EditorWindow::test);
    load();
}

void EditorWindow::redraw(int colour, Sides sides)
{
    drawPath(GridKind::Editor, state(), *this, colour, sides, Pattern{});
}

void EditorWindow::test()
{
    runTest(context().dialogs, this, context().patternFolder, state().dotPath, *this);
}

void EditorWindow::loadSettings()
{
    PicA()->setLineWidth(kLineWidth);
    PicB()->setLineWidth(kLineWidth);
}

int EditorWindow::eraseColour() const
{
    return consolecolour::kBrightWhite;
}

void EditorWindow::mousePressEvent(QMouseEvent *event)
{
    // Presses that controls ignore (surfaces, dots) bubble up here: only the
    // bare background counts.
    if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint())) {
        redrawWholePath(state(), *this);
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}
