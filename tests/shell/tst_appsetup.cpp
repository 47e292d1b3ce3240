// The application's names, and the texts in the user's language: a Traditional
// Chinese user gets Qt's Traditional Chinese message box buttons, the C locale
// English; every Chinese locale gets the program's Traditional Chinese texts.
#include "shell/appsetup.h"
#include "support/testenv.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

class TestAppSetup : public QObject {
    Q_OBJECT
private slots:
    // Wayland compositors find the window's menu entry and icon by this name:
    // it must be the installed desktop entry's (data/io.github.plimso.Plimso.desktop).
    void desktopFileNameIsTheInstalledEntry()
    {
        appsetup::configureApplication();
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("io.github.plimso.Plimso"));
    }

    // Qt's own texts follow the locale where Qt ships them: its dialogs'
    // buttons read in the user's language.
    void qtTexts_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("translated");
        QTest::newRow("zh_TW") << "zh_TW" << true;
        QTest::newRow("C") << "C" << false;
    }
    void qtTexts()
    {
        QFETCH(QString, locale);
        QFETCH(bool, translated);
        const auto translator = appsetup::installQtTranslations(QLocale(locale));
        QCOMPARE(translator != nullptr, translated);
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes);
        QCOMPARE(box.button(QMessageBox::Yes)->text() != QStringLiteral("&Yes"), translated);
    }

    void programTexts_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        const QString chinese = QStringLiteral("第 %1 行：%2");
        const QString english = QStringLiteral("line %1: %2");
        QTest::newRow("zh_TW") << "zh_TW" << chinese;
        QTest::newRow("zh_HK") << "zh_HK" << chinese;
        QTest::newRow("zh_CN") << "zh_CN" << chinese;
        QTest::newRow("C") << "C" << english;
        QTest::newRow("de_DE") << "de_DE" << english;
    }
    void programTexts()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        const auto translator = appsetup::installProgramTranslations(QLocale(locale));
        QCOMPARE(QCoreApplication::translate("PatternRefusal", "line %1: %2"), text);
    }
};

PLIMSO_TEST_MAIN(TestAppSetup)
#include "tst_appsetup.moc"
