// The editor's Test and the challenge's Summit as procedures: what they ask,
// write, report and show, driven through scripted dialogs on a grid model.
#include "grid/commands.h"
#include "grid/gridwindow.h"
#include "logic/patternfile.h"
#include "support/fakedialogs.h"
#include "support/files.h"
#include "support/paths.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

namespace {

// An editor's model, laid out as the window is, with `dots` clicked.
struct Editor {
    GridModel model{GridModel::Kind::Editor, initialGeometry(forms::griddefs::editor())};
    explicit Editor(std::initializer_list<int> dots)
    {
        model.layOut(13515, 6090);
        for (const int d : dots)
            model.recordClick(d);
    }
    bool nothingReplayed() const { return model.segments(Side::B).isEmpty(); }
};

// A challenge's model on `pattern`, with `dots` clicked as the attempt.
struct Challenge {
    GridModel model{GridModel::Kind::Challenge, initialGeometry(forms::griddefs::challenge())};
    Challenge(const Values &pattern, std::initializer_list<int> dots)
    {
        model.setStoredPattern(patternOf(pattern));
        model.layOut(14055, 8820);
        for (const int d : dots)
            model.recordClick(d);
    }
};

} // namespace

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void testAsksWithTheDefinedPrompt();
    void testWritesAndReplays();
    void testCancelDoesNothing();
    void testRefusesNamesThatAreNotPlain_data();
    void testRefusesNamesThatAreNotPlain();
    void testReportsWhyNothingWasWritten_data();
    void testReportsWhyNothingWasWritten();
    void testLeavesARefusedTargetAlone();
    void testCreatesTheFolderOnFirstUse();
    void testOverwritesAndKeepsTheDrawing();
    void dotPosition_data();
    void dotPosition();
    void summitGood();
    void summitSorryYesResetsTheAttempt();
    void summitSorryNoCloses();
    void summitWithNoDotIsSorry();
};

void TestCommands::testAsksWithTheDefinedPrompt()
{
    FakeDialogs dialogs;
    Editor editor{0};
    QTemporaryDir dir;
    runTest(dialogs, nullptr, dir.path(), editor.model);
    QCOMPARE(dialogs.requests().size(), 1);
    const auto &r = dialogs.last();
    QCOMPARE(r.kind, FakeDialogs::Kind::Prompt);
    QCOMPARE(r.text, QStringLiteral("Please Input a Filename :"));
    QCOMPARE(r.title, QStringLiteral("INPUT"));
    QCOMPARE(r.defaultAnswer, QStringLiteral("Default.txt"));
}

// The file takes the name as typed: nothing trimmed, no extension added.
void TestCommands::testWritesAndReplays()
{
    FakeDialogs dialogs;
    dialogs.answerText(QStringLiteral(" my pattern"));
    Editor editor{0, 9, 18};
    QTemporaryDir dir;
    const QString written = runTest(dialogs, nullptr, dir.path(), editor.model);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral(" my pattern")});
    QCOMPARE(written, dir.filePath(QStringLiteral(" my pattern")));
    QCOMPARE(readFile(written), patternFileBytes({1, 10, 19}));
    QCOMPARE(dialogs.messages().size(), 0); // success shows no box, but is spoken
    QCOMPARE(dialogs.announcements(),
             QStringList{QStringLiteral("The pattern file  my pattern was written in %1.")
                             .arg(QDir::toNativeSeparators(dir.path()))});
    QCOMPARE(editor.model.segments(Side::B).size(), 3); // replayed
    QVERIFY(editor.model.isRed(Side::B, 18));
}

void TestCommands::testCancelDoesNothing()
{
    FakeDialogs dialogs;
    dialogs.answerText(QString()); // Cancel, or OK on an emptied field
    Editor editor{0, 1};
    QTemporaryDir dir;
    QVERIFY(runTest(dialogs, nullptr, dir.path(), editor.model).isEmpty());
    QVERIFY(QDir(dir.path()).isEmpty());
    QVERIFY(editor.nothingReplayed());
    QCOMPARE(dialogs.messages().size(), 0);
}

