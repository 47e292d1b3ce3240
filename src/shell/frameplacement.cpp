#include "shell/frameplacement.h"

#include "forms/twips.h"
#include "shell/placementstore.h"

#include <QEvent>
#include <QWidget>
#include <cstdio>

FramePlacement::FramePlacement(QWidget *window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
}

void FramePlacement::restore()
{
    const PlacementStore placement;
    m_storedPlacement = placement.read();
    // Said once here; store() says why it saves nothing.
    if (const QString problem = placement.readProblem(); !problem.isEmpty())
        std::fputs(qPrintable(problem + QLatin1Char('\n')), stderr);
    const QRect wanted = screenfit::fitToScreens(twips::toPixels(m_storedPlacement));
    // Qt positions a window by its frame but sizes it by its client area.
    const QSize margins = m_window->frameGeometry().size() - m_window->size();
    m_window->move(wanted.topLeft());
    m_window->resize(wanted.size() - margins);
    m_pendingOuterSize = margins.isNull() ? wanted.size() : QSize();
    m_appliedOuterSize = wanted.size();
}

void FramePlacement::store()
{
    if (m_window->isMinimized()) return;
    // A maximised frame reports its maximised bounds here.
    // The stored size stays unless the user resized the frame: a size capped to
    // a smaller screen must not replace it.
    const QRectF placement =
        screenfit::remembered(m_storedPlacement, m_appliedOuterSize, m_window->frameGeometry());
    // Where the window system places windows itself, the position the frame
    // reports is not where it is: the stored one stays.
    const QString problem = m_canPlaceWindows ? PlacementStore().write(placement)
                                              : PlacementStore().writeSize(placement.size());
    // The frame closes all the same.
    if (!problem.isEmpty()) std::fputs(qPrintable(problem + QLatin1Char('\n')), stderr);
}

bool FramePlacement::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window) return false;
    switch (event->type()) {
    case QEvent::Show:
        // Shown by the program, not restored by the window system: the frame's
        // minimum size now holds, and a stored size below it was overridden,
        // not changed by the user.
        if (!event->spontaneous()) m_appliedOuterSize = m_window->frameGeometry().size();
        adjustForFrameMargins();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        adjustForFrameMargins();
        break;
    default:
        break;
    }
    return false;
}

void FramePlacement::adjustForFrameMargins()
{
    if (!m_pendingOuterSize.isValid() || !m_window->isVisible() ||
        m_window->windowState() != Qt::WindowNoState)
        return;
    const QSize margins = m_window->frameGeometry().size() - m_window->size();
    if (margins.isNull()) return;
    const QSize client = m_pendingOuterSize - margins;
    m_pendingOuterSize = QSize();
    m_window->resize(client);
    m_appliedOuterSize = m_window->frameGeometry().size(); // no smaller than the minimum allows
}
