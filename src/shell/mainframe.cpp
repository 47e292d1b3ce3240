#include "shell/mainframe.h"

#include "forms/colours.h"
#include "grid/challengeslot.h"
#include "shell/frameplacement.h"
#include "shell/uitext.h"
#include "ui_mainframe.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QToolBar>

MainFrame::MainFrame(AppContext &context, GridModel &challenge, QWidget *parent)
    : QMainWindow(parent), m_context(context), m_challenge(challenge),
      m_ui(std::make_unique<Ui::MainFrame>())
{
    m_ui->setupUi(this);
    m_mdiArea = m_ui->mdiArea;
    m_mdiArea->setBackground(
        QApplication::palette().color(colours::kWorkspaceRole));
    m_challengeSlot = std::make_unique<ChallengeSlot>(mdiArea(), m_context, m_challenge);
    m_placement = new FramePlacement(this);
    createStatusPanels();
    connectActions();
    applyStringTable(this);
    m_placement->restore();
}

MainFrame::~MainFrame() = default;

QToolBar *MainFrame::toolBar() const
{
    return m_ui->tbToolBar;
}

ChallengeWindow *MainFrame::challengeWindow() const
{
    return m_challengeSlot->window(false);
}

void MainFrame::setCanPlaceWindows(bool can)
{
    m_placement->setCanPlaceWindows(can);
}

void MainFrame::closeEvent(QCloseEvent *event)
{
    // Children close first, each through its own close handling; one that
    // refuses keeps the frame open.
    mdiArea()->closeAllSubWindows();
    for (QMdiSubWindow *w : mdiArea()->subWindowList())
        if (w->isVisible()) {
            event->ignore();
            return;
        }
    m_placement->store();
    event->accept();
}

void MainFrame::toggleToolBar()
{
    // The check mark always equals the bar's visibility, so inverting one
    // inverts the other; Qt's own toggling of the checkable entry is overruled.
    toolBar()->setVisible(toolBar()->isHidden());
    syncViewChecks();
}

void MainFrame::toggleStatusBar()
{
    statusBar()->setVisible(statusBar()->isHidden());
    syncViewChecks();
}

void MainFrame::syncViewChecks()
{
    m_ui->mnuViewToolbar->setChecked(!toolBar()->isHidden());
    m_ui->mnuViewStatusBar->setChecked(!statusBar()->isHidden());
}

bool MainFrame::eventFilter(QObject *watched, QEvent *event)
{
    // Bars can also be hidden by other means; the View check marks follow.
    if ((watched == m_ui->tbToolBar || watched == m_ui->sbStatusBar) &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        syncViewChecks();
    return QMainWindow::eventFilter(watched, event);
}

void MainFrame::exitProgram()
{
    close();
}
