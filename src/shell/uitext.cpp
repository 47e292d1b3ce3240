#include "shell/uitext.h"

#include "shell/stringtable.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

namespace {

using StringTable::lenientNumber;
using StringTable::strictNumber;

std::optional<QString> strictText(const QString &number)
{
    const auto n = strictNumber(number);
    return n ? StringTable::text(*n) : std::nullopt;
}

// Lenient numbers count only when greater than 0.
std::optional<QString> lenientText(const QString &number)
{
    const auto n = lenientNumber(number);
    return n && *n > 0 ? StringTable::text(*n) : std::nullopt;
}

bool isIn(const QAction *action, bool (*kind)(const QObject *))
{
    const QList<QObject *> places = action->associatedObjects();
    return std::any_of(places.begin(), places.end(), kind);
}

void applyToAction(QAction *a)
{
    if (a->isSeparator()) return;
    if (isIn(a, [](const QObject *o) { return qobject_cast<const QMenu *>(o) != nullptr; }))
        if (const auto t = strictText(a->text())) a->setText(*t);
    if (isIn(a, [](const QObject *o) { return qobject_cast<const QToolBar *>(o) != nullptr; }))
        if (const auto t = strictText(a->toolTip())) a->setToolTip(*t);
}

void applyToWidget(QWidget *w)
{
    if (w->testAttribute(Qt::WA_SetFont)) w->setFont(QFont()); // the window's, from now on
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (const auto t = strictText(label->text())) label->setText(*t);
        return;
    }
    if (auto *menu = qobject_cast<QMenu *>(w)) {
        if (const auto t = strictText(menu->title())) menu->setTitle(*t);
        return;
    }
    // A toolbar's buttons show their actions, which carry their numbers.
    if (auto *tool = qobject_cast<QToolButton *>(w); tool && tool->defaultAction()) return;
    if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        if (const auto t = lenientText(button->text())) button->setText(*t);
    } else if (auto *frame = qobject_cast<QGroupBox *>(w)) {
        if (const auto t = lenientText(frame->title())) frame->setTitle(*t);
    }
    if (const auto t = lenientText(w->toolTip())) w->setToolTip(*t);
}

} // namespace

void applyStringTable(QWidget *window)
{
    if (!window) return;
    // Entries 20 and 21 would name the font and its size for the whole window.
    QFont font = window->font();
    if (const auto name = StringTable::text(20)) font.setFamily(*name);
    if (const auto size = StringTable::text(21))
        if (const auto points = strictNumber(*size); points && *points > 0)
            font.setPointSize(*points);
    if (font != window->font()) window->setFont(font);

    for (QObject *o : window->findChildren<QObject *>()) {
        if (auto *a = qobject_cast<QAction *>(o))
            applyToAction(a);
        else if (o->isWidgetType())
            applyToWidget(static_cast<QWidget *>(o));
    }
}
