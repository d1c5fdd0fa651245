#include "WeekCost.h"

#include "data/Money.h"
#include "data/OleDate.h"

#include <QMap>
#include <algorithm>
#include <cmath>

WeekCost::WeekCost(double weekStart, HourTotals::Limits limits, qint64 multiplierHundredths)
    : m_weekStart(std::floor(weekStart)), m_limits(limits), m_multiplier(multiplierHundredths)
{
}

int WeekCost::add(double begin, double end, std::optional<qint64> rateCents)
{
    const bool inWeek = OleDate::isPlausible(begin) && begin >= m_weekStart && begin < m_weekStart + 7;
    m_shifts << Shift{begin, inWeek ? HourTotals::countedSeconds(begin, end) : 0, rateCents, inWeek};
    m_settled = false;
    return int(m_shifts.size() - 1);
}

namespace {

// Seconds of whole minutes above the limit, as the hours column reads a total.
qint64 overSeconds(qint64 seconds, int limitHours)
{
    if (limitHours == 0)
        return 0;
    return std::max<qint64>(0, seconds / 60 - qint64(limitHours) * 60) * 60;
}

} // namespace

void WeekCost::spread(QList<int> shifts, qint64 seconds) const
{
    std::stable_sort(shifts.begin(), shifts.end(), [&](int a, int b) { return m_shifts[a].begin > m_shifts[b].begin; });
    for (int i : shifts) {
        const qint64 taken = std::min(seconds, m_shifts[i].seconds);
        m_premium[i] += taken;
        seconds -= taken;
    }
}

void WeekCost::settle() const
{
    if (m_settled)
        return;
    m_premium = QList<qint64>(m_shifts.size(), 0);
    QList<int> week;
    QMap<qint64, QList<int>> days;
    qint64 weekSeconds = 0;
    for (int i = 0; i < m_shifts.size(); ++i) {
        if (!m_shifts[i].inWeek)
            continue;
        week << i;
        days[qint64(std::floor(m_shifts[i].begin))] << i;
        weekSeconds += m_shifts[i].seconds;
    }
    const qint64 weekOver = overSeconds(weekSeconds, m_limits.weekHours);
    qint64 daysOver = 0;
    QMap<qint64, qint64> dayOver;
    for (auto d = days.cbegin(); d != days.cend(); ++d) {
        qint64 seconds = 0;
        for (int i : *d)
            seconds += m_shifts[i].seconds;
        dayOver[d.key()] = overSeconds(seconds, m_limits.dayHours);
        daysOver += dayOver[d.key()];
    }
    if (weekOver >= daysOver) {
        spread(week, weekOver);
    } else {
        for (auto d = days.cbegin(); d != days.cend(); ++d)
            spread(*d, dayOver[d.key()]);
    }
    m_settled = true;
}

qint64 WeekCost::premiumSeconds(int index) const
{
    settle();
    return m_premium.value(index, 0);
}

qint64 WeekCost::shiftCents(int index) const
{
    const Shift &shift = m_shifts[index];
    if (!shift.inWeek || !shift.rate)
        return 0;
    return Money::costCents(shift.seconds, premiumSeconds(index), *shift.rate, m_multiplier);
}

qint64 WeekCost::totalCents() const
{
    qint64 total = 0;
    for (int i = 0; i < m_shifts.size(); ++i)
        total += shiftCents(i);
    return total;
}

qint64 WeekCost::premiumSecondsTotal() const
{
    settle();
    qint64 total = 0;
    for (qint64 s : m_premium)
        total += s;
    return total;
}

int WeekCost::unratedShifts() const
{
    return int(std::count_if(m_shifts.cbegin(), m_shifts.cend(), [](const Shift &s) { return s.inWeek && !s.rate; }));
}
