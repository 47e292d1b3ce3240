// What a screen reader is told without a box: a Notification object, shown
// with the text, for the window it speaks for once that window is active.
// Run on a real accessibility bus (tests/support/a11y-session.sh).
#include "forms/announcer.h"
#include "support/testenv.h"

#include <QAccessibleInterface>
#include <QApplication>
#include <QWidget>
#include <QtTest>

namespace {

QStringList g_said; // the notifications shown, "text for window"
void hear(QAccessibleEvent *event)
{
    QAccessibleInterface *i = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && i && i->role() == QAccessible::Notification)
        g_said << i->text(QAccessible::Name) + QStringLiteral(" for ") +
                      i->parent()->object()->objectName();
}

bool activate(QWidget &w)
{
    w.activateWindow(); // the X server's focus: no window manager gives it
    return QTest::qWaitForWindowActive(&w);
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
        frame.setObjectName(QStringLiteral("frame"));
        frame.show();
        other.show();
        Announcer announcer;
        QVERIFY(activate(frame));
        announcer.announce(&frame, QStringLiteral("written"));
        QCOMPARE(g_said, QStringList{"written for frame"});

        QVERIFY(activate(other));
        announcer.announce(&frame, QStringLiteral("saved"));
        QCOMPARE(g_said.size(), 1);
        QVERIFY(activate(frame));
        QTRY_COMPARE(g_said, (QStringList{"written for frame", "saved for frame"}));

        QVERIFY(activate(other));
        announcer.announce(&frame, QStringLiteral("never active"));
        QTRY_COMPARE(g_said.size(), 3);
        QAccessible::installUpdateHandler(previous);
    }
};

PLIMSO_TEST_MAIN(TestAnnouncer)
#include "tst_announcer.moc"
