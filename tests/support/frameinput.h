#pragma once
// Driving the frame as a user does: through its menu entries' actions and its
// toolbar buttons, never by calling the commands behind them.
#include "shell/mainframe.h"

#include <QAction>
#include <QTest>
#include <QToolBar>

// Triggers the menu entry `name` ("mnuFileOpen"), as a click on it does.
inline void triggerMenu(MainFrame &frame, const char *name)
{
    QAction *action = frame.menuAction(QString::fromLatin1(name));
    QVERIFY2(action, name);
    action->trigger();
}

// Clicks the toolbar button with `key` ("開啟舊檔").
inline void clickToolButton(MainFrame &frame, const QString &key)
{
    QAction *action = frame.toolButton(key);
    QVERIFY2(action, qPrintable(key));
    QWidget *button = frame.toolBar()->widgetForAction(action);
    QVERIFY2(button, qPrintable(key));
    QTest::mouseClick(button, Qt::LeftButton);
}
