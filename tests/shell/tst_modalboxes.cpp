// A modal box and the window behind it. A screen reader's actions reach
// windows behind a box, which a mouse cannot: they must do nothing there. And
// whatever closes a window while its box is up, the box goes with it and the
// command that waited on it stops: no crash, nothing written for a window
// that is gone.
#include "forms/qtdialogs.h"
#include "grid/challengewindow.h"
#include "grid/dotgridaccessible.h"
#include "grid/editorwindow.h"
#include "shell/mainframe.h"
#include "support/files.h"
#include "support/framefixture.h"
#include "support/frameinput.h"
#include "support/gridinput.h"
#include "support/paths.h"
#include "support/testenv.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <utility>

namespace {

// A screen reader's Press on `object`'s accessible interface, or on its child
// `child`; false when it offers no Press (as behind a modal box).
bool pressAccessibly(QObject *object, int child = -1)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    if (child >= 0) iface = iface->child(child);
    QAccessibleActionInterface *actions = iface->actionInterface();
    const QString press = QAccessibleActionInterface::pressAction();
    if (!actions->actionNames().contains(press)) return false;
    actions->doAction(press);
    QTest::qWait(150); // a button's press is an animated click
    return true;
}

// Answers every modal box that comes up with `answer`, after `behind` has run
// while the `behindBox`th one is up; counts the boxes.
class ModalScript : public QObject {
public:
    ModalScript(std::function<void()> behind, std::function<void(QWidget *)> answer,
                int behindBox = 1)
        : m_behind(std::move(behind)), m_answer(std::move(answer))
    {
        connect(&m_poll, &QTimer::timeout, this, [this, behindBox] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box || box == m_last) return;
            m_last = box;
            if (++boxes == behindBox) m_behind();
            m_answer(box);
        });
        m_poll.start(10);
    }
    int boxes = 0;

private:
    std::function<void()> m_behind;
    std::function<void(QWidget *)> m_answer;
    QTimer m_poll;
    QPointer<QWidget> m_last;
};

// Presses a message box's `button`, or accepts a prompt or file dialog with `text`.
std::function<void(QWidget *)> answering(QMessageBox::StandardButton button,
                                         const QString &text = {})
{
    return [button, text](QWidget *box) {
        if (auto *message = qobject_cast<QMessageBox *>(box))
            return message->button(button)->click();
        if (auto *input = qobject_cast<QInputDialog *>(box)) input->setTextValue(text);
        if (auto *files =
                qobject_cast<QFileDialog *>(box)) // as typed: selectFile skips a focused line
            files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(text);
        static_cast<QDialog *>(box)->accept();
    };
}

} // namespace

class TestModalBoxes : public QObject, FrameFixture {
    Q_OBJECT
    QtDialogs m_real;
    std::unique_ptr<AppContext> m_realContext;

    // A window of the frame with dot 0 clicked (and dot 1, for a wrong
    // attempt): an editor, or the challenge of pattern {1}.
    GridWindow *startWindow(bool challenge, bool wrong = false)
    {
        if (challenge) {
            writeFile(m_tmp->filePath(QStringLiteral("p.txt")), patternFileBytes({1}));
            m_frame->openFile(m_tmp->filePath(QStringLiteral("p.txt")));
        } else {
            triggerMenu(*m_frame, "mnuFileNew");
        }
        auto *w = qobject_cast<GridWindow *>(m_frame->mdiArea()->currentSubWindow()->widget());
        for (int dot = 0; dot <= int(wrong); ++dot)
            clickDot(w->PicA(), dot);
        return w;
    }

private slots:
    void initTestCase() { QAccessible::installFactory(&dotGridAccessibleFactory); }
    void cleanup()
    {
        if (m_frame) stopFrame();
    }

