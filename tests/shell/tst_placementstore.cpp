// The remembered frame placement: defaults, text form, unusable values, and
// what Exit stores for a frame placed from it.
#include "shell/placementstore.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

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
        PlacementStore(path()).write(QRectF(1500, 1234.5, 6000, 4500));
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
        PlacementStore(path()).write(QRectF(1500, 1600, 7000, 8000));
        store(key, text);
        QRectF expected(1500, 1600, 7000, 8000);
        if (key == QLatin1String("MainLeft")) expected.moveLeft(1000);
        if (key == QLatin1String("MainTop")) expected.moveTop(1000);
        if (key == QLatin1String("MainWidth")) expected.setWidth(6500);
        if (key == QLatin1String("MainHeight")) expected.setHeight(6500);
        QCOMPARE(PlacementStore(path()).read(), expected);
    }

    void blanksAroundANumberAreAccepted()
    {
        store(QStringLiteral("MainLeft"), QStringLiteral(" 1500 "));
        QCOMPARE(PlacementStore(path()).left(), 1500.0f);
    }
};

QTEST_GUILESS_MAIN(TestPlacementStore)
#include "tst_placementstore.moc"
