#include "grid/subwindowfollower.h"

#include <QEvent>
#include <QMdiSubWindow>

SubWindowFollower::SubWindowFollower(QWidget *client) : QObject(client), m_client(client)
{
    client->installEventFilter(this);
    follow();
}

bool SubWindowFollower::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::ParentChange) follow();
    return false;
}

void SubWindowFollower::follow()
{
    auto *sub = qobject_cast<QMdiSubWindow *>(m_client->parentWidget());
    if (sub == m_subWindow) return;
    if (m_subWindow) disconnect(m_subWindow, nullptr, this, nullptr);
    m_subWindow = sub;
    if (sub)
        connect(sub, &QMdiSubWindow::windowStateChanged, this,
                [this](Qt::WindowStates oldState, Qt::WindowStates newState) {
                    if ((oldState ^ newState).testFlag(Qt::WindowMinimized)) emit minimisedChanged();
                });
}
