#pragma once
// The start-up sequence behind Application::start, with its wait and an observer
// exchangeable so that tests can follow each step without a real display:
// splash shown, wait, splash repainted, frame created hidden (its texts and
// placement applied), splash destroyed, frame shown.
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

struct AppContext;
class GridModel;
class MainFrame;
class SplashWindow;

class StartUp {
public:
    enum class Step {
        SplashShown,
        Waited,
        SplashRepainted,
        FrameCreated,
        SplashDestroyed,
        FrameShown
    };
    using Wait = std::function<void(const std::int16_t &seconds)>;
    // Called after each step; the splash is null once it is gone, the frame
    // until it exists.
    using Observer = std::function<void(Step, SplashWindow *splash, MainFrame *frame)>;

    StartUp(AppContext &context, GridModel &challenge);

    void setWait(Wait wait) { m_wait = std::move(wait); }
    void setObserver(Observer observer) { m_observer = std::move(observer); }

    // Runs the whole sequence and hands over the shown frame.
    std::unique_ptr<MainFrame> run();

private:
    void notify(Step step, SplashWindow *splash, MainFrame *frame) const;

    AppContext &m_context;
    GridModel &m_challenge;
    Wait m_wait;
    Observer m_observer;
};

// Waits the given number of seconds while dispatching window events, measured
// on a monotonic clock, blocking between events rather than spinning.
void waitSeconds(const std::int16_t &seconds);
