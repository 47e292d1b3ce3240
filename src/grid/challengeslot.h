#pragma once
// The place of the run's one challenge window in a workspace.
//
// At most one ChallengeWindow is open at a time. window() returns it while it
// is open. When none is open (never created, or closed since) and `create` is
// set, it builds a new one on the run's challenge model (which outlives every
// close, so the new window loads on what the last close left), adds it to the
// area as a child window, shows it and makes it the area's current child;
// otherwise it returns nullptr. A window that has started closing counts as
// closed. The child window owns the window; the slot only points at it.
#include <QPointer>

struct AppContext;
class GridModel;
class ChallengeWindow;
class QMdiArea;

class ChallengeSlot {
public:
    ChallengeSlot(QMdiArea *area, AppContext &context, GridModel &challenge)
        : m_area(area), m_context(context), m_challenge(challenge)
    {
    }

    ChallengeWindow *window(bool create);

private:
    QMdiArea *m_area;
    AppContext &m_context;
    GridModel &m_challenge;
    QPointer<ChallengeWindow> m_window;
};
