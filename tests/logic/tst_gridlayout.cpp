// The layout arithmetic of a dot grid window: surfaces, buttons and dot places.
#include "logic/gridlayout.h"

#include <QtTest>

using namespace gridlayout;

namespace {
// The editor's design-time bounds of PicA, PicB, CmdTest and CmdB.
const Controls kDesign{QRectF(240, 240, 6735, 3975), QRectF(7080, 240, 6255, 3855),
                       QRectF(5040, 4440, 1695, 1095), QRectF(7560, 4320, 1575, 1095)};

QRectF at(const Controls &c, GridControl which)
{
    return c[size_t(which)];
}
} // namespace

class TestGridLayout : public QObject {
    Q_OBJECT
private slots:
    void surfaceBounds_data()
    {
        QTest::addColumn<float>("w");
        QTest::addColumn<float>("h");
        QTest::addColumn<bool>("laidOut");
        QTest::addColumn<QRectF>("a");
        QTest::addColumn<QRectF>("b");
        QTest::newRow("editor") << 13515.f << 6090.f << true << QRectF(960, 1000, 5557.5, 2490)
                                << QRectF(6877.5, 1000, 5557.5, 2490);
        QTest::newRow("challenge") << 14055.f << 8820.f << true << QRectF(960, 1000, 5827.5, 5220)
                                   << QRectF(7147.5, 1000, 5827.5, 5220);
        QTest::newRow("smallest") << 2400.f << 3600.f << true << QRectF(960, 1000, 0, 0)
                                  << QRectF(1320, 1000, 0, 0);
        QTest::newRow("too narrow") << 2385.f << 9000.f << false << QRectF() << QRectF();
        QTest::newRow("too low") << 9000.f << 3585.f << false << QRectF() << QRectF();
        QTest::newRow("minimised") << 0.f << 0.f << false << QRectF() << QRectF();
    }
    void surfaceBounds()
    {
        QFETCH(float, w);
        QFETCH(float, h);
        QFETCH(bool, laidOut);
        QCOMPARE(gridlayout::surfaceBounds(Side::A, w, h).has_value(), laidOut);
        QCOMPARE(gridlayout::surfaceBounds(Side::B, w, h).has_value(), laidOut);
        if (!laidOut) return;
        QFETCH(QRectF, a);
        QFETCH(QRectF, b);
        QCOMPARE(*gridlayout::surfaceBounds(Side::A, w, h), a);
        QCOMPARE(*gridlayout::surfaceBounds(Side::B, w, h), b);
        // 360 twips between the surfaces
        QCOMPARE(b.left() - (a.left() + a.width()), 360.0);
    }

    // Dot k of row k / 9 and column k % 9 at (240, 120) plus whole steps of
    // PicA's ninth and seventh, to a hundredth of a twip.
    void dotPositions_data()
    {
        QTest::addColumn<QSizeF>("picA");
        QTest::addColumn<int>("dot");
        QTest::addColumn<QPointF>("topLeft");
        const QSizeF editor(5557.5, 2490), odd(2688.5, 1399);
        QTest::newRow("editor, first") << editor << 0 << QPointF(240, 120);
        QTest::newRow("editor, row 0, column 5") << editor << 5 << QPointF(3327.5, 120);
        QTest::newRow("editor, row 3, column 0") << editor << 27 << QPointF(240, 1187.1429);
        QTest::newRow("editor, last") << editor << 62 << QPointF(5180, 2254.2857);
        QTest::newRow("odd, row 4, column 4") << odd << 40 << QPointF(1434.8889, 919.4286);
        QTest::newRow("odd, last") << odd << 62 << QPointF(2629.7778, 1319.1429);
        QTest::newRow("smallest, last") << QSizeF(0, 0) << 62 << QPointF(240, 120);
    }
    void dotPositions()
    {
        QFETCH(QSizeF, picA);
        QFETCH(int, dot);
        QFETCH(QPointF, topLeft);
        const QPointF p = dotTopLeft(dot, gridSteps(picA));
        QVERIFY2((p - topLeft).manhattanLength() < 0.01,
                 qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
    }
    void singlePrecision()
    {
        // PicA 1000 wide: 8 * (1000/9) + 240 differs in the last bits between
        // single and double precision; the layout computes in single.
        const QPointF p = dotTopLeft(62, gridSteps(QSizeF(1000, 1000)));
        const float colW = 1000.0f / 9.0f, rowH = 1000.0f / 7.0f;
        QCOMPARE(p.x(), double(8.0f * colW + 240.0f));
        QCOMPARE(p.y(), double(6.0f * rowH + 120.0f));
        QVERIFY(p.x() != 8.0 * (1000.0 / 9.0) + 240.0);
    }

    void buttons()
    {
        const Controls c = layOutControls(kDesign, 13515, 6090);
        const QRectF picA = at(c, GridControl::PicA);
        const QRectF picB = at(c, GridControl::PicB);
        // First layout: Left from the design-time width 1695.
        QCOMPARE(at(c, GridControl::ButtonA),
                 QRectF(960 + 5557.5 - 1695 - 280, 2490 + 1200, 5557.5 / 5, 1095));
        QCOMPARE(at(c, GridControl::CmdB),
                 QRectF(picB.left(), picB.height() + 1200, picB.width() / 5, 1095));
        // Second layout at the same size: the right edge lands 280 inside PicA's.
        const QRectF button = at(layOutControls(c, 13515, 6090), GridControl::ButtonA);
        QCOMPARE(button.left() + button.width(), picA.left() + picA.width() - 280);
        QCOMPARE(button.height(), 1095.0);
    }

    void smallestWindow()
    {
        const Controls c = layOutControls(kDesign, 2400, 3600);
        QCOMPARE(at(c, GridControl::ButtonA).width(), 0.0);
        QCOMPARE(at(c, GridControl::ButtonA).top(), 1200.0);
        QCOMPARE(at(c, GridControl::CmdB).width(), 0.0);
        QCOMPARE(at(c, GridControl::CmdB).top(), 1200.0);
    }

    void minimisedKeepsBounds()
    {
        const Controls twice = layOutControls(layOutControls(kDesign, 13515, 6090), 13515, 6090);
        QCOMPARE(layOutControls(twice, 0, 0), twice); // buttons recomputed from kept bounds: same
    }

    void negativeHeightKeepsBothSurfaces()
    {
        // Wide but too low: both surface steps are skipped, later steps read the old bounds.
        const Controls c = layOutControls(kDesign, 20000, 100);
        QCOMPARE(at(c, GridControl::PicA), QRectF(240, 240, 6735, 3975));
        QCOMPARE(at(c, GridControl::CmdB), QRectF(7080, 3855 + 1200, 6255.0f / 5.0f, 1095));
    }
};

QTEST_GUILESS_MAIN(TestGridLayout)
#include "tst_gridlayout.moc"
