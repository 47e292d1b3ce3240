#pragma once
// What a screen reader sees of a child window in the workspace: a window
// named by its content's accessible name, which setChildCaption
// (grid/workspace.h) makes the caption exactly, with its content as its one
// child. Qt's own interface names it by its title, which carries the escapes
// and the left-to-right isolation that only the title bar needs.
#include <QAccessibleWidget>

class QMdiSubWindow;

// The factory Qt asks for a QMdiSubWindow's interface (QAccessible::installFactory).
QAccessibleInterface *childWindowAccessibleFactory(const QString &className, QObject *object);

class ChildWindowAccessible : public QAccessibleWidget {
public:
    explicit ChildWindowAccessible(QMdiSubWindow *window);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QRect rect() const override;

private:
    QMdiSubWindow *subWindow() const;
};