void TestCommands::testRefusesNamesThatAreNotPlain_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("slash") << "sub/Default.txt";
    QTest::newRow("backslash") << "sub\\Default.txt";
    QTest::newRow("absolute") << "/tmp/escape.txt";
    QTest::newRow("dot") << ".";
    QTest::newRow("dot dot") << "..";
    QTest::newRow("parent") << "../escape.txt";
}

void TestCommands::testRefusesNamesThatAreNotPlain()
{
    QFETCH(QString, name);
    FakeDialogs dialogs;
    dialogs.answerText(name);
    Editor editor{2};
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    QVERIFY(runTest(dialogs, nullptr, dir.path() + QStringLiteral("/sub"), editor.model).isEmpty());
    QCOMPARE(dialogs.messages().size(), 1);
    QVERIFY(dialogs.messages()[0].text.contains(name));
    QVERIFY(QDir(dir.path() + QStringLiteral("/sub")).isEmpty());
    QVERIFY(!QFile::exists(dir.path() + QStringLiteral("/escape.txt")));
    QVERIFY(editor.nothingReplayed());
}

void TestCommands::testLeavesARefusedTargetAlone()
{
    // A link in the folder must not lead Test to overwrite a file elsewhere.
    QTemporaryDir folder;
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("precious.txt"));
    QFile precious(target);
    QVERIFY(precious.open(QIODevice::WriteOnly) && precious.write("keep me") == 7);
    precious.close();
    QVERIFY(QFile::link(target, folder.filePath(QStringLiteral("link.txt"))));
    FakeDialogs dialogs;
    dialogs.answerText(QStringLiteral("link.txt"));
    Editor editor{0, 1};
    QVERIFY(runTest(dialogs, nullptr, folder.path(), editor.model).isEmpty());
    QCOMPARE(dialogs.messages().size(), 1);
    QVERIFY(dialogs.messages()[0].text.contains(folder.filePath(QStringLiteral("link.txt"))));
    QVERIFY(precious.open(QIODevice::ReadOnly));
    QCOMPARE(precious.readAll(), QByteArray("keep me"));
    QVERIFY(editor.nothingReplayed());
}

// Why nothing was written, whoever runs the test: the system's reason for the
// folder that cannot be made, or that there is no folder at all.
void TestCommands::testReportsWhyNothingWasWritten_data()
{
    QTest::addColumn<QString>("folder"); // in a temporary folder; "<ro>": a read-only mount
    QTest::addColumn<QString>("reason");
    QTest::newRow("a file in the way") << "plain.txt/plimso" << qt_error_string(ENOTDIR);
    QTest::newRow("read-only file system") << "<ro>/share/plimso" << qt_error_string(EROFS);
    QTest::newRow("no folder") << ""
                               << "there is no folder to write it to (neither XDG_DATA_HOME "
                                  "nor HOME is an absolute path).";
}

void TestCommands::testReportsWhyNothingWasWritten()
{
    QFETCH(QString, folder);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(QStringLiteral("plain.txt")), QByteArray()));
    if (folder.startsWith(QLatin1String("<ro>"))) {
        const QString readOnly = qEnvironmentVariable("PLIMSO_SMALL_FS");
        if (readOnly.isEmpty()) QSKIP("needs a read-only file system: see tests/shell/smallfs.sh");
        folder.replace(QLatin1String("<ro>"), readOnly);
    } else if (!folder.isEmpty()) {
        folder = dir.filePath(folder);
    }
    FakeDialogs dialogs;
    dialogs.answerText(QStringLiteral("Default.txt"));
    Editor editor{0, 1};
    QVERIFY(runTest(dialogs, nullptr, folder, editor.model).isEmpty());
    QCOMPARE(dialogs.messages().size(), 1);
    QVERIFY(dialogs.announcements().isEmpty()); // the box says it all
    const QString file =
        folder.isEmpty() ? QStringLiteral("Default.txt") : folder + QStringLiteral("/Default.txt");
    QCOMPARE(dialogs.messages()[0].text,
             QStringLiteral("The pattern file \"%1\" could not be written: %2").arg(file, reason));
    QVERIFY(editor.nothingReplayed());
}

