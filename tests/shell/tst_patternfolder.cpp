// Where Test writes: beside the program when a file can be created there, in
// the user's data folder otherwise (an install under /usr, a read-only mount).
#include "shell/patternfolder.h"
#include "shell/placementstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPatternFolder : public QObject {
    Q_OBJECT
private slots:
    void choose_data()
    {
        QTest::addColumn<QString>("program"); // relative to a temporary folder
        QTest::addColumn<bool>("beside");
        QTest::newRow("writable folder") << "bin" << true;
        // A folder under a regular file cannot take files, whoever runs the test.
        QTest::newRow("under a file") << "file/bin" << false;
        QTest::newRow("missing folder") << "missing/bin" << false;
    }
    void choose()
    {
        QFETCH(QString, program);
        QFETCH(bool, beside);
        QTemporaryDir tmp;
        QVERIFY(QDir(tmp.path()).mkdir(QStringLiteral("bin")));
        QFile file(tmp.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString programFolder = tmp.filePath(program);
        const QString userFolder = tmp.filePath(QStringLiteral("data/plimso"));

        QCOMPARE(patternfolder::choose(programFolder, userFolder),
                 beside ? programFolder : userFolder);
        // The trial leaves nothing behind, and the user's folder waits for Test.
        QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{QStringLiteral("bin"), QStringLiteral("file")}));
        QVERIFY(QDir(tmp.filePath(QStringLiteral("bin")))
                    .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }

    // The XDG base directory rules, for pattern files and settings alike: a
    // relative value is ignored as if unset; without an absolute HOME there
    // is no user's folder at all, and nothing is written relative to the
    // working folder.
    void userFoldersFollowTheXdgRules_data()
    {
        QTest::addColumn<QByteArray>("xdgHome"); // XDG_DATA_HOME and XDG_CONFIG_HOME; null: unset
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("settings");
        QTest::newRow("XDG_..._HOME") << QByteArray("/xdg") << QByteArray("/home/u")
                                      << "/xdg/plimso" << "/xdg/plimso/plimso.conf";
        QTest::newRow("no XDG_..._HOME")
            << QByteArray() << QByteArray("/home/u") << "/home/u/.local/share/plimso"
            << "/home/u/.config/plimso/plimso.conf";
        QTest::newRow("relative XDG_..._HOME")
            << QByteArray("rel") << QByteArray("/home/u") << "/home/u/.local/share/plimso"
            << "/home/u/.config/plimso/plimso.conf";
        QTest::newRow("relative HOME") << QByteArray("rel") << QByteArray("home") << "" << "";
        QTest::newRow("no HOME") << QByteArray() << QByteArray() << "" << "";
    }
    void userFoldersFollowTheXdgRules()
    {
        QFETCH(QByteArray, xdgHome);
        QFETCH(QByteArray, home);
        QFETCH(QString, data);
        QFETCH(QString, settings);
        const auto set = [](const char *name, const QByteArray &value) {
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
        };
        set("XDG_DATA_HOME", xdgHome);
        set("XDG_CONFIG_HOME", xdgHome);
        set("HOME", home);
        QCOMPARE(patternfolder::userFolder(), data);
        QCOMPARE(PlacementStore::userSettingsFile(), settings);
    }
};

QTEST_GUILESS_MAIN(TestPatternFolder)
#include "tst_patternfolder.moc"
