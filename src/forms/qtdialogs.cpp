#include "forms/qtdialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <functional>

namespace {

// Object names of the page-range controls in Qt's unix print dialog.
constexpr const char *kPageRangeControls[] = {"printRange", "from", "to", "pagesRadioButton",
                                              "pagesLineEdit"};

// Disables the controls on every show of the dialog and whenever one of them
// is enabled again.
class PageRangeLock : public QObject {
public:
    explicit PageRangeLock(QPrintDialog &dialog) : QObject(&dialog), m_dialog(dialog)
    {
        dialog.installEventFilter(this);
        for (QWidget *control : controls())
            control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &m_dialog && event->type() == QEvent::Show) {
            lock();
        } else if (event->type() == QEvent::EnabledChange) {
            // Not from inside the widget's own enabling: once it has finished.
            if (static_cast<QWidget *>(watched)->isEnabled())
                QTimer::singleShot(0, this, &PageRangeLock::lock);
        }
        return false;
    }

private:
    QList<QWidget *> controls() const
    {
        QList<QWidget *> found;
        for (const char *name : kPageRangeControls)
            if (auto *w = m_dialog.findChild<QWidget *>(QLatin1String(name))) found.append(w);
        return found;
    }
    void lock()
    {
        if (auto *all = m_dialog.findChild<QAbstractButton *>(QStringLiteral("printAll")))
            all->setChecked(true);
        for (QWidget *control : controls())
            control->setEnabled(false);
    }

    QPrintDialog &m_dialog;
};

} // namespace

void disablePageRange(QPrintDialog &dialog)
{
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    new PageRangeLock(dialog);
}

namespace {

// Without a window manager nothing gives the keyboard back when a modal
// window closes: X hands it to the root window, and the window the box was
// opened over stays inactive, its focus unseen and unheard, until something
// activates it. While it lives, a KeyboardReturn holds the box's parent; once
// the box has gone, it activates the parent's window unless another is active
// (a window manager does the same on its own).
class KeyboardReturn {
public:
    explicit KeyboardReturn(QWidget *parent) : m_parent(parent) {}
    ~KeyboardReturn()
    {
        if (m_parent && !QApplication::activeWindow() && m_parent->window()->isVisible())
            m_parent->window()->activateWindow();
    }
    KeyboardReturn(const KeyboardReturn &) = delete;
    KeyboardReturn &operator=(const KeyboardReturn &) = delete;

private:
    QPointer<QWidget> m_parent;
};

// Shows `dialog`, made on the heap with `parent`, as a modal box; lets `read`
// take what was chosen while the dialog still exists, deletes it, and gives
// the keyboard back to the parent's window. Returns exec()'s result.
//
// The parent may be destroyed while the box is up (a screen reader reaches
// windows behind a modal box), and Qt then deletes the box with it: exec()
// returns Rejected, `read` is not called, and the caller hears Cancel.
int runModal(QWidget *parent, QDialog *dialog, const std::function<void(int result)> &read = {})
{
    const KeyboardReturn keyboardReturn(parent);
    const QPointer<QDialog> alive(dialog);
    const int result = dialog->exec();
    if (!alive) return QDialog::Rejected;
    if (read) read(result);
    delete dialog;
    return result;
}

} // namespace

Dialogs::Answer QtDialogs::message(QWidget *parent, const QString &text, const QString &title,
                                   Buttons buttons, Icon icon)
{
    auto *box = new QMessageBox(parent);
    box->setWindowTitle(title.isEmpty() ? applicationTitle() : title);
    // Texts carry file names and system reasons: a folder named "<img src=fifo>"
    // must be shown, not read as markup (which would open the FIFO and block).
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->setIcon(icon == Icon::Information ? QMessageBox::Information
                 : icon == Icon::Warning   ? QMessageBox::Warning
                                           : QMessageBox::NoIcon);
    if (buttons == Buttons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    const int result = runModal(parent, box);
    if (buttons == Buttons::Ok) return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString QtDialogs::prompt(QWidget *parent, const QString &prompt, const QString &title,
                          const QString &defaultAnswer)
{
    auto *dialog = new QInputDialog(parent);
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
    dialog->setTextValue(defaultAnswer);
    QString text;
    runModal(parent, dialog, [&](int result) {
        if (result == QDialog::Accepted) text = dialog->textValue();
    });
    return text;
}

namespace {

// The file name `dialog` is accepted with; empty on Cancel.
QString chosenFile(QWidget *parent, QFileDialog *dialog)
{
    QString file;
    runModal(parent, dialog, [&](int result) {
        if (result == QDialog::Accepted) file = dialog->selectedFiles().value(0);
    });
    return file;
}

} // namespace

QString QtDialogs::openFileName(QWidget *parent, const QString &title, const QString &filter,
                                const QString &folder)
{
    auto *dialog = new QFileDialog(parent, title, folder, filter);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    return chosenFile(parent, dialog);
}

QString QtDialogs::saveFileName(QWidget *parent, const QString &title, const QString &filter)
{
    auto *dialog = new QFileDialog(parent, title, QString(), filter);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    return chosenFile(parent, dialog);
}

bool QtDialogs::printerDialog(QWidget *parent, const QString &title, QPrinter &printer)
{
    auto *dialog = new QPrintDialog(&printer, parent);
    dialog->setWindowTitle(title);
    dialog->setOption(QAbstractPrintDialog::PrintSelection, false);
    disablePageRange(*dialog);
    return runModal(parent, dialog) == QDialog::Accepted;
}

void QtDialogs::announce(QWidget *parent, const QString &text)
{
    m_announcer.announce(parent, text);
}
