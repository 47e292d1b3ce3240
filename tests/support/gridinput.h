#pragma once
// Clicking the dots of a grid surface as a person does, with real mouse events
// at the dot's centre, for every test and benchmark; and an editor window
// shown on its own.
#include "grid/dotgridview.h"
#include "grid/appcontext.h"
#include "grid/editorwindow.h"
#include "support/fakedialogs.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <memory>

// An editor window on scripted dialogs, standing on its own, for one test
// function at a time.
struct EditorFixture {
    FakeDialogs m_dialogs;
    AppContext m_ctx{m_dialogs, QDir::tempPath()};
    std::unique_ptr<EditorWindow> m_window;

    // A new window, shown; with `active`, also the active window, which has the keyboard.
    EditorWindow &showEditor(bool active)
    {
        m_dialogs.clear();
        m_window = std::make_unique<EditorWindow>(m_ctx);
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get())) qFatal("the editor window never showed");
        if (active) {
            QApplication::setActiveWindow(m_window.get());
            if (!QTest::qWaitForWindowActive(m_window.get())) qFatal("the editor never became active");
        }
        return *m_window;
    }
};

inline QPoint dotCentre(const DotGridView *view, int dot)
{
    return view->dotRect(dot).topLeft() + QPoint(8, 8);
}

inline void clickDot(DotGridView *view, int dot)
{
    QTest::mouseClick(view, Qt::LeftButton, {}, dotCentre(view, dot));
}

// A person's double-click: the click of the first press, then the double-click
// and its release.
inline void doubleClickDot(DotGridView *view, int dot)
{
    clickDot(view, dot);
    QTest::mouseDClick(view, Qt::LeftButton, {}, dotCentre(view, dot));
    QTest::mouseRelease(view, Qt::LeftButton, {}, dotCentre(view, dot));
}