    // Each row is a way a screen-reader user reached a window behind a real
    // box; each crashed or went wrong when it got through. Nothing happens
    // there: no second box, no command, no dot recorded or offered.
    void nothingGetsPastAModalBox_data()
    {
        QTest::addColumn<QString>("scene");
        QTest::newRow("Summit pressed again behind You are good") << "summit twice";
        QTest::newRow("Summit pressed behind a dot's position box") << "summit behind position";
        QTest::newRow("Exit pressed behind Sorry") << "exit behind sorry";
        QTest::newRow("Exit pressed behind Test's refusal") << "exit behind refusal";
        QTest::newRow("Summit pressed behind the Save dialog") << "summit behind save";
        QTest::newRow("dots pressed behind Test's prompt") << "dots behind prompt";
    }
    void nothingGetsPastAModalBox()
    {
        QFETCH(QString, scene);
        startFrame(QSize(1400, 900));
        m_frame.reset();
        m_realContext = std::make_unique<AppContext>(AppContext{m_real, m_tmp->path()});
        m_frame = std::make_unique<MainFrame>(*m_realContext, *m_challenge);
        m_frame->show();
        const auto is = [&](const char *name) { return scene == QLatin1String(name); };
        const bool editor = is("exit behind refusal") || is("dots behind prompt");
        const QPointer<GridWindow> w = startWindow(!editor, is("exit behind sorry") || editor);
        const QString saved = m_tmp->filePath(QStringLiteral("saved.bmp"));
        bool offered = false;
        const auto behind = [&] {
            if (is("exit behind sorry") || is("exit behind refusal"))
                triggerMenu(*m_frame, "mnuFileExit");
            else if (editor)
                offered = pressAccessibly(w->PicA(), 5) || pressAccessibly(w->PicA(), 6);
            else
                pressAccessibly(w->buttonA()); // Summit
        };
        ModalScript script(behind,
                           answering(is("exit behind sorry") ? QMessageBox::Yes : QMessageBox::Ok,
                                     is("exit behind refusal") ? QStringLiteral("a/b")
                                     : editor                  ? QStringLiteral("t.txt")
                                                               : saved),
                           is("exit behind refusal") ? 2 : 1); // behind the refusal, not the prompt
        if (is("summit behind position"))
            QVERIFY(pressAccessibly(w->PicB(), 0));
        else if (is("summit behind save"))
            triggerMenu(*m_frame, "mnuFileSave");
        else
            QTest::mouseClick(w->buttonA(), Qt::LeftButton); // Test or Summit
        QTRY_COMPARE(script.boxes, is("exit behind refusal") ? 2 : 1);
        QVERIFY(m_frame->isVisible());
        QVERIFY(!offered);
        if (is("summit twice"))
            QTRY_VERIFY(!w); // "You are good" closed it, once
        else
            QVERIFY(w);
        if (editor) QCOMPARE(w->state().dotCount, std::int16_t(2));
        if (is("summit behind save")) QVERIFY(QFileInfo(saved).isFile());
        if (is("dots behind prompt"))
            QCOMPARE(readFile(m_tmp->filePath(QStringLiteral("t.txt"))).left(6),
                     QByteArray("1\r\n2\r\n"));
    }

    // Whatever closes a window under its box (the frame's Exit, another
    // program's request), the command that waited stops: nothing is written
    // or drawn for a window that is gone.
    void aWindowThatGoesUnderItsBoxStopsItsCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("Test's prompt") << "test";
        QTest::newRow("Summit's Sorry, answered Yes") << "summit";
        QTest::newRow("Save's dialog") << "save";
        QTest::newRow("the printer dialog") << "print";
    }
    void aWindowThatGoesUnderItsBoxStopsItsCommand()
    {
        QFETCH(QString, command);
        startFrame(QSize(1400, 900));
        const bool summit = command == QLatin1String("summit");
        GridWindow *window = startWindow(summit, summit);
        const QString gone = m_tmp->filePath(QStringLiteral("gone"));
        m_dialogs.answerMessage(Dialogs::Answer::Yes);
        m_dialogs.answerText(command == QLatin1String("test") ? QStringLiteral("gone") : gone);
        m_dialogs.answerPrinter(true, gone);
        m_dialogs.onRequest = [window](const FakeDialogs::Request &) {
            delete window->subWindow();
        };
        if (command == QLatin1String("save"))
            triggerMenu(*m_frame, "mnuFileSave");
        else if (command == QLatin1String("print"))
            triggerMenu(*m_frame, "mnuFilePrint");
        else
            QTest::mouseClick(window->buttonA(), Qt::LeftButton);
        m_dialogs.onRequest = nullptr;
        QCOMPARE(m_dialogs.requests().size(), 1);
        QVERIFY(m_frame->mdiArea()->subWindowList().isEmpty());
        QVERIFY(!QFileInfo::exists(gone));
        if (summit) QCOMPARE(m_challenge->state().dotCount, std::int16_t(2)); // not reset
    }

    // Every box runs the same way (made with the window as parent, for its
    // place and modality); one row for each way its answer is read. It goes
    // with the window, and the caller hears Cancel.
    void aBoxGoesWithItsParent_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("message") << 0;
        QTest::newRow("prompt") << 1;
        QTest::newRow("file dialog") << 2;
    }
    void aBoxGoesWithItsParent()
    {
        QFETCH(int, kind);
        auto *parent = new QWidget;
        parent->show();
        QTimer::singleShot(0, parent, [parent] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            delete parent;
        });
        QtDialogs d;
        const QString x = QStringLiteral("x");
        if (kind == 0)
            QCOMPARE(d.message(parent, x, {}, Dialogs::Buttons::YesNo, Dialogs::Icon::None),
                     Dialogs::Answer::No);
        else if (kind == 1)
            QCOMPARE(d.prompt(parent, x, x, x), QString());
        else
            QCOMPARE(d.saveFileName(parent, x, QStringLiteral("* (*)")), QString());
        QVERIFY(!QApplication::activeModalWidget());
    }
};

PLIMSO_TEST_MAIN(TestModalBoxes)
#include "tst_modalboxes.moc"
