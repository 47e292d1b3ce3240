#include "forms/menushortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

namespace {

QAction *entryFor(const QList<QAction *> &actions, const QKeySequence &keys)
{
    for (QAction *a : actions) {
        if (QMenu *sub = a->menu()) {
            if (QAction *found = entryFor(sub->actions(), keys)) return found;
        } else if (a->isEnabled() && a->isVisible() && a->shortcuts().contains(keys)) {
            return a;
        }
    }
    return nullptr;
}

class ShortcutPasser : public QObject {
public:
    ShortcutPasser(QMenu *menu, const QMenuBar *bar) : QObject(menu), m_bar(bar) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return false;
        if (!m_bar) return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        QAction *entry = entryFor(m_bar->actions(), QKeySequence(key->keyCombination()));
        if (!entry) return false;
        // Claimed before Qt's shortcut handling, so the key press comes here.
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        // The open menus are the popups: this one and those it was opened from.
        for (QWidget *popup = QApplication::activePopupWidget(); popup;
             popup = QApplication::activePopupWidget())
            if (!popup->close()) break;
        QTimer::singleShot(0, entry, &QAction::trigger);
        return true;
    }

private:
    QPointer<const QMenuBar> m_bar;
};

} // namespace

void passOnShortcuts(QMenu *menu, const QMenuBar *bar)
{
    menu->installEventFilter(new ShortcutPasser(menu, bar));
}
