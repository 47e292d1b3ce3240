#include "forms/qtdialogs.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

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

Dialogs::Answer QtDialogs::message(QWidget *parent, const QString &text, const QString &title,
                                   Buttons buttons, Icon icon)
{
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? applicationTitle() : title);
    // Texts carry file names and system reasons: a folder named "<img src=fifo>"
    // must be shown, not read as markup (which would open the FIFO and block).
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(icon == Icon::Information ? QMessageBox::Information
                : icon == Icon::Warning   ? QMessageBox::Warning
                                          : QMessageBox::NoIcon);
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int result = box.exec();
    if (buttons == Buttons::Ok) return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString QtDialogs::prompt(QWidget *parent, const QString &prompt, const QString &title,
                          const QString &defaultAnswer)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultAnswer, &ok);
    return ok ? text : QString();
}

QString QtDialogs::openFileName(QWidget *parent, const QString &title, const QString &filter,
                                const QString &folder)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString QtDialogs::saveFileName(QWidget *parent, const QString &title, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, QString(), filter);
}

bool QtDialogs::printerDialog(QWidget *parent, const QString &title)
{
    // Only the dialog is shown: nothing is ever painted on the printer, so a
    // confirmed print-to-file choice creates no file.
    QPrinter printer;
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    disablePageRange(dialog);
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::announce(QWidget *parent, const QString &text)
{
    m_announcer.announce(parent, text);
}
