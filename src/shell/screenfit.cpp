#include "shell/screenfit.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace screenfit {

QRect fit(const QRect &frame, const QList<QRect> &screens, const QRect &primary)
{
    if (screens.isEmpty()) return frame;
    QRect span;
    for (const QRect &s : screens)
        span |= s;
    QRect r(frame.topLeft(), frame.size().boundedTo(span.size()));
    const bool visible = std::any_of(screens.begin(), screens.end(),
                                     [&](const QRect &s) { return s.intersects(r); });
    if (!visible) r.moveTopLeft(primary.topLeft());
    return r;
}

QRect fitToScreens(const QRect &frame)
{
    QList<QRect> areas;
    for (const QScreen *s : QGuiApplication::screens())
        areas.append(s->availableGeometry());
    const QScreen *primary = QGuiApplication::primaryScreen();
    return fit(frame, areas, primary ? primary->availableGeometry() : QRect());
}

} // namespace screenfit
