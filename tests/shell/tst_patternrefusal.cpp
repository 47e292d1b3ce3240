// File > Open's refusal reads in one language: wholly Traditional Chinese under
// a Chinese locale whatever the fault, and the English that scripts and the
// journeys read under the C locale.
#include "logic/patternfile.h"
#include "shell/appsetup.h"
#include "shell/patternrefusal.h"
#include "support/files.h"
#include "support/testenv.h"

#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The refusal of a file holding `bytes`; "<folder>" stands for a folder,
// "<missing>" for a file that is not there.
ReadResult refusalOf(const QTemporaryDir &dir, const QByteArray &bytes, QString &path)
{
    path = dir.filePath(QStringLiteral("p.txt"));
    if (bytes == "<folder>")
        QDir().mkdir(path);
    else if (bytes != "<missing>")
        writeFile(path, bytes);
    return readPatternFile(path);
}
} // namespace

class TestPatternRefusal : public QObject {
    Q_OBJECT
private slots:
    void chineseThroughout_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("NUL byte") << QByteArray("1\r\n", 3) + QByteArray(1, '\0');
        QTest::newRow("byte not text") << QByteArray("1\r\n\xff\r\n");
        QTest::newRow("sign") << QByteArray("+5\r\n");
        QTest::newRow("not a whole number") << QByteArray("vm\n");
        QTest::newRow("not a dot number") << QByteArray("64\r\n");
        QTest::newRow("too many values") << QByteArray("1\r\n").repeated(65);
        QTest::newRow("too large") << QByteArray(kMaxPatternFileBytes + 1, '\n');
        QTest::newRow("folder") << QByteArray("<folder>");
        QTest::newRow("missing") << QByteArray("<missing>");
    }
    void chineseThroughout()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QString path;
        const ReadResult read = refusalOf(dir, bytes, path);
        QVERIFY(!read.ok);
        const auto texts = appsetup::installTranslations(QLocale(QStringLiteral("zh_TW")));
        QString text = patternRefusal(path, read);
        // The file's name and what the file holds are the user's own.
        text.remove(QDir::toNativeSeparators(path));
        if (!read.field.isEmpty()) text.remove(read.field);
        text.remove(QRegularExpression(QStringLiteral("0x[0-9a-f]{2}")));
        QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))), qPrintable(text));
        // ... and the fault itself, after "第 N 行：", is said.
        const QString fault = text.section(QLatin1Char('\n'), 1).section(QChar(u'：'), -1);
        QVERIFY2(fault.contains(QRegularExpression(QStringLiteral("\\p{Han}"))), qPrintable(text));
    }

    void englishAsBefore_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("field") << QByteArray("1\r\n2\r\n 1.5\r\n")
                               << "line 3: \"1.5\" is not a whole number";
        QTest::newRow("byte") << QByteArray("\x01")
                              << "line 1: the line holds a byte that is not text (0x01)";
        QTest::newRow("folder") << QByteArray("<folder>") << "it is not a regular file";
    }
    void englishAsBefore()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString path;
        const ReadResult read = refusalOf(dir, bytes, path);
        const auto texts = appsetup::installTranslations(QLocale::c());
        QCOMPARE(patternRefusal(path, read),
                 QStringLiteral("The pattern file \"%1\" cannot be opened.\n%2").arg(path, reason));
    }
};

PLIMSO_TEST_MAIN(TestPatternRefusal)
#include "tst_patternrefusal.moc"
