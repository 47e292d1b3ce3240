#include "shell/appsetup.h"

#include <QApplication>
#include <QFont>
#include <cstring>

namespace appsetup {

void configureApplication()
{
    QApplication::setOrganizationName(QStringLiteral("plimso"));
    QApplication::setApplicationName(QStringLiteral("plimso"));
    QApplication::setApplicationDisplayName(QStringLiteral("plimso"));
    // The definitions name the Traditional Chinese system font of their origin.
    QFont::insertSubstitutions(QStringLiteral("新細明體"), {QStringLiteral("AR PL UMing TW"),
                                                            QStringLiteral("AR PL UMing TW MBE"),
                                                            QStringLiteral("Noto Sans CJK TC"),
                                                            QStringLiteral("Noto Serif CJK TC")});
}

bool displayAvailable(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0) return true;
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace appsetup
