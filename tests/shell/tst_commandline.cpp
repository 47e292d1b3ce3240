// The command line, read before any QApplication exists: what each argument
// list asks for. Qt's own options must pass untouched and unreported, since
// QApplication reads them afterwards.
#include "shell/commandline.h"
#include "support/projectversion.h"

#include <QTest>

Q_DECLARE_METATYPE(CommandLine::Action)

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("arguments"); // after the program's name, split at blanks
        QTest::addColumn<CommandLine::Action>("action");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("said"); // a part of the message
        using A = CommandLine::Action;
        const auto row = [](const char *name, const char *arguments, A action, const char *file,
                            const char *said) {
            QTest::newRow(name) << QString::fromUtf8(arguments) << action << QString::fromUtf8(file)
                                << QString::fromUtf8(said);
        };
        const char *usage = "Usage: plimso [options] [file]\n";
        row("nothing", "", A::Run, "", "");
        row("a file", "p.txt", A::Run, "p.txt", "");
        row("--help", "--help", A::Help, "", usage);
        row("-h", "-h", A::Help, "", "--version");
        row("--version", "--version", A::Version, "", "plimso " PLIMSO_PROJECT_VERSION "\n");
        row("-v", "-v", A::Version, "", "plimso " PLIMSO_PROJECT_VERSION "\n");
        row("-platform", "-platform xcb p.txt", A::Run, "p.txt", "");
        row("--platform", "--platform offscreen", A::Run, "", "");
        row("-style, -reverse", "-style fusion -reverse p.txt", A::Run, "p.txt", "");
        row("-style=", "-style=fusion p.txt", A::Run, "p.txt", "");
        row("-display", "p.txt -display :1", A::Run, "p.txt", "");
        row("-qwindowgeometry", "-qwindowgeometry 400x300+10+10", A::Run, "", "");
        row("a file after --", "-- -odd.txt", A::Run, "-odd.txt", "");
        row("two files", "a.txt b.txt", A::Error, "", usage);
        row("unknown option", "--frobnicate p.txt", A::Error, "", "frobnicate");
        row("unknown short option", "-x", A::Error, "", usage);
        row("Qt option without its value", "-platform", A::Error, "", usage);
        row("help with an unknown option", "--help --frobnicate", A::Error, "", usage);
    }
    void parse()
    {
        QFETCH(QString, arguments);
        QFETCH(CommandLine::Action, action);
        QFETCH(QString, file);
        QFETCH(QString, said);
        const CommandLine result = parseCommandLine(QStringList{QStringLiteral("plimso")} +
                                                    arguments.split(' ', Qt::SkipEmptyParts));
        QCOMPARE(result.action, action);
        QCOMPARE(result.file, file);
        QVERIFY2(result.message.contains(said), qPrintable(result.message));
        QCOMPARE(result.message.isEmpty(), action == CommandLine::Action::Run);
    }

    // What QApplication is given: Qt's options in the form Qt reads, and
    // nothing from "--" on, which is the program's alone.
    void qtOptions_data()
    {
        QTest::addColumn<QString>("arguments"); // after the program's name, split at blanks
        QTest::addColumn<QString>("qt");        // after the program's name, joined by blanks
        QTest::addColumn<bool>("displayNamed");
        QTest::newRow("-display") << "-display :1 p.txt"
                                  << "-display :1" << true;
        QTest::newRow("--display=") << "--display=:1"
                                    << "-display :1" << true;
        QTest::newRow("-platform=") << "-platform=offscreen"
                                    << "-platform offscreen" << true;
        QTest::newRow("--platform") << "--platform xcb -reverse"
                                    << "-platform xcb -reverse" << true;
        QTest::newRow("-style=") << "-style=fusion"
                                 << "-style fusion" << false;
        QTest::newRow("after --") << "-style fusion -- -reverse"
                                  << "-style fusion" << false;
    }
    void qtOptions()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, qt);
        QFETCH(bool, displayNamed);
        const CommandLine result = parseCommandLine(QStringList{QStringLiteral("plimso")} +
                                                    arguments.split(' ', Qt::SkipEmptyParts));
        QCOMPARE(result.action, CommandLine::Action::Run);
        QCOMPARE(result.qtArguments.join(' '), qt);
        QCOMPARE(result.displayNamed, displayNamed);
    }

    void argumentsAreDecodedFromTheLocalEncoding()
    {
        QByteArray name("plimso"), file("\xe5\x9c\x96\xe6\xa1\x88.txt"); // 圖案.txt in UTF-8
        char *argv[] = {name.data(), file.data(), nullptr};
        QCOMPARE(commandLineArguments(2, argv),
                 (QStringList{QStringLiteral("plimso"), QStringLiteral("圖案.txt")}));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
