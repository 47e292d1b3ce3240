// The frame's own commands, which only announce that their code is to come.
#include "shell/mainframe.h"

#include "forms/dialogs.h"

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
