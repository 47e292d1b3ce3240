#include "grid/workspace.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
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

// How far a span [low, high) must move back to lie within [viewLow, viewHigh):
// none while it lies within; one too long keeps its leading end in view (the
// high one for a right-to-left span).
int shiftIntoView(int low, int high, int viewLow, int viewHigh, bool fromHigh)
{
    if (high - low > viewHigh - viewLow) return fromHigh ? high - viewHigh : low - viewLow;
    if (low < viewLow) return low - viewLow;
    return high > viewHigh ? high - viewHigh : 0;
}

// Scrolls `area` so that `widget`, when it lies in one of its child windows,
// shows whole in the area's viewport, or as much of it as fits.
void scrollToShow(QMdiArea *area, const QWidget *widget)
{
    QWidget *view = area->viewport();
    if (!widget || !view->isAncestorOf(widget)) return;
    const QRect at(widget->mapTo(view, QPoint(0, 0)), widget->size());
    const QRect shown = view->rect();
    const int dx = shiftIntoView(at.left(), at.right() + 1, shown.left(), shown.right() + 1,
                                 area->isRightToLeft());
    const int dy = shiftIntoView(at.top(), at.bottom() + 1, shown.top(), shown.bottom() + 1, false);
    // A right-to-left area's horizontal scroll bar runs the other way.
    QScrollBar *h = area->horizontalScrollBar();
    if (dx) h->setValue(h->value() + (area->isRightToLeft() ? -dx : dx));
    if (dy) area->verticalScrollBar()->setValue(area->verticalScrollBar()->value() + dy);
}

// Keeps the focused control of an area's child windows in view; one per area.
class FocusInView : public QObject {
public:
    static constexpr const char *kName = "plimso_focusInView";
    explicit FocusInView(QMdiArea *area) : QObject(area)
    {
        setObjectName(QLatin1String(kName));
        // Once the events of the change are through: a child window that has
        // just opened brings the area's scroll bars only then.
        connect(qApp, &QApplication::focusChanged, this, [this, area](QWidget *, QWidget *now) {
            QMetaObject::invokeMethod(
                this, [area, now = QPointer<QWidget>(now)] { scrollToShow(area, now); },
                Qt::QueuedConnection);
        });
    }
};

// Gives the child window's Close entry Ctrl+F4 beside Qt's own shortcut for
// closing (Ctrl+W on this desktop), as desktop users expect.
void addCloseShortcut(QMdiSubWindow *sub)
{
    const QList<QKeySequence> close = QKeySequence::keyBindings(QKeySequence::Close);
    const QKeySequence ctrlF4(Qt::CTRL | Qt::Key_F4);
    if (!sub->systemMenu() || close.isEmpty() || close.contains(ctrlF4)) return;
    for (QAction *action : sub->systemMenu()->actions())
        if (action->shortcuts() == close) action->setShortcuts(close + QList<QKeySequence>{ctrlF4});
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
    // The child window itself is no Tab stop: Tab and Shift+Tab cycle through
    // its controls alone. A click on its title bar still focuses it, and it
    // passes the focus on to the control that last had it.
    sub->setFocusPolicy(Qt::ClickFocus);
    addCloseShortcut(sub);
    sub->setWidget(client);
    sub->resize(wanted.grownBy(sub->contentsMargins()));
    area->addSubWindow(sub);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    if (!area->findChild<QObject *>(QLatin1String(FocusInView::kName), Qt::FindDirectChildrenOnly))
        new FocusInView(area);
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
