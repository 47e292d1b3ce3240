// The dot grids as a screen reader meets them: each grid a table of 7 x 9
// dots, each dot a cell that is a check box with one action, and the events
// that tell of their changes. Run on a real accessibility bus
// (tests/support/a11y-session.sh): Qt delivers no accessibility event while
// no assistive technology listens.
#include "grid/appcontext.h"
#include "grid/challengewindow.h"
#include "grid/dotgridaccessible.h"
#include "grid/dotgridview.h"
#include "grid/editorwindow.h"
#include "logic/gridmodel.h"
#include "support/fakedialogs.h"
#include "support/gridinput.h"
#include "support/paths.h"
#include "support/testenv.h"

#include <QAccessibleActionInterface>
#include <QApplication>
#include <QPushButton>
#include <QtTest>
#include <tuple>

namespace {

// An event as the platform bridge gets it: what about, and which dot (-1: the grid).
using Heard = std::tuple<QAccessible::Event, QObject *, int>;
QList<Heard> g_heard;
void hear(QAccessibleEvent *event)
{
    g_heard.append({event->type(), event->object(), event->child()});
}

QAccessibleInterface *grid(DotGridView *view)
{
    return QAccessible::queryAccessibleInterface(view);
}

QString description(QAccessibleInterface *iface)
{
    return iface->text(QAccessible::Description);
}

} // namespace

class TestDotAccessible : public QObject, EditorFixture {
    Q_OBJECT

