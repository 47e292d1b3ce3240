// The frame's commands, made in one place: each command's action with its
// object name, caption number, shortcut and picture, connected to its handler,
// in the form's menus and toolbar; and the status bar's panels.
#include "shell/mainframe.h"

#include "forms/margintoolbar.h"
#include "forms/menushortcuts.h"
#include "forms/modalbox.h"
#include "forms/panelstatusbar.h"
#include "forms/pictures.h"
#include "forms/twips.h"
#include "shell/statusclock.h"
#include "ui_mainframe.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {

// The toolbar as defined: 420 twips high, its buttons 609 x 582 HIMETRIC.
constexpr double kToolBarHeight = 420;
constexpr double kButtonWidthHimetric = 609;
constexpr double kButtonHeightHimetric = 582;
// The status bar: 270 twips high, each panel at least 1440 twips wide.
constexpr double kStatusBarHeight = 270;
constexpr double kPanelMinWidth = 1440;

} // namespace

void MainFrame::createActions()
{
    using M = MainFrame;
    QMenu *file = m_ui->mnuFile, *view = m_ui->mnuView, *help = m_ui->mnuHelp;

    QAction *fileNew = addCommand(file, "mnuFileNew", "1001", &M::newEditor, Qt::CTRL | Qt::Key_N);
    QAction *fileOpen = addCommand(file, "mnuFileOpen", "1002", &M::open, Qt::CTRL | Qt::Key_O);
    addCommand(file, "mnuFileClose", "1003", &M::closeDocument);
    addSeparator(file, "mnuFileBar0");
    QAction *fileSave = addCommand(file, "mnuFileSave", "1004", &M::save);
    addSeparator(file, "mnuFileBar1");
    QAction *fileProperties = addCommand(file, "mnuFileProperties", "1005", &M::properties);
    addSeparator(file, "mnuFileBar2");
    QAction *filePrint = addCommand(file, "mnuFilePrint", "1006", &M::print);
    addSeparator(file, "mnuFileBar3");
    addSeparator(file, "mnuFileBar4");
    addCommand(file, "mnuFileExit", "1007", &M::exitProgram);

    m_viewToolbar = addCommand(view, "mnuViewToolbar", "1009", &M::toggleToolBar);
    m_viewStatusBar = addCommand(view, "mnuViewStatusBar", "1010", &M::toggleStatusBar);
    for (QAction *toggle : {m_viewToolbar, m_viewStatusBar}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    addSeparator(view, "mnuViewBar0");
    addCommand(view, "mnuViewOptions", "1011", &M::viewOptions);

    addCommand(help, "mnuHelpContents", "1013", &M::helpContents);
    addCommand(help, "mnuHelpSearchForHelpOn", "1014", &M::searchHelp);
    addSeparator(help, "mnuHelpBar0");
    addCommand(help, "mnuHelpAbout", "1015", &M::about);

    for (QMenu *menu : {file, view, help}) {
        menu->menuAction()->setObjectName(menu->objectName());
        passOnShortcuts(menu, menuBar()); // Ctrl+N and Ctrl+O work while a menu is open
    }

    // Buttons with a menu entry share its action; two have actions of their own.
    auto *bar = m_ui->tbToolBar;
    const int height = twips::toPixels(kToolBarHeight);
    bar->setMargin((height - twips::toPixels(twips::fromHimetric(kButtonHeightHimetric))) / 2);
    bar->setMinimumHeight(height);
    const auto own = [this, bar](const char *key, void (M::*handler)()) {
        auto *action = new QAction(QString::fromUtf8(key), bar);
        action->setObjectName(action->text());
        connectCommand(action, handler);
        return action;
    };
    addToolButton(fileNew, "開新檔案", "1016", "New");
    addToolButton(fileOpen, "開啟舊檔", "1017", "Open");
    addToolButton(fileSave, "儲存", "1018", "Save");
    addToolSeparator();
    addToolButton(filePrint, "列印", "1019", "Print");
    addToolSeparator();
    addToolButton(own("線條樣式", &M::lineStyle), "線條樣式", "1020", "Line Style");
    addToolButton(fileProperties, "屬性", "1021", "Properties");
    addToolButton(own("繪圖", &M::drawing), "繪圖", "1022", "Drawing");
    bar->installEventFilter(this);
}

QAction *MainFrame::addCommand(QMenu *menu, const char *name, const char *number,
                               void (MainFrame::*handler)(), const QKeySequence &shortcut)
{
    auto *action = new QAction(QString::fromLatin1(number), this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    connectCommand(action, handler);
    menu->addAction(action);
    return action;
}

void MainFrame::connectCommand(QAction *action, void (MainFrame::*handler)())
{
    // A screen reader can trigger a menu entry or a toolbar button behind a
    // modal box, which a click cannot: the command then does nothing.
    connect(action, &QAction::triggered, this, [this, handler] {
        if (!isBehindModalBox(this)) (this->*handler)();
    });
}

void MainFrame::addSeparator(QMenu *menu, const char *name)
{
    // Without a caption: some styles print a separator's text.
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

void MainFrame::addToolButton(QAction *action, const char *key, const char *tipNumber,
                              const char *imageKey)
{
    const QString name = QString::fromUtf8(key);
    action->setIcon(pictures::toolbarIcon(QString::fromLatin1(imageKey), m_ui->tbToolBar->palette()));
    m_toolPictures.emplace_back(action, imageKey);
    action->setIconVisibleInMenu(false); // the menus show no pictures
    action->setToolTip(QString::fromLatin1(tipNumber));
    m_ui->tbToolBar->addAction(action);
    // The button carries its key, which is what tools and people know it by.
    QWidget *button = m_ui->tbToolBar->widgetForAction(action);
    button->setObjectName(name);
    button->setAccessibleName(name);
    button->setFixedSize(twips::toPixels(twips::fromHimetric(kButtonWidthHimetric)),
                         twips::toPixels(twips::fromHimetric(kButtonHeightHimetric)));
}

void MainFrame::refreshToolPictures()
{
    // Drawn for the bar's palette: a dark or high-contrast theme gets pictures
    // that stand out from its buttons.
    for (const auto &[action, imageKey] : m_toolPictures)
        action->setIcon(
            pictures::toolbarIcon(QString::fromLatin1(imageKey), m_ui->tbToolBar->palette()));
}

void MainFrame::addToolSeparator()
{
    m_ui->tbToolBar->addSeparator();
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
    m_clock = new StatusClock(date, time, this);
    bar->installEventFilter(this);
}
