#include "forms/lastinput.h"

#include <QCoreApplication>
#include <QEvent>

LastInput::LastInput(QObject *parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool LastInput::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    // A shortcut is offered to the focused widget before its command runs.
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        m_kind = Kind::Keyboard;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        m_kind = Kind::Pointer;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
