#include "shell/uitext.h"

#include "shell/stringtable.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QVariant>
#include <QWidget>
#include <optional>

namespace {

using StringTable::lenientNumber;
using StringTable::strictNumber;

// The number the form gives `control` in its `property`; empty when none.
QString numberOf(const QObject *control, const char *property)
{
    return control->property(property).toString();
}

std::optional<QString> strictText(const QObject *control, const char *property)
{
    const auto n = strictNumber(numberOf(control, property));
    return n ? StringTable::text(*n) : std::nullopt;
}

// Lenient numbers count only when greater than 0.
std::optional<QString> lenientText(const QObject *control, const char *property)
{
    const auto n = lenientNumber(numberOf(control, property));
    return n && *n > 0 ? StringTable::text(*n) : std::nullopt;
}

void applyToAction(QAction *a)
{
    if (a->isSeparator()) return;
    if (const auto t = strictText(a, uitext::kTextNumber)) a->setText(*t);
    if (const auto t = strictText(a, uitext::kToolTipNumber)) a->setToolTip(*t);
}

void applyToWidget(QWidget *w)
{
    if (w->testAttribute(Qt::WA_SetFont)) w->setFont(QFont()); // the window's, from now on
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (const auto t = strictText(label, uitext::kTextNumber)) label->setText(*t);
        return;
    }
    if (auto *menu = qobject_cast<QMenu *>(w)) {
        if (const auto t = strictText(menu, uitext::kTextNumber)) menu->setTitle(*t);
        return;
    }
    if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        if (const auto t = lenientText(button, uitext::kTextNumber)) button->setText(*t);
    } else if (auto *frame = qobject_cast<QGroupBox *>(w)) {
        if (const auto t = lenientText(frame, uitext::kTextNumber)) frame->setTitle(*t);
    }
    if (const auto t = lenientText(w, uitext::kToolTipNumber)) w->setToolTip(*t);
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
