// The layout of a dot grid window from its inner size, against a recording canvas.
#include "logic/gridlayout.h"
#include "support/recordingcanvas.h"

#include <QtTest>

using namespace gridlayout;

namespace {
// The editor's design-time bounds of PicA, PicB, CmdTest and CmdB.
RecordingCanvas designCanvas()
{
    RecordingCanvas c;
    c.controls[size_t(GridControl::PicA)] = QRectF(240, 240, 6735, 3975);
    c.controls[size_t(GridControl::PicB)] = QRectF(7080, 240, 6255, 3855);
    c.controls[size_t(GridControl::ButtonA)] = QRectF(5040, 4440, 1695, 1095);
    c.controls[size_t(GridControl::CmdB)] = QRectF(7560, 4320, 1575, 1095);
    return c;
}

QStringList resizeAndLog(RecordingCanvas &c, float w, float h, int erase = 15)
{
    c.log.clear();
    layOut(c, w, h, erase, [&c](int colour, Sides sides) {
        c.log
            << QStringLiteral("redraw %1 %2").arg(colour).arg(sides == Sides::Both ? "both" : "A");
    });
    return c.log;
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

    void dotPositions_data()
    {
        QTest::addColumn<float>("w");
        QTest::addColumn<float>("h");
        QTest::newRow("editor") << 13515.f << 6090.f;
        QTest::newRow("challenge") << 14055.f << 8820.f;
        QTest::newRow("maximised") << 19185.f << 11475.f;
        QTest::newRow("odd") << 7777.f << 4999.f;
        QTest::newRow("smallest") << 2400.f << 3600.f;
    }
    void dotPositions()
    {
        QFETCH(float, w);
        QFETCH(float, h);
        RecordingCanvas c = designCanvas();
        resizeAndLog(c, w, h);
        const QRectF picA = c.controls[size_t(GridControl::PicA)];
        const float colW = float(picA.width()) / 9.0f, rowH = float(picA.height()) / 7.0f;
        QCOMPARE(c.dotsA[0].topLeft(), QPointF(240, 120));
        QCOMPARE(c.dotsA[62].topLeft(), QPointF(8 * colW + 240.0f, 6 * rowH + 120.0f));
        for (int k = 0; k < kDotCount; ++k) {
            QCOMPARE(c.dotsB[size_t(k)].topLeft(), c.dotsA[size_t(k)].topLeft()); // in step
            QCOMPARE(c.dotsA[size_t(k)].size(), QSizeF(240, 240));
            if (k % 9 == 0) QCOMPARE(c.dotsA[size_t(k)].left(), 240.0);
            if (k < 9) QCOMPARE(c.dotsA[size_t(k)].top(), 120.0);
        }
        QCOMPARE(c.dotsA[63].topLeft(), QPointF(6000, 120)); // the spare dot stays
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

    void orderOfSteps()
    {
        RecordingCanvas c = designCanvas();
        const QStringList log = resizeAndLog(c, 13515, 6090, 14);
        QStringList expected{"bounds 0", "bounds 1", "bounds 2", "bounds 3", "redraw 14 both"};
        for (int k = 0; k < kDotCount; ++k)
            expected << QStringLiteral("move A%1").arg(k) << QStringLiteral("move B%1").arg(k);
        expected << "redraw 4 both"
                 << "red A 0";
        QCOMPARE(log, expected);
        QCOMPARE(c.redVisible[0], false);
        QCOMPARE(c.redVisible[1], true); // B_imgRed is load's business
    }

    void eraseRunsAtOldPositions()
    {
        RecordingCanvas c = designCanvas();
        resizeAndLog(c, 13515, 6090);
        QList<QPointF> seen;
        layOut(c, 19185, 11475, 15, [&](int, Sides) { seen << c.dotsA[62].topLeft(); });
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0], QPointF(8 * (5557.5f / 9.0f) + 240.0f, 6 * (2490.0f / 7.0f) + 120.0f));
        QVERIFY(seen[1] != seen[0]);
    }

    void buttons()
    {
        RecordingCanvas c = designCanvas();
        resizeAndLog(c, 13515, 6090);
        const QRectF picA = c.controls[size_t(GridControl::PicA)];
        const QRectF picB = c.controls[size_t(GridControl::PicB)];
        // First layout: Left from the design-time width 1695.
        QCOMPARE(c.controls[size_t(GridControl::ButtonA)],
                 QRectF(960 + 5557.5 - 1695 - 280, 2490 + 1200, 5557.5 / 5, 1095));
        QCOMPARE(c.controls[size_t(GridControl::CmdB)],
                 QRectF(picB.left(), picB.height() + 1200, picB.width() / 5, 1095));
        // Second layout at the same size: the right edge lands 280 inside PicA's.
        resizeAndLog(c, 13515, 6090);
        const QRectF button = c.controls[size_t(GridControl::ButtonA)];
        QCOMPARE(button.left() + button.width(), picA.left() + picA.width() - 280);
        QCOMPARE(button.height(), 1095.0);
    }

    void smallestWindow()
    {
        RecordingCanvas c = designCanvas();
        resizeAndLog(c, 2400, 3600);
        QCOMPARE(c.controls[size_t(GridControl::ButtonA)].width(), 0.0);
        QCOMPARE(c.controls[size_t(GridControl::ButtonA)].top(), 1200.0);
        QCOMPARE(c.controls[size_t(GridControl::CmdB)].width(), 0.0);
        QCOMPARE(c.controls[size_t(GridControl::CmdB)].top(), 1200.0);
        for (int k = 0; k < kDotCount; ++k)
            QCOMPARE(c.dotsA[size_t(k)].topLeft(), QPointF(240, 120));
    }

    void minimisedKeepsBounds()
    {
        RecordingCanvas c = designCanvas();
        resizeAndLog(c, 13515, 6090);
        resizeAndLog(c, 13515, 6090);
        const RecordingCanvas before = c;
        const QStringList log = resizeAndLog(c, 0, 0);
        QVERIFY(!log.contains("bounds 0"));
        QVERIFY(!log.contains("bounds 1"));
        QCOMPARE(c.controls, before.controls); // buttons recomputed from kept bounds: same
        QCOMPARE(c.dotsA, before.dotsA);
        QCOMPARE(c.dotsB, before.dotsB);
        QVERIFY(log.contains("redraw 4 both"));
    }

    void negativeHeightKeepsBothSurfaces()
    {
        // Wide but too low: both surface steps are skipped, later steps read the old bounds.
        RecordingCanvas c = designCanvas();
        resizeAndLog(c, 20000, 100);
        QCOMPARE(c.controls[size_t(GridControl::PicA)], QRectF(240, 240, 6735, 3975));
        QCOMPARE(c.controls[size_t(GridControl::CmdB)],
                 QRectF(7080, 3855 + 1200, 6255.0f / 5.0f, 1095));
        QCOMPARE(c.dotsA[62].topLeft(),
                 QPointF(8 * (6735.0f / 9.0f) + 240.0f, 6 * (3975.0f / 7.0f) + 120.0f));
    }
};

QTEST_GUILESS_MAIN(TestGridLayout)
#include "tst_gridlayout.moc"
