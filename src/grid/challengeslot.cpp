#include "grid/challengeslot.h"

#include "grid/challengewindow.h"
#include "grid/workspace.h"

#include <QMdiArea>
#include <QMdiSubWindow>

ChallengeWindow *ChallengeSlot::window(bool create)
{
    if (m_window && !m_window->isClosed()) return m_window;
    m_window = nullptr;
    if (!create || !m_area) return nullptr;
    auto *window = new ChallengeWindow(m_context, m_challenge);
    QMdiSubWindow *sub = addToWorkspace(m_area, window);
    sub->show();
    m_area->setActiveSubWindow(sub);
    m_window = window;
    return window;
}
