#include "grid/workspace.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QStyle>

namespace {

// The start of a span of `size` inside [low, high) nearest to `start`; a span
// that does not fit keeps its leading end inside (the low end, or the high one
// for a right-to-left span).
int fitSpan(int start, int size, int low, int high, bool fromHigh)
{
    if (size > high - low) return fromHigh ? high - size : low;
    return qBound(low, start, high - size);
}

bool isShownAsEscape(QChar c)
{
    const char16_t u = c.unicode();
    return c.category() == QChar::Other_Control || u == 0x061c || u == 0x200e || u == 0x200f ||
           (u >= 0x202a && u <= 0x202e) || (u >= 0x2066 && u <= 0x2069);
}

} // namespace

QMdiSubWindow *addToWorkspace(QMdiArea *area, QWidget *client)
{
    const QSize wanted = client->size(); // addSubWindow resizes what it wraps
    // Made in the area's viewport, the child window knows its frame and title
    // bar (its contents margins) before it is added, so that the area places
    // it at its final size rather than at a small default size grown later.
    auto *sub = new QMdiSubWindow(area->viewport());
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWidget(client);
    sub->resize(wanted.grownBy(sub->contentsMargins()));
    area->addSubWindow(sub);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    client->resize(wanted);
    // The area has put it where it overlaps the others least, but within its
    // whole rectangle, frame and scroll bars included: keep it within the part
    // that shows. A hidden area places its new children when shown.
    if (area->isVisible()) {
        const QRect at = sub->geometry();
        // The scroll bars a window too large for the area brings take their
        // room once it shows.
        QRect view = area->viewport()->rect();
        const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
        if (at.width() > view.width() && !area->horizontalScrollBar()->isVisible())
            view.setHeight(view.height() - bar);
        if (at.height() > view.height() && !area->verticalScrollBar()->isVisible())
            view.setWidth(view.width() - bar);
        sub->move(fitSpan(at.x(), at.width(), view.left(), view.right() + 1,
                          sub->layoutDirection() == Qt::RightToLeft),
                  fitSpan(at.y(), at.height(), view.top(), view.bottom() + 1, false));
    }
    return sub;
}

QString shownCaption(const QString &caption)
{
    QString shown;
    for (const QChar c : caption)
        shown += isShownAsEscape(c)
                     ? QStringLiteral("\\u%1").arg(
                           QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0'))
                     : QString(c);
    return shown;
}

void setChildCaption(QMdiSubWindow *sub, const QString &caption)
{
    // Qt reads "[*]" in a title as the place of the modified mark, and shows
    // "[*][*]" as a literal "[*]".
    QString title = shownCaption(caption).replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
    if (sub->layoutDirection() == Qt::RightToLeft)
        title = QChar(0x2066) + title + QChar(0x2069); // LEFT-TO-RIGHT ISOLATE ... POP
    sub->widget()->setWindowTitle(title);
    sub->widget()->setAccessibleName(caption);
    sub->setWindowTitle(title);
}
