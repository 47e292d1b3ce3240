#pragma once
// Which kind of input a person gave last: keys, or a pointer (a mouse button,
// a touch, a pen). Qt says why a widget got the focus (Tab, a click), but not
// when a window or a command moved it (the window activated again after a box,
// a child window opened by Ctrl+N or a toolbar click): that focus came from the
// input given last. Made once for a run, it watches the whole application's
// input while it lives.
#include <QObject>

class LastInput : public QObject {
    Q_OBJECT
public:
    enum class Kind { None, Keyboard, Pointer };

    explicit LastInput(QObject *parent = nullptr);

    Kind kind() const { return m_kind; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Kind m_kind = Kind::None;
};
