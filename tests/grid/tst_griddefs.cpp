// The fixed definitions of the editor and the challenge window.
#include "forms/griddefs.h"

#include <QtTest>

using namespace forms;

namespace {
const ControlDef *find(const FormDef &f, const QString &name)
{
    for (const ControlDef &c : f.controls)
        if (objectName(c) == name) return &c;
    return nullptr;
}

QStringList creationOrder(const FormDef &f)
{
    QStringList out;
    for (const ControlDef &c : f.controls)
        out << objectName(c);
    return out;
}

QStringList expectedOrder(const QStringList &buttons)
{
    QStringList out{"PicA"};
    for (int i = 62; i >= 1; --i)
        out << QStringLiteral("imgGreen(%1)").arg(i);
    out << "imgRed"
        << "imgGreen(0)"
        << "imgGreen(63)" << buttons << "PicB"
        << "b_imgGreen(0)";
    for (int i = 62; i >= 1; --i)
        out << QStringLiteral("b_imgGreen(%1)").arg(i);
    out << "B_imgRed";
    return out;
}

const QString kTip = QString::fromUtf8("切換通訊埠");
} // namespace

class TestGridDefs : public QObject {
    Q_OBJECT
private slots:
    void creation()
    {
        QCOMPARE(creationOrder(editorDef()), expectedOrder({"CmdTest", "CmdB"}));
        QCOMPARE(creationOrder(challengeDef()), expectedOrder({"CmdB", "CmdA"}));
        QVERIFY(!find(editorDef(), "b_imgGreen(63)"));
        QVERIFY(!find(challengeDef(), "b_imgGreen(63)"));
    }

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
        for (const FormDef *f : {&editorDef(), &challengeDef()}) {
            const ControlDef *c = find(*f, QStringLiteral("imgGreen(%1)").arg(index));
            QVERIFY(c);
            QCOMPARE(QPointF(c->left, c->top), at);
            QCOMPARE(QSizeF(c->width, c->height), QSizeF(240, 240));
            QCOMPARE(QString::fromUtf8(c->container), QStringLiteral("PicA"));
            QCOMPARE(c->picture, PictureDef::GreenDot);
            QCOMPARE(c->kind, ControlKind::Image);
        }
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
        for (const FormDef *f : {&editorDef(), &challengeDef()}) {
            const ControlDef *c = find(*f, QStringLiteral("b_imgGreen(%1)").arg(index));
            QVERIFY(c);
            QCOMPARE(QPointF(c->left, c->top), at);
            QCOMPARE(QString::fromUtf8(c->container), QStringLiteral("PicB"));
        }
    }

    void tooltips()
    {
        for (const FormDef *f : {&editorDef(), &challengeDef()}) {
            QVERIFY(!find(*f, "imgGreen(0)")->toolTip);
            for (int i = 1; i < 64; ++i)
                QCOMPARE(
                    QString::fromUtf8(find(*f, QStringLiteral("imgGreen(%1)").arg(i))->toolTip),
                    kTip);
            int tipped = 0;
            for (int i = 0; i < 63; ++i) {
                const ControlDef *c = find(*f, QStringLiteral("b_imgGreen(%1)").arg(i));
                QCOMPARE(bool(c->toolTip), designTipB(i));
                tipped += c->toolTip && QString::fromUtf8(c->toolTip) == kTip;
            }
            QCOMPARE(tipped, 28);
            QVERIFY(designTipB(1) && designTipB(60) && !designTipB(0) && !designTipB(3) &&
                    !designTipB(62));
            QCOMPARE(QString::fromUtf8(find(*f, "imgRed")->toolTip), kTip);
            QCOMPARE(QString::fromUtf8(find(*f, "B_imgRed")->toolTip), kTip);
        }
    }

    void redImages()
    {
        for (const FormDef *f : {&editorDef(), &challengeDef()}) {
            const ControlDef *a = find(*f, "imgRed");
            const ControlDef *b = find(*f, "B_imgRed");
            QCOMPARE(QRectF(a->left, a->top, a->width, a->height), QRectF(5280, 120, 240, 240));
            QCOMPARE(QRectF(b->left, b->top, b->width, b->height), QRectF(4800, 0, 240, 240));
            QCOMPARE(a->picture, PictureDef::RedDot);
            QCOMPARE(b->picture, PictureDef::RedDot);
            QCOMPARE(QString::fromUtf8(b->container), QStringLiteral("PicB"));
        }
    }

    void editorWindow()
    {
        const FormDef &f = editorDef();
        QCOMPARE(QString::fromUtf8(f.caption), QStringLiteral("frmDocument"));
        QCOMPARE(f.clientWidth, 13515.0);
        QCOMPARE(f.clientHeight, 6090.0);
        QCOMPARE(f.back.kind, ColourDef::Kind::System);
        QCOMPARE(f.back.system, colours::System::ButtonFace);
        const ControlDef *picA = find(f, "PicA");
        QCOMPARE(QRectF(picA->left, picA->top, picA->width, picA->height),
                 QRectF(240, 240, 6735, 3975));
        QCOMPARE(picA->tabIndex, 3);
        QCOMPARE(picA->back.system, colours::System::WindowBackground);
        QCOMPARE(picA->fore.system, colours::System::WindowText);
        const ControlDef *picB = find(f, "PicB");
        QCOMPARE(QRectF(picB->left, picB->top, picB->width, picB->height),
                 QRectF(7080, 240, 6255, 3855));
        QCOMPARE(picB->tabIndex, 0);
        QCOMPARE(picB->back.system, colours::System::TitleBarText);
        QCOMPARE(picB->fore.system, colours::System::ButtonText);
        const ControlDef *test = find(f, "CmdTest");
        QCOMPARE(QString::fromUtf8(test->caption), QStringLiteral("Test"));
        QCOMPARE(QRectF(test->left, test->top, test->width, test->height),
                 QRectF(5040, 4440, 1695, 1095));
        QCOMPARE(test->tabIndex, 2);
        const ControlDef *cmdB = find(f, "CmdB");
        QCOMPARE(QString::fromUtf8(cmdB->caption), QStringLiteral("Refresh"));
        QCOMPARE(QRectF(cmdB->left, cmdB->top, cmdB->width, cmdB->height),
                 QRectF(7560, 4320, 1575, 1095));
        QCOMPARE(cmdB->tabIndex, 1);
        QVERIFY(!find(f, "CmdA"));
    }

    void challengeWindow()
    {
        const FormDef &f = challengeDef();
        const QRgb yellow = qRgb(255, 255, 0);
        QCOMPARE(QString::fromUtf8(f.caption), QStringLiteral("frmDocument"));
        QCOMPARE(f.clientWidth, 14055.0);
        QCOMPARE(f.clientHeight, 8820.0);
        QCOMPARE(f.back.kind, ColourDef::Kind::Rgb);
        QCOMPARE(f.back.rgb, qRgb(255, 255, 128));
        const ControlDef *picA = find(f, "PicA");
        const ControlDef *picB = find(f, "PicB");
        QCOMPARE(picA->back.rgb, yellow);
        QCOMPARE(picB->back.rgb, yellow);
        QCOMPARE(picA->back.kind, ColourDef::Kind::Rgb);
        QCOMPARE(picB->fore.system, colours::System::WindowText);
        QCOMPARE(QRectF(picA->left, picA->top, picA->width, picA->height),
                 QRectF(240, 240, 6735, 3975));
        const ControlDef *summit = find(f, "CmdA");
        QCOMPARE(QString::fromUtf8(summit->caption), QStringLiteral("Summit"));
        QCOMPARE(QRectF(summit->left, summit->top, summit->width, summit->height),
                 QRectF(3360, 4440, 1575, 1095));
        QCOMPARE(summit->tabIndex, 1);
        QCOMPARE(find(f, "CmdB")->tabIndex, 2);
        QVERIFY(!find(f, "CmdTest"));
    }
};

QTEST_GUILESS_MAIN(TestGridDefs)
#include "tst_griddefs.moc"
