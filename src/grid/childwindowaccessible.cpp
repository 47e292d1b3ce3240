#include "grid/childwindowaccessible.h"

#include <QMdiSubWindow>

QAccessibleInterface *childWindowAccessibleFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("QMdiSubWindow")) return nullptr;
    if (auto *window = qobject_cast<QMdiSubWindow *>(object))
        return new ChildWindowAccessible(window);
    return nullptr;
}

ChildWindowAccessible::ChildWindowAccessible(QMdiSubWindow *window)
    : QAccessibleWidget(window, QAccessible::Window)
{
}

QMdiSubWindow *ChildWindowAccessible::subWindow() const
{
    return static_cast<QMdiSubWindow *>(widget());
}

QString ChildWindowAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    const QWidget *content = subWindow()->widget();
    if (content && !content->accessibleName().isEmpty()) return content->accessibleName();
    return subWindow()->windowTitle().remove(QLatin1String("[*]")); // as Qt names it
}

QAccessible::State ChildWindowAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (const QWidget *area = subWindow()->parentWidget())
        s.offscreen = !area->contentsRect().contains(subWindow()->geometry());
    return s;
}

int ChildWindowAccessible::childCount() const
{
    return subWindow()->widget() ? 1 : 0;
}

QAccessibleInterface *ChildWindowAccessible::child(int index) const
{
    QWidget *content = subWindow()->widget();
    return index == 0 && content ? QAccessible::queryAccessibleInterface(content) : nullptr;
}

int ChildWindowAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && child->object() && child->object() == subWindow()->widget() ? 0 : -1;
}

QRect ChildWindowAccessible::rect() const
{
    if (subWindow()->isHidden()) return QRect();
    return QRect(subWindow()->mapToGlobal(QPoint(0, 0)), subWindow()->size());
}
