#pragma once
// Driving the frame as a user does: through its menu entries' actions and its
// toolbar buttons, never by calling the commands behind them.
#include "shell/mainframe.h"

#include <QAction>
#include <QTest>
#include <QToolBar>

// A menu entry, menu title or separator by its object name ("mnuFileOpen"),
// as tools find it.
inline QAction *menuAction(const MainFrame &frame, const QString &name)
{
    return frame.findChild<QAction *>(name);
}

// The action behind the toolbar button whose key ("開啟舊檔") names it, or nullptr.
inline QAction *toolButtonAction(const MainFrame &frame, const QString &key)
{
    for (QAction *a : frame.toolBar()->actions())
        if (QWidget *w = frame.toolBar()->widgetForAction(a);
            w && !a->isSeparator() && w->objectName() == key)
            return a;
    return nullptr;
}

// Triggers the menu entry `name` ("mnuFileOpen"), as a click on it does.
inline void triggerMenu(MainFrame &frame, const char *name)
{
    QAction *action = menuAction(frame, QString::fromLatin1(name));
    QVERIFY2(action, name);
    action->trigger();
}

// Clicks the toolbar button with `key` ("開啟舊檔").
inline void clickToolButton(MainFrame &frame, const QString &key)
{
    QAction *action = toolButtonAction(frame, key);
    QVERIFY2(action, qPrintable(key));
    QWidget *button = frame.toolBar()->widgetForAction(action);
    QVERIFY2(button, qPrintable(key));
    QTest::mouseClick(button, Qt::LeftButton);
}
