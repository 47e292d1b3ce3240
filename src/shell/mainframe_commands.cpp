// The frame's own commands: toolbar dispatch, the placeholder commands, help
// and about.
#include "shell/mainframe.h"

#include "forms/dialogs.h"
#include "shell/version.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

void MainFrame::say(const QString &text)
{
    m_context.dialogs.message(this, text, Dialogs::applicationTitle());
}

void MainFrame::tbToolBar_ButtonClick(const QString &key)
{
    // A command started here never stops the program; commands report their
    // own failures to the user exactly as from the menu.
    try {
        if (key == QStringLiteral("開新檔案"))
            LoadNewDoc();
        else if (key == QStringLiteral("開啟舊檔"))
            mnuFileOpen_Click();
        else if (key == QStringLiteral("儲存"))
            mnuFileSave_Click();
        else if (key == QStringLiteral("列印"))
            mnuFilePrint_Click();
        else if (key == QStringLiteral("線條樣式"))
            say(QStringLiteral("新增 '線條樣式' 按鈕程式碼。"));
        else if (key == QStringLiteral("屬性"))
            mnuFileProperties_Click();
        else if (key == QStringLiteral("繪圖"))
            say(QStringLiteral("新增 '繪圖' 按鈕程式碼。"));
    } catch (...) {
    }
}

void MainFrame::mnuViewOptions_Click()
{
    say(QStringLiteral("新增 'mnuViewOptions_Click' 程式碼。"));
}

void MainFrame::mnuFileProperties_Click()
{
    say(QStringLiteral("新增 'mnuFileProperties_Click' 程式碼。"));
}

void MainFrame::mnuFileClose_Click()
{
    say(QStringLiteral("新增 'mnuFileClose_Click' 程式碼。"));
}

void MainFrame::mnuHelpAbout_Click()
{
    say(QStringLiteral("版本 ") + version::text());
}

void MainFrame::mnuHelpContents_Click()
{
    showHelp(QStringLiteral("無法顯示說明內容，無與此專案相關的說明。"));
}

void MainFrame::mnuHelpSearchForHelpOn_Click()
{
    showHelp(QStringLiteral("無法顯示說明內容，沒有和此專案相關的說明。"));
}

void MainFrame::showHelp(const QString &noHelpText)
{
    if (m_helpFile.isEmpty()) {
        m_context.dialogs.message(this, noHelpText, windowTitle(), Dialogs::Buttons::Ok,
                                  Dialogs::Icon::Information);
        return;
    }
    // No help viewer of its own on this platform: the system opens the file.
    // Contents and keyword search both open it at its start.
    const QFileInfo file(m_helpFile);
    if (!file.isFile())
        say(QStringLiteral("找不到說明檔 %1。").arg(QDir::toNativeSeparators(m_helpFile)));
    else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath())))
        say(QStringLiteral("無法開啟說明檔 %1。").arg(QDir::toNativeSeparators(m_helpFile)));
}
