// The fixed definitions of the editor and the challenge window: the dots'
// design-time places and tooltips. (What the windows show of the rest is
// checked on the windows themselves, in tst_gridwindow.)
#include "forms/griddefs.h"

#include <QtTest>

using namespace forms::griddefs;

class TestGridDefs : public QObject {
    Q_OBJECT
private slots:
    void dotRule_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QPointF>("at");
        QTest::newRow("0") << 0 << QPointF(480, 240);
        QTest::newRow("1") << 1 << QPointF(1320, 360);
        QTest::newRow("3") << 3 << QPointF(2880, 480);
        QTest::newRow("8") << 8 << QPointF(6240, 600);
        QTest::newRow("44") << 44 << QPointF(6240, 2520);
        QTest::newRow("45") << 45 << QPointF(480, 2520);
        QTest::newRow("52") << 52 << QPointF(5640, 2880);
        QTest::newRow("62") << 62 << QPointF(6240, 3360);
        QTest::newRow("63, apart") << 63 << QPointF(6000, 120);
    }
    void dotRule()
    {
        QFETCH(int, index);
        QFETCH(QPointF, at);
        QCOMPARE(designDotA(index), at);
    }

    void replayGrid_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QPointF>("at");
        QTest::newRow("0") << 0 << QPointF(120, 120);
        QTest::newRow("8") << 8 << QPointF(5640, 120);
        QTest::newRow("9") << 9 << QPointF(240, 600);
        QTest::newRow("26") << 26 << QPointF(5520, 1200);
        QTest::newRow("27") << 27 << QPointF(120, 1680);
        QTest::newRow("35") << 35 << QPointF(5400, 1680);
        QTest::newRow("40") << 40 << QPointF(2760, 2280);
        QTest::newRow("62") << 62 << QPointF(5520, 3240);
    }
    void replayGrid()
    {
        QFETCH(int, index);
        QFETCH(QPointF, at);
        QCOMPARE(designDotB(index), at);
    }

    void replayTooltips()
    {
        int tipped = 0;
        for (int i = 0; i < 63; ++i)
            tipped += designTipB(i);
        QCOMPARE(tipped, 28);
        for (int i : {1, 2, 4, 6, 9, 31, 60})
            QVERIFY2(designTipB(i), qPrintable(QString::number(i)));
        for (int i : {0, 3, 5, 7, 8, 10, 61, 62})
            QVERIFY2(!designTipB(i), qPrintable(QString::number(i)));
    }
};

QTEST_GUILESS_MAIN(TestGridDefs)
#include "tst_griddefs.moc"
