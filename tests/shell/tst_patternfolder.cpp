// Where Test writes: beside the program when a file can be created there, in
// the user's data folder otherwise (an install under /usr, a read-only mount).
#include "shell/patternfolder.h"

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

    // The XDG base directory rules: a relative value is ignored as if unset;
    // without an absolute HOME there is no user's folder at all.
    void userFolderFollowsTheXdgRules_data()
    {
        QTest::addColumn<QByteArray>("dataHome"); // null: unset
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QString>("folder");
        QTest::newRow("XDG_DATA_HOME")
            << QByteArray("/xdg/data") << QByteArray("/home/u") << "/xdg/data/plimso";
        QTest::newRow("no XDG_DATA_HOME")
            << QByteArray() << QByteArray("/home/u") << "/home/u/.local/share/plimso";
        QTest::newRow("relative XDG_DATA_HOME")
            << QByteArray("data") << QByteArray("/home/u") << "/home/u/.local/share/plimso";
        QTest::newRow("relative HOME") << QByteArray("data") << QByteArray("home") << "";
        QTest::newRow("no HOME") << QByteArray() << QByteArray() << "";
    }
    void userFolderFollowsTheXdgRules()
    {
        QFETCH(QByteArray, dataHome);
        QFETCH(QByteArray, home);
        QFETCH(QString, folder);
        const auto set = [](const char *name, const QByteArray &value) {
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
        };
        set("XDG_DATA_HOME", dataHome);
        set("HOME", home);
        QCOMPARE(patternfolder::userFolder(), folder);
    }
};

QTEST_GUILESS_MAIN(TestPatternFolder)
#include "tst_patternfolder.moc"
