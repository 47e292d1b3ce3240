#pragma once
// The Help menu's commands. No help file comes with the program, so Contents
// and Search for help on each say that there is no help, in a box with the
// information icon titled with the window's caption; About shows the version.
#include <QObject>

class Dialogs;
class QWidget;

class HelpCommands : public QObject {
    Q_OBJECT
public:
    // Commands of `window`, which owns them and parents their boxes.
    HelpCommands(Dialogs &dialogs, QWidget *window);

public slots:
    void contents();
    void searchForHelpOn();
    void about();

private:
    void sayNoHelp(const QString &text);

    Dialogs &m_dialogs;
    QWidget *m_window;
};
