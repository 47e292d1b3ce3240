#pragma once
// The multiple-document frame (object name `frmMain`), built from its form
// (shell/mainframe.ui: workspace, menus, toolbar, status bar and one action per
// command, shared by its menu entry and its toolbar button). The frame connects
// each action to its command, keeps the child windows in its workspace and
// remembers its placement (shell/frameplacement.h).
#include "grid/appcontext.h"
#include "logic/pattern.h"

#include <QMainWindow>
#include <memory>
#include <optional>

class QMdiArea;
class QToolBar;
class ChallengeSlot;
class ChallengeWindow;
class FramePlacement;
class GridModel;
namespace Ui {
class MainFrame;
}

class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Builds the frame from its form, connects its commands, gives it its texts
    // and restores its placement; the frame is still hidden.
    // `challenge` is the run's challenge model (GridModel::Kind::Challenge).
    MainFrame(AppContext &context, GridModel &challenge, QWidget *parent = nullptr);
    ~MainFrame() override;

    QMdiArea *mdiArea() const { return m_mdiArea; }
    QToolBar *toolBar() const;
    // The challenge window while one is open, else nullptr.
    ChallengeWindow *challengeWindow() const;
    // Editor windows created so far in this run; numbers their captions.
    int editorCount() const { return m_editorCount; }

    // Opens the pattern file `path` as the challenge: a file that is not a
    // pattern is reported and changes nothing; otherwise the challenge window
    // shows it, captioned with the file's absolute path (native separators; a
    // relative path is taken from the working directory), and becomes the
    // active window.
    void openFile(const QString &path);

    // Whether closing remembers the frame's position (see FramePlacement).
    void setCanPlaceWindows(bool can);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    // File
    void newEditor();
    // Asks for a pattern file (the dialog starting in the folder Test writes
    // to), then opens it as openFile does.
    void open();
    void closeDocument();
    // The active window's left grid as a bitmap, where the user chooses. A
    // refusal is a message; a written file is told to a screen reader.
    void save();
    void properties();
    void print();
    void exitProgram();
    // View
    void toggleToolBar();
    void toggleStatusBar();
    void viewOptions();
    // The toolbar's own buttons, which only announce that their code is to come.
    void lineStyle();
    void drawing();

private:
    // Connects every action of the form to its command; names what the form
    // leaves nameless and sizes the toolbar as defined.
    void connectActions();
    void createStatusPanels();
    void syncViewChecks();
    // The pattern in a file; a file that is not a pattern is reported.
    std::optional<Pattern> readPattern(const QString &fileName);
    void say(const QString &text);

    AppContext &m_context;
    GridModel &m_challenge;
    std::unique_ptr<Ui::MainFrame> m_ui;
    QString m_challengeFile; // the file the open challenge was read from
    std::unique_ptr<ChallengeSlot> m_challengeSlot;
    int m_editorCount = 0;
    QMdiArea *m_mdiArea = nullptr; // the form's
    FramePlacement *m_placement = nullptr;
};
