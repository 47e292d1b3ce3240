// The main frame: menus and toolbar from the definition with their texts,
// View toggles, toolbar dispatch, placeholder, help and about messages, the
// status bar, and the remembered placement.
#include "forms/pictures.h"
#include "forms/twips.h"
#include "logic/gridmodel.h"
#include "shell/mainframe.h"
#include "support/fakedialogs.h"
#include "support/frameinput.h"
#include "support/projectversion.h"
#include "support/testenv.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <algorithm>
#include <memory>
#include <utility>

namespace {

QSettings userSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("plimso"),
                     QStringLiteral("plimso"));
}

QString stored(const char *key)
{
    return userSettings().value(QStringLiteral("Settings/") + QLatin1String(key)).toString();
}

// A child window that refuses to close, as an editor with unsaved work might.
class StubbornChild : public QWidget {
protected:
    void closeEvent(QCloseEvent *e) override { e->ignore(); }
};

} // namespace

class TestMainFrame : public QObject {
    Q_OBJECT
private:
    FakeDialogs m_dialogs;
    AppContext m_context{m_dialogs, QString()};
    GridModel m_challenge{GridModel::Kind::Challenge};
    std::unique_ptr<MainFrame> m_frame;

    MainFrame &frame() { return *m_frame; }
    QAction *menu(const char *name) { return menuAction(frame(), QString::fromLatin1(name)); }

private slots:
    void init()
    {
        userSettings().clear();
        m_dialogs.clear();
        m_frame = std::make_unique<MainFrame>(m_context, m_challenge);
    }
    void cleanup() { m_frame.reset(); }

    // --- definition and text ---

    void frameBasics()
    {
        QCOMPARE(frame().objectName(), QStringLiteral("frmMain"));
        QCOMPARE(frame().windowTitle(), QStringLiteral("plimso"));
        QVERIFY(!frame().isVisible()); // loaded hidden
        QCOMPARE(frame().mdiArea()->objectName(), QStringLiteral("mdiArea"));
        QCOMPARE(frame().centralWidget(), frame().mdiArea());
        QCOMPARE(frame().mdiArea()->background().color(),
                 QApplication::palette().color(QPalette::Dark));
    }

