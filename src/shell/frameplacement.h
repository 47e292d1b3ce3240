#pragma once
// A top-level window's remembered placement (shell/placementstore.h), restored
// before the window is first shown and stored when it closes. Qt positions a
// window by its frame but sizes it by its client area, and learns the size of
// the window system's decorations only once the window is shown: until then
// the remembered outer size is kept, and the client size is corrected once
// when they are known.
#include "shell/screenfit.h"

#include <QObject>
#include <QRectF>
#include <QSize>

class QWidget;

class FramePlacement : public QObject {
    Q_OBJECT
public:
    // Follows `window`'s showing, moves and resizes; owned by the window.
    explicit FramePlacement(QWidget *window);

    // Whether store() remembers the window's position: only where the window
    // system lets programs place windows (screenfit::canPlaceWindows; not on
    // Wayland). The size is remembered either way.
    void setCanPlaceWindows(bool can) { m_canPlaceWindows = can; }

    // Moves and sizes the window as stored, as far as the screens allow.
    void restore();
    // Stores the window's placement, unless it is minimised. A maximised window
    // stores its maximised bounds; a stored size stays unless the user resized
    // the window. A placement that cannot be saved is told on stderr.
    void store();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void adjustForFrameMargins();

    QWidget *m_window;
    bool m_canPlaceWindows = screenfit::canPlaceWindows();
    // The remembered outer size until the window system reports the window's
    // decorations; then the client size is corrected once so that the outer
    // size is the remembered one.
    QSize m_pendingOuterSize;
    // The placement read by restore(), and the outer size it was shown at: the
    // stored one as far as the screen, the window's minimum size and its
    // margins allowed.
    QRectF m_storedPlacement;
    QSize m_appliedOuterSize;
};
