// The editor's Test and the challenge's Summit as procedures: what they ask,
// write, report and draw, driven through scripted dialogs and a recording canvas.
#include "grid/commands.h"
#include "logic/patternfile.h"
#include "logic/replay.h"
#include "support/fakedialogs.h"
#include "support/files.h"
#include "support/paths.h"
#include "support/recordingcanvas.h"

#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

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
    void loadedPatternLaysOutB();
};

void TestCommands::testAsksWithTheDefinedPrompt()
{
    FakeDialogs dialogs;
    RecordingCanvas canvas;
    QTemporaryDir dir;
    runTest(dialogs, nullptr, dir.path(), pathOf({1}), canvas);
    QCOMPARE(dialogs.requests().size(), 1);
    const auto &r = dialogs.last();
    QCOMPARE(r.kind, FakeDialogs::Kind::Prompt);
    QCOMPARE(r.text, QStringLiteral("Please Input a Filename :"));
    QCOMPARE(r.title, QStringLiteral("INPUT"));
    QCOMPARE(r.defaultAnswer, QStringLiteral("Default.txt"));
}

void TestCommands::testWritesAndReplays()
{
    FakeDialogs dialogs;
    dialogs.answerText(QStringLiteral("Default.txt"));
    RecordingCanvas canvas;
    QTemporaryDir dir;
    const QString written = runTest(dialogs, nullptr, dir.path(), pathOf({1, 10, 19}), canvas);
    QCOMPARE(written, dir.path() + QStringLiteral("/Default.txt"));
    QCOMPARE(readFile(written), patternFileBytes({1, 10, 19}));
    QCOMPARE(dialogs.messages().size(), 0); // success says nothing
    const auto lines = canvas.linesOn(Side::B);
    QCOMPARE(lines.size(), size_t(3));
    QCOMPARE(lines[0].from, canvas.centreB(0));
    QCOMPARE(lines[0].to, canvas.centreB(0));
    QCOMPARE(lines[1].from, canvas.centreB(9));
    QCOMPARE(lines[1].to, canvas.centreB(0));
    QCOMPARE(lines[2].from, canvas.centreB(18));
    QCOMPARE(lines[2].to, canvas.centreB(9));
    for (const auto &l : lines)
        QCOMPARE(l.colour, 4);
    QCOMPARE(canvas.redCount(Side::B), 3);
    QVERIFY(canvas.linesOn(Side::A).empty());
}

void TestCommands::testCancelDoesNothing()
{
    FakeDialogs dialogs;
    dialogs.answerText(QString()); // Cancel, or OK on an emptied field
    RecordingCanvas canvas;
    QTemporaryDir dir;
    QVERIFY(runTest(dialogs, nullptr, dir.path(), pathOf({1, 2}), canvas).isEmpty());
    QVERIFY(QDir(dir.path()).isEmpty());
    QVERIFY(canvas.lines.empty());
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
    RecordingCanvas canvas;
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    QVERIFY(runTest(dialogs, nullptr, dir.path() + QStringLiteral("/sub"), pathOf({3}), canvas)
                .isEmpty());
    QCOMPARE(dialogs.messages().size(), 1);
    QVERIFY(dialogs.messages()[0].text.contains(name));
    QVERIFY(QDir(dir.path() + QStringLiteral("/sub")).isEmpty());
    QVERIFY(!QFile::exists(dir.path() + QStringLiteral("/escape.txt")));
    QVERIFY(canvas.lines.empty());
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
    RecordingCanvas canvas;
    QVERIFY(runTest(dialogs, nullptr, folder.path(), pathOf({1, 2}), canvas).isEmpty());
    QCOMPARE(dialogs.messages().size(), 1);
    QVERIFY(dialogs.messages()[0].text.contains(folder.filePath(QStringLiteral("link.txt"))));
    QVERIFY(precious.open(QIODevice::ReadOnly));
    QCOMPARE(precious.readAll(), QByteArray("keep me"));
    QVERIFY(canvas.lines.empty());
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
    RecordingCanvas canvas;
    QVERIFY(runTest(dialogs, nullptr, folder, pathOf({1, 2}), canvas).isEmpty());
    QCOMPARE(dialogs.messages().size(), 1);
    const QString file =
        folder.isEmpty() ? QStringLiteral("Default.txt") : folder + QStringLiteral("/Default.txt");
    QCOMPARE(dialogs.messages()[0].text,
             QStringLiteral("The pattern file \"%1\" could not be written: %2").arg(file, reason));
    QVERIFY(canvas.lines.empty());
}

// The user's data folder does not exist before the first Test writes there.
void TestCommands::testCreatesTheFolderOnFirstUse()
{
    FakeDialogs dialogs;
    dialogs.answerText(QStringLiteral("Default.txt"));
    RecordingCanvas canvas;
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/share/plimso");
    QCOMPARE(runTest(dialogs, nullptr, folder, pathOf({1, 2}), canvas),
             folder + QStringLiteral("/Default.txt"));
    QCOMPARE(readFile(folder + QStringLiteral("/Default.txt")).left(6), QByteArray("1\r\n2\r\n"));
    QCOMPARE(dialogs.messages().size(), 0);
}

