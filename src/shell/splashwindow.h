#pragma once
// The start-up splash window (object name `frmSplash`, form
// shell/splashwindow.ui): without title bar or task-bar entry, with a fixed
// dialog's raised 2 px border inside its edges, centred on the primary screen.
// It reacts to no click or key and cannot be closed by the user; start-up
// destroys it.
#include <QWidget>

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // Builds the window from its form and gives its labels their texts: the
    // string table's, then the version and the program's name; the window is
    // still hidden.
    explicit SplashWindow(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;
};
