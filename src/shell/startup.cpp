#include "shell/startup.h"

#include "shell/mainframe.h"
#include "shell/splashwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

StartUp::StartUp(AppContext &context, GridModel &challenge)
    : m_context(context), m_challenge(challenge), m_wait(&waitSeconds)
{
}

void StartUp::notify(Step step, SplashWindow *splash, MainFrame *frame) const
{
    if (m_observer) m_observer(step, splash, frame);
}

std::unique_ptr<MainFrame> StartUp::run()
{
    // Between the splash going and the frame appearing no window is visible;
    // that moment must not end the program.
    const bool quitOnLast = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);

    auto splash = std::make_unique<SplashWindow>();
    splash->show();
    notify(Step::SplashShown, splash.get(), nullptr);

    const std::int16_t seconds = 1;
    m_wait(seconds);
    notify(Step::Waited, splash.get(), nullptr);

    splash->repaint();
    notify(Step::SplashRepainted, splash.get(), nullptr);

    auto frame = std::make_unique<MainFrame>(m_context, m_challenge);
    notify(Step::FrameCreated, splash.get(), frame.get());

    splash.reset();
    notify(Step::SplashDestroyed, nullptr, frame.get());

    frame->show();
    notify(Step::FrameShown, nullptr, frame.get());

    QApplication::setQuitOnLastWindowClosed(quitOnLast);
    return frame;
}

void waitSeconds(const std::int16_t &seconds)
{
    QElapsedTimer clock; // monotonic: midnight and clock changes do not matter
    clock.start();
    const qint64 total = qint64(seconds) * 1000;
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    for (qint64 left = total - clock.elapsed(); left > 0; left = total - clock.elapsed()) {
        // Dispatch what is pending, then sleep until the next event or the deadline.
        wake.start(int(left));
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}
