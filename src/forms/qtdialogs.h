#pragma once
#include "forms/announcer.h"
#include "forms/dialogs.h"

class QPrintDialog;

// The real dialogs: QMessageBox, QInputDialog, QFileDialog and QPrintDialog.
class QtDialogs final : public Dialogs {
public:
    Answer message(QWidget *parent, const QString &text, const QString &title, Buttons buttons,
                   Icon icon) override;
    QString prompt(QWidget *parent, const QString &prompt, const QString &title,
                   const QString &defaultAnswer) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &filter,
                         const QString &folder) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &filter) override;
    bool printerDialog(QWidget *parent, const QString &title, QPrinter &printer) override;
    void announce(QWidget *parent, const QString &text) override;

private:
    Announcer m_announcer;
};

// Keeps the page-range choices of `dialog` ("Pages from … to …", "Pages")
// disabled with "Print all" chosen, from its next show on: Qt 6.4's unix
// dialog enables them again on every show and printer change, whatever the
// PrintPageRange option says.
void disablePageRange(QPrintDialog &dialog);
