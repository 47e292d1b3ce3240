#pragma once
// The multiple-document frame (object name `frmMain`): its form
// (shell/mainframe.ui: workspace, menus, toolbar, status bar), child windows in
// the workspace, the remembered placement, and the frame's commands. Each
// command is one QAction, made in createActions and shared by its menu entry
// and its toolbar button.
#include "grid/appcontext.h"
#include "shell/screenfit.h"

#include <QMainWindow>
#include <QSize>
#include <memory>
#include <utility>
#include <vector>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QStatusBar;
class QToolBar;
class StatusClock;
namespace Ui {
class MainFrame;
}
class ChallengeSlot;
class ChallengeWindow;
struct ChallengeState;

class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Builds the frame from its form, makes its commands and loads it (load), hidden.
    MainFrame(AppContext &context, ChallengeState &challenge, QWidget *parent = nullptr);
    ~MainFrame() override;

    QMdiArea *mdiArea() const { return m_mdiArea; }
    QToolBar *toolBar() const;
    QStatusBar *statusBarControl() const;
    // The help file the help commands hand to the system viewer; empty here.
    void setHelpFile(const QString &path) { m_helpFile = path; }
    // Whether Exit remembers the frame's position: only where the window
    // system lets programs place windows (screenfit::canPlaceWindows; not on
    // Wayland). The size is remembered either way.
    void setCanPlaceWindows(bool can) { m_canPlaceWindows = can; }

    // The challenge window while one is open, else nullptr.
    ChallengeWindow *challengeWindow() const;

    // Editor windows created so far in this run; numbers their captions.
    int editorCount() const { return m_editorCount; }

    // Document commands.
    void newEditor();
    // File > Open: asks for a pattern file (the dialog starting in the folder
    // Test writes to), then opens it as openFile does.
    void open();
    // Opens the pattern file `path` as the challenge: a file that is not a
    // pattern is reported and changes nothing; otherwise the challenge window
    // shows it, captioned with the file's absolute path (native separators; a
    // relative path is taken from the working directory), and becomes the
    // active window.
    void openFile(const QString &path);
    // File > Save: the active window's left grid as a bitmap, where the user
    // chooses. A refusal is a message; a written file is told to a screen reader.
    void save();
    void print();
    // Reads a pattern file into the stored pattern; a file that is not a
    // pattern is reported and changes nothing. True when it was read.
    bool loadPattern(const QString &fileName);
    // Shows the stored pattern on the challenge window, creating it if needed;
    // returns that window.
    ChallengeWindow *showChallenge();

    // Frame commands.
    void about();
    void searchHelp();
    void helpContents();
    void viewOptions();
    void toggleStatusBar();
    void toggleToolBar();
    void exitProgram();
    void properties();
    void closeDocument();
    // The toolbar's own buttons, which only announce that their code is to come.
    void lineStyle();
    void drawing();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void load();
    void storePlacement();

    // Makes every command: its action, shortcut and picture, its handler, and
    // its place in the form's menus and toolbar.
    void createActions();
    QAction *addCommand(QMenu *menu, const char *name, const char *number,
                        void (MainFrame::*handler)(), const QKeySequence &shortcut = {});
    void addSeparator(QMenu *menu, const char *name);
    void addToolButton(QAction *action, const char *key, const char *tipNumber,
                       const char *imageKey);
    void addToolSeparator();
    void refreshToolPictures();
    void createStatusPanels();
    void syncViewChecks();
    void applyPlacement();
    void adjustForFrameMargins();
    void showHelp(const QString &noHelpText);
    void say(const QString &text);

    AppContext &m_context;
    ChallengeState &m_challenge;
    std::unique_ptr<Ui::MainFrame> m_ui;
    QString m_challengeFile; // the file the open challenge was read from
    std::unique_ptr<ChallengeSlot> m_challengeSlot;
    int m_editorCount = 0;
    QMdiArea *m_mdiArea = nullptr; // the form's
    QAction *m_viewToolbar = nullptr;
    QAction *m_viewStatusBar = nullptr;
    std::vector<std::pair<QAction *, const char *>> m_toolPictures; // and their image keys
    StatusClock *m_clock = nullptr;
    QString m_helpFile;
    bool m_canPlaceWindows = screenfit::canPlaceWindows();
    // The remembered outer size until the window system reports the frame's
    // decorations; then the client size is corrected once so that the outer
    // size is the remembered one.
    QSize m_pendingOuterSize;
    // The placement read at load, and the outer size it was shown at: the
    // stored one as far as the screen, the frame's minimum size and its
    // margins allowed.
    QRectF m_storedPlacement;
    QSize m_appliedOuterSize;
};
