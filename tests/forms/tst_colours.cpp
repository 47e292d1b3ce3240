#include "forms/colours.h"

#include <QtTest>

// The 16 console colours and the standard scheme of the system colours.
class TstColours : public QObject {
    Q_OBJECT

private slots:
    void consoleTable_data();
    void consoleTable();
    void outOfRangeWraps_data();
    void outOfRangeWraps();
    void standingOut_data();
    void standingOut();
    void systemColoursHaveDistinctRoles();
};

void TstColours::consoleTable_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QColor>("rgb");
    QTest::newRow("0 black") << 0 << QColor(0, 0, 0);
    QTest::newRow("1 navy") << 1 << QColor(0, 0, 128);
    QTest::newRow("2 green") << 2 << QColor(0, 128, 0);
    QTest::newRow("3 teal") << 3 << QColor(0, 128, 128);
    QTest::newRow("4 maroon") << 4 << QColor(128, 0, 0);
    QTest::newRow("5 purple") << 5 << QColor(128, 0, 128);
    QTest::newRow("6 olive") << 6 << QColor(128, 128, 0);
    QTest::newRow("7 light grey") << 7 << QColor(192, 192, 192);
    QTest::newRow("8 grey") << 8 << QColor(128, 128, 128);
    QTest::newRow("9 blue") << 9 << QColor(0, 0, 255);
    QTest::newRow("10 lime") << 10 << QColor(0, 255, 0);
    QTest::newRow("11 cyan") << 11 << QColor(0, 255, 255);
    QTest::newRow("12 red") << 12 << QColor(255, 0, 0);
    QTest::newRow("13 magenta") << 13 << QColor(255, 0, 255);
    QTest::newRow("14 yellow") << 14 << QColor(255, 255, 0);
    QTest::newRow("15 white") << 15 << QColor(255, 255, 255);
}

void TstColours::consoleTable()
{
    QFETCH(int, number);
    QFETCH(QColor, rgb);
    QCOMPARE(colours::console(number), rgb);
    QCOMPARE(colours::console(number).alpha(), 255);
}

void TstColours::outOfRangeWraps_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("same");
    QTest::newRow("16") << 16 << 0;
    QTest::newRow("20") << 20 << 4;
    QTest::newRow("-1") << -1 << 15;
    QTest::newRow("-12") << -12 << 4;
}

void TstColours::outOfRangeWraps()
{
    QFETCH(int, number);
    QFETCH(int, same);
    QCOMPARE(colours::console(number), colours::console(same));
}

// A colour is kept where it stands out by 3:1; elsewhere it is lightened or
// darkened just enough, keeping its hue.
void TstColours::standingOut_data()
{
    QTest::addColumn<QColor>("wanted");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<bool>("kept");
    QTest::newRow("path on white") << colours::pathColour() << QColor(Qt::white) << true;
    QTest::newRow("path on yellow") << colours::pathColour() << QColor(255, 255, 0) << true;
    QTest::newRow("path on dark grey") << colours::pathColour() << QColor(53, 53, 53) << false;
    QTest::newRow("path on black") << colours::pathColour() << QColor(Qt::black) << false;
    QTest::newRow("outline on black") << QColor(Qt::black) << QColor(Qt::black) << false;
    QTest::newRow("yellow on white") << QColor(255, 255, 0) << QColor(Qt::white) << false;
}

void TstColours::standingOut()
{
    QFETCH(QColor, wanted);
    QFETCH(QColor, background);
    QFETCH(bool, kept);
    const QColor c = colours::standingOut(wanted, background);
    QVERIFY2(colours::contrast(c, background) >= 3.0, qPrintable(c.name()));
    QCOMPARE(c == wanted, kept);
    if (!kept && wanted.hsvHue() >= 0) QCOMPARE(c.hsvHue(), wanted.hsvHue());
}

void TstColours::systemColoursHaveDistinctRoles()
{
    // Background and text colours must not collapse onto one role, or text
    // would vanish on its own background.
    using colours::System;
    QVERIFY(colours::paletteRole(System::WindowBackground) !=
            colours::paletteRole(System::WindowText));
    QVERIFY(colours::paletteRole(System::ButtonFace) != colours::paletteRole(System::ButtonText));
    QVERIFY(colours::paletteRole(System::TitleBarText) !=
            colours::paletteRole(System::WindowBackground));
}

QTEST_GUILESS_MAIN(TstColours)
#include "tst_colours.moc"
