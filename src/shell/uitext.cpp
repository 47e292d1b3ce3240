#include "shell/uitext.h"

#include "forms/formbuilder.h"
#include "shell/stringtable.h"

#include <QAction>
#include <QToolBar>
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

QString tagOf(const QObject *o)
{
    return o->property("Tag").toString();
}

void applyToControl(QObject *c)
{
    const QString type = c->property("typeName").toString();
    if (type == QLatin1String("Label")) {
        if (const auto t = strictText(tagOf(c))) forms::setCaption(c, *t);
    } else if (type == QLatin1String("Menu")) {
        auto *a = qobject_cast<QAction *>(c);
        if (a && !a->isSeparator())
            if (const auto t = strictText(a->text())) a->setText(*t);
    } else if (type == QLatin1String("Toolbar")) {
        if (auto *bar = qobject_cast<QToolBar *>(c))
            for (QAction *button : bar->actions())
                if (!button->isSeparator())
                    if (const auto t = strictText(button->toolTip())) button->setToolTip(*t);
    } else {
        if (const auto t = lenientText(tagOf(c))) forms::setCaption(c, *t);
        if (const auto t = lenientText(forms::toolTip(c))) forms::setToolTip(c, *t);
    }
}

} // namespace

void applyStringTable(QWidget *window)
{
    if (!window) return;
    if (const auto t = strictText(tagOf(window))) window->setWindowTitle(*t);

    // Entries 20 and 21 would name the font and its size for the whole window.
    QFont font = window->font();
    if (const auto name = StringTable::text(20)) font.setFamily(*name);
    if (const auto size = StringTable::text(21))
        if (const auto points = strictNumber(*size); points && *points > 0)
            font.setPointSize(*points);
    if (font != window->font()) window->setFont(font);

    const QString form = window->objectName();
    const QList<QObject *> all = window->findChildren<QObject *>();
    for (QObject *c : all) {
        if (c->property("form").toString() != form || !c->property("typeName").isValid()) continue;
        if (c->isWidgetType()) static_cast<QWidget *>(c)->setFont(window->font());
        applyToControl(c);
    }
}
