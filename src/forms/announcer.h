#pragma once
// Tells assistive technology of an outcome that a sighted user sees drawn (a
// file written) without showing anything: a screen reader speaks it.
//
// Qt 6.4 has no announcement event, and a screen reader cannot speak a name
// or description change of the focused object from Qt 6.4 (its AT-SPI bridge
// sends the object in place of the new text). Orca speaks an object of the
// Notification role when it is shown, with its name: the announcer is such an
// object, never drawn, whose parent is the window it speaks for, "shown"
// again with each new text.
//
// Right after a modal box closes, the window system gives the window its
// activation back a moment later, and a screen reader then speaks the window
// and its focus, cutting off what was said before. So a text for a window that
// is not active waits until it is and its focus has been told, or for a
// second at most.
#include <QAccessible>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QWidget;

class Announcer : public QObject {
public:
    Announcer();
    ~Announcer() override;

    // Says `text` for `widget`'s window. Nothing happens while no assistive
    // technology listens. A text still waiting is replaced.
    void announce(QWidget *widget, const QString &text);

private:
    void sayPending();

    QAccessible::Id m_id = 0; // the notification, once one was needed
    QPointer<QWidget> m_window;
    QString m_pending;
    QTimer m_patience;
};
