#include "shell/frmmain.h"

#include "forms/colours.h"
#include "forms/maindef.h"
#include "forms/twips.h"
#include "shell/module1.h"
#include "shell/placementstore.h"
#include "shell/screenfit.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QToolBar>

namespace md = forms::maindef;

frmMain::frmMain(AppContext &context, QWidget *parent) : QMainWindow(parent), m_context(context)
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

    // Creation order of the definition: status bar, then toolbar.
    buildStatusBar();
    buildToolBar();
    buildMenus();
    connectMenus();
    resize(twips::toPixels(md::kClientWidth, md::kClientHeight));

    MDIForm_Load();
}

frmMain::~frmMain() = default;

QAction *frmMain::menuAction(const QString &name) const
{
    for (QAction *a : findChildren<QAction *>(name))
        if (a->property("typeName").toString() == QLatin1String("Menu")) return a;
    return nullptr;
}

QAction *frmMain::toolButton(const QString &key) const
{
    for (QAction *a : tbToolBar->actions())
        if (!a->isSeparator() && a->data().toString() == key) return a;
    return nullptr;
}

void frmMain::MDIForm_Load()
{
    Module1::ApplyStringTable(this);
    applyPlacement();
}

void frmMain::applyPlacement()
{
    const QRectF stored = PlacementStore().read();
    const QRect wanted = screenfit::fitToScreens(twips::toPixels(stored));
    // Qt positions a window by its frame but sizes it by its client area.
    const QSize margins = frameGeometry().size() - size();
    move(wanted.topLeft());
    resize(wanted.size() - margins);
    m_pendingOuterSize = margins.isNull() ? wanted.size() : QSize();
    new AppliedPlacement(stored, wanted.size(), this); // remembered size: kept unless resized
}

void frmMain::MDIForm_Unload()
{
    if (isMinimized()) return;
    // A maximised frame reports its maximised bounds here.
    PlacementStore().write(AppliedPlacement::toStore(this, frameGeometry())); // remembered size
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // Children close first, each through its own close handling; one that
    // refuses keeps the frame open.
    m_mdiArea->closeAllSubWindows();
    for (QMdiSubWindow *w : m_mdiArea->subWindowList())
        if (w->isVisible()) {
            event->ignore();
            return;
        }
    MDIForm_Unload();
    event->accept();
}

void frmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    adjustForFrameMargins();
}

void frmMain::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    adjustForFrameMargins();
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    adjustForFrameMargins();
}

void frmMain::adjustForFrameMargins()
{
    if (!m_pendingOuterSize.isValid() || !isVisible() || windowState() != Qt::WindowNoState) return;
    const QSize margins = frameGeometry().size() - size();
    if (margins.isNull()) return;
    const QSize client = m_pendingOuterSize - margins;
    m_pendingOuterSize = QSize();
    resize(client);
}

void frmMain::mnuViewToolbar_Click()
{
    // The check mark always equals the bar's visibility, so inverting one
    // inverts the other; Qt's own toggling of the checkable entry is overruled.
    tbToolBar->setVisible(tbToolBar->isHidden());
    syncViewChecks();
}

void frmMain::mnuViewStatusBar_Click()
{
    sbStatusBar->setVisible(sbStatusBar->isHidden());
    syncViewChecks();
}

void frmMain::syncViewChecks()
{
    if (QAction *a = menuAction(QStringLiteral("mnuViewToolbar")))
        a->setChecked(!tbToolBar->isHidden());
    if (QAction *a = menuAction(QStringLiteral("mnuViewStatusBar")))
        a->setChecked(!sbStatusBar->isHidden());
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    // Bars can also be hidden by other means; the View check marks follow.
    if ((watched == tbToolBar || watched == sbStatusBar) &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        syncViewChecks();
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::mnuFileExit_Click()
{
    close();
}
