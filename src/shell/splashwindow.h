#pragma once
// The start-up splash window (object name `frmSplash`, form
// shell/splashwindow.ui): without title bar or task-bar entry, with a fixed
// dialog's raised 2 px border inside its edges, centred on the primary screen.
// It reacts to no click or key and cannot be closed by the user; start-up
// destroys it.
#include <QWidget>
#include <memory>

namespace Ui {
class SplashWindow;
}

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // Builds the window and runs its load handler; the window is still hidden.
    explicit SplashWindow(QWidget *parent = nullptr);
    ~SplashWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void load();

    std::unique_ptr<Ui::SplashWindow> m_ui;
};
