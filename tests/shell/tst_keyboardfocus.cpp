// Whether a grid's ring shows depends on what brought its focus: the keyboard
// (a key, or a command given by a key) or a pointer, whatever came before.
// Input goes to the frame's window, as a person's does.
#include "forms/lastinput.h"
#include "grid/dotgridview.h"
#include "grid/editorwindow.h"
#include "support/files.h"
#include "support/framefixture.h"
#include "support/frameinput.h"
#include "support/gridinput.h"
#include "support/testenv.h"

#include <QApplication>
#include <QTest>
#include <QToolBar>

class TestKeyboardFocus : public QObject, FrameFixture {
    Q_OBJECT
    LastInput m_lastInput;

    QWindow *window() const { return m_frame->windowHandle(); }
    void click(QWidget *w, QPoint at)
    {
        QTest::mouseClick(window(), Qt::LeftButton, {}, w->mapTo(m_frame.get(), at));
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window(), key, modifiers);
        QCoreApplication::processEvents(); // the workspace scrolls to the focus
    }
    DotGridView *focusedGrid() const
    {
        return qobject_cast<DotGridView *>(QApplication::focusWidget());
    }
    EditorWindow *activeEditor() const
    {
        return qobject_cast<EditorWindow *>(m_frame->mdiArea()->currentSubWindow()->widget());
    }

private slots:
    void init()
    {
        m_context.lastInput = &m_lastInput;
        startFrame(QSize(1400, 900));
        QApplication::setActiveWindow(m_frame.get());
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    }
    void cleanup() { stopFrame(); }

    // Ctrl+N and Ctrl+O focus the new window's right grid with the ring; the
    // toolbar's buttons focus it without.
    void commands_data()
    {
        QTest::addColumn<bool>("byKeyboard");
        QTest::addColumn<bool>("open");
        QTest::newRow("Ctrl+N") << true << false;
        QTest::newRow("toolbar New") << false << false;
        QTest::newRow("Ctrl+O") << true << true;
        QTest::newRow("toolbar Open") << false << true;
    }
    void commands()
    {
        QFETCH(bool, byKeyboard);
        QFETCH(bool, open);
        const QString file = m_tmp->filePath(QStringLiteral("p.txt"));
        QVERIFY(writeFile(file, patternFileBytes({1, 2})));
        if (open) m_dialogs.answerText(file);
        if (byKeyboard) {
            key(open ? Qt::Key_O : Qt::Key_N, Qt::ControlModifier);
        } else {
            QToolBar *bar = m_frame->toolBar();
            QWidget *button =
                bar->widgetForAction(toolButtonAction(*m_frame, open ? "開啟舊檔" : "開新檔案"));
            click(button, button->rect().center());
        }
        QVERIFY(focusedGrid());
        QCOMPARE(focusedGrid()->objectName(), QStringLiteral("PicB"));
        QCOMPARE(focusedGrid()->focusRingShown(), byKeyboard);
    }

    // After Tabs in one editor and another, clicks on a grid's dots show no
    // ring, whether the grid had the focus or the click brings it; a key
    // brings the ring back.
    void clicksAfterTabs()
    {
        key(Qt::Key_N, Qt::ControlModifier);
        key(Qt::Key_Tab);
        key(Qt::Key_N, Qt::ControlModifier);
        DotGridView *grid = activeEditor()->PicB();
        for (const int dot : {10, 11}) {
            click(grid, dotCentre(grid, dot));
            QCOMPARE(QApplication::focusWidget(), grid);
            QVERIFY(!grid->focusRingShown());
            key(Qt::Key_Tab);
        }
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), grid);
        QVERIFY(grid->focusRingShown());
    }
};

PLIMSO_TEST_MAIN(TestKeyboardFocus)
#include "tst_keyboardfocus.moc"
