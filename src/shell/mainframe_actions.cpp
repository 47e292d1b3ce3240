// The frame's commands wired to the form's actions, and what the form cannot
// hold: the separators' names, the toolbar's sizes from the definition, the
// shortcuts kept working in an open menu, and the status bar's panels.
#include "shell/mainframe.h"

#include "forms/frametoolbar.h"
#include "forms/menushortcuts.h"
#include "forms/modalbox.h"
#include "forms/panelstatusbar.h"
#include "forms/twips.h"
#include "shell/helpcommands.h"
#include "shell/statusclock.h"
#include "ui_mainframe.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <utility>

namespace {

// The toolbar as defined: 420 twips high, its buttons 609 x 582 HIMETRIC.
constexpr double kToolBarHeight = 420;
constexpr double kButtonWidthHimetric = 609;
constexpr double kButtonHeightHimetric = 582;
// The status bar: 270 twips high, each panel at least 1440 twips wide.
constexpr double kStatusBarHeight = 270;
constexpr double kPanelMinWidth = 1440;

// Designer keeps a menu's separators nameless; they are known by the menu's
// name, "Bar" and their place among its separators: mnuFileBar0, mnuFileBar1...
void nameSeparators(QMenu *menu)
{
    int n = 0;
    for (QAction *a : menu->actions())
        if (a->isSeparator())
            a->setObjectName(menu->objectName() + QStringLiteral("Bar") + QString::number(n++));
}

} // namespace

void MainFrame::connectActions()
{
    using M = MainFrame;
    const Ui::MainFrame &ui = *m_ui;
    const std::pair<QAction *, void (M::*)()> commands[] = {
        {ui.mnuFileNew, &M::newEditor},
        {ui.mnuFileOpen, &M::open},
        {ui.mnuFileClose, &M::closeDocument},
        {ui.mnuFileSave, &M::save},
        {ui.mnuFileProperties, &M::properties},
        {ui.mnuFilePrint, &M::print},
        {ui.mnuFileExit, &M::exitProgram},
        {ui.mnuViewToolbar, &M::toggleToolBar},
        {ui.mnuViewStatusBar, &M::toggleStatusBar},
        {ui.mnuViewOptions, &M::viewOptions},
        {ui.線條樣式, &M::lineStyle},
        {ui.繪圖, &M::drawing},
    };
    // A screen reader can trigger a menu entry or a toolbar button behind a
    // modal box, which a click cannot: the command then does nothing.
    for (const auto &[action, command] : commands)
        connect(action, &QAction::triggered, this, [this, command = command] {
            if (!isBehindModalBox(this)) (this->*command)();
        });
    auto *help = new HelpCommands(m_context.dialogs, this);
    const std::pair<QAction *, void (HelpCommands::*)()> helpCommands[] = {
        {ui.mnuHelpContents, &HelpCommands::contents},
        {ui.mnuHelpSearchForHelpOn, &HelpCommands::searchForHelpOn},
        {ui.mnuHelpAbout, &HelpCommands::about},
    };
    for (const auto &[action, command] : helpCommands)
        connect(action, &QAction::triggered, help, [this, help, command = command] {
            if (!isBehindModalBox(this)) (help->*command)();
        });

    for (QMenu *menu : {ui.mnuFile, ui.mnuView, ui.mnuHelp}) {
        menu->menuAction()->setObjectName(menu->objectName());
        nameSeparators(menu);
        passOnShortcuts(menu, menuBar()); // Ctrl+N and Ctrl+O work while a menu is open
    }

    FrameToolBar *bar = ui.tbToolBar;
    const QSize button(twips::toPixels(twips::fromHimetric(kButtonWidthHimetric)),
                       twips::toPixels(twips::fromHimetric(kButtonHeightHimetric)));
    const int height = twips::toPixels(kToolBarHeight);
    bar->setMargin((height - button.height()) / 2);
    bar->setMinimumHeight(height);
    bar->setButtonSize(button);
    bar->installEventFilter(this);
}

void MainFrame::createStatusPanels()
{
    // At least the defined height, taller when the panels' text needs it.
    PanelStatusBar *bar = m_ui->sbStatusBar;
    bar->setDefinedHeight(twips::toPixels(kStatusBarHeight));
    const int minWidth = twips::toPixels(kPanelMinWidth);
    bar->addPanel(minWidth, 1)->setText(QStringLiteral("狀態"));
    QLabel *date = bar->addPanel(minWidth);
    QLabel *time = bar->addPanel(minWidth);
    new StatusClock(date, time, this);
    bar->installEventFilter(this);
}
