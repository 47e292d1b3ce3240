#include "grid/challengeaccess.h"

#include "grid/frmoldfile.h"
#include "grid/workspace.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

frmOldFile *challengeWindow(QMdiArea *area, AppContext &ctx, bool createIfMissing)
{
    // Not owning: the window belongs to its child window, which deletes it on close.
    static QPointer<frmOldFile> open;
    if (open && !open->isClosed()) return open;
    open = nullptr;
    if (!createIfMissing || !area) return nullptr;
    auto *window = new frmOldFile(ctx);
    QMdiSubWindow *sub = addToWorkspace(area, window);
    sub->show();
    area->setActiveSubWindow(sub);
    open = window;
    return window;
}
