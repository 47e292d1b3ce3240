#include "grid/editorwindow.h"

#include "forms/modalbox.h"
#include "grid/appcontext.h"
#include "grid/commands.h"
#include "grid/dotgridview.h"

#include <QMouseEvent>
#include <QPushButton>

EditorWindow::EditorWindow(AppContext &ctx, QWidget *parent)
    : GridWindow(forms::griddefs::editor(), std::make_unique<GridModel>(GridModel::Kind::Editor),
                 ctx, kLineWidth, kLineWidth, parent)
{
    //: What the editor's left grid is for, said by a screen reader.
    PicA()->setAccessibleName(tr("Your path"));
    //: The editor's right grid, which repeats the path Test saved.
    PicB()->setAccessibleName(tr("Replay"));
    connect(CmdTest(), &QPushButton::clicked, this, &EditorWindow::test);
}

void EditorWindow::test()
{
    if (isBehindModalBox(this)) return; // a screen reader's press on the button
    runTest(context().dialogs, this, context().patternFolder, model());
}

void EditorWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint())) {
        model().redrawWholePath();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}
