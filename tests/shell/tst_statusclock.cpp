// The status bar's date and time panels under the regional settings people use:
// the default locale's formats, never a format letter shown as text, and a
// time that keeps up with the clock.
#include "shell/statusclock.h"
#include "support/testenv.h"

#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

class TestStatusClock : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void panels_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("timeText");
        QTest::addColumn<bool>("seconds");
        QTest::addColumn<QString>("dateText"); // of 7 December 2026
        QTest::newRow("zh_TW afternoon")
            << "zh_TW" << QTime(15, 32) << "下午 03:32" << false << "2026/12/7";
        QTest::newRow("zh_TW morning")
            << "zh_TW" << QTime(9, 5) << "上午 09:05" << false << "2026/12/7";
        QTest::newRow("zh_TW noon")
            << "zh_TW" << QTime(12, 0) << "下午 12:00" << false << "2026/12/7";
        QTest::newRow("zh_TW midnight")
            << "zh_TW" << QTime(0, 10) << "上午 12:10" << false << "2026/12/7";
        QTest::newRow("en_US") << "en_US" << QTime(15, 32) << "3:32 PM" << false << "12/7/26";
        QTest::newRow("de_DE") << "de_DE" << QTime(15, 32) << "15:32" << false << "07.12.26";
        QTest::newRow("ja_JP") << "ja_JP" << QTime(9, 5) << "9:05" << false << "2026/12/07";
        QTest::newRow("C") << "C" << QTime(15, 32, 7) << "15:32:07" << true << "7 Dec 2026";
    }
    void panels()
    {
        QFETCH(QString, locale);
        QFETCH(QTime, time);
        QFETCH(QString, timeText);
        QFETCH(bool, seconds);
        QFETCH(QString, dateText);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(StatusClock::timeText(time), timeText);
        QCOMPARE(StatusClock::formatShowsSeconds(), seconds);
        QCOMPARE(StatusClock::dateText(QDate(2026, 12, 7)), dateText);
    }

    // Qt prints a letter it does not know as itself: every format the panel
    // uses may only hold letters Qt reads, outside quoted text.
    void noLocaleShowsAFormatLetter()
    {
        const QString known = QStringLiteral("hHmszaApPt");
        for (const QLocale &l : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                         QLocale::AnyTerritory)) {
            QString format = StatusClock::timeFormat(l);
            format.remove(QRegularExpression(QStringLiteral("'[^']*'")));
            for (const QChar c : format)
                if (c.isLetter() && c.unicode() < 128 && !known.contains(c))
                    QFAIL(qPrintable(l.name() + QLatin1Char(' ') + format));
        }
    }

    // The clock wakes again after every change it shows: one that armed its
    // timer only once would leave the time standing after its first change.
    void timeKeepsChanging()
    {
        QLocale::setDefault(QLocale::c()); // its time shows seconds
        QLabel date, time;
        StatusClock clock(&date, &time);
        for (int change = 1; change <= 2; ++change) {
            const QString shown = time.text();
            QTRY_VERIFY2_WITH_TIMEOUT(time.text() != shown, qPrintable(shown), 5000);
        }
    }
};

PLIMSO_TEST_MAIN(TestStatusClock)
#include "tst_statusclock.moc"
