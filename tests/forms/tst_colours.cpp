#include "forms/colours.h"

#include <QtTest>

// Colours made to stand out, and the system colours' palette roles.
class TstColours : public QObject {
    Q_OBJECT

private slots:
    void standingOut_data();
    void standingOut();
};

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

QTEST_GUILESS_MAIN(TstColours)
#include "tst_colours.moc"
