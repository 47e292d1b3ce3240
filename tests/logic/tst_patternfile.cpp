// The pattern file format: bytes written, reading rules, merging, file names.
#include "logic/patternfile.h"
#include "support/files.h"
#include "support/paths.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdarg>
#include <dlfcn.h>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray crlf(int times)
{
    return QByteArray("\r\n").repeated(times);
}

// A file name whose next open() first puts a FIFO in the file's place, as a
// FIFO swapped in between a look at a file and its open would.
QByteArray &fifoOnNextOpen()
{
    static QByteArray path;
    return path;
}

} // namespace

using Target = std::optional<TestTargetProblem>;
Q_DECLARE_METATYPE(PatternProblem)
Q_DECLARE_METATYPE(Target)

// Every open() of this test, the library's and Qt's (open64, the same call on
// a 64-bit system), passes here.
extern "C" int open(const char *path, int flags, ...)
{
    va_list rest;
    va_start(rest, flags);
    const bool hasMode = (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE;
    const mode_t mode = hasMode ? va_arg(rest, mode_t) : 0;
    va_end(rest);
    if (!fifoOnNextOpen().isEmpty() && fifoOnNextOpen() == path) {
        fifoOnNextOpen().clear();
        if (::unlink(path) != 0 || ::mkfifo(path, 0600) != 0) return -1;
    }
    return reinterpret_cast<int (*)(const char *, int, ...)>(::dlsym(RTLD_NEXT, "open"))(
        path, flags, mode);
}
extern "C" int open64(const char *path, int flags, ...) __attribute__((alias("open")));

class TestPatternFile : public QObject {
    Q_OBJECT
private slots:
    void format_data();
    void format();

    void accepted_data();
    void accepted();
    void rejected_data();
    void rejected();
    void rejectedFileHandsOverNothing_data() { rejected_data(); }
    void rejectedFileHandsOverNothing();

    void roundTrip_data();
    void roundTrip();
    void shortFileReplacesTheWholePattern();

    void readMissingFile();
    void readDirectory();
    void readSizeLimit();
    void readRefusesAFifoWithoutBlocking_data();
    void readRefusesAFifoWithoutBlocking();
    void testTargets_data();
    void testTargets();
    void refusalCarriesItsData_data();
    void refusalCarriesItsData();

    void plainFileName_data();
    void plainFileName();
};

void TestPatternFile::format_data()
{
    QTest::addColumn<DotPath>("path");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("size");

    QTest::newRow("1,10,19 then empty")
        << pathOf({1, 10, 19}) << QByteArray("1\r\n10\r\n19\r\n") + crlf(61) << 133;
    QTest::newRow("all empty") << DotPath{} << crlf(64) << 128;
    QTest::newRow("entry cleared to 0")
        << pathOf({5, 0, 7}) << QByteArray("5\r\n0\r\n7\r\n") + crlf(61) << 131;
    QTest::newRow("empty between values")
        << pathOf({5, -1, 7}) << QByteArray("5\r\n\r\n7\r\n") + crlf(61) << 130;
    DotPath lastOnly{};
    lastOnly[63] = std::int16_t(63);
    QTest::newRow("last entry only") << lastOnly << crlf(63) + "63\r\n" << 130;
    DotPath full{};
    full.fill(std::int16_t(63));
    QTest::newRow("all two-digit") << full << QByteArray("63\r\n").repeated(64) << 256;
}

void TestPatternFile::format()
{
    QFETCH(DotPath, path);
    QFETCH(QByteArray, bytes);
    QFETCH(int, size);
    const QByteArray out = formatPattern(path);
    QCOMPARE(out, bytes);
    QCOMPARE(out.size(), size);
}

void TestPatternFile::accepted_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Values>("values");
    const QByteArray full = patternFileBytes(fullValues());

    QTest::newRow("written by Test") << patternFileBytes({1, 10, 19}) << paddedTo64({1, 10, 19});
    QTest::newRow("all empty lines") << crlf(64) << paddedTo64({});
    QTest::newRow("64 values CR LF") << full << fullValues();
    QTest::newRow("64 values LF only") << patternFileBytes(fullValues(), "\n") << fullValues();
    QTest::newRow("LF only, short") << QByteArray("5\n6\n7\n") << Values{5, 6, 7};
    QTest::newRow("mixed line ends") << QByteArray("5\r\n6\n7\r\n") << Values{5, 6, 7};
    QTest::newRow("blanks around") << QByteArray(" 5\r\n\t6 \r\n 7\t\r\n") << Values{5, 6, 7};
    QTest::newRow("blank line reads 0") << QByteArray("5\r\n   \r\n7\r\n") << Values{5, 0, 7};
    QTest::newRow("last line unended") << QByteArray("1\r\n2") << Values{1, 2};
    QTest::newRow("unended last line CR") << QByteArray("1\r\n2\r") << Values{1, 2};
    QTest::newRow("single value") << QByteArray("42") << Values{42};
    QTest::newRow("single zero") << QByteArray("0\r\n") << Values{0};
    QTest::newRow("single empty line") << QByteArray("\r\n") << Values{0};
    QTest::newRow("empty line after values") << QByteArray("1\r\n\r\n") << Values{1, 0};
    QTest::newRow("commas") << QByteArray("1,2,3\r\n") << Values{1, 2, 3};
    QTest::newRow("empty field between commas") << QByteArray("1,,3") << Values{1, 0, 3};
    QTest::newRow("trailing comma") << QByteArray("1,\r\n") << Values{1, 0};
    QTest::newRow("blanks around commas") << QByteArray("1 , 2\t,3") << Values{1, 2, 3};
    QTest::newRow("leading zeros") << QByteArray("007\r\n063\r\n") << Values{7, 63};
    QTest::newRow("bounds") << QByteArray("0\r\n63\r\n") << Values{0, 63};
    QTest::newRow("empty lines after 64th") << full + crlf(5) + " \t\r\n\n" << fullValues();
    QTest::newRow("64 values on one line") << QByteArray("9,").repeated(63) + "9\r\n"
                                           << Values(64, std::int16_t(9));
}

