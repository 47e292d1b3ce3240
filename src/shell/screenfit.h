#pragma once
// Keeps a restored window placement usable on the screens that exist now: a
// remembered placement may come from a monitor that has since been removed.
#include <QList>
#include <QRect>

namespace screenfit {

// `frame` (outer geometry, pixels) made usable on `screens` (their available
// areas): its size is capped to the area all screens span, and a frame that
// touches no screen at all is moved to the top-left corner of `primary`.
// With no screens the frame is returned unchanged.
QRect fit(const QRect &frame, const QList<QRect> &screens, const QRect &primary);

// The same against the screens of the running application.
QRect fitToScreens(const QRect &frame);

} // namespace screenfit
