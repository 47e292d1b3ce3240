#pragma once
// Keeps the status bar's date and time panels current. The panels show the
// default locale's (QLocale()) short date and time formats; the clock wakes only
// when the shown text can change (the next minute, or the next second when the
// time format shows seconds), never more than once a second.
#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QTimer>

class QLabel;

class StatusClock : public QObject {
    Q_OBJECT
public:
    StatusClock(QLabel *datePanel, QLabel *timePanel, QObject *parent = nullptr);

    // Writes the current date and time into the panels and re-arms the timer.
    void refresh();

    static QString dateText(const QDate &date);
    static QString timeText(const QTime &time);
    // The time format the panel uses under `locale`: the locale's short format,
    // except that one with a day period Qt 6.4 cannot print (CLDR's "B", as in
    // zh_TW's "Bh:mm", which Qt shows as "B15:32") is written as Taiwan's
    // desktops write the time: day period, space, two-digit 12-hour hour
    // ("下午 03:32"), seconds kept when the locale shows them.
    static QString timeFormat(const QLocale &locale = QLocale());
    // Milliseconds from `now` to the next change of the shown text.
    static int msUntilNextChange(const QTime &now, bool showsSeconds);
    // Whether timeFormat() shows seconds.
    static bool formatShowsSeconds();

private:
    QLabel *m_date;
    QLabel *m_time;
    QTimer m_timer;
};