void TestPatternFile::accepted()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Values, values);
    const ReadResult r = parsePattern(bytes);
    QVERIFY(r.ok);
    QCOMPARE(joined(r.values), joined(values));
    QCOMPARE(r.problem, PatternProblem::None);
    QCOMPARE(r.errorLine, 0);
}

void TestPatternFile::rejected_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<PatternProblem>("problem");
    const QByteArray full = patternFileBytes(fullValues());
    using P = PatternProblem;

    QTest::newRow("empty file") << QByteArray() << 0 << P::Empty;
    QTest::newRow("decimal") << QByteArray("1\r\n2\r\n1.5\r\n") << 3 << P::NotWholeNumber;
    QTest::newRow("exponent") << QByteArray("1e1\r\n") << 1 << P::NotWholeNumber;
    QTest::newRow("word") << QByteArray("1\r\nabc\r\n") << 2 << P::NotWholeNumber;
    QTest::newRow("hex") << QByteArray("0x10\r\n") << 1 << P::NotWholeNumber;
    QTest::newRow("plus sign") << QByteArray("+5\r\n") << 1 << P::SignedValue;
    QTest::newRow("minus zero") << QByteArray("\r\n-0\r\n") << 2 << P::SignedValue;
    QTest::newRow("negative") << QByteArray("-1") << 1 << P::SignedValue;
    QTest::newRow("64") << QByteArray("1\r\n2\r\n3\r\n4\r\n64\r\n") << 5 << P::NotDotNumber;
    QTest::newRow("beyond 16 bits") << QByteArray("99999999999999999999") << 1 << P::NotDotNumber;
    QTest::newRow("blank inside number") << QByteArray("1 2\r\n") << 1 << P::NotWholeNumber;
    QTest::newRow("other separator") << QByteArray("5;6\r\n") << 1 << P::NotWholeNumber;
    QTest::newRow("text after value") << QByteArray("5 dots\r\n") << 1 << P::NotWholeNumber;
    QTest::newRow("65 lines") << full + "1\r\n" << 65 << P::TooManyValues;
    QTest::newRow("65th value empty field") << full + "," << 65 << P::TooManyValues;
    QTest::newRow("65 values on line 64") << QByteArray("1\r\n").repeated(63) + "1,2\r\n"
                                          << 64 << P::TooManyValues;
    QTest::newRow("65 values on one line")
        << QByteArray("1,").repeated(64) + "1" << 1 << P::TooManyValues;
    QTest::newRow("text after trailing empty lines")
        << full + crlf(2) + "x" << 67 << P::TooManyValues;
    QTest::newRow("NUL byte") << QByteArray("1\r\n2\r\n3", 7) + QByteArray(1, '\0') << 3
                              << P::NulByte;
    QTest::newRow("NUL line") << QByteArray(1, '\0') + QByteArray("\r\n") << 1 << P::NulByte;
    QTest::newRow("byte 0xff") << QByteArray("1\r\n\xff\r\n") << 2 << P::ByteNotText;
    QTest::newRow("UTF-8 letter") << QByteArray("1\r\n2\r\n\xc3\xa9\r\n") << 3 << P::ByteNotText;
    QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf"
                                                   "1\r\n")
                                     << 1 << P::ByteNotText;
    QTest::newRow("CR inside line") << QByteArray("1\r2\r\n") << 1 << P::ByteNotText;
    QTest::newRow("CR-only line ends") << QByteArray("1\r2\r3\r") << 1 << P::ByteNotText;
    QTest::newRow("CR CR LF") << QByteArray("1\r\n2\r\r\n") << 2 << P::ByteNotText;
    QTest::newRow("form feed") << QByteArray("1\r\n\f\r\n") << 2 << P::ByteNotText;
    QTest::newRow("DEL") << QByteArray("1\x7f\r\n") << 1 << P::ByteNotText;
}

