// What a screen reader is told without a box: a Notification object shown
// with the text, for the window it speaks for, once that window is active.
// Run on a real accessibility bus (tests/support/a11y-session.sh).
#include "forms/announcer.h"
#include "support/testenv.h"

#include <QAccessibleInterface>
#include <QApplication>
#include <QWidget>
#include <QtTest>

namespace {

// The notifications shown: their text and the window they speak for.
QList<QPair<QString, QObject *>> g_said;
void hear(QAccessibleEvent *event)
{
    QAccessibleInterface *iface = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && iface &&
        iface->role() == QAccessible::Notification)
        g_said.append({iface->text(QAccessible::Name), iface->parent()->object()});
}

void activate(QWidget &w)
{
    w.activateWindow(); // the X server's focus: no window manager gives it
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

} // namespace

class TestAnnouncer : public QObject {
    Q_OBJECT

private slots:
    // A text for a window that is not active (a modal box has just closed)
    // waits for its activation, which a screen reader speaks and which would
    // cut off anything said before; it waits a second at most.
    void waitsForTheWindow()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server and an accessibility bus: run through a11y-session.sh");
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
        const auto previous = QAccessible::installUpdateHandler(&hear);
        QWidget frame, other;
        frame.show();
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame) && QTest::qWaitForWindowExposed(&other));
        Announcer announcer;

        activate(frame);
        announcer.announce(&frame, QStringLiteral("written"));
        QCOMPARE(g_said, (QList<QPair<QString, QObject *>>{{QStringLiteral("written"), &frame}}));

        activate(other);
        g_said.clear();
        announcer.announce(&frame, QStringLiteral("saved"));
        QVERIFY(g_said.isEmpty());
        activate(frame);
        QTRY_COMPARE(g_said, (QList<QPair<QString, QObject *>>{{QStringLiteral("saved"), &frame}}));

        activate(other);
        g_said.clear();
        announcer.announce(&frame, QStringLiteral("never active"));
        QTRY_COMPARE(g_said.size(), 1);
        QAccessible::installUpdateHandler(previous);
    }
};

PLIMSO_TEST_MAIN(TestAnnouncer)
#include "tst_announcer.moc"
