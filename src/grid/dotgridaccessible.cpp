#include "grid/dotgridaccessible.h"

#include "forms/modalbox.h"
#include "grid/dotgridview.h"
#include "logic/gridmodel.h"

QAccessibleInterface *dotGridAccessibleFactory(const QString &, QObject *object)
{
    if (auto *view = qobject_cast<DotGridView *>(object)) return new DotGridAccessible(view);
    return nullptr;
}

DotGridAccessible::DotGridAccessible(DotGridView *view) : QAccessibleWidget(view) {}

DotGridView *DotGridAccessible::view() const
{
    return static_cast<DotGridView *>(widget());
}

int DotGridAccessible::childCount() const
{
    return kDotCount;
}

QAccessibleInterface *DotGridAccessible::child(int index) const
{
    return view()->dotInterface(index);
}

int DotGridAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (int i = 0; i < kDotCount; ++i)
        if (view()->dotInterface(i) == child) return i;
    return -1;
}

QAccessibleInterface *DotGridAccessible::childAt(int x, int y) const
{
    const int dot = view()->dotAt(view()->mapFromGlobal(QPoint(x, y)));
    return dot >= 0 ? view()->dotInterface(dot) : nullptr;
}

QAccessibleInterface *DotGridAccessible::focusChild() const
{
    return view()->hasFocus() ? view()->dotInterface(view()->focusDot()) : nullptr;
}

DotAccessible::DotAccessible(DotGridView *view, int index) : m_view(view), m_index(index) {}

bool DotAccessible::isValid() const
{
    return !m_view.isNull();
}

QWindow *DotAccessible::window() const
{
    return m_view ? m_view->window()->windowHandle() : nullptr;
}

QAccessibleInterface *DotAccessible::parent() const
{
    return m_view ? QAccessible::queryAccessibleInterface(m_view.data()) : nullptr;
}

QString DotAccessible::text(QAccessible::Text t) const
{
    if (!m_view) return QString();
    switch (t) {
    case QAccessible::Name:
        return QStringLiteral("%1(%2)")
            .arg(m_view->side() == Side::A ? QLatin1String("imgGreen") : QLatin1String("b_imgGreen"))
            .arg(m_index);
    case QAccessible::Description:
        return m_view->dotToolTip(m_index);
    default:
        return QString();
    }
}

QRect DotAccessible::rect() const
{
    if (!m_view) return QRect();
    const QRect r = m_view->dotRect(m_index);
    return QRect(m_view->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::State DotAccessible::state() const
{
    QAccessible::State s;
    if (!m_view) {
        s.invalid = true;
        return s;
    }
    s.checkable = true;
    s.checked = m_view->model().isRed(m_view->side(), m_index);
    s.focusable = true;
    s.focused = m_view->hasFocus() && m_view->focusDot() == m_index;
    s.invisible = !m_view->isVisible();
    return s;
}

void *DotAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                : nullptr;
}

QStringList DotAccessible::actionNames() const
{
    // Behind a modal box a dot offers nothing, so a Press reports failure.
    if (!m_view || isBehindModalBox(m_view)) return {};
    return {pressAction()};
}

void DotAccessible::doAction(const QString &actionName)
{
    if (m_view && actionName == pressAction()) m_view->press(m_index);
}

QStringList DotAccessible::keyBindingsForAction(const QString &) const
{
    return {};
}
