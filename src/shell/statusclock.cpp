#include "shell/statusclock.h"

#include <QLabel>

namespace {

// The format's letters outside quoted literal text.
QString unquotedLetters(const QString &format)
{
    QString letters;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted && c.isLetter())
            letters += c;
    }
    return letters;
}

} // namespace

StatusClock::StatusClock(QLabel *datePanel, QLabel *timePanel, QObject *parent)
    : QObject(parent), m_date(datePanel), m_time(timePanel)
{
    m_timer.setSingleShot(true);
    // A coarse timer may fire early and show the old minute for a while.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &StatusClock::refresh);
    refresh();
}

void StatusClock::refresh()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_date->setText(dateText(now.date()));
    m_time->setText(timeText(now.time()));
    m_timer.start(msUntilNextChange(now.time(), formatShowsSeconds()));
}

QString StatusClock::dateText(const QDate &date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}

QString StatusClock::timeText(const QTime &time)
{
    return QLocale().toString(time, timeFormat());
}

QString StatusClock::timeFormat(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    const QString letters = unquotedLetters(format);
    if (!letters.contains(QLatin1Char('B')) && !letters.contains(QLatin1Char('b'))) return format;
    return letters.contains(QLatin1Char('s')) ? QStringLiteral("AP hh:mm:ss")
                                              : QStringLiteral("AP hh:mm");
}

int StatusClock::msUntilNextChange(const QTime &now, bool showsSeconds)
{
    // A few milliseconds past the boundary, so the new text is already current.
    constexpr int kPast = 20;
    const int intoSecond = now.msec();
    if (showsSeconds) return 1000 - intoSecond + kPast;
    return 60000 - (now.second() * 1000 + intoSecond) + kPast;
}

bool StatusClock::formatShowsSeconds()
{
    return unquotedLetters(timeFormat()).contains(QLatin1Char('s'));
}
