#pragma once
// Benchmarks answer every question with Cancel: nothing they measure asks one.
#include "forms/dialogs.h"

class SilentDialogs final : public Dialogs {
public:
    Answer message(QWidget *, const QString &, const QString &, Buttons, Icon) override
    {
        return Answer::Ok;
    }
    QString prompt(QWidget *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    QString openFileName(QWidget *, const QString &, const QString &) override { return {}; }
    QString saveFileName(QWidget *, const QString &, const QString &) override { return {}; }
    bool printerDialog(QWidget *, const QString &) override { return false; }
};
