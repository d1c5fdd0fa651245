#include "HourTotals.h"

#include "data/OleDate.h"

#include <cmath>

HourTotals::HourTotals(double firstDay, double lastDay, Limits limits)
    : m_firstDay(std::floor(firstDay)), m_lastDay(std::floor(lastDay)), m_limits(limits)
{
}

qint64 HourTotals::countedSeconds(double begin, double end)
{
    if (!OleDate::isPlausible(begin) || !OleDate::isPlausible(end) || end < begin)
        return 0;
    return OleDate::durationSeconds(end - begin);
}

void HourTotals::add(double begin, double end, bool timeOff)
{
    if (timeOff || !OleDate::isPlausible(begin))
        return;
    const auto day = qint64(std::floor(begin));
    m_secondsOfDay[day] += countedSeconds(begin, end);
    m_worked[day] = true;
}

qint64 HourTotals::rangeSeconds() const
{
    qint64 total = 0;
    for (auto it = m_secondsOfDay.lowerBound(qint64(m_firstDay));
         it != m_secondsOfDay.cend() && it.key() <= qint64(m_lastDay); ++it)
        total += it.value();
    return total;
}

qint64 HourTotals::daySeconds(double day) const
{
    return m_secondsOfDay.value(qint64(std::floor(day)), 0);
}

bool HourTotals::over(qint64 seconds, int limitHours)
{
    // Compared as shown: a total that reads 40:00 is never red against a limit of 40.
    return limitHours != 0 && seconds / 60 > qint64(limitHours) * 60;
}

QString HourTotals::weekText() const
{
    const qint64 seconds = rangeSeconds();
    return seconds / 60 == 0 ? QString() : OleDate::hoursTextFromSeconds(seconds);
}

bool HourTotals::weekOver() const
{
    return over(rangeSeconds(), m_limits.weekHours);
}

QString HourTotals::dayText(double day) const
{
    return OleDate::hoursTextFromSeconds(daySeconds(day));
}

bool HourTotals::dayOver(double day) const
{
    return over(daySeconds(day), m_limits.dayHours);
}

QString HourTotals::daysWorked(int days) const
{
    QString marks(days, u'O');
    for (int d = 0; d < days && m_firstDay + d <= m_lastDay; ++d)
        if (m_worked.value(qint64(m_firstDay) + d, false))
            marks[d] = u'X';
    return marks;
}
