// A new child window opens at its defined size inside the workspace, beside
// or over the others, in either layout direction; one larger than the
// workspace fills it and shows its title bar's leading end. The workspace
// scrolls to a control that takes the focus outside it, and only then.
#include "grid/workspace.h"
#include "support/testenv.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

class TestWorkspace : public QObject {
    Q_OBJECT
private slots:
    void newWindowsOpenInView_data()
    {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<QList<QSize>>("sizes"); // the clients, added in turn
        const QList<QSize> two{{909, 406}, {909, 406}};
        const QList<QSize> large{{1200, 800}};
        QTest::newRow("left to right, two") << Qt::LeftToRight << two;
        QTest::newRow("right to left, two") << Qt::RightToLeft << two;
        QTest::newRow("left to right, larger than the area") << Qt::LeftToRight << large;
        QTest::newRow("right to left, larger than the area") << Qt::RightToLeft << large;
    }
    void newWindowsOpenInView()
    {
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(QList<QSize>, sizes);
        QMdiArea area;
        area.setLayoutDirection(direction);
        area.resize(1200, 700);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        for (const QSize &size : sizes) {
            auto *client = new QWidget;
            client->resize(size);
            QMdiSubWindow *sub = addToWorkspace(&area, client);
            sub->show();
            QCoreApplication::processEvents();
            QCOMPARE(client->size(), size);
            const QRect view = area.viewport()->rect();
            const QRect at = sub->geometry();
            QCOMPARE((at & view).size(), at.size().boundedTo(view.size())); // as much as fits
            QVERIFY(view.contains(direction == Qt::RightToLeft ? at.topRight() : at.topLeft()));
        }
    }

    void focusIsScrolledIntoView_data() { newWindowsOpenInView_data(); }
    void focusIsScrolledIntoView()
    {
        QFETCH(Qt::LayoutDirection, direction);
        QMdiArea area;
        area.setLayoutDirection(direction);
        area.resize(433, 300);
        area.show();
        QApplication::setActiveWindow(&area);
        QVERIFY(QTest::qWaitForWindowActive(&area));
        auto *client = new QWidget;
        client->resize(909, 406);
        QList<QPushButton *> b; // at the near corner, the far one, and beside the far one
        for (const int x : {10, 820, 700})
            (b << new QPushButton(client)).last()->setGeometry(x, x > 10 ? 360 : 10, 80, 30);
        addToWorkspace(&area, client)->show();
        const auto shown = [&](QPushButton *w) {
            return area.viewport()->rect().contains(
                QRect(w->mapTo(area.viewport(), QPoint()), w->size()));
        };
        QTRY_VERIFY(b[0]->hasFocus() && shown(b[0]));
        b[1]->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(shown(b[1]));
        const int scrolled = area.horizontalScrollBar()->value();
        b[2]->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QCOMPARE(area.horizontalScrollBar()->value(), scrolled); // already in view
    }
};

PLIMSO_TEST_MAIN(TestWorkspace)
#include "tst_workspace.moc"
