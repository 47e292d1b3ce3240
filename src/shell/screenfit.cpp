#include "shell/screenfit.h"

#include "forms/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <limits>

namespace screenfit {

bool canPlaceWindows(const QString &platformName)
{
    return !platformName.startsWith(QLatin1String("wayland"));
}

bool canPlaceWindows()
{
    return canPlaceWindows(QGuiApplication::platformName());
}

QRect fit(const QRect &frame, const QList<QRect> &screens)
{
    if (screens.isEmpty()) return frame;
    const QSize strip = kGrabStrip.boundedTo(frame.size());
    QRect screen;
    QPoint topLeft;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (const QRect &s : screens) {
        // The nearest top-left that keeps the strip within this screen.
        const QPoint to(
            std::clamp(frame.x(), s.x(), std::max(s.x(), s.right() + 1 - strip.width())),
            std::clamp(frame.y(), s.y(), std::max(s.y(), s.bottom() + 1 - strip.height())));
        const QPoint d = to - frame.topLeft();
        const qint64 distance = qint64(d.x()) * d.x() + qint64(d.y()) * d.y();
        if (distance < bestDistance) {
            screen = s;
            topLeft = to;
            bestDistance = distance;
        }
    }
    if (frame.width() > screen.width() || frame.height() > screen.height())
        return QRect(screen.topLeft(), frame.size().boundedTo(screen.size()));
    return QRect(topLeft, frame.size());
}

QRect fitToScreens(const QRect &frame)
{
    QList<QRect> areas; // Qt lists the primary screen first
    for (const QScreen *s : QGuiApplication::screens())
        areas.append(s->availableGeometry());
    return fit(frame, areas);
}

QRectF remembered(const QRectF &stored, const QSize &applied, const QRect &frame)
{
    const QRectF now = twips::fromPixels(frame);
    if (frame.size() != applied) return now;
    return QRectF(now.topLeft(), stored.size());
}

} // namespace screenfit
