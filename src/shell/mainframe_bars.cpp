// Builds the frame's menus, toolbar and status bar from its definition and
// connects the menu entries to their handlers.
#include "shell/mainframe.h"

#include "forms/maindef.h"
#include "forms/margintoolbar.h"
#include "forms/menushortcuts.h"
#include "forms/panelstatusbar.h"
#include "forms/pictures.h"
#include "forms/twips.h"
#include "shell/statusclock.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace md = forms::maindef;

namespace {

// The properties the string-table walk uses to find and treat a control.
void markControl(QObject *o, const QString &name, const char *typeName)
{
    o->setObjectName(name);
    o->setProperty("typeName", QString::fromLatin1(typeName));
    o->setProperty("form", QString::fromUtf8(md::kName));
    o->setProperty("Tag", QString());
}

} // namespace

void MainFrame::buildMenus()
{
    QMenu *menu = nullptr;
    for (const md::MenuEntryDef &def : md::menu()) {
        const QString name = QString::fromUtf8(def.name);
        const QString caption = QString::fromUtf8(def.caption);
        QAction *action = nullptr;
        switch (def.level) {
        case md::MenuEntryDef::Level::Title:
            menu = menuBar()->addMenu(caption);
            menu->setObjectName(name + QStringLiteral("Menu"));
            // Two adjacent separators are part of the File menu's look.
            menu->setSeparatorsCollapsible(false);
            // Ctrl+N and Ctrl+O work whether or not a menu is open.
            passOnShortcuts(menu, menuBar());
            action = menu->menuAction();
            break;
        case md::MenuEntryDef::Level::Separator:
            // Without the definition's "-": some styles print a separator's text.
            action = new QAction(this);
            action->setSeparator(true);
            break;
        case md::MenuEntryDef::Level::Entry:
            action = new QAction(caption, this);
            if (def.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(def.shortcut)));
            if (def.checked) {
                action->setCheckable(true);
                action->setChecked(true);
            }
            break;
        }
        markControl(action, name, "Menu");
        if (def.level != md::MenuEntryDef::Level::Title && menu) menu->addAction(action);
    }
}

void MainFrame::buildToolBar()
{
    const QSize buttonSize(twips::toPixels(twips::fromHimetric(md::kButtonWidthHimetric)),
                           twips::toPixels(twips::fromHimetric(md::kButtonHeightHimetric)));
    // The defined height is the buttons' with an equal margin above and below.
    const int height = twips::toPixels(md::kToolBarHeight);
    m_toolBar = new MarginToolBar((height - buttonSize.height()) / 2, this);
    markControl(m_toolBar, QString::fromUtf8(md::kToolBarName), "Toolbar");
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    // Its context menu would offer a second, unnamed way to hide the bar.
    m_toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_toolBar->setIconSize(QSize(md::kToolImageSize, md::kToolImageSize));
    m_toolBar->setMinimumHeight(height);
    for (const md::ToolButtonDef &def : md::toolBar()) {
        if (def.isSeparator()) {
            m_toolBar->addSeparator();
            continue;
        }
        const QString key = QString::fromUtf8(def.key);
        const QIcon icon(
            QPixmap::fromImage(pictures::toolbarImage(QString::fromUtf8(def.imageKey))));
        QAction *action = def.menuEntry ? menuAction(QString::fromLatin1(def.menuEntry)) : nullptr;
        if (action) {
            action->setIcon(icon);
            action->setIconVisibleInMenu(false); // the menus show no pictures
        } else {
            // A button of its own: it only announces that its code is still to come.
            action = new QAction(icon, key, m_toolBar);
            action->setObjectName(key);
            const QString message = QStringLiteral("新增 '%1' 按鈕程式碼。").arg(key);
            connect(action, &QAction::triggered, this, [this, message] { say(message); });
        }
        action->setData(key);
        action->setToolTip(QString::fromUtf8(def.toolTip));
        m_toolBar->addAction(action);
        if (QWidget *button = m_toolBar->widgetForAction(action)) {
            button->setObjectName(key);
            button->setAccessibleName(key);
            button->setFixedSize(buttonSize);
        }
    }
    m_toolBar->installEventFilter(this);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void MainFrame::buildStatusBar()
{
    // At least the defined height, taller when the panels' text needs it.
    auto *bar = new PanelStatusBar(twips::toPixels(md::kStatusBarHeight), this);
    m_statusBar = bar;
    markControl(m_statusBar, QString::fromUtf8(md::kStatusBarName), "StatusBar");
    QLabel *date = nullptr;
    QLabel *time = nullptr;
    for (const md::PanelDef &def : md::statusPanels()) {
        QLabel *panel = bar->addPanel(twips::toPixels(def.minWidth), def.stretch ? 1 : 0);
        switch (def.content) {
        case md::PanelDef::Content::Text:
            panel->setText(QString::fromUtf8(def.text));
            break;
        case md::PanelDef::Content::Date:
            date = panel;
            break;
        case md::PanelDef::Content::Time:
            time = panel;
            break;
        }
    }
    if (date && time) m_clock = new StatusClock(date, time, this);
    m_statusBar->installEventFilter(this);
    setStatusBar(m_statusBar);
}

void MainFrame::connectMenus()
{
    const std::pair<const char *, void (MainFrame::*)()> handlers[] = {
        {"mnuFileNew", &MainFrame::newEditor},
        {"mnuFileOpen", &MainFrame::open},
        {"mnuFileClose", &MainFrame::closeDocument},
        {"mnuFileSave", &MainFrame::save},
        {"mnuFileProperties", &MainFrame::properties},
        {"mnuFilePrint", &MainFrame::print},
        {"mnuFileExit", &MainFrame::exitProgram},
        {"mnuViewToolbar", &MainFrame::toggleToolBar},
        {"mnuViewStatusBar", &MainFrame::toggleStatusBar},
        {"mnuViewOptions", &MainFrame::viewOptions},
        {"mnuHelpContents", &MainFrame::helpContents},
        {"mnuHelpSearchForHelpOn", &MainFrame::searchHelp},
        {"mnuHelpAbout", &MainFrame::about},
    };
    for (const auto &[name, handler] : handlers)
        if (QAction *a = menuAction(QString::fromLatin1(name)))
            connect(a, &QAction::triggered, this, handler);
}
