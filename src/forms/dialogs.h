#pragma once
// Every modal interaction of the program goes through this interface, and so
// does what it tells a screen reader without a box: the application uses real
// Qt dialogs (QtDialogs), tests a scripted fake.
#include <QString>

class QPrinter;
class QWidget;

class Dialogs {
public:
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Information, Warning };
    enum class Answer { Ok, Yes, No };

    virtual ~Dialogs() = default;

    // A message box; an empty title means the application title "plimso".
    virtual Answer message(QWidget *parent, const QString &text, const QString &title = QString(),
                           Buttons buttons = Buttons::Ok, Icon icon = Icon::None) = 0;
    // A text prompt; returns the typed text, or the empty text on Cancel.
    virtual QString prompt(QWidget *parent, const QString &prompt, const QString &title,
                           const QString &defaultAnswer) = 0;
    // File dialogs with one filter in "Name (*.pattern)" form; empty on Cancel.
    // The open dialog starts in `folder` (Qt's choice when it does not exist).
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &filter,
                                 const QString &folder) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &filter) = 0;
    // The printer dialog on `printer`, which the caller owns and the dialog sets
    // up as the user chooses (a printer or a PDF file, the colour mode, ...);
    // page-range selection disabled. True when confirmed.
    virtual bool printerDialog(QWidget *parent, const QString &title, QPrinter &printer) = 0;
    // An outcome a sighted user sees drawn ("... was written"), told to a
    // screen reader; nothing shows and nothing waits.
    virtual void announce(QWidget *parent, const QString &text) = 0;

    static QString applicationTitle() { return QStringLiteral("plimso"); }
};
