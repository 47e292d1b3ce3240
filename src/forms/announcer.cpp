#include "forms/announcer.h"

#include <QAccessibleInterface>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <utility>

namespace {

// How long a text waits for its window's activation, and then for the focus.
constexpr std::chrono::milliseconds kPatience{1000};
constexpr std::chrono::milliseconds kSettle{100};

// The notification: its name is the text, its parent the window.
class Notice : public QAccessibleInterface {
public:
    void set(QWidget *window, const QString &text)
    {
        m_window = window;
        m_text = text;
    }

    bool isValid() const override { return !m_window.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_window ? m_window->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return m_window ? QAccessible::queryAccessibleInterface(m_window.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? m_text : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return QRect(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return QAccessible::State(); }

private:
    QPointer<QWidget> m_window;
    QString m_text;
};

} // namespace

Announcer::Announcer()
{
    m_patience.setSingleShot(true);
    connect(&m_patience, &QTimer::timeout, this, &Announcer::sayPending);
    // Once the activation and the focus that comes with it have been told
    // (a grid tells of its dot's focus after its own).
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this] {
        if (m_patience.isActive() && m_window && m_window->isActiveWindow())
            m_patience.start(kSettle);
    });
}

Announcer::~Announcer()
{
    if (m_id) QAccessible::deleteAccessibleInterface(m_id);
}

void Announcer::announce(QWidget *widget, const QString &text)
{
    if (!QAccessible::isActive() || !widget) return;
    m_window = widget->window();
    m_pending = text;
    if (m_window->isActiveWindow())
        sayPending();
    else
        m_patience.start(kPatience);
}

void Announcer::sayPending()
{
    m_patience.stop();
    if (!m_window || m_pending.isNull()) return;
    if (!m_id) m_id = QAccessible::registerAccessibleInterface(new Notice);
    auto *notice = static_cast<Notice *>(QAccessible::accessibleInterface(m_id));
    notice->set(m_window, std::exchange(m_pending, QString()));
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
