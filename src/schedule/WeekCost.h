#pragma once

#include "HourTotals.h"

#include <QList>
#include <optional>

// What one employee's shifts of one department week cost: hours times the hourly rate of each
// shift's position, plus the overtime premium.
//
// Overtime is what the hours column marks: the minutes of the week above the week limit, or
// the minutes of each day above the day limit added up, whichever is more (both in whole minutes,
// as the column compares them). Those minutes are paid `multiplier` times, at the rate of the
// shifts they fall in: the latest shifts of the week, or of each day. A shift counts in the week
// and on the day it begins, as in the hours column. A shift without a rate costs 0 and is
// counted as unrated. Each shift's cost is rounded to the cent, and totals add those up.
class WeekCost
{
public:
    WeekCost(double weekStart, HourTotals::Limits limits, qint64 multiplierHundredths);

    // Returns the shift's index for shiftCents.
    int add(double begin, double end, std::optional<qint64> rateCents);

    // 0 for a shift without a rate or beginning outside the week.
    qint64 shiftCents(int index) const;
    qint64 premiumSeconds(int index) const;
    qint64 totalCents() const;
    qint64 premiumSecondsTotal() const;
    // Shifts of the week without a rate.
    int unratedShifts() const;

private:
    struct Shift {
        double begin;
        qint64 seconds;
        std::optional<qint64> rate;
        bool inWeek;
    };
    void settle() const;
    // Spreads `seconds` of premium over the shifts, latest first.
    void spread(QList<int> shifts, qint64 seconds) const;

    double m_weekStart;
    HourTotals::Limits m_limits;
    qint64 m_multiplier;
    QList<Shift> m_shifts;
    mutable QList<qint64> m_premium;   // by shift, valid when m_settled
    mutable bool m_settled = false;
};
