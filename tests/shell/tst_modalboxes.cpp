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
#include <QPrinter>
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
private:
    QtDialogs m_real;
    std::unique_ptr<AppContext> m_realContext;

    // A frame on real dialogs, with the challenge of stored pattern {1}.
    void startRealFrame()
    {
        startFrame(QSize(1400, 900));
        m_frame.reset();
        m_realContext = std::make_unique<AppContext>(AppContext{m_real, m_tmp->path()});
        m_challenge->setStoredPattern(patternOf({1}));
        m_frame = std::make_unique<MainFrame>(*m_realContext, *m_challenge);
        m_frame->resize(1400, 900);
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    }
    ChallengeWindow *openChallenge()
    {
        writeFile(m_tmp->filePath(QStringLiteral("p.txt")), patternFileBytes({1}));
        m_frame->openFile(m_tmp->filePath(QStringLiteral("p.txt")));
        return m_frame->challengeWindow();
    }

private slots:
    void initTestCase() { QAccessible::installFactory(&dotGridAccessibleFactory); }
    void cleanup()
    {
        if (m_frame) stopFrame();
    }

    // Each row is a way a screen-reader user reached a window behind a box;
    // each crashed or went wrong when it got through.
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
        startRealFrame();
        const QString saved = m_tmp->filePath(QStringLiteral("saved.bmp"));
        if (scene == QLatin1String("exit behind refusal") ||
            scene == QLatin1String("dots behind prompt")) {
            triggerMenu(*m_frame, "mnuFileNew");
            auto *editor =
                qobject_cast<EditorWindow *>(m_frame->mdiArea()->currentSubWindow()->widget());
            clickDot(editor->PicA(), 0);
            clickDot(editor->PicA(), 1);
            const bool refusal = scene == QLatin1String("exit behind refusal");
            bool offered = false;
            // Behind the prompt itself, or behind the refusal that follows it.
            ModalScript script(
                [&] {
                    if (refusal) return triggerMenu(*m_frame, "mnuFileExit");
                    offered =
                        pressAccessibly(editor->PicA(), 5) || pressAccessibly(editor->PicA(), 6);
                },
                answering(QMessageBox::Ok,
                          refusal ? QStringLiteral("a/b") : QStringLiteral("t.txt")),
                refusal ? 2 : 1);
            QTest::mouseClick(editor->CmdTest(), Qt::LeftButton);
            QVERIFY(m_frame->isVisible());
            QCOMPARE(editor->state().dotCount, std::int16_t(2));
            QVERIFY(!offered);
            if (!refusal)
                QCOMPARE(readFile(m_tmp->filePath(QStringLiteral("t.txt"))).left(6),
                         QByteArray("1\r\n2\r\n"));
            return;
        }
        ChallengeWindow *challenge = openChallenge();
        QVERIFY(challenge);
        const QPointer<ChallengeWindow> guard(challenge);
        clickDot(challenge->PicA(), 0);
        if (scene == QLatin1String("summit twice")) {
            ModalScript script([&] { pressAccessibly(challenge->CmdA()); },
                               answering(QMessageBox::Ok));
            QTest::mouseClick(challenge->CmdA(), Qt::LeftButton);
            QCOMPARE(script.boxes, 1);
            QTRY_VERIFY(!guard); // "You are good" closed it, once
        } else if (scene == QLatin1String("summit behind position")) {
            ModalScript script([&] { pressAccessibly(challenge->CmdA()); },
                               answering(QMessageBox::Ok));
            QVERIFY(pressAccessibly(challenge->PicB(), 0));
            QTRY_COMPARE(script.boxes, 1);
            QVERIFY(guard); // Summit never ran
        } else if (scene == QLatin1String("exit behind sorry")) {
            clickDot(challenge->PicA(), 1); // no segment 1-2 in the pattern
            ModalScript script([&] { triggerMenu(*m_frame, "mnuFileExit"); },
                               answering(QMessageBox::Yes));
            QTest::mouseClick(challenge->CmdA(), Qt::LeftButton);
            QVERIFY(m_frame->isVisible());
            QVERIFY(guard);
        } else {
            ModalScript script([&] { pressAccessibly(challenge->CmdA()); },
                               answering(QMessageBox::Ok, saved));
            triggerMenu(*m_frame, "mnuFileSave");
            QVERIFY(guard);
            QVERIFY(QFileInfo(saved).isFile());
        }
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
        GridWindow *window = nullptr;
        if (command == QLatin1String("summit")) {
            m_challenge->setStoredPattern(patternOf({1}));
            QVERIFY(writeFile(m_tmp->filePath(QStringLiteral("p.txt")), patternFileBytes({1})));
            m_frame->openFile(m_tmp->filePath(QStringLiteral("p.txt")));
            window = m_frame->challengeWindow();
            clickDot(window->PicA(), 5);
            clickDot(window->PicA(), 6);
            m_dialogs.answerMessage(Dialogs::Answer::Yes);
        } else {
            triggerMenu(*m_frame, "mnuFileNew");
            window = qobject_cast<GridWindow *>(m_frame->mdiArea()->currentSubWindow()->widget());
            clickDot(window->PicA(), 0);
            m_dialogs.answerText(command == QLatin1String("save")
                                     ? m_tmp->filePath(QStringLiteral("gone"))
                                     : QStringLiteral("gone"));
            m_dialogs.answerPrinter(true, m_tmp->filePath(QStringLiteral("gone")));
        }
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
        QVERIFY(!QFileInfo::exists(m_tmp->filePath(QStringLiteral("gone"))));
    }

    // The box is made with the window as parent, for its place and its
    // modality: it goes with the window, and the caller hears Cancel.
    void aBoxGoesWithItsParent_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("message") << 0;
        QTest::newRow("prompt") << 1;
        QTest::newRow("open dialog") << 2;
        QTest::newRow("save dialog") << 3;
        QTest::newRow("printer dialog") << 4;
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
        QtDialogs dialogs;
        switch (kind) {
        case 0:
            QCOMPARE(dialogs.message(parent, QStringLiteral("x"), {}, Dialogs::Buttons::YesNo,
                                     Dialogs::Icon::None),
                     Dialogs::Answer::No);
            break;
        case 1:
            QCOMPARE(dialogs.prompt(parent, QStringLiteral("x"), QStringLiteral("x"),
                                    QStringLiteral("d")),
                     QString());
            break;
        case 2:
            QCOMPARE(dialogs.openFileName(parent, QStringLiteral("x"), QStringLiteral("* (*)"),
                                          QDir::tempPath()),
                     QString());
            break;
        case 3:
            QCOMPARE(dialogs.saveFileName(parent, QStringLiteral("x"), QStringLiteral("* (*)")),
                     QString());
            break;
        default:
            QPrinter printer;
            QVERIFY(!dialogs.printerDialog(parent, QStringLiteral("x"), printer));
        }
        QVERIFY(!QApplication::activeModalWidget());
    }
};

PLIMSO_TEST_MAIN(TestModalBoxes)
#include "tst_modalboxes.moc"