// The user's data folder does not exist before the first Test writes there.
void TestCommands::testCreatesTheFolderOnFirstUse()
{
    FakeDialogs dialogs;
    dialogs.answerText(QStringLiteral("Default.txt"));
    Editor editor{0, 1};
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/share/plimso");
    QCOMPARE(runTest(dialogs, nullptr, folder, editor.model),
             folder + QStringLiteral("/Default.txt"));
    QCOMPARE(readFile(folder + QStringLiteral("/Default.txt")).left(6), QByteArray("1\r\n2\r\n"));
    QCOMPARE(dialogs.messages().size(), 0);
}

void TestCommands::testOverwritesAndKeepsTheDrawing()
{
    FakeDialogs dialogs;
    dialogs.answerText(QStringLiteral("p.txt"));
    dialogs.answerText(QStringLiteral("p.txt"));
    Editor editor{4};
    QTemporaryDir dir;
    // An earlier pattern file of that name is replaced.
    QVERIFY(writePatternFile(dir.path() + QStringLiteral("/p.txt"), pathOf({40, 41, 42, 43})).ok);
    runTest(dialogs, nullptr, dir.path(), editor.model);
    runTest(dialogs, nullptr, dir.path(), editor.model);
    QCOMPARE(readFile(dir.path() + QStringLiteral("/p.txt")).size(), 3 + 63 * 2);
    QCOMPARE(editor.model.segments(Side::B).size(), 1); // drawn again over the first replay
}

void TestCommands::dotPosition_data()
{
    QTest::addColumn<QRectF>("dot");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole twips") << QRectF(1200, 480, 240, 240) << "1200 480";
    QTest::newRow("origin dot") << QRectF(240, 120, 240, 240) << "240 120";
    QTest::newRow("fraction") << QRectF(988.5, 120, 240, 240) << "988.5 120";
}

void TestCommands::dotPosition()
{
    QFETCH(QRectF, dot);
    QFETCH(QString, text);
    QCOMPARE(dotPositionText(dot), text);
}

void TestCommands::summitGood()
{
    FakeDialogs dialogs;
    Challenge c({1, 2, 3}, {2, 1, 0});
    const auto outcome = runSummit(dialogs, nullptr, c.model);
    QCOMPARE(outcome, SummitOutcome::Close);
    QCOMPARE(dialogs.messages().size(), 1);
    QCOMPARE(dialogs.last().text, QStringLiteral("You are good"));
    QCOMPARE(dialogs.last().buttons, Dialogs::Buttons::Ok);
    QVERIFY(dialogs.last().title.isEmpty()); // the application title
    QCOMPARE(c.model.segments(Side::A).size(), 3);
}

void TestCommands::summitSorryYesResetsTheAttempt()
{
    FakeDialogs dialogs;
    dialogs.answerMessage(Dialogs::Answer::Yes);
    Challenge c({1, 2, 3}, {1, 2});
    const auto outcome = runSummit(dialogs, nullptr, c.model);
    QCOMPARE(outcome, SummitOutcome::TryAgain);
    QCOMPARE(dialogs.last().text, QStringLiteral("Sorry ! Please Try It Again"));
    QCOMPARE(dialogs.last().buttons, Dialogs::Buttons::YesNo);
    QVERIFY(c.model.segments(Side::A).isEmpty());
    QVERIFY(!c.model.isRed(Side::A, 1));
    QCOMPARE(c.model.state().dotCount, std::int16_t(0));
    QCOMPARE(c.model.segments(Side::B).size(), 3); // the stored pattern is left alone
}

void TestCommands::summitSorryNoCloses()
{
    FakeDialogs dialogs;
    dialogs.answerMessage(Dialogs::Answer::No);
    Challenge c({1, 2, 3}, {0, 2});
    QCOMPARE(runSummit(dialogs, nullptr, c.model), SummitOutcome::Close);
    QCOMPARE(c.model.segments(Side::A).size(), 2);
    QCOMPARE(c.model.state().dotCount, std::int16_t(2));
}

void TestCommands::summitWithNoDotIsSorry()
{
    FakeDialogs dialogs;
    dialogs.answerMessage(Dialogs::Answer::Yes);
    Challenge c({1, 2, 3}, {}); // nothing recorded
    QCOMPARE(runSummit(dialogs, nullptr, c.model), SummitOutcome::TryAgain);
    QCOMPARE(dialogs.last().text, QStringLiteral("Sorry ! Please Try It Again"));
}

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
