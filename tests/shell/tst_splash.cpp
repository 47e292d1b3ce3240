// The splash window: built from its definition, its texts after loading, its
// border, placement and logo, and that the user cannot close it.
#include "forms/twips.h"
#include "shell/splashwindow.h"
#include "support/projectversion.h"
#include "support/testenv.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QTest>

class TestSplash : public QObject {
    Q_OBJECT
private slots:
    void captionsAfterLoad_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("lblCopyright") << "lblCopyright"
                                      << "版權";
        QTest::newRow("lblCompany, without its defined suffix") << "lblCompany"
                                                                << "公司行號";
        QTest::newRow("lblWarning") << "lblWarning"
                                    << "警告";
        QTest::newRow("lblVersion") << "lblVersion"
                                    << "Version " PLIMSO_PROJECT_VERSION;
        QTest::newRow("lblPlatform") << "lblPlatform"
                                     << "平台";
        QTest::newRow("lblCompanyProduct") << "lblCompanyProduct"
                                           << "公司產品";
        QTest::newRow("lblProductName") << "lblProductName"
                                        << "plimso";
        QTest::newRow("lblLicenseTo") << "lblLicenseTo"
                                      << "授權給";
    }
    void captionsAfterLoad()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        SplashWindow splash;
        auto *label = splash.findChild<QLabel *>(name);
        QVERIFY(label);
        QCOMPARE(label->text(), caption);
        QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), caption);
        // Every label is drawn in the window's own font after loading.
        QCOMPARE(label->font(), splash.font());
    }

    void windowSettings()
    {
        SplashWindow splash;
        QCOMPARE(splash.objectName(), QStringLiteral("frmSplash"));
        QVERIFY(splash.windowTitle().isEmpty());
        QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(splash.windowType(), Qt::SplashScreen);
        QCOMPARE(splash.size(), twips::toPixels(7455, 4710));
        QVERIFY(!splash.isVisible()); // loaded, not yet shown
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(qAbs(splash.geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(splash.geometry().center().y() - screen.center().y()) <= 1);
    }

    void layoutFromTheDefinition()
    {
        SplashWindow splash;
        auto *frame = splash.findChild<QGroupBox *>("fraMainFrame");
        QVERIFY(frame);
        QCOMPARE(frame->geometry(), QRect(3, -1, 492, 306));
        QCOMPARE(frame->findChildren<QLabel *>(Qt::FindDirectChildrenOnly).size(), 8);
        QCOMPARE(splash.findChild<QWidget *>("picLogo")->parent(), frame);
    }

    void logoIsCutAtTheBoxEdges()
    {
        SplashWindow splash;
        auto *box = splash.findChild<QWidget *>("picLogo");
        QVERIFY(box);
        QCOMPARE(box->size(), QSize(121, 159));
        auto *logo = box->findChild<QLabel *>();
        QVERIFY(logo);
        QCOMPARE(logo->pixmap().size(), QSize(141, 166));
        QCOMPARE(logo->geometry(), box->rect());
        QVERIFY(logo->alignment().testFlag(Qt::AlignLeft));
        QVERIFY(logo->alignment().testFlag(Qt::AlignTop));
    }

    void rightAlignedLabelsGrowLeftwards_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("rightTwips");
        QTest::newRow("lblVersion") << "lblVersion" << 6495 + 510;
        QTest::newRow("lblPlatform") << "lblPlatform" << 6345 + 660;
    }
    void rightAlignedLabelsGrowLeftwards()
    {
        QFETCH(QString, name);
        QFETCH(int, rightTwips);
        SplashWindow splash;
        auto *label = splash.findChild<QLabel *>(name);
        QCOMPARE(label->x() + label->width(), twips::toPixels(double(rightTwips)));
        QVERIFY(label->width() >= label->sizeHint().width());
    }

    // The fixed dialog border: without it the splash melts into a light desktop.
    // It must lie on top of the controls, which reach to the window's edges.
    void raisedBorder_data()
    {
        QTest::addColumn<QPoint>("from"); // the outermost lines, both ends included
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPalette::ColorRole>("role");
        const int r = 496, b = 313; // the last column and row
        QTest::newRow("outer top") << QPoint(0, 0) << QPoint(r - 1, 0) << QPalette::Light;
        QTest::newRow("outer left") << QPoint(0, 0) << QPoint(0, b - 1) << QPalette::Light;
        QTest::newRow("outer bottom") << QPoint(0, b) << QPoint(r, b) << QPalette::Shadow;
        QTest::newRow("outer right") << QPoint(r, 0) << QPoint(r, b) << QPalette::Shadow;
    }
    void raisedBorder()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QPalette::ColorRole, role);
        SplashWindow splash;
        const QImage image = splash.grab().toImage();
        QCOMPARE(image.size(), QSize(497, 314));
        const QRgb colour = splash.palette().color(role).rgb();
        const QPoint step = from.x() == to.x() ? QPoint(0, 1) : QPoint(1, 0);
        for (QPoint p = from; p != to + step; p += step)
            QVERIFY2(image.pixel(p) == colour,
                     qPrintable(QStringLiteral("(%1, %2) is %3, not %4")
                                    .arg(p.x())
                                    .arg(p.y())
                                    .arg(QColor(image.pixel(p)).name(), QColor(colour).name())));
    }

    void userCannotCloseIt()
    {
        SplashWindow splash;
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QVERIFY(!splash.close());
        QTest::keyClick(&splash, Qt::Key_Escape);
        QTest::mouseClick(&splash, Qt::LeftButton);
        QVERIFY(splash.isVisible());
    }
};

PLIMSO_TEST_MAIN(TestSplash)
#include "tst_splash.moc"
