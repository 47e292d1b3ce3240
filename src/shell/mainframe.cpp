#include "shell/mainframe.h"

#include "forms/colours.h"
#include "forms/twips.h"
#include "grid/challengeslot.h"
#include "shell/placementstore.h"
#include "shell/screenfit.h"
#include "shell/uitext.h"
#include "ui_mainframe.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShowEvent>
#include <QStatusBar>
#include <QToolBar>
#include <cstdio>

MainFrame::MainFrame(AppContext &context, ChallengeState &challenge, QWidget *parent)
    : QMainWindow(parent), m_context(context), m_challenge(challenge),
      m_ui(std::make_unique<Ui::MainFrame>())
{
    m_ui->setupUi(this);
    m_mdiArea = m_ui->mdiArea;
    m_mdiArea->setBackground(
        QApplication::palette().color(colours::paletteRole(colours::System::AppWorkspace)));
    m_challengeSlot = std::make_unique<ChallengeSlot>(mdiArea(), m_context, m_challenge);
    createStatusPanels();
    createActions();
    load();
}

MainFrame::~MainFrame() = default;

QToolBar *MainFrame::toolBar() const
{
    return m_ui->tbToolBar;
}

QStatusBar *MainFrame::statusBarControl() const
{
    return m_ui->sbStatusBar;
}

ChallengeWindow *MainFrame::challengeWindow() const
{
    return m_challengeSlot->window(false);
}

void MainFrame::load()
{
    applyStringTable(this);
    applyPlacement();
}

void MainFrame::applyPlacement()
{
    const PlacementStore store;
    m_storedPlacement = store.read();
    // Said once here; Exit says why it saves nothing.
    if (const QString problem = store.readProblem(); !problem.isEmpty())
        std::fputs(qPrintable(problem + QLatin1Char('\n')), stderr);
    const QRect wanted = screenfit::fitToScreens(twips::toPixels(m_storedPlacement));
    // Qt positions a window by its frame but sizes it by its client area.
    const QSize margins = frameGeometry().size() - size();
    move(wanted.topLeft());
    resize(wanted.size() - margins);
    m_pendingOuterSize = margins.isNull() ? wanted.size() : QSize();
    m_appliedOuterSize = wanted.size();
}

void MainFrame::storePlacement()
{
    if (isMinimized()) return;
    // A maximised frame reports its maximised bounds here.
    // The stored size stays unless the user resized the frame: a size capped to
    // a smaller screen must not replace it.
    const QRectF placement =
        screenfit::remembered(m_storedPlacement, m_appliedOuterSize, frameGeometry());
    // Where the window system places windows itself, the position the frame
    // reports is not where it is: the stored one stays.
    const QString problem = m_canPlaceWindows ? PlacementStore().write(placement)
                                              : PlacementStore().writeSize(placement.size());
    // The frame closes all the same.
    if (!problem.isEmpty()) std::fputs(qPrintable(problem + QLatin1Char('\n')), stderr);
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
    storePlacement();
    event->accept();
}

void MainFrame::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Shown by the program, not restored by the window system: the frame's
    // minimum size now holds, and a stored size below it was overridden, not
    // changed by the user.
    if (!event->spontaneous()) m_appliedOuterSize = frameGeometry().size();
    adjustForFrameMargins();
}

void MainFrame::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    adjustForFrameMargins();
}

void MainFrame::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    adjustForFrameMargins();
}

void MainFrame::adjustForFrameMargins()
{
    if (!m_pendingOuterSize.isValid() || !isVisible() || windowState() != Qt::WindowNoState) return;
    const QSize margins = frameGeometry().size() - size();
    if (margins.isNull()) return;
    const QSize client = m_pendingOuterSize - margins;
    m_pendingOuterSize = QSize();
    resize(client);
    m_appliedOuterSize = frameGeometry().size(); // no smaller than the minimum allows
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
    statusBarControl()->setVisible(statusBarControl()->isHidden());
    syncViewChecks();
}

void MainFrame::syncViewChecks()
{
    m_viewToolbar->setChecked(!toolBar()->isHidden());
    m_viewStatusBar->setChecked(!statusBarControl()->isHidden());
}

bool MainFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == toolBar() && event->type() == QEvent::PaletteChange) refreshToolPictures();
    // Bars can also be hidden by other means; the View check marks follow.
    if ((watched == toolBar() || watched == statusBarControl()) &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        syncViewChecks();
    return QMainWindow::eventFilter(watched, event);
}

void MainFrame::exitProgram()
{
    close();
}
