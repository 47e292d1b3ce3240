// The frame's toolbar keeps its buttons the margin it was given inside its
// edges, whatever the style: QToolBar takes its margin from the style again on
// every style change.
#include "forms/frametoolbar.h"
#include "support/testenv.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <memory>

class TestFrameToolBar : public QObject {
    Q_OBJECT
private slots:
    void marginOutlivesAStyleChange()
    {
        const std::unique_ptr<QStyle> style(QStyleFactory::create(QStringLiteral("Windows")));
        QVERIFY(style);
        FrameToolBar bar;
        bar.setMargin(3);
        bar.setButtonSize(QSize(23, 22));
        QAction *action = bar.addAction(QStringLiteral("button"));
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        bar.setStyle(style.get());
        bar.layout()->activate();
        QCOMPARE(bar.widgetForAction(action)->geometry(), QRect(3, 3, 23, 22));
    }
};

PLIMSO_TEST_MAIN(TestFrameToolBar)
#include "tst_frametoolbar.moc"
