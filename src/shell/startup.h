#pragma once
// The start-up sequence behind Module1::Main, with its wait and an observer
// exchangeable so that tests can follow each step without a real display:
// splash shown, wait, splash repainted, frame created and loaded hidden,
// splash destroyed, frame shown.
#include <cstdint>
#include <functional>
#include <memory>

struct AppContext;
class frmMain;
class frmSplash;

class StartUp {
public:
    enum class Step {
        SplashShown,
        Waited,
        SplashRepainted,
        FrameLoaded,
        SplashUnloaded,
        FrameShown
    };
    using Wait = std::function<void(const std::int16_t &seconds)>;
    // Called after each step; the splash is null once it is gone, the frame
    // until it exists.
    using Observer = std::function<void(Step, frmSplash *splash, frmMain *frame)>;

    explicit StartUp(AppContext &context);

    void setWait(Wait wait) { m_wait = std::move(wait); }
    void setObserver(Observer observer) { m_observer = std::move(observer); }

    // Runs the whole sequence and hands over the shown frame.
    std::unique_ptr<frmMain> run();

private:
    void notify(Step step, frmSplash *splash, frmMain *frame) const;

    AppContext &m_context;
    Wait m_wait;
    Observer m_observer;
};
