#include "shell/mainframe.h"

#include "forms/colours.h"
#include "forms/maindef.h"
#include "forms/twips.h"
#include "grid/challengeslot.h"
#include "shell/placementstore.h"
#include "shell/screenfit.h"
#include "shell/uitext.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShowEvent>
#include <QStatusBar>
#include <QToolBar>
#include <cstdio>

namespace md = forms::maindef;

MainFrame::MainFrame(AppContext &context, ChallengeState &challenge, QWidget *parent)
    : QMainWindow(parent), m_context(context), m_challenge(challenge)
{
    const QString name = QString::fromUtf8(md::kName);
    setObjectName(name);
    setProperty("form", name);
    setWindowTitle(QString::fromUtf8(md::kCaption));

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setBackground(
        QApplication::palette().color(colours::paletteRole(colours::System::AppWorkspace)));
    setCentralWidget(m_mdiArea);
    m_challengeSlot = std::make_unique<ChallengeSlot>(m_mdiArea, m_context, m_challenge);

    // The status bar as defined first; the menus before the toolbar, whose
    // buttons share the menu entries' actions.
    buildStatusBar();
    buildMenus();
    connectMenus();
    buildToolBar();
    resize(twips::toPixels(md::kClientWidth, md::kClientHeight));

    load();
}

MainFrame::~MainFrame() = default;

ChallengeWindow *MainFrame::challengeWindow() const
{
    return m_challengeSlot->window(false);
}

QAction *MainFrame::menuAction(const QString &name) const
{
    for (QAction *a : findChildren<QAction *>(name))
        if (a->property("typeName").toString() == QLatin1String("Menu")) return a;
    return nullptr;
}

QAction *MainFrame::toolButton(const QString &key) const
{
    for (QAction *a : m_toolBar->actions())
        if (!a->isSeparator() && a->data().toString() == key) return a;
    return nullptr;
}

void MainFrame::load()
{
    applyStringTable(this);
    applyPlacement();
}

void MainFrame::applyPlacement()
{
    m_storedPlacement = PlacementStore().read();
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
    m_mdiArea->closeAllSubWindows();
    for (QMdiSubWindow *w : m_mdiArea->subWindowList())
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
    m_toolBar->setVisible(m_toolBar->isHidden());
    syncViewChecks();
}

void MainFrame::toggleStatusBar()
{
    m_statusBar->setVisible(m_statusBar->isHidden());
    syncViewChecks();
}

void MainFrame::syncViewChecks()
{
    if (QAction *a = menuAction(QStringLiteral("mnuViewToolbar")))
        a->setChecked(!m_toolBar->isHidden());
    if (QAction *a = menuAction(QStringLiteral("mnuViewStatusBar")))
        a->setChecked(!m_statusBar->isHidden());
}

bool MainFrame::eventFilter(QObject *watched, QEvent *event)
{
    // Bars can also be hidden by other means; the View check marks follow.
    if ((watched == m_toolBar || watched == m_statusBar) &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        syncViewChecks();
    return QMainWindow::eventFilter(watched, event);
}

void MainFrame::exitProgram()
{
    close();
}
