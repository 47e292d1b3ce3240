// The remembered frame placement: defaults, text form, unusable values, and
// settings that cannot be written.
#include "shell/placementstore.h"

#include <QDir>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <sys/stat.h>

class TestPlacementStore : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("plimso.conf")); }
    void store(const QString &key, const QString &text)
    {
        QSettings s(path(), QSettings::IniFormat);
        s.setValue(QStringLiteral("Settings/") + key, text);
    }

private slots:
    void init() { QFile::remove(path()); }

    void firstRunGivesDefaults()
    {
        const PlacementStore store(path());
        QCOMPARE(store.read(), QRectF(1000, 1000, 6500, 6500));
    }

    void writesTextsUnderSettings()
    {
        QCOMPARE(PlacementStore(path()).write(QRectF(1500, 1234.5, 6000, 4500)), QString());
        QSettings s(path(), QSettings::IniFormat);
        QCOMPARE(s.value(QStringLiteral("Settings/MainLeft")).toString(), QStringLiteral("1500"));
        QCOMPARE(s.value(QStringLiteral("Settings/MainTop")).toString(), QStringLiteral("1234.5"));
        QCOMPARE(s.value(QStringLiteral("Settings/MainWidth")).toString(), QStringLiteral("6000"));
        QCOMPARE(s.value(QStringLiteral("Settings/MainHeight")).toString(), QStringLiteral("4500"));
        QCOMPARE(PlacementStore(path()).read(), QRectF(1500, 1234.5, 6000, 4500));
    }

    void format_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 1500.0f << "1500";
        QTest::newRow("zero") << 0.0f << "0";
        QTest::newRow("negative") << -15.0f << "-15";
        QTest::newRow("fraction") << 1234.5f << "1234.5";
        QTest::newRow("large whole, no exponent") << 12000000.0f << "12000000";
        QTest::newRow("shortest fraction") << 0.1f << "0.1";
    }
    void format()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(PlacementStore::format(value), text);
        float back = -1;
        QVERIFY(PlacementStore::parse(text, back));
        QCOMPARE(back, value);
    }

    void unusableValueFallsBackForItsKeyOnly_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        const char *keys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
        const char *bad[] = {"abc", "inf", "-inf", "nan", "1e40", "1e30", "", "12abc"};
        for (const char *k : keys)
            for (const char *b : bad)
                QTest::addRow("%s=%s", k, b) << QString::fromLatin1(k) << QString::fromLatin1(b);
    }
    void unusableValueFallsBackForItsKeyOnly()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QCOMPARE(PlacementStore(path()).write(QRectF(1500, 1600, 7000, 8000)), QString());
        store(key, text);
        QRectF expected(1500, 1600, 7000, 8000);
        if (key == QLatin1String("MainLeft")) expected.moveLeft(1000);
        if (key == QLatin1String("MainTop")) expected.moveTop(1000);
        if (key == QLatin1String("MainWidth")) expected.setWidth(6500);
        if (key == QLatin1String("MainHeight")) expected.setHeight(6500);
        QCOMPARE(PlacementStore(path()).read(), expected);
    }

    // The one line for the user names the file and why; a lock that stays
    // taken ends the write after a while instead of hanging Exit.
    void unwritableSettingsAreReported_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("reason");
        const QString lock = m_dir.filePath(QStringLiteral("conf/plimso.conf.lock"));
        QTest::newRow("folder is a file") << "file" << qt_error_string(ENOTDIR);
        QTest::newRow("lock file is a folder")
            << "lock folder" << QStringLiteral("its lock file %1 is not a regular file").arg(lock);
        // QLockFile would open and read it, and wait there for ever.
        QTest::newRow("lock file is a FIFO")
            << "lock FIFO" << QStringLiteral("its lock file %1 is not a regular file").arg(lock);
        // A FIFO in the file's place would hold QSettings up as it reads.
        QTest::newRow("settings file is a FIFO") << "FIFO"
                                                 << "it is not a regular file";
        QTest::newRow("lock held by a live process")
            << "held lock"
            << QStringLiteral("its lock file %1 stayed taken by another process").arg(lock);
    }
    void unwritableSettingsAreReported()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, reason);
        const QString folder = m_dir.filePath(QStringLiteral("conf"));
        const QString file = folder + QStringLiteral("/plimso.conf");
        QDir(folder).removeRecursively();
        QFile::remove(folder);
        QLockFile held(file + QStringLiteral(".lock"));
        if (obstacle == QLatin1String("file")) {
            QFile f(folder);
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else {
            QVERIFY(QDir().mkpath(folder));
        }
        if (obstacle == QLatin1String("lock folder"))
            QVERIFY(QDir().mkdir(file + QStringLiteral(".lock")));
        if (obstacle == QLatin1String("held lock")) QVERIFY(held.lock());
        if (obstacle == QLatin1String("lock FIFO"))
            QCOMPARE(::mkfifo(QFile::encodeName(file + QStringLiteral(".lock")).constData(), 0600),
                     0);
        if (obstacle == QLatin1String("FIFO"))
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        PlacementStore store(file);
        QCOMPARE(store.write(QRectF(1500, 1600, 7000, 8000)),
                 QStringLiteral("plimso: the window placement could not be saved to %1: %2")
                     .arg(file, reason));
        if (obstacle != QLatin1String("FIFO")) return;
        QCOMPARE(store.read(), QRectF(1000, 1000, 6500, 6500));
        QCOMPARE(store.readProblem(),
                 QStringLiteral("plimso: the window placement could not be read from %1: %2")
                     .arg(file, reason));
    }

    // A disk that is full takes no write, though every access check passes.
    void aFullDiskIsReportedWithItsReason()
    {
        const QString folder = qEnvironmentVariable("PLIMSO_SMALL_FS");
        if (folder.isEmpty()) QSKIP("needs a small file system: see tests/shell/smallfs.sh");
        QFile filler(folder + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(4096, 'x')) > 0 && filler.flush()) {
        }
        const QString file = folder + QStringLiteral("/plimso.conf");
        QCOMPARE(PlacementStore(file).write(QRectF(1500, 1600, 7000, 8000)),
                 QStringLiteral("plimso: the window placement could not be saved to %1: %2")
                     .arg(file, qt_error_string(ENOSPC)));
    }

    // Without a configuration folder (shell/userfolders.h) nothing is read or
    // written, and Exit says why.
    void noFolderNoPlacement()
    {
        PlacementStore none{QString()};
        QCOMPARE(none.read(), QRectF(1000, 1000, 6500, 6500));
        QCOMPARE(none.readProblem(), QString());
        QCOMPARE(none.write(QRectF(1500, 1600, 7000, 8000)),
                 QStringLiteral("plimso: the window placement is not remembered: neither "
                                "XDG_CONFIG_HOME nor HOME is an absolute path"));
    }

    void blanksAroundANumberAreAccepted()
    {
        store(QStringLiteral("MainLeft"), QStringLiteral(" 1500 "));
        QCOMPARE(PlacementStore(path()).left(), 1500.0f);
    }
};

QTEST_GUILESS_MAIN(TestPlacementStore)
#include "tst_placementstore.moc"
