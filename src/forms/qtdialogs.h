#pragma once
#include "forms/dialogs.h"

// The real dialogs: QMessageBox, QInputDialog, QFileDialog and QPrintDialog.
class QtDialogs final : public Dialogs {
public:
    Answer message(QWidget *parent, const QString &text, const QString &title, Buttons buttons,
                   Icon icon) override;
    QString prompt(QWidget *parent, const QString &prompt, const QString &title,
                   const QString &defaultAnswer) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &filter) override;
    bool printerDialog(QWidget *parent, const QString &title) override;
};
