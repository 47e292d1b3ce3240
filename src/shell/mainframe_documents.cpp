// The frame's document commands: new editor windows, opening a pattern as a
// challenge, saving a grid as a bitmap and the printer dialog.
#include "shell/mainframe.h"

#include "forms/dialogs.h"
#include "forms/systemreason.h"
#include "grid/challengeslot.h"
#include "grid/challengewindow.h"
#include "grid/dotgridview.h"
#include "grid/editorwindow.h"
#include "grid/workspace.h"
#include "logic/challengestate.h"
#include "logic/patternfile.h"
#include "shell/bitmapfile.h"
#include "shell/patternrefusal.h"
#include "shell/samefile.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>
#include <optional>

namespace {
// One filter that matches every file, names without an extension included.
const QString kAllFiles = QStringLiteral("所有檔案 (*)");

// Shows `caption` exactly: Qt reads "[*]" in a title as the place of the
// modified mark and shows "[*][*]" as a literal "[*]". Accessibility tools get
// the window's title with every "[*]" removed, so the content carries the
// caption as its accessible name. In a right-to-left layout the title is
// isolated as left-to-right text, so that a path does not read
// "home/user/p.txt/".
void setCaption(QMdiSubWindow *sub, const QString &caption)
{
    QString title = QString(caption).replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
    if (sub->layoutDirection() == Qt::RightToLeft)
        title = QChar(0x2066) + title + QChar(0x2069); // LEFT-TO-RIGHT ISOLATE ... POP
    sub->widget()->setWindowTitle(title);
    sub->widget()->setAccessibleName(caption);
    sub->setWindowTitle(title);
}
} // namespace

void MainFrame::newEditor()
{
    ++m_editorCount;
    auto *doc = new EditorWindow(m_context);
    QMdiSubWindow *sub = addToWorkspace(m_mdiArea, doc);
    setCaption(sub, QStringLiteral("Document %1").arg(m_editorCount));
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
    if (!loadPattern(file)) return;
    // The challenge window shows which file it holds, even when another child
    // window was active: it is the one the user now works in.
    if (ChallengeWindow *challenge = showChallenge()) {
        m_challengeFile = file;
        QMdiSubWindow *sub = challenge->subWindow();
        setCaption(sub, QDir::toNativeSeparators(file));
        if (sub->isMinimized()) sub->showNormal();
        m_mdiArea->setActiveSubWindow(sub);
    }
}

bool MainFrame::loadPattern(const QString &fileName)
{
    const ReadResult read = readPatternFile(fileName);
    if (!read.ok) {
        // Nothing of a refused file is kept: the stored pattern stays as it was.
        m_context.dialogs.message(this, patternRefusal(fileName, read));
        return false;
    }
    m_challenge.stored = patternFromValues(read.values);
    return true;
}

ChallengeWindow *MainFrame::showChallenge()
{
    // The first use creates and loads the challenge, whose own layout already
    // draws the stored pattern; the pattern is then drawn on its replay grid.
    ChallengeWindow *challenge = m_challengeSlot->window(true);
    if (challenge) challenge->model().showStoredPattern();
    return challenge;
}

void MainFrame::save()
{
    QMdiSubWindow *sub = m_mdiArea->currentSubWindow();
    auto *grid = sub ? qobject_cast<GridWindow *>(sub->widget()) : nullptr;
    if (!grid) return;
    const QString file =
        m_context.dialogs.saveFileName(this, QStringLiteral("儲存檔案"), kAllFiles);
    if (file.isEmpty()) return;
    // A bitmap never replaces the open challenge's pattern file, nor a folder,
    // FIFO or device (the atomic write would put a regular file in its place).
    // A symbolic link the user picked is written through.
    std::optional<QString> why;
    if (challengeWindow() && isSameFile(file, m_challengeFile))
        why = tr("it is the pattern file of the open challenge");
    else if (QFileInfo::exists(file) && !QFileInfo(file).isFile())
        why = tr("it is not a regular file");
    else if (const WriteResult written = writeBitmapFile(grid->PicA()->image(), file); !written.ok)
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
    if (!m_mdiArea->currentSubWindow()) return;
    // No child window offers anything to print: the dialog is all there is.
    m_context.dialogs.printerDialog(this, QStringLiteral("列印"));
}