void TestCommands::testOverwritesAndKeepsTheDrawing()
{
    FakeDialogs dialogs;
    dialogs.answerText(QStringLiteral("p.txt"));
    dialogs.answerText(QStringLiteral("p.txt"));
    RecordingCanvas canvas;
    QTemporaryDir dir;
    // An earlier pattern file of that name is replaced.
    QVERIFY(writePatternFile(dir.path() + QStringLiteral("/p.txt"), pathOf({40, 41, 42, 43})).ok);
    runTest(dialogs, nullptr, dir.path(), pathOf({5}), canvas);
    runTest(dialogs, nullptr, dir.path(), pathOf({5}), canvas);
    QCOMPARE(readFile(dir.path() + QStringLiteral("/p.txt")).size(), 3 + 63 * 2);
    QCOMPARE(canvas.linesOn(Side::B).size(), size_t(2)); // drawn again over the first replay
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
    RecordingCanvas canvas;
    GridState state;
    state.dotPath = pathOf({3, 2, 1});
    state.dotCount = 3;
    const auto outcome = runSummit(dialogs, nullptr, state, canvas, patternOf(Values{1, 2, 3}));
    QCOMPARE(outcome, SummitOutcome::Close);
    QCOMPARE(dialogs.messages().size(), 1);
    QCOMPARE(dialogs.last().text, QStringLiteral("You are good"));
    QCOMPARE(dialogs.last().buttons, Dialogs::Buttons::Ok);
    QVERIFY(dialogs.last().title.isEmpty()); // the application title
    QVERIFY(!canvas.log.contains("clear A"));
}

void TestCommands::summitSorryYesResetsTheAttempt()
{
    FakeDialogs dialogs;
    dialogs.answerMessage(Dialogs::Answer::Yes);
    RecordingCanvas canvas;
    GridState state;
    state.dotPath = pathOf({2, 3});
    state.dotPath[63] = std::int16_t(9);
    state.dotCount = 2;
    for (int k : {1, 2})
        canvas.setDotPicture(Side::A, k, DotPicture::Red);
    canvas.setDotPicture(Side::B, 5, DotPicture::Red);
    // A stray line that the path no longer explains goes too.
    canvas.drawLine(Side::A, canvas.centreA(1), canvas.centreA(40), 4);
    canvas.drawLine(Side::B, canvas.centreB(1), canvas.centreB(2), 4);
    const auto outcome = runSummit(dialogs, nullptr, state, canvas, patternOf(Values{1, 2, 3}));
    QCOMPARE(outcome, SummitOutcome::TryAgain);
    QCOMPARE(dialogs.last().text, QStringLiteral("Sorry ! Please Try It Again"));
    QCOMPARE(dialogs.last().buttons, Dialogs::Buttons::YesNo);
    QVERIFY(canvas.linesOn(Side::A).empty());
    QCOMPARE(canvas.linesOn(Side::B).size(), size_t(1));
    QCOMPARE(state.dotCount, std::int16_t(0));
    for (int p = 0; p < 63; ++p)
        QCOMPARE(state.dotPath[size_t(p)], PathEntry(std::int16_t(0)));
    QCOMPARE(valueOf(state.dotPath[63]), std::int16_t(9)); // position 63 is not reset
    QCOMPARE(canvas.redCount(Side::A), 0);
    QCOMPARE(canvas.redCount(Side::B), 1); // the stored pattern's side is left alone
}

void TestCommands::summitSorryNoCloses()
{
    FakeDialogs dialogs;
    dialogs.answerMessage(Dialogs::Answer::No);
    RecordingCanvas canvas;
    GridState state;
    state.dotPath = pathOf({1, 3});
    state.dotCount = 2;
    QCOMPARE(runSummit(dialogs, nullptr, state, canvas, patternOf(Values{1, 2, 3})),
             SummitOutcome::Close);
    QVERIFY(!canvas.log.contains("clear A"));
    QCOMPARE(state.dotCount, std::int16_t(2));
}

void TestCommands::summitWithNoDotIsSorry()
{
    FakeDialogs dialogs;
    dialogs.answerMessage(Dialogs::Answer::Yes);
    RecordingCanvas canvas;
    GridState state; // nothing recorded
    QCOMPARE(runSummit(dialogs, nullptr, state, canvas, patternOf(Values{1, 2, 3})),
             SummitOutcome::TryAgain);
    QCOMPARE(dialogs.last().text, QStringLiteral("Sorry ! Please Try It Again"));
}

void TestCommands::loadedPatternLaysOutB()
{
    RecordingCanvas canvas;
    canvas.setControlRect(GridControl::PicB, QRectF(7000, 1000, 5550, 2490));
    showLoadedPattern(patternOf(Values{5, 0, 7}), canvas);
    // Column step 5550 / 9 = 616.67; row step 2490 / 7 = 355.71, rounded to 356.
    QCOMPARE(canvas.dotRect(Side::B, 0).topLeft(), QPointF(240, 120));
    QCOMPARE(canvas.dotRect(Side::B, 62).topLeft(),
             QPointF(float(8 * (5550.0f / 9.0f) + 240.0f), 6 * 356 + 120));
    QCOMPARE(canvas.dotRect(Side::B, 10).top(), 356.0 + 120);
    const auto lines = canvas.linesOn(Side::B);
    QCOMPARE(lines.size(), size_t(2)); // 5, then 7 joined across the 0
    QCOMPARE(lines[0].from, canvas.centreB(4));
    QCOMPARE(lines[1].from, canvas.centreB(6));
    QCOMPARE(lines[1].to, canvas.centreB(4));
    QCOMPARE(lines[1].colour, 4);
    QCOMPARE(canvas.redCount(Side::B), 2);
    // A row step of exactly half a twip rounds to the even neighbour: 703.5 / 7 = 100.5 -> 100.
    RecordingCanvas half;
    half.setControlRect(GridControl::PicB, QRectF(0, 0, 900, 703.5));
    showLoadedPattern(Pattern{}, half);
    QCOMPARE(half.dotRect(Side::B, 9).top(), 100.0 + 120); // 703.5 / 7 = 100.5 -> 100
}

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
