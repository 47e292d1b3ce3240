#include "shell/startup.h"

#include "shell/frmmain.h"
#include "shell/frmsplash.h"
#include "shell/module1.h"

#include <QApplication>

StartUp::StartUp(AppContext &context) : m_context(context), m_wait(&Module1::WaitSeconds) {}

void StartUp::notify(Step step, frmSplash *splash, frmMain *frame) const
{
    if (m_observer) m_observer(step, splash, frame);
}

std::unique_ptr<frmMain> StartUp::run()
{
    // Between the splash going and the frame appearing no window is visible;
    // that moment must not end the program.
    const bool quitOnLast = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);

    auto splash = std::make_unique<frmSplash>();
    splash->show();
    notify(Step::SplashShown, splash.get(), nullptr);

    const std::int16_t seconds = 1;
    m_wait(seconds);
    notify(Step::Waited, splash.get(), nullptr);

    splash->repaint();
    notify(Step::SplashRepainted, splash.get(), nullptr);

    auto frame = std::make_unique<frmMain>(m_context);
    notify(Step::FrameLoaded, splash.get(), frame.get());

    splash.reset();
    notify(Step::SplashUnloaded, nullptr, frame.get());

    frame->show();
    notify(Step::FrameShown, nullptr, frame.get());

    QApplication::setQuitOnLastWindowClosed(quitOnLast);
    return frame;
}