    QAccessible::UpdateHandler m_previous = nullptr;

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server and an accessibility bus: run through a11y-session.sh");
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
        QAccessible::installFactory(&dotGridAccessibleFactory); // as start-up does
    }
    void init()
    {
        g_heard.clear();
        m_previous = QAccessible::installUpdateHandler(&hear);
    }
    void cleanup()
    {
        QAccessible::installUpdateHandler(m_previous);
        m_window.reset();
    }

    // A grid is a 7 x 9 table whose child i is the cell of dot i; a cell is
    // made when first asked for, kept, and goes with its view.
    void table_data()
    {
        QTest::addColumn<int>("dot");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << 0 << 0 << 0 << "row 1 column 1";
        QTest::newRow("end of the first row") << 8 << 0 << 8 << "row 1 column 9";
        QTest::newRow("start of the second row") << 9 << 1 << 0 << "row 2 column 1";
        QTest::newRow("last") << 62 << 6 << 8 << "row 7 column 9";
    }
    void table()
    {
        QFETCH(int, dot);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, name);
        EditorWindow &w = showEditor(false);
        QAccessibleInterface *surface = grid(w.PicA());
        QAccessibleTableInterface *table = surface->tableInterface();
        QCOMPARE(surface->role(), QAccessible::Table);
        QCOMPARE(QList<int>({table->rowCount(), table->columnCount(), surface->childCount()}),
                 QList<int>({7, 9, 63}));
        QAccessibleInterface *cell = table->cellAt(row, column);
        QCOMPARE(surface->child(dot), cell);
        QCOMPARE(surface->indexOfChild(cell), dot);
        QCOMPARE(cell->parent(), surface);
        QAccessibleTableCellInterface *place = cell->tableCellInterface();
        QCOMPARE(place->table(), surface);
        QCOMPARE(QList<int>({place->rowIndex(), place->columnIndex()}), QList<int>({row, column}));
        QCOMPARE(cell->text(QAccessible::Name), name);
        const QRect r = w.PicA()->dotRect(dot);
        QCOMPARE(cell->rect(), QRect(w.PicA()->mapToGlobal(r.topLeft()), r.size()));
        QCOMPARE(surface->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
        QVERIFY(!table->cellAt(7, 0) && !table->cellAt(0, 9));

        const QAccessible::Id id = QAccessible::uniqueId(cell);
        m_window.reset();
        QVERIFY(!QAccessible::accessibleInterface(id));
    }

    // Each dot is a check box checked exactly while red, whose one action
    // does what a click does (a checked dot is recorded again); PicB's runs
    // after the action returns, since it opens a box.
    void checkBox()
    {
        EditorWindow &w = showEditor(false);
        QAccessibleInterface *dot = grid(w.PicA())->child(40);
        QCOMPARE(dot->role(), QAccessible::CheckBox);
        QVERIFY(dot->state().checkable && !dot->state().checked);
        QAccessibleActionInterface *actions = dot->actionInterface();
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        actions->doAction(QAccessibleActionInterface::pressAction());
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(w.state().dotCount, std::int16_t(2));
        QVERIFY(dot->state().checked);
        QCOMPARE(g_heard.count({QAccessible::StateChanged, w.PicA(), 40}), 1);
        w.resize(1000, 500);
        QTRY_VERIFY(g_heard.contains({QAccessible::LocationChanged, w.PicA(), 40}));

        grid(w.PicB())->child(3)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        QVERIFY(m_dialogs.messages().isEmpty()); // the box would block the screen reader
        QTRY_COMPARE(m_dialogs.messages().size(), 1);
    }

    // Each grid says what it is for; the challenge's pattern grid describes
    // the stored pattern in its file's order, zeros left out.
    void names()
    {
        EditorWindow &w = showEditor(false);
        GridModel challenge(GridModel::Kind::Challenge);
        challenge.setStoredPattern(patternOf({1, 11, 0, 2}));
        ChallengeWindow c(m_ctx, challenge);
        QStringList names;
        for (DotGridView *view : {w.PicA(), w.PicB(), c.PicA(), c.PicB()})
            names << grid(view)->text(QAccessible::Name);
        QCOMPARE(names, (QStringList{"Your path", "Replay", "Your attempt", "Pattern to repeat"}));
        QCOMPARE(description(grid(c.PicB())),
                 QStringLiteral("3 steps: row 1 column 1, row 2 column 2 and row 1 column 2"));
        QCOMPARE(description(grid(c.PicB())->child(10)), QStringLiteral("step 2 of 3"));
    }

    // The grid lists its path in order and each dot tells its steps; both
    // change, and are said to change, as the path does: the left grid at
    // each click and take-back, the replay grid at a replay.
    void descriptionsFollowThePath()
    {
        EditorWindow &w = showEditor(false);
        QAccessibleInterface *left = grid(w.PicA());
        QCOMPARE(description(left), QStringLiteral("no path"));
        for (const int dot : {0, 1, 0})
            clickDot(w.PicA(), dot);
        QCOMPARE(description(left),
                 QStringLiteral("3 steps: row 1 column 1, row 1 column 2 and row 1 column 1"));
        QCOMPARE(description(left->child(0)), QStringLiteral("steps 1 and 3 of 3"));
        QCOMPARE(description(left->child(1)), QStringLiteral("step 2 of 3"));
        QCOMPARE(description(left->child(2)), QString());
        QCOMPARE(g_heard.count({QAccessible::DescriptionChanged, w.PicA(), -1}), 3);
        QCOMPARE(g_heard.count({QAccessible::DescriptionChanged, w.PicA(), 1}), 2);
        QVERIFY(!g_heard.contains({QAccessible::DescriptionChanged, w.PicA(), 2}));

        g_heard.clear();
        QTest::keyClick(w.PicA(), Qt::Key_Backspace);
        QCOMPARE(description(left->child(0)), QStringLiteral("step 1 of 2"));
        QVERIFY(g_heard.contains({QAccessible::DescriptionChanged, w.PicA(), 0}));
        QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(3, 3)); // replayed on PicB
        QCOMPARE(description(grid(w.PicB())),
                 QStringLiteral("2 steps: row 1 column 1 and row 1 column 2"));
        QVERIFY(g_heard.contains({QAccessible::DescriptionChanged, w.PicB(), -1}));
    }

    // Tab into a grid focuses its ringed dot last: Qt's own focus event for
    // the grid comes first, and does not take the focus back from the dot.
    void tabFocusesTheDot()
    {
        EditorWindow &w = showEditor(false);
        w.activateWindow(); // the X server's focus: no window manager gives it
        QVERIFY(QTest::qWaitForWindowActive(&w));
        clickDot(w.PicA(), 20);
        w.CmdTest()->setFocus(Qt::TabFocusReason);
        g_heard.clear();
        QTest::keyClick(w.CmdTest(), Qt::Key_Tab);
        QTRY_COMPARE(g_heard.value(g_heard.size() - 1), Heard(QAccessible::Focus, w.PicA(), 20));
        QVERIFY(grid(w.PicA())->child(20)->state().focused);
    }
};

PLIMSO_TEST_MAIN(TestDotAccessible)
#include "tst_dotaccessible.moc"
