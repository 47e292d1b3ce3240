// The dot grids as a screen reader meets them: each dot an accessible check
// box with one action, and the events that tell of its changes. Run on a real
// accessibility bus (tests/support/a11y-session.sh): Qt delivers no
// accessibility event while no assistive technology listens.
#include "grid/appcontext.h"
#include "grid/dotgridview.h"
#include "grid/editorwindow.h"
#include "support/fakedialogs.h"
#include "support/gridinput.h"
#include "support/testenv.h"

#include <QAccessibleActionInterface>
#include <QApplication>
#include <QtTest>

namespace {

// Accessibility events as the platform bridge would get them.
QList<QPair<QAccessible::Event, QString>> g_events;
void recordEvent(QAccessibleEvent *event)
{
    if (QAccessibleInterface *iface = event->accessibleInterface())
        g_events.append({event->type(), iface->text(QAccessible::Name)});
}

} // namespace

class TestDotAccessible : public QObject, EditorFixture {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server and an accessibility bus: run through a11y-session.sh");
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
    }

    // Each dot is a check box named as before, checked while red, whose only
    // action does what a click does; PicB's runs after the action returns.
    void screenReader()
    {
        EditorWindow &w = showEditor(false);
        const auto previous = QAccessible::installUpdateHandler(&recordEvent);
        g_events.clear();
        QAccessibleInterface *surface = QAccessible::queryAccessibleInterface(w.PicA());
        QCOMPARE(surface->childCount(), 63);
        QAccessibleInterface *dot = surface->child(40);
        QCOMPARE(dot->text(QAccessible::Name), QStringLiteral("imgGreen(40)"));
        QCOMPARE(dot->text(QAccessible::Description), QStringLiteral("Click Me"));
        QCOMPARE(dot->role(), QAccessible::CheckBox);
        QCOMPARE(dot->rect(), QRect(w.PicA()->mapToGlobal(w.PicA()->dotRect(40).topLeft()),
                                    QSize(16, 16)));
        QCOMPARE(surface->indexOfChild(dot), 40);
        QCOMPARE(dot->parent(), surface);
        QAccessibleActionInterface *actions = dot->actionInterface();
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        QVERIFY(dot->state().checkable && !dot->state().checked);

        actions->doAction(QAccessibleActionInterface::pressAction());
        actions->doAction(QAccessibleActionInterface::pressAction()); // checked: recorded again
        QCOMPARE(w.state().dotCount, std::int16_t(2));
        QVERIFY(dot->state().checked);
        QCOMPARE(g_events.count({QAccessible::StateChanged, QStringLiteral("imgGreen(40)")}), 1);

        w.resize(1000, 500);
        QTRY_VERIFY(g_events.contains({QAccessible::LocationChanged, "imgGreen(40)"}));
        QCOMPARE(dot->rect().topLeft(), w.PicA()->mapToGlobal(w.PicA()->dotRect(40).topLeft()));

        QAccessibleInterface *replay = QAccessible::queryAccessibleInterface(w.PicB())->child(3);
        QCOMPARE(replay->text(QAccessible::Name), QStringLiteral("b_imgGreen(3)"));
        replay->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(m_dialogs.messages().isEmpty()); // the box would block the screen reader
        QTRY_COMPARE(m_dialogs.messages().size(), 1);

        QAccessible::installUpdateHandler(previous);
    }

};

PLIMSO_TEST_MAIN(TestDotAccessible)
#include "tst_dotaccessible.moc"
