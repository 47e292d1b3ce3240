// A grid's ring shows when the keyboard brought its focus (a key, or a command
// given by a key), never after a click, whatever came before. Keys, and
// clicks on a grid, go to the frame's window, as a person's do.
#include "forms/lastinput.h"
#include "support/files.h"
#include "support/framefixture.h"
#include "support/frameinput.h"
#include "support/gridinput.h"
#include "support/testenv.h"

#include <QTest>

class TestKeyboardFocus : public QObject, FrameFixture {
    Q_OBJECT
    LastInput m_lastInput;

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(m_frame->windowHandle(), key, modifiers);
        QCoreApplication::processEvents(); // the workspace scrolls to the focus
    }
    DotGridView *focusedGrid() { return qobject_cast<DotGridView *>(QApplication::focusWidget()); }

private slots:
    void init()
    {
        m_context.lastInput = &m_lastInput;
        startFrame(QSize(1400, 900));
        QApplication::setActiveWindow(m_frame.get());
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    }
    void cleanup() { stopFrame(); }

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
        if (byKeyboard)
            key(open ? Qt::Key_O : Qt::Key_N, Qt::ControlModifier);
        else
            clickToolButton(*m_frame, open ? "開啟舊檔" : "開新檔案");
        QVERIFY(focusedGrid() && focusedGrid()->objectName() == QStringLiteral("PicB"));
        QCOMPARE(focusedGrid()->focusRingShown(), byKeyboard);
    }

    // After Tabs in one editor and another, a click on a grid's dot shows no
    // ring, whether the grid had the focus or the click brings it.
    void clicksAfterTabs()
    {
        key(Qt::Key_N, Qt::ControlModifier);
        key(Qt::Key_Tab);
        key(Qt::Key_N, Qt::ControlModifier);
        DotGridView *grid = focusedGrid();
        for (const int dot : {10, 11}) {
            QTest::mouseClick(m_frame->windowHandle(), Qt::LeftButton, {},
                              grid->mapTo(m_frame.get(), dotCentre(grid, dot)));
            QVERIFY(grid->hasFocus() && !grid->focusRingShown());
            key(Qt::Key_Tab);
        }
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(grid->focusRingShown());
    }
};

PLIMSO_TEST_MAIN(TestKeyboardFocus)
#include "tst_keyboardfocus.moc"
