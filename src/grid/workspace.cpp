#include "grid/workspace.h"

#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>

QMdiSubWindow *addToWorkspace(QMdiArea *area, QWidget *client)
{
    const QSize wanted = client->size(); // addSubWindow resizes what it wraps
    auto *sub = new QMdiSubWindow;
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWidget(client);
    area->addSubWindow(sub);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The frame and title bar are the subwindow's contents margins.
    const QMargins m = sub->contentsMargins();
    sub->resize(wanted.grownBy(m));
    client->resize(wanted);
    return sub;
}
