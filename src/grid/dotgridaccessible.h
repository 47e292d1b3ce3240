#pragma once
// What a screen reader meets of a DotGridView: a table of 7 rows and 9
// columns whose 63 cells are the dots, child i being the dot of index i (row
// i / 9, column i % 9). The table's name is the view's accessible name (what
// the grid is for), its description the path the grid shows, step by step.
// A dot is named by where it stands ("row 2 column 3", counted from 1),
// describes its place in that path ("step 2 of 4", "steps 1 and 5 of 6"), is
// checkable and checked exactly while it shows the red picture, and offers one
// action, Press, which does what a click does (pressing a checked dot records
// it again: it is not a toggle). Behind a modal box it offers no action, so a
// screen reader's Press fails as a click would.
//
// As Qt's item views do, the table makes a dot's interface when it is first
// asked for, keeps it by index and deletes it when the view goes; the view
// knows nothing of these classes and names a dot in its events by child index.
#include "logic/gridstate.h"

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <array>

class DotGridView;

// Makes the interface of a DotGridView; installed once, at start-up
// (QAccessible::installFactory).
QAccessibleInterface *dotGridAccessibleFactory(const QString &className, QObject *object);

class DotGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
    Q_DECLARE_TR_FUNCTIONS(DotGridAccessible)

public:
    explicit DotGridAccessible(DotGridView *view);
    ~DotGridAccessible() override;

    QAccessible::Role role() const override { return QAccessible::Table; }
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    // The table: no caption, headers or selection.
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int rowCount() const override;
    int columnCount() const override;
    QString rowDescription(int) const override { return QString(); }
    QString columnDescription(int) const override { return QString(); }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

    // Where dot `index` stands, for a listener ("row 2 column 3").
    static QString placeText(int index);
    // Dot `index`'s place in `path` ("step 2 of 4"); empty when it is not in it.
    static QString stepsText(int index, const QList<int> &path);
    // The whole path, in order ("3 steps: row 1 column 1, ...").
    static QString pathText(const QList<int> &path);

private:
    DotGridView *view() const;

    mutable std::array<QAccessible::Id, kDotCount> m_cells{}; // by dot index; 0 until asked for
};

// One dot: a cell of its grid's table.
class DotAccessible : public QAccessibleInterface,
                      public QAccessibleTableCellInterface,
                      public QAccessibleActionInterface {
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

    int rowIndex() const override;
    int columnIndex() const override;
    int rowExtent() const override { return 1; }
    int columnExtent() const override { return 1; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    bool isSelected() const override { return false; }
    QAccessibleInterface *table() const override { return parent(); }

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    QPointer<DotGridView> m_view;
    int m_index;
};
