// Small pure helpers of the shell: version text, fitting a placement onto the
// screens, and when the status bar clock next has to wake.
#include "shell/screenfit.h"
#include "shell/statusclock.h"
#include "shell/version.h"
#include "support/projectversion.h"

#include <QTest>

class TestShellHelpers : public QObject {
    Q_OBJECT
private slots:
    void versionText_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("text");
        QTest::newRow("1.0.0") << 1 << 0 << 0 << "1.0.0";
        QTest::newRow("two-digit revision, no padding") << 1 << 0 << 12 << "1.0.12";
        QTest::newRow("all multi-digit") << 10 << 20 << 300 << "10.20.300";
    }
    void versionText()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, text);
        QCOMPARE(version::text(major, minor, revision), text);
    }

    // The numbers reach the program from project() in CMakeLists.txt.
    void programVersionIsTheProjects()
    {
        QCOMPARE(version::text(), QStringLiteral(PLIMSO_PROJECT_VERSION));
    }

    void fit_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QRect>("expected");
        const QRect primary(0, 0, 1280, 1000);
        const QRect right(1280, 0, 1024, 768);
        QTest::newRow("on screen: unchanged")
            << QRect(67, 67, 433, 433) << QList<QRect>{primary} << QRect(67, 67, 433, 433);
        // A frame with only a corner on screen can be neither seen nor grabbed.
        QTest::newRow("only the bottom-right corner on screen: moved the least")
            << QRect(-400, -400, 433, 433) << QList<QRect>{primary} << QRect(0, 0, 433, 433);
        QTest::newRow("only the top-left corner on screen: strip pulled in")
            << QRect(1247, 967, 433, 433) << QList<QRect>{primary} << QRect(1180, 950, 433, 433);
        QTest::newRow("on a removed monitor: moved to the nearest edge")
            << QRect(1500, 100, 433, 433) << QList<QRect>{primary} << QRect(1180, 100, 433, 433);
        QTest::newRow("on the second monitor: unchanged")
            << QRect(1500, 100, 433, 433) << QList<QRect>{primary, right}
            << QRect(1500, 100, 433, 433);
        QTest::newRow("strip across two monitors: onto the nearer")
            << QRect(1240, 100, 433, 433) << QList<QRect>{primary, right}
            << QRect(1280, 100, 433, 433);
        QTest::newRow("far negative: moved")
            << QRect(-5000, -5000, 433, 433) << QList<QRect>{primary} << QRect(0, 0, 433, 433);
        // A frame too large for its screen shows whole, from the screen's top-left.
        QTest::newRow("larger than every screen: top-left, capped")
            << QRect(10, 10, 100000, 90000) << QList<QRect>{primary} << QRect(0, 0, 1280, 1000);
        QTest::newRow("wider than a small screen below a panel: its top-left, capped")
            << QRect(100, 80, 700, 500) << QList<QRect>{QRect(0, 24, 640, 456)}
            << QRect(0, 24, 640, 456);
        QTest::newRow("taller than the second monitor: its top-left, capped")
            << QRect(1500, 100, 433, 900) << QList<QRect>{primary, right}
            << QRect(1280, 0, 433, 768);
        QTest::newRow("no screens: unchanged")
            << QRect(5000, 5000, 433, 433) << QList<QRect>{} << QRect(5000, 5000, 433, 433);
    }
    void fit()
    {
        QFETCH(QRect, frame);
        QFETCH(QList<QRect>, screens);
        QFETCH(QRect, expected);
        QCOMPARE(screenfit::fit(frame, screens), expected);
    }

    // A size capped to a smaller screen must survive the run: only the user's
    // own resize replaces it.
    void remembered_data()
    {
        QTest::addColumn<QRectF>("stored");
        QTest::addColumn<QSize>("applied");
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRectF>("expected");
        const QRectF big(1500, 1500, 30000, 22500);
        const QSize capped(1280, 1000);
        QTest::newRow("capped, untouched: stored size kept")
            << big << capped << QRect(100, 100, 1280, 1000) << big;
        QTest::newRow("capped, moved: new position, stored size")
            << big << capped << QRect(300, 20, 1280, 1000) << QRectF(4500, 300, 30000, 22500);
        QTest::newRow("capped, resized by the user: new size")
            << big << capped << QRect(100, 100, 800, 600) << QRectF(1500, 1500, 12000, 9000);
        QTest::newRow("maximised: its bounds")
            << QRectF(1000, 1000, 6500, 6500) << QSize(433, 433) << QRect(0, 0, 1280, 1000)
            << QRectF(0, 0, 19200, 15000);
    }
    void remembered()
    {
        QFETCH(QRectF, stored);
        QFETCH(QSize, applied);
        QFETCH(QRect, frame);
        QFETCH(QRectF, expected);
        QCOMPARE(screenfit::remembered(stored, applied, frame), expected);
    }

    void canPlaceWindows_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("can");
        QTest::newRow("xcb") << "xcb" << true;
        QTest::newRow("offscreen") << "offscreen" << true;
        QTest::newRow("wayland") << "wayland" << false;
        QTest::newRow("wayland-egl") << "wayland-egl" << false;
        QTest::newRow("wayland-xcomposite-glx") << "wayland-xcomposite-glx" << false;
    }
    void canPlaceWindows()
    {
        QFETCH(QString, platform);
        QFETCH(bool, can);
        QCOMPARE(screenfit::canPlaceWindows(platform), can);
    }

    void nextClockChange_data()
    {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<bool>("seconds");
        QTest::addColumn<int>("expectedMs");
        // Just past the boundary, so the new text is already current.
        QTest::newRow("start of a minute") << QTime(10, 0, 0, 0) << false << 60020;
        QTest::newRow("mid minute") << QTime(10, 0, 30, 500) << false << 29520;
        QTest::newRow("last millisecond") << QTime(23, 59, 59, 999) << false << 21;
        QTest::newRow("seconds shown") << QTime(10, 0, 30, 250) << true << 770;
    }
    void nextClockChange()
    {
        QFETCH(QTime, now);
        QFETCH(bool, seconds);
        QFETCH(int, expectedMs);
        QCOMPARE(StatusClock::msUntilNextChange(now, seconds), expectedMs);
    }
};

QTEST_GUILESS_MAIN(TestShellHelpers)
#include "tst_shellhelpers.moc"
