#include "shell/statusclock.h"

#include <QLabel>
#include <QLocale>

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
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

QString StatusClock::timeText(const QTime &time)
{
    return QLocale::system().toString(time, QLocale::ShortFormat);
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
    return QLocale::system().timeFormat(QLocale::ShortFormat).contains(QLatin1Char('s'));
}
