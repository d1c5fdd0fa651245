#pragma once

#include <QList>
#include <QMap>
#include <QString>

// One employee's hours over a range of days, from shifts given as plain begin and end times:
// the numbers behind the scheduler's hours column and the hours reports alike, with no grid.
//
// A shift counts entirely on the day it begins. Its length is rounded to whole seconds and the
// text drops the seconds. A shift whose end lies before its begin, or whose times are not
// plausible dates, counts zero hours. Time off never counts.
class HourTotals
{
public:
    // Limits in whole hours; 0 means no limit.
    struct Limits {
        int weekHours = 0;
        int dayHours = 0;
    };

    HourTotals(double firstDay, double lastDay, Limits limits);

    void add(double begin, double end, bool timeOff = false);

    // Seconds a shift counts for.
    static qint64 countedSeconds(double begin, double end);

    // Seconds of the shifts beginning between the first and the last day (inclusive), and on one
    // day (any day, inside the range or not).
    qint64 rangeSeconds() const;
    qint64 daySeconds(double day) const;

    // The hours column: the week total (empty when nothing counts), the day total (0:00 on a
    // free day), each red when its shown hours and minutes are above the limit; the days-worked
    // marks, one letter per day from the first day, X for a day with a shift and O otherwise.
    QString weekText() const;
    bool weekOver() const;
    QString dayText(double day) const;
    bool dayOver(double day) const;
    QString daysWorked(int days = 7) const;

private:
    static bool over(qint64 seconds, int limitHours);

    double m_firstDay;
    double m_lastDay;
    Limits m_limits;
    QMap<qint64, qint64> m_secondsOfDay;   // whole day number -> seconds
    QMap<qint64, bool> m_worked;           // days with a shift, even a zero-length one
};
