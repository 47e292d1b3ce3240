// Writing a pattern file is all or nothing: a failure never leaves a partial
// file and never damages the file it was meant to replace.
#include "logic/patternfile.h"
#include "support/files.h"
#include "support/paths.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

// Makes every write past `bytes` fail (EFBIG) while it lives, as a full disk
// would, without killing the process with SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_ok = getrlimit(RLIMIT_FSIZE, &m_saved) == 0;
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_saved;
        lowered.rlim_cur = bytes;
        m_ok = m_ok && setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool ok() const { return m_ok; }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_ok = false;
};

const DotPath kPath = pathOf({1, 10, 19});

} // namespace

class TestPatternWriter : public QObject {
    Q_OBJECT
private slots:
    void writesNewFile();
    void replacesExistingFile();
    void missingFolderFailsAndCreatesNothing();
    void folderThatIsAFileFails();
    void targetThatIsAFolderFails();
    void failedFlushKeepsPreviousFile();
    void atALink_data();
    void atALink();
};

void TestPatternWriter::writesNewFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = patternFilePath(dir.path(), QStringLiteral("Default.txt"));
    const WriteResult w = writePatternFile(path, kPath);
    QVERIFY2(w.ok, qPrintable(w.error));
    QVERIFY(w.error.isEmpty());
    QCOMPARE(readFile(path), formatPattern(kPath));
    QCOMPARE(QFileInfo(path).size(), 133);
    QCOMPARE(entriesOf(dir.path()), QStringList{QStringLiteral("Default.txt")});
}

void TestPatternWriter::replacesExistingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Default.txt"));
    QVERIFY(writeFile(path, QByteArray(300, 'x'))); // longer than the new content
    const WriteResult w = writePatternFile(path, kPath);
    QVERIFY2(w.ok, qPrintable(w.error));
    QCOMPARE(readFile(path), formatPattern(kPath));
    // Writing again with an unchanged path gives the same 64 lines.
    QVERIFY(writePatternFile(path, kPath).ok);
    QCOMPARE(readFile(path), formatPattern(kPath));
    QCOMPARE(entriesOf(dir.path()), QStringList{QStringLiteral("Default.txt")});
}

void TestPatternWriter::missingFolderFailsAndCreatesNothing()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing"));
    const WriteResult w = writePatternFile(missing + QStringLiteral("/Default.txt"), kPath);
    QVERIFY(!w.ok);
    QVERIFY(!w.error.isEmpty());
    QVERIFY(!QFileInfo::exists(missing));
    QVERIFY(entriesOf(dir.path()).isEmpty());
}

void TestPatternWriter::folderThatIsAFileFails()
{
    // Fails for root too, unlike a folder without write permission.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("file.txt"));
    QVERIFY(writeFile(file, "keep"));
    const WriteResult w = writePatternFile(file + QStringLiteral("/x"), kPath);
    QVERIFY(!w.ok);
    QVERIFY(!w.error.isEmpty());
    QCOMPARE(readFile(file), QByteArray("keep"));
    QCOMPARE(entriesOf(dir.path()), QStringList{QStringLiteral("file.txt")});
}

void TestPatternWriter::targetThatIsAFolderFails()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("Default.txt"));
    QVERIFY(QDir().mkdir(target));
    const WriteResult w = writePatternFile(target, kPath);
    QVERIFY(!w.ok);
    QVERIFY(!w.error.isEmpty());
    QVERIFY(QFileInfo(target).isDir());
    QCOMPARE(entriesOf(dir.path()), QStringList{QStringLiteral("Default.txt")});
}

void TestPatternWriter::failedFlushKeepsPreviousFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Default.txt"));
    const QByteArray previous = formatPattern(pathOf({7, 8}));
    QVERIFY(writeFile(path, previous));

    WriteResult w;
    {
        // The bytes fit the write buffer and hit the limit when flushed, the
        // case a full disk gives. (Not /dev/full: the temporary file would
        // have to be created beside it, in /dev.)
        FileSizeLimit limit(16);
        if (!limit.ok()) QSKIP("cannot lower the file size limit here");
        w = writePatternFile(path, kPath);
    }
    QVERIFY(!w.ok);
    QVERIFY(!w.error.isEmpty());
    QCOMPARE(readFile(path), previous);
    QCOMPARE(entriesOf(dir.path()), QStringList{QStringLiteral("Default.txt")});
}

void TestPatternWriter::atALink_data()
{
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QString>("leadsTo"); // relative to the link's folder
    QTest::addColumn<bool>("leadsToAFile");
    // Test's pattern file: a link put in its place after Test looked (another
    // process can swap one in at any moment) must not carry the write outside.
    QTest::newRow("replaced") << true << "../outside/kept.txt" << true;
    // Save's bitmap goes where a link the user picked leads, as editors do.
    QTest::newRow("written through") << false << "../outside/kept.txt" << true;
    QTest::newRow("written through, dangling") << false << "../outside/new.txt" << false;
}

void TestPatternWriter::atALink()
{
    QFETCH(bool, replace);
    QFETCH(QString, leadsTo);
    QFETCH(bool, leadsToAFile);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("folder")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("outside")));
    const QString outside = dir.filePath(QStringLiteral("folder/") + leadsTo);
    if (leadsToAFile) QVERIFY(writeFile(outside, "outside"));
    const QString link = dir.filePath(QStringLiteral("folder/Default.txt"));
    QVERIFY(QFile::link(leadsTo, link));

    const WriteResult w = writeFileAtomically(link, formatPattern(kPath),
                                              replace ? AtLink::Replace : AtLink::WriteThrough);
    QVERIFY2(w.ok, qPrintable(w.error));
    QCOMPARE(readFile(replace ? link : outside), formatPattern(kPath));
    QCOMPARE(QFileInfo(link).isSymLink(), !replace);
    if (replace) QCOMPARE(readFile(outside), QByteArray("outside"));
    QCOMPARE(entriesOf(dir.filePath(QStringLiteral("folder"))),
             QStringList{QStringLiteral("Default.txt")});
}

QTEST_GUILESS_MAIN(TestPatternWriter)
#include "tst_patternwriter.moc"
