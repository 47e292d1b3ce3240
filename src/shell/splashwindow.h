#pragma once
// The start-up splash window (object name `frmSplash`): built from its
// definition, without title bar or task-bar entry, with a fixed dialog's raised
// 2 px border inside its edges, centred on the primary screen. It reacts to no
// click or key and cannot be closed by the user; start-up destroys it.
#include "forms/formbuilder.h"

#include <QWidget>

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // Builds the window and runs its load handler; the window is still hidden.
    explicit SplashWindow(QWidget *parent = nullptr);

    const forms::BuiltForm &controls() const { return m_built; }
    template <class T> T *control(const char *name) const
    {
        return m_built.get<T>(QString::fromLatin1(name));
    }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void load();

    forms::BuiltForm m_built;
};
