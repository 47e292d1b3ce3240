#include "shell/appsetup.h"

#include "forms/pictures.h"
#include "grid/dotgridaccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTranslator>

namespace appsetup {

void configureApplication()
{
    QApplication::setOrganizationName(QStringLiteral("plimso"));
    QApplication::setApplicationName(QStringLiteral("plimso"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.plimso.Plimso"));
    // No display name: the window system would append it to every title, and
    // the prompt must read "INPUT", not "INPUT — plimso".
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(pictures::greenDotImage())));
    // The definitions name the Traditional Chinese system font of their origin.
    QFont::insertSubstitutions(QStringLiteral("新細明體"), {QStringLiteral("AR PL UMing TW"),
                                                            QStringLiteral("AR PL UMing TW MBE"),
                                                            QStringLiteral("Noto Sans CJK TC"),
                                                            QStringLiteral("Noto Serif CJK TC")});
    // Assistive technology meets each dot grid as a table of dots.
    QAccessible::installFactory(&dotGridAccessibleFactory);
}

std::unique_ptr<QTranslator> installQtTranslations(const QLocale &locale)
{
    // "qt" is Qt's catalogue that pulls in every module's translation.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

std::unique_ptr<QTranslator> installProgramTranslations(const QLocale &locale)
{
    if (QLocale(locale.uiLanguages().value(0)).language() != QLocale::Chinese) return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/plimso_zh_TW.qm")) ||
        !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

Translations installTranslations(const QLocale &locale)
{
    return {installQtTranslations(locale), installProgramTranslations(locale)};
}

bool displayAvailable(bool displayNamed)
{
    return displayNamed || qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
           qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace appsetup
