#pragma once
// The one object that owns what lives for a run, in the order it is needed:
// the dialogs every window asks the user through, what watches which input
// came last (forms/lastinput.h), the context handed to every window, the
// challenge's model (stored pattern and attempt) and the frame, which owns its
// child windows. Destroyed in reverse order, before QApplication goes.
#include "forms/lastinput.h"
#include "forms/qtdialogs.h"
#include "grid/appcontext.h"
#include "logic/gridmodel.h"

#include <QCoreApplication>
#include <QStringList>
#include <memory>

class MainFrame;
struct ClosedStreams;

class Application {
    Q_DECLARE_TR_FUNCTIONS(Application)

public:
    // `dialogs` is used instead of real dialogs when given (tests).
    explicit Application(Dialogs *dialogs = nullptr);
    ~Application();

    // The process entry point: opens closed standard streams on /dev/null
    // (shell/standardstreams.h), reads the command line (shell/commandline.h;
    // help, version and errors end the run before any window), sets up Qt,
    // checks for a display, starts, opens the file named on the command line
    // as File > Open would, and runs the event loop. Returns the exit code: 2
    // for a bad command line, no display or one that does not answer. Every
    // text, those of a run that ends early included, is in the user's
    // language (shell/appsetup.h).
    static int run(int argc, char **argv);

    // The start-up sequence: splash, one-second wait, hidden frame created,
    // splash gone, frame shown. Returns once the frame is shown.
    void start();

    MainFrame *frame() const { return m_frame.get(); }
    GridModel &challenge() { return m_challenge; }

    // What a run without a display says on stderr: that `tried` ("the X
    // display ":1"") could not be opened, or, when empty, that none is set; then
    // how to run the program on a virtual display.
    static QString noDisplayText(const QString &tried);

private:
    // A run that ends before any window: help, version, a bad command line
    // (as parsed from `arguments`), or no display. Returns the exit code.
    static int endEarly(char **argv, const QStringList &arguments, const ClosedStreams &closed);

    QtDialogs m_qtDialogs;
    LastInput m_lastInput;
    AppContext m_context;
    GridModel m_challenge{GridModel::Kind::Challenge};
    std::unique_ptr<MainFrame> m_frame;
};
