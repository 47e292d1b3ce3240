#pragma once
// Follows the QMdiSubWindow that holds a widget, as the widget is added to a
// workspace or moved out of one, and reports when that child window is
// minimised or restored: the hidden client widget may get no resize event of
// its own then, though the size its layout sees changes.
#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>

class QWidget;

class SubWindowFollower : public QObject {
    Q_OBJECT
public:
    explicit SubWindowFollower(QWidget *client);

    // The child window that holds the client now, if any.
    QMdiSubWindow *subWindow() const { return m_subWindow; }

signals:
    void minimisedChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();

    QWidget *m_client;
    QPointer<QMdiSubWindow> m_subWindow;
};
