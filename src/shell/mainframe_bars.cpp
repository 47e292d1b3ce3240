// Builds the frame's menus, toolbar and status bar from its definition and
// connects the menu entries to their handlers.
#include "shell/mainframe.h"

#include "forms/maindef.h"
#include "forms/pictures.h"
#include "forms/twips.h"
#include "shell/statusclock.h"

#include <QAction>
#include <QFrame>
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
    tbToolBar = new QToolBar(this);
    markControl(tbToolBar, QString::fromUtf8(md::kToolBarName), "Toolbar");
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    // Its context menu would offer a second, unnamed way to hide the bar.
    tbToolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    tbToolBar->setIconSize(QSize(md::kToolImageSize, md::kToolImageSize));
    tbToolBar->setMinimumHeight(twips::toPixels(md::kToolBarHeight));
    const QSize buttonSize(twips::toPixels(twips::fromHimetric(md::kButtonWidthHimetric)),
                           twips::toPixels(twips::fromHimetric(md::kButtonHeightHimetric)));
    for (const md::ToolButtonDef &def : md::toolBar()) {
        if (def.isSeparator()) {
            tbToolBar->addSeparator();
            continue;
        }
        const QString key = QString::fromUtf8(def.key);
        auto *action = new QAction(
            QIcon(QPixmap::fromImage(pictures::toolbarImage(QString::fromUtf8(def.imageKey)))), key,
            tbToolBar);
        action->setObjectName(key);
        action->setData(key);
        action->setToolTip(QString::fromUtf8(def.toolTip));
        tbToolBar->addAction(action);
        if (QWidget *button = tbToolBar->widgetForAction(action)) {
            button->setAccessibleName(key);
            button->setFixedSize(buttonSize);
        }
    }
    connect(tbToolBar, &QToolBar::actionTriggered, this,
            [this](QAction *a) { tbToolBar_ButtonClick(a->data().toString()); });
    tbToolBar->installEventFilter(this);
    addToolBar(Qt::TopToolBarArea, tbToolBar);
}

void MainFrame::buildStatusBar()
{
    sbStatusBar = new QStatusBar(this);
    markControl(sbStatusBar, QString::fromUtf8(md::kStatusBarName), "StatusBar");
    sbStatusBar->setSizeGripEnabled(true);
    sbStatusBar->setMinimumHeight(twips::toPixels(md::kStatusBarHeight));
    QLabel *date = nullptr;
    QLabel *time = nullptr;
    for (const md::PanelDef &def : md::statusPanels()) {
        auto *panel = new QLabel(sbStatusBar);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setMinimumWidth(twips::toPixels(def.minWidth));
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
        if (def.stretch)
            sbStatusBar->addWidget(panel, 1);
        else
            sbStatusBar->addPermanentWidget(panel);
    }
    if (date && time) m_clock = new StatusClock(date, time, this);
    sbStatusBar->installEventFilter(this);
    setStatusBar(sbStatusBar);
}

void MainFrame::connectMenus()
{
    const std::pair<const char *, void (MainFrame::*)()> handlers[] = {
        {"mnuFileNew", &MainFrame::mnuFileNew_Click},
        {"mnuFileOpen", &MainFrame::mnuFileOpen_Click},
        {"mnuFileClose", &MainFrame::mnuFileClose_Click},
        {"mnuFileSave", &MainFrame::mnuFileSave_Click},
        {"mnuFileProperties", &MainFrame::mnuFileProperties_Click},
        {"mnuFilePrint", &MainFrame::mnuFilePrint_Click},
        {"mnuFileExit", &MainFrame::mnuFileExit_Click},
        {"mnuViewToolbar", &MainFrame::mnuViewToolbar_Click},
        {"mnuViewStatusBar", &MainFrame::mnuViewStatusBar_Click},
        {"mnuViewOptions", &MainFrame::mnuViewOptions_Click},
        {"mnuHelpContents", &MainFrame::mnuHelpContents_Click},
        {"mnuHelpSearchForHelpOn", &MainFrame::mnuHelpSearchForHelpOn_Click},
        {"mnuHelpAbout", &MainFrame::mnuHelpAbout_Click},
    };
    for (const auto &[name, handler] : handlers)
        if (QAction *a = menuAction(QString::fromLatin1(name)))
            connect(a, &QAction::triggered, this, handler);
}