    void menuCaptionsAfterLoad_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("mnuFile") << "mnuFile"
                                 << "檔案(&F)";
        QTest::newRow("mnuFileNew") << "mnuFileNew"
                                    << "新增(&N)";
        QTest::newRow("mnuFileOpen") << "mnuFileOpen"
                                     << "開啟(&O)...";
        QTest::newRow("mnuFileClose") << "mnuFileClose"
                                      << "關閉(&C)";
        QTest::newRow("mnuFileSave") << "mnuFileSave"
                                     << "儲存(&S)";
        QTest::newRow("mnuFileProperties") << "mnuFileProperties"
                                           << "屬性(&I)";
        QTest::newRow("mnuFilePrint") << "mnuFilePrint"
                                      << "列印(&P)...";
        QTest::newRow("mnuFileExit") << "mnuFileExit"
                                     << "結束(&X)";
        QTest::newRow("mnuView") << "mnuView"
                                 << "檢視(&V)";
        QTest::newRow("mnuViewToolbar") << "mnuViewToolbar"
                                        << "工具列(&T)";
        QTest::newRow("mnuViewStatusBar") << "mnuViewStatusBar"
                                          << "狀態列(&B)";
        QTest::newRow("mnuViewOptions") << "mnuViewOptions"
                                        << "選項(&O)...";
        QTest::newRow("mnuHelp") << "mnuHelp"
                                 << "說明(&H)";
        QTest::newRow("mnuHelpContents") << "mnuHelpContents"
                                         << "內容(&C)";
        QTest::newRow("mnuHelpSearchForHelpOn") << "mnuHelpSearchForHelpOn"
                                                << "搜尋說明主題(&S)...";
        QTest::newRow("mnuHelpAbout") << "mnuHelpAbout"
                                      << "關於(&A)";
        for (const char *bar : {"mnuFileBar0", "mnuFileBar1", "mnuFileBar2", "mnuFileBar3",
                                "mnuFileBar4", "mnuViewBar0", "mnuHelpBar0"})
            QTest::newRow(bar) << bar << "";
    }
    void menuCaptionsAfterLoad()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QAction *a = menuAction(frame(), name);
        QVERIFY(a);
        QCOMPARE(a->text(), caption);
        QCOMPARE(a->isSeparator(), caption.isEmpty());
        QVERIFY(a->isEnabled());
        QVERIFY(a->isVisible());
    }

    void menuOrder()
    {
        const QList<QAction *> titles = frame().menuBar()->actions();
        QCOMPARE(titles.size(), 3);
        QCOMPARE(titles[0]->objectName(), QStringLiteral("mnuFile"));
        QCOMPARE(titles[1]->objectName(), QStringLiteral("mnuView"));
        QCOMPARE(titles[2]->objectName(), QStringLiteral("mnuHelp"));
        QStringList file;
        for (QAction *a : titles[0]->menu()->actions())
            file << a->objectName();
        QCOMPARE(file,
                 QStringList({"mnuFileNew", "mnuFileOpen", "mnuFileClose", "mnuFileBar0",
                              "mnuFileSave", "mnuFileBar1", "mnuFileProperties", "mnuFileBar2",
                              "mnuFilePrint", "mnuFileBar3", "mnuFileBar4", "mnuFileExit"}));
    }

    void fileMenuShowsBothAdjacentSeparators()
    {
        frame().show();
        QMenu *file = menu("mnuFile")->menu();
        QVERIFY(!file->separatorsCollapsible()); // some styles would merge the two
        file->popup(frame().geometry().topLeft());
        QVERIFY(QTest::qWaitForWindowExposed(file));
        const QRect print = file->actionGeometry(menu("mnuFilePrint"));
        const QRect bar3 = file->actionGeometry(menu("mnuFileBar3"));
        const QRect bar4 = file->actionGeometry(menu("mnuFileBar4"));
        const QRect exit = file->actionGeometry(menu("mnuFileExit"));
        QVERIFY(bar3.height() > 0);
        QVERIFY(bar4.height() > 0);
        QVERIFY(print.bottom() < bar3.top());
        QVERIFY(bar3.bottom() < bar4.top());
        QVERIFY(bar4.bottom() < exit.top());
        file->close();
    }

    void shortcutsAreBoundToTheirEntries()
    {
        QCOMPARE(menu("mnuFileNew")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
        QCOMPARE(menu("mnuFileOpen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
        frame().show();
        frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame()));
        QSignalSpy newSpy(menu("mnuFileNew"), &QAction::triggered);
        QSignalSpy openSpy(menu("mnuFileOpen"), &QAction::triggered);
        QTest::keyClick(&frame(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(newSpy.size(), 1);
        QCOMPARE(openSpy.size(), 0);
        QTest::keyClick(&frame(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(openSpy.size(), 1);
    }

    // An open menu holds the keyboard and takes every key; the frame's shortcuts
    // still work from it, and run once the menu is gone.
    void shortcutsWorkWhileAMenuIsOpen_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("editors");     // child windows afterwards
        QTest::addColumn<int>("openDialogs"); // open-file dialogs asked for
        for (const char *title : {"mnuFile", "mnuView", "mnuHelp"}) {
            QTest::addRow("%s Ctrl+N", title) << title << int(Qt::Key_N) << 1 << 0;
            QTest::addRow("%s Ctrl+O", title) << title << int(Qt::Key_O) << 0 << 1;
        }
    }
    void shortcutsWorkWhileAMenuIsOpen()
    {
        QFETCH(QString, title);
        QFETCH(int, key);
        QFETCH(int, editors);
        QFETCH(int, openDialogs);
        frame().show();
        frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame()));
        QObject context;
        int runs = 0;
        bool menuOpenWhenRun = false;
        for (const char *entry : {"mnuFileNew", "mnuFileOpen"})
            connect(menu(entry), &QAction::triggered, &context, [&] {
                ++runs;
                menuOpenWhenRun = QApplication::activePopupWidget() != nullptr;
            });
        QAction *titleAction = menuAction(frame(), title);
        frame().menuBar()->setActiveAction(titleAction); // as a click on the title
        QVERIFY(QTest::qWaitForWindowExposed(titleAction->menu()));
        QTest::keyClick(titleAction->menu(), Qt::Key(key), Qt::ControlModifier);
        QTRY_COMPARE(runs, 1);
        QVERIFY(!menuOpenWhenRun);
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(frame().mdiArea()->subWindowList().size(), editors);
        int asked = 0;
        for (const auto &r : m_dialogs.requests())
            asked += r.kind == FakeDialogs::Kind::OpenFile;
        QCOMPARE(asked, openDialogs);
        QTest::qWait(50); // nothing runs twice
        QCOMPARE(runs, 1);
    }

    void toolbarButtonsAfterLoad()
    {
        const QStringList keys = {"開新檔案", "開啟舊檔", "儲存", "",    "列印",
                                  "",         "線條樣式", "屬性", "繪圖"};
        QToolBar *tb = frame().toolBar();
        QCOMPARE(tb->objectName(), QStringLiteral("tbToolBar"));
        const QList<QAction *> actions = tb->actions();
        QCOMPARE(actions.size(), keys.size());
        for (int i = 0; i < keys.size(); ++i) {
            QAction *a = actions[i];
            QCOMPARE(a->isSeparator(), keys[i].isEmpty());
            if (keys[i].isEmpty()) continue;
            QCOMPARE(a->toolTip(), keys[i]); // the number became the text
            QCOMPARE(a->icon().pixmap(16, 16).size(), QSize(16, 16));
            QCOMPARE(tb->widgetForAction(a)->accessibleName(), keys[i]);
            QCOMPARE(toolButtonAction(frame(), keys[i]), a);
            QCOMPARE(tb->widgetForAction(a)->objectName(), keys[i]);
        }
        // A button with a menu entry triggers that entry's action; the others their own.
        const std::pair<QString, const char *> shared[] = {{"開新檔案", "mnuFileNew"},
                                                           {"開啟舊檔", "mnuFileOpen"},
                                                           {"儲存", "mnuFileSave"},
                                                           {"列印", "mnuFilePrint"},
                                                           {"屬性", "mnuFileProperties"}};
        for (const auto &[key, entry] : shared) {
            QSignalSpy triggered(menu(entry), &QAction::triggered);
            m_dialogs.clear();
            clickToolButton(frame(), key);
            QCOMPARE(triggered.size(), 1);
        }
        for (const QString key : {"線條樣式", "繪圖"}) {
            const QList<QObject *> places = toolButtonAction(frame(), key)->associatedObjects();
            QVERIFY(std::none_of(places.begin(), places.end(),
                                 [](QObject *o) { return qobject_cast<QMenu *>(o); }));
        }
    }

    // A theme change redraws the toolbar's pictures for the new buttons.
    void toolbarPicturesFollowThePalette()
    {
        const QPalette before = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
        QPalette dark = before;
        for (auto role : {QPalette::Window, QPalette::Button})
            dark.setColor(role, QColor(0x42, 0x42, 0x45));
        dark.setColor(QPalette::ButtonText, Qt::white);
        const auto shown = [this] {
            return toolButtonAction(frame(), QStringLiteral("線條樣式"))->icon().pixmap(16, 16).toImage();
        };
        const QImage light = shown();
        QApplication::setPalette(dark);
        QTRY_COMPARE(frame().toolBar()->palette().color(QPalette::Button), QColor(0x42, 0x42, 0x45));
        QCOMPARE(shown(), pictures::toolbarIcon(QStringLiteral("Line Style"), frame().toolBar()->palette())
                              .pixmap(16, 16)
                              .toImage());
        QVERIFY(shown() != light);
    }

    // --- View toggles ---

    void viewStartsChecked()
    {
        frame().show();
        QVERIFY(menu("mnuViewToolbar")->isChecked());
        QVERIFY(menu("mnuViewStatusBar")->isChecked());
        QVERIFY(frame().toolBar()->isVisible());
        QVERIFY(frame().statusBar()->isVisible());
    }

    void viewToolbarTwice()
    {
        frame().show();
        triggerMenu(frame(), "mnuViewToolbar");
        QVERIFY(!frame().toolBar()->isVisible());
        QVERIFY(!menu("mnuViewToolbar")->isChecked());
        QVERIFY(frame().statusBar()->isVisible());
        QVERIFY(menu("mnuViewStatusBar")->isChecked());
        triggerMenu(frame(), "mnuViewToolbar");
        QVERIFY(frame().toolBar()->isVisible());
        QVERIFY(menu("mnuViewToolbar")->isChecked());
    }

    void viewStatusBarTwiceFromTheMenu()
    {
        // Through the entry itself, whose own check toggling must not cancel the handler's.
        frame().show();
        triggerMenu(frame(), "mnuViewStatusBar");
        QVERIFY(!frame().statusBar()->isVisible());
        QVERIFY(!menu("mnuViewStatusBar")->isChecked());
        QVERIFY(frame().toolBar()->isVisible());
        triggerMenu(frame(), "mnuViewStatusBar");
        QVERIFY(frame().statusBar()->isVisible());
        QVERIFY(menu("mnuViewStatusBar")->isChecked());
    }

    void checksFollowBarsHiddenOtherwise()
    {
        frame().show();
        frame().toolBar()->hide();
        QVERIFY(!menu("mnuViewToolbar")->isChecked());
        frame().statusBar()->hide();
        QVERIFY(!menu("mnuViewStatusBar")->isChecked());
        frame().toolBar()->show();
        QVERIFY(menu("mnuViewToolbar")->isChecked());
        // Minimising hides nothing explicitly: the marks stay.
        frame().showMinimized();
        QVERIFY(menu("mnuViewToolbar")->isChecked());
    }

    // --- toolbar dispatch, placeholders, help and about ---

    void toolbarDispatch_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("message");
        QTest::newRow("線條樣式") << "線條樣式"
                                  << "新增 '線條樣式' 按鈕程式碼。";
        QTest::newRow("屬性") << "屬性"
                              << "新增 'mnuFileProperties_Click' 程式碼。";
        QTest::newRow("繪圖") << "繪圖"
                              << "新增 '繪圖' 按鈕程式碼。";
    }
    void toolbarDispatch()
    {
        QFETCH(QString, key);
        QFETCH(QString, message);
        clickToolButton(frame(), key);
        QCOMPARE(m_dialogs.requests().size(), 1);
        const auto &r = m_dialogs.last();
        QCOMPARE(r.kind, FakeDialogs::Kind::Message);
        QCOMPARE(r.text, message);
        QCOMPARE(r.title, QStringLiteral("plimso"));
        QCOMPARE(r.buttons, Dialogs::Buttons::Ok);
        QCOMPARE(r.icon, Dialogs::Icon::None);
    }

    void clickingAToolbarButtonDispatchesItsKey()
    {
        frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame()));
        clickToolButton(frame(), QStringLiteral("繪圖"));
        QCOMPARE(m_dialogs.messages().size(), 1);
        QCOMPARE(m_dialogs.last().text, QStringLiteral("新增 '繪圖' 按鈕程式碼。"));
    }

    void menuMessages_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("information");
        QTest::newRow("options") << "mnuViewOptions"
                                 << "新增 'mnuViewOptions_Click' 程式碼。" << false;
        QTest::newRow("properties") << "mnuFileProperties"
                                    << "新增 'mnuFileProperties_Click' 程式碼。" << false;
        QTest::newRow("close") << "mnuFileClose"
                               << "新增 'mnuFileClose_Click' 程式碼。" << false;
        QTest::newRow("contents") << "mnuHelpContents"
                                  << "無法顯示說明內容，無與此專案相關的說明。" << true;
        QTest::newRow("search") << "mnuHelpSearchForHelpOn"
                                << "無法顯示說明內容，沒有和此專案相關的說明。" << true;
        QTest::newRow("about") << "mnuHelpAbout"
                               << "版本 " PLIMSO_PROJECT_VERSION << false;
    }
    void menuMessages()
    {
        QFETCH(QString, entry);
        QFETCH(QString, text);
        QFETCH(bool, information);
        triggerMenu(frame(), qPrintable(entry));
        QCOMPARE(m_dialogs.requests().size(), 1);
        const auto &r = m_dialogs.last();
        QCOMPARE(r.kind, FakeDialogs::Kind::Message);
        QCOMPARE(r.text, text);
        QCOMPARE(r.title, QStringLiteral("plimso"));
        QCOMPARE(r.buttons, Dialogs::Buttons::Ok);
        QCOMPARE(r.icon, information ? Dialogs::Icon::Information : Dialogs::Icon::None);
    }

    void closeLeavesChildWindowsOpen()
    {
        frame().show();
        auto *child = frame().mdiArea()->addSubWindow(new QWidget);
        child->show();
        triggerMenu(frame(), "mnuFileClose");
        QVERIFY(child->isVisible());
    }

    // --- status bar ---

    void statusBarPanels()
    {
        QStatusBar *sb = frame().statusBar();
        QCOMPARE(sb->objectName(), QStringLiteral("sbStatusBar"));
        const QList<QLabel *> panels = sb->findChildren<QLabel *>();
        QCOMPARE(panels.size(), 3);
        QCOMPARE(panels[0]->text(), QStringLiteral("狀態"));
        QCOMPARE(panels[1]->text(),
                 QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
        QVERIFY(!panels[2]->text().isEmpty());
        for (QLabel *p : panels) {
            QCOMPARE(p->minimumWidth(), twips::toPixels(1440.0));
            QCOMPARE(p->frameShadow(), QFrame::Sunken);
        }
        // However narrow the frame gets, no panel gets narrower than its minimum.
        frame().show();
        frame().resize(50, frame().height());
        QVERIFY(QTest::qWaitForWindowExposed(&frame()));
        for (QLabel *p : panels)
            QVERIFY2(p->width() >= twips::toPixels(1440.0), qPrintable(p->text()));
    }

    // The bars are as high as defined, or as their text needs when the desktop
    // font is larger; nothing in them is cut off.
    void barsFitTheirText_data()
    {
        QTest::addColumn<int>("pointSize"); // 0: the default font
        QTest::newRow("default font") << 0;
        QTest::newRow("16 points") << 16;
    }
    void barsFitTheirText()
    {
        QFETCH(int, pointSize);
        const QFont original = QApplication::font();
        const auto restoreFont = qScopeGuard([&] { QApplication::setFont(original); });
        if (pointSize) {
            QFont larger = original;
            larger.setPointSize(pointSize);
            QApplication::setFont(larger);
            m_frame = std::make_unique<MainFrame>(m_context, m_challenge);
        }
        frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame()));
        QStatusBar *sb = frame().statusBar();
        for (QWidget *bar : {static_cast<QWidget *>(frame().menuBar()),
                             static_cast<QWidget *>(frame().toolBar()), static_cast<QWidget *>(sb)})
            QVERIFY2(bar->height() >= bar->sizeHint().height(), bar->metaObject()->className());
        const QList<QLabel *> panels = sb->findChildren<QLabel *>();
        QCOMPARE(panels.size(), 3);
        for (QLabel *panel : panels) {
            QVERIFY2(panel->height() >= panel->sizeHint().height(), qPrintable(panel->text()));
            QVERIFY2(QFontMetrics(panel->font()).height() <= panel->contentsRect().height(),
                     qPrintable(panel->text()));
            const QRect inBar(panel->mapTo(sb, QPoint(0, 0)), panel->size());
            QVERIFY2(sb->rect().contains(inBar), qPrintable(panel->text()));
        }
        if (pointSize == 0) {
            QCOMPARE(frame().toolBar()->height(), twips::toPixels(420.0));
            QCOMPARE(sb->height(), twips::toPixels(270.0));
        }
    }

    // --- placement ---

    void firstRunPlacement() { QCOMPARE(frame().frameGeometry(), QRect(67, 67, 433, 433)); }

    void restoresStoredPlacement()
    {
        m_frame.reset();
        {
            auto s = userSettings();
            s.setValue("Settings/MainLeft", "1500");
            s.setValue("Settings/MainTop", "3000");
            s.setValue("Settings/MainWidth", "6000");
            s.setValue("Settings/MainHeight", "nan"); // default for this one only
        }
        m_frame = std::make_unique<MainFrame>(m_context, m_challenge);
        QCOMPARE(frame().frameGeometry(), QRect(100, 200, 400, 433));
    }

    void offScreenPlacementIsMovedOntoTheScreen()
    {
        m_frame.reset();
        userSettings().setValue("Settings/MainLeft", "-300000");
        userSettings().setValue("Settings/MainTop", "900000");
        m_frame = std::make_unique<MainFrame>(m_context, m_challenge);
        const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(avail.intersects(frame().frameGeometry()));
        QCOMPARE(frame().frameGeometry().size(), QSize(433, 433));
    }

    void shownFrameKeepsTheRememberedOuterSize()
    {
        // Once the window system adds its frame, the outer size stays the stored one.
        frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame()));
        QTRY_COMPARE(frame().frameGeometry(), QRect(67, 67, 433, 433));
    }

    void closeStoresThePlacement()
    {
        frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame()));
        frame().move(100, 80);
        frame().resize(450, 300);
        const QRect outer = frame().frameGeometry();
        QCOMPARE(outer.topLeft(), QPoint(100, 80));
        QVERIFY(frame().close());
        QCOMPARE(stored("MainLeft"), QStringLiteral("1500"));
        QCOMPARE(stored("MainTop"), QStringLiteral("1200"));
        QCOMPARE(stored("MainWidth"), PlacementText(outer.width()));
        QCOMPARE(stored("MainHeight"), PlacementText(outer.height()));
        // The next run opens where this one closed, at the same outer size.
        m_frame = std::make_unique<MainFrame>(m_context, m_challenge);
        frame().show();
        QTRY_COMPARE(frame().frameGeometry(), outer);
    }

    // A stored size that the screen, the frame's minimum size or its margins
    // overrode is kept, however the frame is closed, unless the user resized it.
    void closeKeepsAStoredSizeTheFrameOverrode_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<bool>("closeButton"); // else File > Exit
        QTest::newRow("too large for the screen, Exit") << "60000" << "45000" << false;
        QTest::newRow("narrower than the frame's minimum, Exit") << "3000" << "6500" << false;
        QTest::newRow("narrower than the frame's minimum, close button")
            << "3000" << "6500" << true;
    }
    void closeKeepsAStoredSizeTheFrameOverrode()
    {
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(bool, closeButton);
        m_frame.reset();
        userSettings().setValue("Settings/MainWidth", width);
        userSettings().setValue("Settings/MainHeight", height);
        m_frame = std::make_unique<MainFrame>(m_context, m_challenge);
        frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame()));
        QVERIFY(frame().frameGeometry().width() != twips::toPixels(width.toDouble()));
        frame().move(100, 80); // moving alone keeps the remembered size
        if (closeButton)
            QVERIFY(frame().windowHandle()->close());
        else
            triggerMenu(frame(), "mnuFileExit");
        QVERIFY(!frame().isVisible());
        QCOMPARE(stored("MainLeft"), QStringLiteral("1500"));
        QCOMPARE(stored("MainWidth"), width);
        QCOMPARE(stored("MainHeight"), height);
    }

    // Where the window system places windows itself (Wayland) the frame cannot
    // tell where it is: Exit keeps the stored position, or its absence, and
    // remembers the size.
    void closeWithoutWindowPlacementKeepsTheStoredPosition_data()
    {
        QTest::addColumn<QString>("left"); // stored before the run; empty: none
        QTest::addColumn<QString>("top");
        QTest::newRow("stored") << "1500"
                                << "3000";
        QTest::newRow("none stored") << ""
                                     << "";
    }
    void closeWithoutWindowPlacementKeepsTheStoredPosition()
    {
        QFETCH(QString, left);
        QFETCH(QString, top);
        m_frame.reset();
        if (!left.isEmpty()) {
            userSettings().setValue("Settings/MainLeft", left);
            userSettings().setValue("Settings/MainTop", top);
        }
        m_frame = std::make_unique<MainFrame>(m_context, m_challenge);
        frame().setCanPlaceWindows(false);
        frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame()));
        frame().move(300, 20);
        frame().resize(450, 300);
        const QRect outer = frame().frameGeometry();
        QVERIFY(frame().close());
        QCOMPARE(stored("MainLeft"), left);
        QCOMPARE(stored("MainTop"), top);
        QCOMPARE(stored("MainWidth"), PlacementText(outer.width()));
        QCOMPARE(stored("MainHeight"), PlacementText(outer.height()));
    }

    void minimisedCloseWritesNothing()
    {
        userSettings().setValue("Settings/MainLeft", "2000");
        frame().show();
        frame().move(300, 10);
        frame().showMinimized();
        QTRY_VERIFY(frame().isMinimized());
        QVERIFY(frame().close());
        QCOMPARE(stored("MainLeft"), QStringLiteral("2000"));
        QVERIFY(!userSettings().contains("Settings/MainTop"));
    }

    void maximisedCloseWritesTheMaximisedBounds()
    {
        frame().show();
        frame().showMaximized();
        QTRY_VERIFY(frame().isMaximized());
        const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
        QTRY_COMPARE(frame().frameGeometry(), avail);
        const QRect bounds = frame().frameGeometry();
        QVERIFY(frame().close());
        QCOMPARE(stored("MainLeft"), PlacementText(bounds.x()));
        QCOMPARE(stored("MainTop"), PlacementText(bounds.y()));
        QCOMPARE(stored("MainWidth"), PlacementText(bounds.width()));
        QCOMPARE(stored("MainHeight"), PlacementText(bounds.height()));
        // The next run opens a normal frame with those bounds.
        m_frame = std::make_unique<MainFrame>(m_context, m_challenge);
        frame().show();
        QVERIFY(!frame().isMaximized());
        QTRY_COMPARE(frame().frameGeometry(), bounds);
    }

    void exitClosesChildrenThenFrame()
    {
        frame().show();
        QPointer<QMdiSubWindow> a = frame().mdiArea()->addSubWindow(new QWidget);
        QPointer<QMdiSubWindow> b = frame().mdiArea()->addSubWindow(new QWidget);
        a->show();
        b->show();
        triggerMenu(frame(), "mnuFileExit");
        QVERIFY(!frame().isVisible());
        QVERIFY(!a || !a->isVisible());
        QVERIFY(!b || !b->isVisible());
        QCOMPARE(stored("MainLeft"), QStringLiteral("1005")); // 67 pixels
    }

    void childRefusingToCloseKeepsTheFrameOpen()
    {
        frame().show();
        frame().mdiArea()->addSubWindow(new StubbornChild)->show();
        QVERIFY(!frame().close());
        QVERIFY(frame().isVisible());
        QVERIFY(!userSettings().contains("Settings/MainLeft"));
    }

private:
    static QString PlacementText(int pixels) { return QString::number(pixels * 15); }
};

PLIMSO_TEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
