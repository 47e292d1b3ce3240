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

    void messageBoxButtons_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QMessageBox::StandardButton>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("zh_TW Yes") << "zh_TW" << QMessageBox::Yes << "是(&Y)";
        QTest::newRow("zh_TW No") << "zh_TW" << QMessageBox::No << "否(&N)";
        QTest::newRow("zh_TW OK") << "zh_TW" << QMessageBox::Ok << "確定";
        QTest::newRow("zh_TW Cancel") << "zh_TW" << QMessageBox::Cancel << "取消";
        QTest::newRow("C Yes") << "C" << QMessageBox::Yes << "&Yes";
        QTest::newRow("C OK") << "C" << QMessageBox::Ok << "OK";
    }
    void messageBoxButtons()
    {
        QFETCH(QString, locale);
        QFETCH(QMessageBox::StandardButton, button);
        QFETCH(QString, text);
        const auto translator = appsetup::installQtTranslations(QLocale(locale));
        QMessageBox box;
        box.setStandardButtons(button);
        QCOMPARE(box.button(button)->text(), text);
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
