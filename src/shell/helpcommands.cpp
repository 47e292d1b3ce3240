#include "shell/helpcommands.h"

#include "forms/dialogs.h"
#include "shell/version.h"

#include <QWidget>

HelpCommands::HelpCommands(Dialogs &dialogs, QWidget *window)
    : QObject(window), m_dialogs(dialogs), m_window(window)
{
}

void HelpCommands::contents()
{
    sayNoHelp(QStringLiteral("無法顯示說明內容，無與此專案相關的說明。"));
}

void HelpCommands::searchForHelpOn()
{
    sayNoHelp(QStringLiteral("無法顯示說明內容，沒有和此專案相關的說明。"));
}

void HelpCommands::about()
{
    m_dialogs.message(m_window, QStringLiteral("版本 ") + version::text(),
                      Dialogs::applicationTitle());
}

void HelpCommands::sayNoHelp(const QString &text)
{
    m_dialogs.message(m_window, text, m_window->windowTitle(), Dialogs::Buttons::Ok,
                      Dialogs::Icon::Information);
}
