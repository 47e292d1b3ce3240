#include "grid/commands.h"

#include "forms/dialogs.h"
#include "forms/systemreason.h"
#include "logic/atomicfile.h"
#include "logic/gridmodel.h"
#include "logic/patternfile.h"
#include "logic/summit.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QWidget>

namespace {

// The context of Test's texts in the translations.
struct TestCommand {
    Q_DECLARE_TR_FUNCTIONS(TestCommand)
};

// Whether the window a command asked for went while one of its boxes was up.
class WindowGuard {
public:
    explicit WindowGuard(QWidget *window) : m_window(window), m_had(window != nullptr) {}
    bool gone() const { return m_had && !m_window; }

private:
    QPointer<QWidget> m_window;
    bool m_had;
};

QString targetProblemText(TestTargetProblem problem)
{
    switch (problem) {
    case TestTargetProblem::SymbolicLink:
        return TestCommand::tr("it is a symbolic link");
    case TestTargetProblem::NotRegularFile:
        return TestCommand::tr("it is not a regular file");
    case TestTargetProblem::ProgramItself:
        return TestCommand::tr("it is the program itself");
    case TestTargetProblem::NotPatternFile:
        return TestCommand::tr("it is not a pattern file");
    }
    return QString();
}

} // namespace

QString runTest(Dialogs &dialogs, QWidget *parent, const QString &folder, GridModel &model)
{
    const WindowGuard window(parent);
    const QString name = dialogs.prompt(parent, QStringLiteral("Please Input a Filename :"),
                                        QStringLiteral("INPUT"), QStringLiteral("Default.txt"));
    if (name.isEmpty() || window.gone()) return QString();
    if (!isPlainFileName(name)) {
        dialogs.message(parent, TestCommand::tr("\"%1\" is not a plain file name. Please give a "
                                                "name without folders, such as Default.txt.")
                                    .arg(name));
        return QString();
    }
    if (folder.isEmpty()) {
        dialogs.message(parent, TestCommand::tr("The pattern file \"%1\" could not be written: "
                                                "there is no folder to write it to (neither "
                                                "XDG_DATA_HOME nor HOME is an absolute path).")
                                    .arg(name));
        return QString();
    }
    const QString file = patternFilePath(folder, name);
    if (const auto problem = testTargetProblem(file)) {
        //: %2 says why Test leaves the file alone ("it is a symbolic link").
        dialogs.message(parent,
                        TestCommand::tr("The pattern file \"%1\" could not be written: %2.")
                            .arg(QDir::toNativeSeparators(file), targetProblemText(*problem)));
        return QString();
    }
    // The user's data folder does not exist before the first Test there.
    WriteResult written = makeFolder(folder);
    if (written.ok) written = writePatternFile(file, model.state().dotPath);
    if (!written.ok) {
        //: %2 is the system's reason ("No space left on device").
        dialogs.message(parent,
                        TestCommand::tr("The pattern file \"%1\" could not be written: %2")
                            .arg(QDir::toNativeSeparators(file), systemReason(written.error)));
        return QString();
    }
    model.replay();
    //: Said by a screen reader: %1 is the file's name, %2 the folder it is in.
    dialogs.announce(parent, TestCommand::tr("The pattern file %1 was written in %2.")
                                 .arg(name, QDir::toNativeSeparators(folder)));
    return file;
}

QString dotPositionText(const QRectF &dot)
{
    // Positions are single-precision twips, shown as the control reports them.
    return QStringLiteral("%1 %2").arg(QString::number(float(dot.left()), 'g', 7),
                                       QString::number(float(dot.top()), 'g', 7));
}

SummitOutcome runSummit(Dialogs &dialogs, QWidget *parent, GridModel &model)
{
    if (summitCheck(model.state().dotPath, model.storedPattern())) {
        dialogs.message(parent, QStringLiteral("You are good"));
        return SummitOutcome::Close;
    }
    const WindowGuard window(parent);
    if (dialogs.message(parent, QStringLiteral("Sorry ! Please Try It Again"), QString(),
                        Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes ||
        window.gone())
        return SummitOutcome::Close;
    model.resetAttempt();
    return SummitOutcome::TryAgain;
}
