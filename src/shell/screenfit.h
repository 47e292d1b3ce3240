#pragma once
// Keeps a restored window placement usable on the screens that exist now: a
// remembered placement may come from a monitor that has since been removed, or
// from a larger screen than this one.
#include <QList>
#include <QRect>
#include <QRectF>

namespace screenfit {

// The frame's top-left part that must lie within one screen's available area:
// enough of the title bar to see the frame and drag it back.
inline constexpr QSize kGrabStrip(100, 50);

// `frame` (outer geometry, pixels) made usable on `screens` (their available
// areas, the primary first): unless its top-left kGrabStrip (capped to its
// size) already lies within one screen, it is moved the least distance that
// puts that strip within a screen, the primary winning a tie. A frame larger
// than that screen in either direction moves to the screen's top-left corner
// and is capped to the screen's size, so that all of it shows. With no screens
// the frame is returned unchanged.
QRect fit(const QRect &frame, const QList<QRect> &screens);

// The same against the screens of the running application.
QRect fitToScreens(const QRect &frame);

// The placement to remember at Exit, in twips, for a frame whose outer geometry
// is now `frame` (pixels), that was shown at outer size `applied` from the
// stored placement `stored` (twips): the frame's position, and the stored size
// unchanged unless the frame's size is no longer the applied one (the user
// resized or maximised it, and then its size is remembered). So a size capped
// to a smaller screen is not lost after one run there.
QRectF remembered(const QRectF &stored, const QSize &applied, const QRect &frame);

// Whether the window system named `platformName` (Qt's platform plugin name)
// lets a program place its top-level windows and tells it where they are: not
// Wayland's ("wayland", "wayland-egl", ...), where the compositor alone places
// windows and a window's reported position means nothing. Qt 6.4 offers no
// capability query for this; the platform's name decides.
bool canPlaceWindows(const QString &platformName);
// The same for the running application's platform.
bool canPlaceWindows();

} // namespace screenfit
