#pragma once
// A scripted stand-in for every modal interaction. Tests queue the answers the
// "user" will give; every request is recorded so tests can check what was asked.
// A request with no scripted answer gets the cancel answer (Ok, No, empty text,
// false) and is recorded as unscripted.
#include "forms/dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <utility>

class FakeDialogs final : public Dialogs {
public:
    enum class Kind { Message, Prompt, OpenFile, SaveFile, Printer, Announcement };
    struct Request {
        Kind kind;
        QString text;  // message, prompt or announcement text
        QString title; // as passed (empty: the application title was meant)
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        QString defaultAnswer; // prompt only
        QString filter;        // file dialogs only
        bool scripted = true;
        QString folder; // the open dialog's starting folder
    };

    // Scripted answers, consumed in order per kind.
    void answerMessage(Answer a) { m_answers.enqueue(a); }
    void answerText(const QString &text) { m_texts.enqueue(text); } // prompt and file dialogs
    // The printer dialog, confirmed or not; with `pdfFile`, "Print to File (PDF)" chosen in it.
    void answerPrinter(bool confirmed, const QString &pdfFile = {})
    {
        m_printer.enqueue({confirmed, pdfFile});
    }
    // Runs while a modal box would be open (e.g. to close the window behind it).
    std::function<void(const Request &)> onRequest;

    const QList<Request> &requests() const { return m_requests; }
    QList<Request> messages() const;
    QStringList announcements() const;
    const Request &last() const { return m_requests.last(); }
    void clear() { m_requests.clear(); }

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
    QString takeText(Request &r);
    void record(const Request &r);

    QList<Request> m_requests;
    QQueue<Answer> m_answers;
    QQueue<QString> m_texts;
    QQueue<std::pair<bool, QString>> m_printer;
};
