#include "shell/appsetup.h"

#include "forms/pictures.h"
#include "grid/childwindowaccessible.h"
#include "grid/dotgridaccessible.h"
#include "shell/userfolders.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
#include <QSettings>
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
    // Qt keeps settings of its own there too (the file dialogs' history): in
    // the same folder as the program's, never relative to the working folder.
    // Without one, a path below /dev/null, where no file can ever be made.
    const QString config = userfolders::configHome();
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope,
                           config.isEmpty() ? QStringLiteral("/dev/null") : config);
    // The definitions name the Traditional Chinese system font of their origin.
    QFont::insertSubstitutions(QStringLiteral("新細明體"), {QStringLiteral("AR PL UMing TW"),
                                                            QStringLiteral("AR PL UMing TW MBE"),
                                                            QStringLiteral("Noto Sans CJK TC"),
                                                            QStringLiteral("Noto Serif CJK TC")});
    // Assistive technology meets each dot grid as a table of dots, and each
    // child window by its exact caption.
    QAccessible::installFactory(&dotGridAccessibleFactory);
    QAccessible::installFactory(&childWindowAccessibleFactory);
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

namespace {

// The context of the words for what was tried.
struct DisplayTried {
    Q_DECLARE_TR_FUNCTIONS(DisplayTried)
};

// The value that follows `option` in Qt's options, else that of `variable`.
QString optionOr(const QStringList &qtArguments, QLatin1String option, const char *variable)
{
    const qsizetype at = qtArguments.lastIndexOf(option);
    return at >= 0 && at + 1 < qtArguments.size() ? qtArguments.at(at + 1)
                                                   : qEnvironmentVariable(variable);
}

} // namespace

QString displayTried(const QStringList &qtArguments)
{
    // Qt's own choice without a platform: X11, or Wayland first in a Wayland session.
    QString platform = optionOr(qtArguments, QLatin1String("-platform"), "QT_QPA_PLATFORM");
    if (platform.isEmpty())
        platform = qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")
                       ? QStringLiteral("wayland;xcb")
                       : QStringLiteral("xcb");
    QStringList tried;
    for (const QString &name : platform.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (name == QLatin1String("xcb")) {
            //: %1 names an X display (":0").
            tried << DisplayTried::tr("the X display \"%1\"")
                         .arg(optionOr(qtArguments, QLatin1String("-display"), "DISPLAY"));
        } else if (name.startsWith(QLatin1String("wayland"))) {
            const QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
            //: %1 names a Wayland display ("wayland-0").
            tried << DisplayTried::tr("the Wayland display \"%1\"")
                         .arg(display.isEmpty() ? QStringLiteral("wayland-0") : display);
        } else {
            //: %1 names a Qt platform plugin ("xcb").
            tried << DisplayTried::tr("the platform \"%1\"").arg(name);
        }
    }
    //: Joins two things tried ("the Wayland display "wayland-0"", "the X display ":0"").
    return tried.size() == 2 ? DisplayTried::tr("%1 and %2").arg(tried.at(0), tried.at(1))
                             : tried.join(QLatin1String(", "));
}

} // namespace appsetup
