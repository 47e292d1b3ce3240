#pragma once
// Keeps the status bar's date and time panels current. The panels show the
// system locale's short date and time formats; the clock wakes only when the
// shown text can change (the next minute, or the next second when the short
// time format shows seconds), never more than once a second.
#include <QDateTime>
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
    // Milliseconds from `now` to the next change of the shown text.
    static int msUntilNextChange(const QTime &now, bool showsSeconds);
    static bool formatShowsSeconds();

    const QTimer &timer() const { return m_timer; }

private:
    QLabel *m_date;
    QLabel *m_time;
    QTimer m_timer;
};