void TestPatternFile::rejected()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(PatternProblem, problem);
    const ReadResult r = parsePattern(bytes);
    QVERIFY(!r.ok);
    QCOMPARE(r.errorLine, line);
    QCOMPARE(r.problem, problem);
    QVERIFY(r.values.empty()); // refused whole: nothing read is handed over
}

void TestPatternFile::rejectedFileHandsOverNothing()
{
    // Read from disk, a refused file fails at the line its bytes fail at and
    // hands over no values, so nothing of it can reach the stored pattern
    // (File > Open itself: shell/tst_documents, badFileIsReportedAndChangesNothing).
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("bad.txt"));
    QVERIFY(writeFile(path, bytes));
    const ReadResult r = readPatternFile(path);
    QVERIFY(!r.ok);
    QCOMPARE(r.errorLine, line);
    QVERIFY(r.values.empty());
}

void TestPatternFile::roundTrip_data()
{
    QTest::addColumn<DotPath>("path");
    QTest::addColumn<Values>("values");

    QTest::newRow("empty") << DotPath{} << paddedTo64({});
    QTest::newRow("three dots") << pathOf({1, 10, 19}) << paddedTo64({1, 10, 19});
    QTest::newRow("cleared and empty entries")
        << pathOf({41, 0, 63, -1, 2, 0}) << paddedTo64({41, 0, 63, 0, 2, 0});
    DotPath full{};
    Values fullV;
    for (size_t i = 0; i < full.size(); ++i) {
        const auto v = static_cast<std::int16_t>((i * 37) % 64); // includes 0 and 63
        full[i] = v;
        fullV.push_back(v);
    }
    QTest::newRow("all 64 set") << full << fullV;
}

void TestPatternFile::roundTrip()
{
    QFETCH(DotPath, path);
    QFETCH(Values, values);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("Default.txt"));
    const WriteResult w = writePatternFile(file, path);
    QVERIFY2(w.ok, qPrintable(w.error));
    const ReadResult r = readPatternFile(file);
    QVERIFY(r.ok);
    QCOMPARE(joined(r.values), joined(values));
    for (size_t i = 0; i < path.size(); ++i)
        QCOMPARE(r.values[i], valueOf(path[i]));
}

void TestPatternFile::shortFileReplacesTheWholePattern()
{
    // Nothing of a pattern opened before survives a shorter file.
    const ReadResult three = parsePattern("5\r\n6\r\n7\r\n");
    QVERIFY(three.ok);
    QVERIFY(patternFromValues(three.values) == patternOf(Values{5, 6, 7}));
    const ReadResult r = parsePattern(crlf(64));
    QVERIFY(r.ok);
    QVERIFY(patternFromValues(r.values) == Pattern{});
}

void TestPatternFile::readMissingFile()
{
    QTemporaryDir dir;
    const ReadResult r = readPatternFile(dir.filePath(QStringLiteral("no such file.txt")));
    QVERIFY(!r.ok);
    QCOMPARE(r.errorLine, 0);
    QCOMPARE(r.problem, PatternProblem::Unreadable);
    QCOMPARE(r.systemReason, qt_error_string(ENOENT));
}

void TestPatternFile::readDirectory()
{
    QTemporaryDir dir;
    const ReadResult r = readPatternFile(dir.path());
    QVERIFY(!r.ok);
    QCOMPARE(r.errorLine, 0);
    QCOMPARE(r.problem, PatternProblem::NotRegularFile);
}

void TestPatternFile::readSizeLimit()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.txt"));
    // Harmless trailing empty lines up to the limit are still a pattern.
    const QByteArray full = patternFileBytes(fullValues(), "\n");
    QVERIFY(writeFile(path, full + QByteArray(kMaxPatternFileBytes - full.size(), '\n')));
    QVERIFY(readPatternFile(path).ok);
    QVERIFY(writeFile(path, full + QByteArray(kMaxPatternFileBytes, '\n')));
    const ReadResult r = readPatternFile(path);
    QVERIFY(!r.ok);
    QCOMPARE(r.errorLine, 0);
    QCOMPARE(r.problem, PatternProblem::TooLarge);
}

