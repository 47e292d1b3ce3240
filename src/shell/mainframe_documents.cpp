// The frame's document commands: new editor windows, opening a pattern as a
// challenge, saving a grid as a bitmap and printing it.
#include "shell/mainframe.h"

#include "forms/dialogs.h"
#include "forms/systemreason.h"
#include "grid/challengeslot.h"
#include "grid/challengewindow.h"
#include "grid/editorwindow.h"
#include "grid/gridprint.h"
#include "grid/workspace.h"
#include "logic/gridmodel.h"
#include "logic/patternfile.h"
#include "shell/bitmapfile.h"
#include "shell/patternrefusal.h"
#include "shell/samefile.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPrinter>
#include <algorithm>
#include <optional>

namespace {
// One filter that matches every file, names without an extension included.
const QString kAllFiles = QStringLiteral("所有檔案 (*)");

} // namespace

void MainFrame::newEditor()
{
    ++m_editorCount;
    auto *doc = new EditorWindow(m_context);
    QMdiSubWindow *sub = addToWorkspace(m_mdiArea, doc);
    setChildCaption(sub, QStringLiteral("Document %1").arg(m_editorCount));
    sub->show();
    m_mdiArea->setActiveSubWindow(sub);
}

void MainFrame::open()
{
    const QString file = m_context.dialogs.openFileName(this, QStringLiteral("開啟"), kAllFiles,
                                                        m_context.patternFolder);
    if (!file.isEmpty()) openFile(file);
}

void MainFrame::openFile(const QString &path)
{
    // Made absolute as text: QFileInfo would lose bytes of a name that is not UTF-8.
    const QString file = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    const std::optional<Pattern> pattern = readPattern(file);
    if (!pattern) return;
    // The first use creates and loads the challenge window; then the new
    // pattern is drawn on its replay grid, as Open draws it.
    ChallengeWindow *challenge = m_challengeSlot->window(true);
    m_challenge.setStoredPattern(*pattern);
    // The challenge window shows which file it holds, even when another child
    // window was active: it is the one the user now works in.
    if (challenge) {
        m_challengeFile = file;
        QMdiSubWindow *sub = challenge->subWindow();
        setChildCaption(sub, QDir::toNativeSeparators(file));
        if (sub->isMinimized()) sub->showNormal();
        m_mdiArea->setActiveSubWindow(sub);
    }
}

std::optional<Pattern> MainFrame::readPattern(const QString &fileName)
{
    const ReadResult read = readPatternFile(fileName);
    if (!read.ok) {
        // Nothing of a refused file is kept: the stored pattern stays as it was.
        m_context.dialogs.message(this, patternRefusal(fileName, read));
        return std::nullopt;
    }
    return patternFromValues(read.values);
}

void MainFrame::save()
{
    QMdiSubWindow *sub = m_mdiArea->currentSubWindow();
    // The window may close while the dialog is up: then there is nothing to save.
    const QPointer<GridWindow> grid = sub ? qobject_cast<GridWindow *>(sub->widget()) : nullptr;
    if (!grid) return;
    const QString file =
        m_context.dialogs.saveFileName(this, QStringLiteral("儲存檔案"), kAllFiles);
    if (file.isEmpty() || !grid) return;
    // A bitmap never replaces the open challenge's pattern file, nor a folder,
    // FIFO or device (the atomic write would put a regular file in its place).
    // A symbolic link the user picked is written through.
    std::optional<QString> why;
    if (challengeWindow() && isSameFile(file, m_challengeFile))
        why = tr("it is the pattern file of the open challenge");
    else if (QFileInfo::exists(file) && !QFileInfo(file).isFile())
        why = tr("it is not a regular file");
    else if (const WriteResult written = writeBitmapFile(grid->inputGridImage(), file); !written.ok)
        why = systemReason(written.error);
    if (why) {
        //: %2 says why ("it is not a regular file", or the system's reason).
        m_context.dialogs.message(this, tr("The picture \"%1\" could not be saved: %2")
                                            .arg(QDir::toNativeSeparators(file), *why));
        return;
    }
    // Split as text: QFileInfo would lose bytes of a name that is not UTF-8.
    const QString native = QDir::toNativeSeparators(file);
    const qsizetype slash = native.lastIndexOf(QDir::separator());
    //: Said by a screen reader: %1 is the file's name, %2 the folder it is in.
    m_context.dialogs.announce(
        this, tr("The picture %1 was saved in %2.")
                  .arg(native.mid(slash + 1), native.left(std::max<qsizetype>(slash, 1))));
}

void MainFrame::print()
{
    QMdiSubWindow *sub = m_mdiArea->currentSubWindow();
    if (!sub) return;
    // The dialog runs an event loop, in which the window may close: it is
    // held by a guarded pointer, and nothing is printed once it has closed.
    const QPointer<GridWindow> grid = qobject_cast<GridWindow *>(sub->widget());
    QPrinter printer(QPrinter::HighResolution);
    // Qt's 10 points would put the heading where many printers cannot print;
    // the dialog's Properties can still change them.
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    if (!m_context.dialogs.printerDialog(this, QStringLiteral("列印"), printer)) return;
    if (!grid || grid->isClosed()) return;
    // The window's caption, which setChildCaption keeps as its accessible name.
    if (const auto problem = printGridWindow(printer, *grid, grid->accessibleName()))
        m_context.dialogs.message(this, printProblemText(*problem));
}
