#include "ShiftCosts.h"

#include "WeekCost.h"
#include "data/OleDate.h"
#include "data/PayRates.h"

#include <QHash>
#include <QMap>
#include <cmath>

QList<std::optional<qint64>> shiftCosts(const QList<CostedShift> &shifts, const PayRates &rates,
                                        const std::function<OvertimeRules(const QString &department)> &rulesOf)
{
    QHash<QString, OvertimeRules> rules;
    // (department, employee, week start) -> the shifts' indexes
    QMap<std::tuple<QString, qint32, qint64>, QList<int>> weeks;
    for (int i = 0; i < shifts.size(); ++i) {
        const CostedShift &s = shifts[i];
        if (!rules.contains(s.department))
            rules.insert(s.department, rulesOf(s.department));
        const double start = std::floor(rules[s.department].weekStart);
        // A damaged time costs nothing: it lands in no week.
        const qint64 week = OleDate::isPlausible(s.begin) ? qint64(start + 7 * std::floor((std::floor(s.begin) - start) / 7)) : 0;
        weeks[{s.department, s.employee, week}] << i;
    }
    QList<std::optional<qint64>> costs(shifts.size());
    for (auto it = weeks.cbegin(); it != weeks.cend(); ++it) {
        const OvertimeRules &r = rules[std::get<0>(it.key())];
        WeekCost week(double(std::get<2>(it.key())), r.limits, r.multiplierHundredths);
        for (int i : *it) {
            const std::optional<qint64> rate = rates.rateFor(shifts[i].employee, shifts[i].position);
            week.add(shifts[i].begin, shifts[i].end, rate);
        }
        for (int k = 0; k < it->size(); ++k)
            if (rates.rateFor(shifts[(*it)[k]].employee, shifts[(*it)[k]].position))
                costs[(*it)[k]] = week.shiftCents(k);
    }
    return costs;
}
