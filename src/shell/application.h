#pragma once
// The one object that owns what lives for a run, in the order it is needed:
// the dialogs every window asks the user through, the context handed to every
// window, the challenge (stored pattern and attempt) and the frame, which owns
// its child windows. Destroyed in reverse order, before QApplication goes.
#include "forms/qtdialogs.h"
#include "grid/appcontext.h"
#include "logic/challengestate.h"

#include <memory>

class MainFrame;

class Application {
public:
    // `dialogs` is used instead of real dialogs when given (tests).
    explicit Application(Dialogs *dialogs = nullptr);
    ~Application();

    // The process entry point: sets up Qt, checks for a display, starts and
    // runs the event loop. Returns the exit code.
    static int run(int argc, char **argv);

    // The start-up sequence: splash, one-second wait, hidden frame loaded,
    // splash gone, frame shown. Returns once the frame is shown.
    void start();

    MainFrame *frame() const { return m_frame.get(); }
    ChallengeState &challenge() { return m_challenge; }

private:
    QtDialogs m_qtDialogs;
    AppContext m_context;
    ChallengeState m_challenge;
    std::unique_ptr<MainFrame> m_frame;
};
