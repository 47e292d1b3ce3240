// Start-up: splash first, held at least one second while events are handled,
// frame loaded hidden behind it, splash gone before the frame is ever shown.
#include "logic/gridmodel.h"
#include "shell/application.h"
#include "shell/mainframe.h"
#include "shell/splashwindow.h"
#include "shell/startup.h"
#include "support/fakedialogs.h"
#include "support/frameinput.h"
#include "support/testenv.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

// Notes every show of a frame and whether a splash was visible at that moment.
class ShowWatcher : public QObject {
public:
    int frameShows = 0;
    int frameShowsWithSplash = 0;
    int splashPaints = 0;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Show && qobject_cast<MainFrame *>(o)) {
            ++frameShows;
            for (QWidget *w : QApplication::topLevelWidgets())
                if (qobject_cast<SplashWindow *>(w) && w->isVisible()) ++frameShowsWithSplash;
        }
        if (e->type() == QEvent::Paint && qobject_cast<SplashWindow *>(o)) ++splashPaints;
        return false;
    }
};

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT
private:
    FakeDialogs m_dialogs;
    AppContext m_context{m_dialogs, QString()};
    GridModel m_challenge{GridModel::Kind::Challenge};

private slots:
    void stepsInOrder()
    {
        using S = StartUp::Step;
        QList<S> steps;
        QStringList faults;
        StartUp startUp(m_context, m_challenge);
        int waited = -1;
        startUp.setWait([&](const std::int16_t &s) { waited = s; });
        startUp.setObserver([&](S step, SplashWindow *splash, MainFrame *frame) {
            steps << step;
            const bool splashUp = splash && splash->isVisible();
            const bool frameUp = frame && frame->isVisible();
            if (step < S::SplashDestroyed && !splashUp)
                faults << QStringLiteral("splash not visible at step %1").arg(int(step));
            if (step < S::FrameShown && frameUp)
                faults << QStringLiteral("frame visible at step %1").arg(int(step));
            if (step == S::FrameCreated && menuAction(*frame, "mnuFile")->text() != "檔案(&F)")
                faults << QStringLiteral("frame not loaded at step %1").arg(int(step));
        });
        std::unique_ptr<MainFrame> frame = startUp.run();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
        QCOMPARE(steps, QList<S>({S::SplashShown, S::Waited, S::SplashRepainted, S::FrameCreated,
                                  S::SplashDestroyed, S::FrameShown}));
        QCOMPARE(waited, 1);
        QVERIFY(frame && frame->isVisible());
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<SplashWindow *>(w));
        QVERIFY(QApplication::quitOnLastWindowClosed());
    }

    void realStartUpHoldsTheSplashOneSecond()
    {
        ShowWatcher watcher;
        qApp->installEventFilter(&watcher);
        QElapsedTimer clock;
        qint64 splashShownAt = -1;
        qint64 splashGoneAt = -1;
        StartUp startUp(m_context, m_challenge);
        startUp.setObserver([&](StartUp::Step step, SplashWindow *, MainFrame *) {
            if (step == StartUp::Step::SplashShown) clock.start(), splashShownAt = 0;
            if (step == StartUp::Step::SplashDestroyed) splashGoneAt = clock.elapsed();
        });
        std::unique_ptr<MainFrame> frame = startUp.run();
        qApp->removeEventFilter(&watcher);
        QCOMPARE(splashShownAt, 0);
        QVERIFY2(splashGoneAt >= 1000, qPrintable(QString::number(splashGoneAt)));
        QCOMPARE(watcher.frameShows, 1);
        QCOMPARE(watcher.frameShowsWithSplash, 0);
        QVERIFY(watcher.splashPaints > 0);
    }

    void waitDispatchesEventsAndLastsTheTime()
    {
        bool timerRan = false;
        QTimer::singleShot(50, [&] { timerRan = true; });
        QElapsedTimer clock;
        clock.start();
        waitSeconds(std::int16_t(1));
        QVERIFY2(clock.elapsed() >= 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(timerRan);
        // The time follows the argument: a wait of two seconds is not one of one.
        clock.restart();
        waitSeconds(std::int16_t(2));
        QVERIFY2(clock.elapsed() >= 2000, qPrintable(QString::number(clock.elapsed())));
    }

    void waitOfNothingReturnsAtOnce()
    {
        bool timerRan = false;
        QTimer::singleShot(10000, [&] { timerRan = true; });
        waitSeconds(std::int16_t(0));
        waitSeconds(std::int16_t(-5));
        QVERIFY(!timerRan);
    }

    void noDisplayIsReportedInsteadOfAborting()
    {
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        const QByteArray display = qgetenv("DISPLAY");
        const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
        qunsetenv("QT_QPA_PLATFORM");
        qunsetenv("DISPLAY");
        qunsetenv("WAYLAND_DISPLAY");
        char name[] = "plimso";
        char *argv[] = {name, nullptr};
        const int code = Application::run(1, argv);
        auto restore = [](const char *var, const QByteArray &value) {
            if (!value.isNull()) qputenv(var, value);
        };
        restore("QT_QPA_PLATFORM", platform);
        restore("DISPLAY", display);
        restore("WAYLAND_DISPLAY", wayland);
        QCOMPARE(code, 2);
    }
};

PLIMSO_TEST_MAIN(TestStartUp)
#include "tst_startup.moc"
