#include "grid/dotgridaccessible.h"

#include "forms/modalbox.h"
#include "grid/dotgridview.h"
#include "logic/gridmodel.h"

QAccessibleInterface *dotGridAccessibleFactory(const QString &, QObject *object)
{
    if (auto *view = qobject_cast<DotGridView *>(object)) return new DotGridAccessible(view);
    return nullptr;
}

namespace {

// "1", "1 and 5", "1, 3 and 5", in the listener's language.
QString listed(const QStringList &items)
{
    if (items.size() < 2) return items.value(0);
    QString head = items.first();
    for (qsizetype i = 1; i + 1 < items.size(); ++i)
        //: Joins the items of a list but the last ("1, 3").
        head = DotGridAccessible::tr("%1, %2").arg(head, items[i]);
    //: Joins the last item of a list to the others ("1, 3 and 5").
    return DotGridAccessible::tr("%1 and %2").arg(head, items.last());
}

} // namespace

DotGridAccessible::DotGridAccessible(DotGridView *view) : QAccessibleWidget(view) {}

DotGridAccessible::~DotGridAccessible()
{
    for (const QAccessible::Id id : m_cells)
        if (id) QAccessible::deleteAccessibleInterface(id);
}

DotGridView *DotGridAccessible::view() const
{
    return static_cast<DotGridView *>(widget());
}

QString DotGridAccessible::placeText(int index)
{
    //: Where a dot stands in its grid; %1 is its row, %2 its column, both from 1.
    return tr("row %1 column %2").arg(index / kGridColumns + 1).arg(index % kGridColumns + 1);
}

QString DotGridAccessible::stepsText(int index, const QList<int> &path)
{
    QStringList steps;
    for (qsizetype i = 0; i < path.size(); ++i)
        if (path[i] == index) steps << QString::number(i + 1);
    if (steps.isEmpty()) return QString();
    if (steps.size() == 1)
        //: A dot's place in the path: %1 is its step, %2 the number of steps.
        return tr("step %1 of %2").arg(steps.first()).arg(path.size());
    //: A dot the path passes more than once: %1 lists its steps ("1 and 5"),
    //: %2 is the number of steps.
    return tr("steps %1 of %2").arg(listed(steps)).arg(path.size());
}

QString DotGridAccessible::pathText(const QList<int> &path)
{
    if (path.isEmpty()) return tr("no path");
    QStringList places;
    for (const int dot : path)
        places << placeText(dot);
    if (places.size() == 1)
        //: A path of one dot; %1 says where it stands.
        return tr("one step: %1").arg(places.first());
    //: %1 is the number of steps, %2 lists where each dot stands, in order.
    return tr("%1 steps: %2").arg(places.size()).arg(listed(places));
}

QString DotGridAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Description) return pathText(view()->model().pathDots(view()->side()));
    return QAccessibleWidget::text(t);
}

int DotGridAccessible::childCount() const
{
    return kDotCount;
}

QAccessibleInterface *DotGridAccessible::child(int index) const
{
    if (index < 0 || index >= kDotCount) return nullptr;
    QAccessible::Id &id = m_cells[size_t(index)];
    if (!id) id = QAccessible::registerAccessibleInterface(new DotAccessible(view(), index));
    return QAccessible::accessibleInterface(id);
}

int DotGridAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (int i = 0; i < kDotCount; ++i)
        if (m_cells[size_t(i)] && QAccessible::accessibleInterface(m_cells[size_t(i)]) == child)
            return i;
    return -1;
}

QAccessibleInterface *DotGridAccessible::childAt(int x, int y) const
{
    return child(view()->dotAt(view()->mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface *DotGridAccessible::focusChild() const
{
    return view()->hasFocus() ? child(view()->focusDot()) : nullptr;
}

void *DotGridAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface *DotGridAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= kGridRows || column < 0 || column >= kGridColumns) return nullptr;
    return child(row * kGridColumns + column);
}

int DotGridAccessible::rowCount() const
{
    return kGridRows;
}

int DotGridAccessible::columnCount() const
{
    return kGridColumns;
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
        return DotGridAccessible::placeText(m_index);
    case QAccessible::Description:
        return DotGridAccessible::stepsText(m_index, m_view->model().pathDots(m_view->side()));
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
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface *>(this);
    return nullptr;
}

int DotAccessible::rowIndex() const
{
    return m_index / kGridColumns;
}

int DotAccessible::columnIndex() const
{
    return m_index % kGridColumns;
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
