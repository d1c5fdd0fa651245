#pragma once

#include "HourTotals.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

class PayRates;

// A shift of a list that spans departments, employees and weeks (a report's rows).
struct CostedShift {
    qint32 employee = 0;
    QString department;
    QString position;
    double begin = 0;
    double end = 0;
};

// How a department counts overtime: a day its weeks begin on, its limits, its multiplier.
struct OvertimeRules {
    double weekStart = 0;
    HourTotals::Limits limits;
    qint64 multiplierHundredths = 150;
};

// The cost of each shift of a list, by the rules of WeekCost applied to each employee's shifts
// of each department week. Overtime is counted from the listed shifts only: a list that covers
// part of a week knows nothing of the week's other shifts. No value for a shift without a rate.
QList<std::optional<qint64>> shiftCosts(const QList<CostedShift> &shifts, const PayRates &rates,
                                        const std::function<OvertimeRules(const QString &department)> &rulesOf);
