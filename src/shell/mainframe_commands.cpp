// The frame's own commands: the placeholder commands, help and about.
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

void MainFrame::viewOptions()
{
    say(QStringLiteral("新增 'mnuViewOptions_Click' 程式碼。"));
}

void MainFrame::properties()
{
    say(QStringLiteral("新增 'mnuFileProperties_Click' 程式碼。"));
}

void MainFrame::closeDocument()
{
    say(QStringLiteral("新增 'mnuFileClose_Click' 程式碼。"));
}

void MainFrame::lineStyle()
{
    say(QStringLiteral("新增 '線條樣式' 按鈕程式碼。"));
}

void MainFrame::drawing()
{
    say(QStringLiteral("新增 '繪圖' 按鈕程式碼。"));
}

void MainFrame::about()
{
    say(QStringLiteral("版本 ") + version::text());
}

void MainFrame::helpContents()
{
    showHelp(QStringLiteral("無法顯示說明內容，無與此專案相關的說明。"));
}

void MainFrame::searchHelp()
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
        say(tr("The help file %1 cannot be found.").arg(QDir::toNativeSeparators(m_helpFile)));
    else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath())))
        say(tr("The help file %1 cannot be opened.").arg(QDir::toNativeSeparators(m_helpFile)));
}
