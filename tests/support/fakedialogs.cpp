#include "support/fakedialogs.h"

#include <QPrinter>

QList<FakeDialogs::Request> FakeDialogs::messages() const
{
    QList<Request> out;
    for (const Request &r : m_requests)
        if (r.kind == Kind::Message) out.append(r);
    return out;
}

QStringList FakeDialogs::announcements() const
{
    QStringList out;
    for (const Request &r : m_requests)
        if (r.kind == Kind::Announcement) out.append(r.text);
    return out;
}

void FakeDialogs::record(const Request &r)
{
    m_requests.append(r);
    if (onRequest) onRequest(r);
}

QString FakeDialogs::takeText(Request &r)
{
    if (m_texts.isEmpty()) {
        r.scripted = false;
        return QString();
    }
    return m_texts.dequeue();
}

Dialogs::Answer FakeDialogs::message(QWidget *, const QString &text, const QString &title,
                                     Buttons buttons, Icon icon)
{
    Request r{Kind::Message, text, title, buttons, icon, {}, {}, true, {}};
    Answer a = buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    if (buttons == Buttons::YesNo) {
        if (m_answers.isEmpty())
            r.scripted = false;
        else
            a = m_answers.dequeue();
    }
    record(r);
    return a;
}

QString FakeDialogs::prompt(QWidget *, const QString &prompt, const QString &title,
                            const QString &defaultAnswer)
{
    Request r{Kind::Prompt, prompt, title, Buttons::Ok, Icon::None, defaultAnswer, {}, true, {}};
    const QString answer = takeText(r);
    record(r);
    return answer;
}

QString FakeDialogs::openFileName(QWidget *, const QString &title, const QString &filter,
                                  const QString &folder)
{
    Request r{Kind::OpenFile, {}, title, Buttons::Ok, Icon::None, {}, filter, true, folder};
    const QString answer = takeText(r);
    record(r);
    return answer;
}

QString FakeDialogs::saveFileName(QWidget *, const QString &title, const QString &filter)
{
    Request r{Kind::SaveFile, {}, title, Buttons::Ok, Icon::None, {}, filter, true, {}};
    const QString answer = takeText(r);
    record(r);
    return answer;
}

bool FakeDialogs::printerDialog(QWidget *, const QString &title, QPrinter &printer)
{
    Request r{Kind::Printer, {}, title, Buttons::Ok, Icon::None, {}, {}, true, {}};
    bool confirmed = false;
    if (m_printer.isEmpty()) {
        r.scripted = false;
    } else {
        const auto [answer, pdfFile] = m_printer.dequeue();
        if (!pdfFile.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfFile);
        }
        confirmed = answer;
    }
    record(r);
    return confirmed;
}

void FakeDialogs::announce(QWidget *, const QString &text)
{
    record({Kind::Announcement, text, {}, Buttons::Ok, Icon::None, {}, {}, true, {}});
}
