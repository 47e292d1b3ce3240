#pragma once
// The multiple-document frame: menus, toolbar and status bar built from the
// frame's definition, child windows in a QMdiArea, the remembered placement,
// and the frame's commands. Handlers carry the names of the events they serve.
#include "grid/appcontext.h"

#include <QMainWindow>
#include <QSize>
#include <memory>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QStatusBar;
class QToolBar;
class StatusClock;
class ChallengeSlot;
class ChallengeWindow;
struct ChallengeState;

class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Builds the frame from its definition and loads it (MDIForm_Load), hidden.
    MainFrame(AppContext &context, ChallengeState &challenge, QWidget *parent = nullptr);
    ~MainFrame() override;

    QMdiArea *mdiArea() const { return m_mdiArea; }
    QToolBar *toolBar() const { return tbToolBar; }
    QStatusBar *statusBarControl() const { return sbStatusBar; }
    // A menu entry, menu title or separator by its definition name.
    QAction *menuAction(const QString &name) const;
    // A toolbar button by its key; nullptr for an unknown key.
    QAction *toolButton(const QString &key) const;
    // The help file the help commands hand to the system viewer; empty here.
    void setHelpFile(const QString &path) { m_helpFile = path; }

    // The challenge window while one is open, else nullptr.
    ChallengeWindow *challengeWindow() const;

    // Editor windows created so far in this run; numbers their captions.
    int docCounter() const { return DocCounter; }

    // Document commands.
    void LoadNewDoc();
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFilePrint_Click();
    // Reads a pattern file into the stored pattern; a file that is not a
    // pattern is reported and changes nothing. True when it was read.
    bool openDraw(const QString &tFilename);
    // Shows the stored pattern on the challenge window, creating it if needed;
    // returns that window.
    ChallengeWindow *MyLoadPicture();

    // Frame commands.
    void tbToolBar_ButtonClick(const QString &key);
    void mnuHelpAbout_Click();
    void mnuHelpSearchForHelpOn_Click();
    void mnuHelpContents_Click();
    void mnuViewOptions_Click();
    void mnuViewStatusBar_Click();
    void mnuViewToolbar_Click();
    void mnuFileExit_Click();
    void mnuFileProperties_Click();
    void mnuFileClose_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void MDIForm_Load();
    void MDIForm_Unload();

    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void connectMenus();
    void syncViewChecks();
    void applyPlacement();
    void adjustForFrameMargins();
    void showHelp(const QString &noHelpText);
    void say(const QString &text);

    AppContext &m_context;
    ChallengeState &m_challenge;
    std::unique_ptr<ChallengeSlot> m_challengeSlot;
    int DocCounter = 0;
    QMdiArea *m_mdiArea = nullptr;
    QToolBar *tbToolBar = nullptr;
    QStatusBar *sbStatusBar = nullptr;
    StatusClock *m_clock = nullptr;
    QString m_helpFile;
    // The remembered outer size until the window system reports the frame's
    // decorations; then the client size is corrected once so that the outer
    // size is the remembered one.
    QSize m_pendingOuterSize;
};
