#pragma once
// What a screen reader sees of a DotGridView: the surface, with each of its 63
// dots as a child check box. A dot keeps its name (`imgGreen(40)`,
// `b_imgGreen(3)`), is checked exactly while it shows the red picture, has its
// tooltip as description and the rectangle it is drawn in as extents, and
// offers one action, Press, which does what a click does (pressing a checked
// dot records it again: it is not a toggle). Behind a modal box it offers no
// action, so a screen reader's Press fails as a click would.
#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QAccessibleWidget>
#include <QPointer>

class DotGridView;

// The factory Qt asks for a DotGridView's interface (QAccessible::installFactory).
QAccessibleInterface *dotGridAccessibleFactory(const QString &className, QObject *object);

// The surface: its dots are its children, in index order.
class DotGridAccessible : public QAccessibleWidget {
public:
    explicit DotGridAccessible(DotGridView *view);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

private:
    DotGridView *view() const;
};

// One dot. The view creates and registers one for each dot and deletes them
// when it goes.
class DotAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    DotAccessible(DotGridView *view, int index);

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::CheckBox; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    QPointer<DotGridView> m_view;
    int m_index;
};