void TestPatternFile::readRefusesAFifoWithoutBlocking_data()
{
    QTest::addColumn<bool>("swapped"); // a pattern file until the reader opens it
    QTest::newRow("a FIFO") << false;
    QTest::newRow("a FIFO swapped in at the open") << true;
}

void TestPatternFile::readRefusesAFifoWithoutBlocking()
{
    QFETCH(bool, swapped);
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("pipe")));
    if (swapped) {
        QVERIFY(writeFile(QFile::decodeName(fifo), patternFileBytes({1, 2})));
        fifoOnNextOpen() = fifo;
    } else {
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    }
    auto read =
        std::async(std::launch::async, [&] { return readPatternFile(QFile::decodeName(fifo)); });
    const bool finished = read.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    if (!finished) // release the blocked reader, so the failure is reported, not a hang
        ::close(::open(fifo.constData(), O_WRONLY | O_NONBLOCK));
    QVERIFY(finished);
    const ReadResult r = read.get();
    QVERIFY(!r.ok);
    QCOMPARE(r.problem, PatternProblem::NotRegularFile);
    QVERIFY(!readPatternFile(QStringLiteral("/dev/null")).ok);
}

void TestPatternFile::testTargets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Target>("problem"); // none: Test may write it
    using P = TestTargetProblem;
    QTest::newRow("new name") << "new.txt" << Target();
    QTest::newRow("empty file") << "empty.txt" << Target();
    QTest::newRow("pattern file") << "pattern.txt" << Target();
    QTest::newRow("other text") << "notes.txt" << Target(P::NotPatternFile);
    QTest::newRow("live link") << "link.txt" << Target(P::SymbolicLink);
    QTest::newRow("dangling link") << "dangling.txt" << Target(P::SymbolicLink);
    QTest::newRow("folder") << "folder" << Target(P::NotRegularFile);
    QTest::newRow("the program") << "" << Target(P::ProgramItself);
}

void TestPatternFile::testTargets()
{
    QFETCH(QString, name);
    QFETCH(Target, problem);
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    const auto at = [&](const char *n) { return dir.filePath(QString::fromLatin1(n)); };
    QVERIFY(QFile(at("empty.txt")).open(QIODevice::WriteOnly));
    QVERIFY(writePatternFile(at("pattern.txt"), DotPath{}).ok);
    QFile notes(at("notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("dear diary\n") > 0);
    notes.close();
    QVERIFY(QFile::link(elsewhere.filePath(QStringLiteral("target.txt")), at("dangling.txt")));
    QVERIFY(QFile::link(at("pattern.txt"), at("link.txt")));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QString path =
        name.isEmpty() ? QCoreApplication::applicationFilePath() : dir.filePath(name);
    QVERIFY(testTargetProblem(path) == problem);
}

// What a refusal hands over for the message: the faulty field as the file
// holds it, without its blanks and cut short, or the faulty byte.
void TestPatternFile::refusalCarriesItsData_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("byte");
    QTest::newRow("field") << QByteArray("1\r\n 1.5\t\r\n") << "1.5" << 0;
    QTest::newRow("20 bytes") << QByteArray("abcdefghijklmnopqrst") << "abcdefghijklmnopqrst" << 0;
    QTest::newRow("21 bytes cut") << QByteArray("abcdefghijklmnopqrstu")
                                  << "abcdefghijklmnopqrst..." << 0;
    QTest::newRow("byte") << QByteArray("1\r\n2\xff") << "" << 0xff;
}

void TestPatternFile::refusalCarriesItsData()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, field);
    QFETCH(int, byte);
    const ReadResult r = parsePattern(bytes);
    QVERIFY(!r.ok);
    QCOMPARE(r.field, field);
    QCOMPARE(r.byte, byte);
}

void TestPatternFile::plainFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("plain");

    QTest::newRow("default") << "Default.txt" << true;
    QTest::newRow("no extension") << "pattern" << true;
    QTest::newRow("spaces") << " my pattern .txt " << true;
    QTest::newRow("hidden") << ".hidden" << true;
    QTest::newRow("three dots") << "..." << true;
    QTest::newRow("chinese") << QStringLiteral("圖案.txt") << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("slash") << "a/b.txt" << false;
    QTest::newRow("absolute") << "/tmp/x.txt" << false;
    QTest::newRow("parent") << "../x.txt" << false;
    QTest::newRow("backslash") << "a\\b.txt" << false;
    QTest::newRow("NUL") << QString(QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b"))
                         << false;
}

void TestPatternFile::plainFileName()
{
    QFETCH(QString, name);
    QFETCH(bool, plain);
    QCOMPARE(isPlainFileName(name), plain);
}

QTEST_GUILESS_MAIN(TestPatternFile)
#include "tst_patternfile.moc"
