#include "shell/stringtable.h"

#include <QTest>

class TestStringTable : public QObject {
    Q_OBJECT
private slots:
    void texts_data();
    void texts();
    void strict_data();
    void strict();
    void lenient_data();
    void lenient();
};

void TestStringTable::texts_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("first menu") << 1000 << QStringLiteral("檔案(&F)");
    QTest::newRow("open has dots") << 1002 << QStringLiteral("開啟(&O)...");
    QTest::newRow("search help") << 1014 << QStringLiteral("搜尋說明主題(&S)...");
    QTest::newRow("last menu") << 1015 << QStringLiteral("關於(&A)");
    QTest::newRow("first tooltip") << 1016 << QStringLiteral("開新檔案");
    QTest::newRow("last tooltip") << 1022 << QStringLiteral("繪圖");
    QTest::newRow("company") << 1024 << QStringLiteral("公司行號");
    QTest::newRow("licence") << 1030 << QStringLiteral("授權給");
    QTest::newRow("user name") << 1032 << QStringLiteral("使用者名稱(&U):");
    QTest::newRow("ok") << 1034 << QStringLiteral("確定");
    QTest::newRow("last") << 1042 << QStringLiteral("位址(&A):");
    QTest::newRow("before the first") << 999 << QStringLiteral("<missing>");
    QTest::newRow("after the last") << 1043 << QStringLiteral("<missing>");
}

void TestStringTable::texts()
{
    QFETCH(int, number);
    QFETCH(QString, text);
    QCOMPARE(StringTable::text(number).value_or(QStringLiteral("<missing>")), text);
}

// Expected -99999 stands for "the conversion fails".
static constexpr int kFails = -99999;

static void conversionRows()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("strict");
    QTest::addColumn<int>("lenient");
    QTest::newRow("plain") << "1000" << 1000 << 1000;
    QTest::newRow("blanks around") << "  1016\t " << 1016 << 1016;
    QTest::newRow("empty") << "" << kFails << 0;
    QTest::newRow("only blanks") << "   " << kFails << 0;
    QTest::newRow("letters") << "abc" << kFails << 0;
    QTest::newRow("number then letters") << "1034abc" << kFails << 1034;
    QTest::newRow("number blank letters") << "1034 ok" << kFails << 1034;
    QTest::newRow("half rounds to even down") << "1000.5" << 1000 << 1000;
    QTest::newRow("half rounds to even up") << "1001.5" << 1002 << 1002;
    QTest::newRow("just above half") << "1000.51" << 1001 << 1001;
    QTest::newRow("negative half") << "-2.5" << -2 << -2;
    QTest::newRow("plus sign") << "+7" << 7 << 7;
    QTest::newRow("minus") << "-1" << -1 << -1;
    QTest::newRow("zero") << "0" << 0 << 0;
    QTest::newRow("fraction only") << ".6" << 1 << 1;
    QTest::newRow("trailing point") << "12." << 12 << 12;
    QTest::newRow("exponent") << "1.0e3" << 1000 << 1000;
    QTest::newRow("dangling exponent") << "5e" << kFails << 5;
    QTest::newRow("upper bound") << "32767" << 32767 << 32767;
    QTest::newRow("lower bound") << "-32768" << -32768 << -32768;
    QTest::newRow("above range") << "32768" << kFails << kFails;
    QTest::newRow("rounds out of range") << "32767.5" << kFails << kFails;
    QTest::newRow("below range") << "-32769" << kFails << kFails;
    QTest::newRow("huge exponent") << "1e40" << kFails << kFails;
    QTest::newRow("overflowing double") << "1e400" << kFails << kFails;
    QTest::newRow("inf is no number") << "inf" << kFails << 0;
    QTest::newRow("nan is no number") << "nan" << kFails << 0;
    QTest::newRow("hex is no number") << "0x10" << kFails << 0;
    QTest::newRow("lone sign") << "-" << kFails << 0;
    QTest::newRow("lone point") << "." << kFails << 0;
    QTest::newRow("two numbers") << "10 20" << kFails << 10;
    QTest::newRow("full-width digits") << QStringLiteral("１２") << kFails << 0;
    QTest::newRow("separator caption") << "-" << kFails << 0;
    QTest::newRow("decimal comma") << "1,5" << kFails << 1;
}

void TestStringTable::strict_data()
{
    conversionRows();
}

void TestStringTable::strict()
{
    QFETCH(QString, text);
    QFETCH(int, strict);
    const auto n = StringTable::strictNumber(text);
    QCOMPARE(n ? int(*n) : kFails, strict);
}

void TestStringTable::lenient_data()
{
    conversionRows();
}

void TestStringTable::lenient()
{
    QFETCH(QString, text);
    QFETCH(int, lenient);
    const auto n = StringTable::lenientNumber(text);
    QCOMPARE(n ? int(*n) : kFails, lenient);
}

QTEST_GUILESS_MAIN(TestStringTable)
#include "tst_stringtable.moc"
