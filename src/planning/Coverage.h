#pragma once

#include "NeedProfile.h"
#include "grid/CoverageStripPainter.h"

#include <QHash>
#include <QList>
#include <QString>
#include <vector>

class clsScheduleData;

// How many staff of each position are on shift at each minute of a department's week, beside
// what the staffing needs ask. Shifts are counted as the grid holds them: a stored shift that the
// reload refused as a collision is not on the grid and does not count; time off never counts.
class Coverage
{
public:
    // schedule: reloaded over one week of a department (FirstDay to FirstDay + 6).
    Coverage(const clsScheduleData &schedule, const QList<NeedRow> &departmentRows);

    double firstDay() const { return m_firstDay; }
    const NeedProfile &needs() const { return m_needs; }
    // Positions with a need or a shift: the department's bars in list order, then the needs'
    // other positions in the order of their rows.
    const QStringList &positions() const { return m_positions; }
    int scheduled(const QString &position, int minute) const;
    // Counts one more shift (begin..end as date-times) of the position, as a plan adds it.
    void add(const QString &position, double begin, double end);

    // Person-minutes of need nobody covers, and of staff above the most wanted, over the week.
    qint64 unmetMinutes() const;
    qint64 aboveMostMinutes() const;

    // Person-minutes of each day of the week (seven, from the first) in the positions with a
    // need: needed, on shift, and needed but uncovered.
    struct DayTotals {
        qint64 needed = 0;
        qint64 scheduled = 0;
        qint64 shortfall = 0;
    };
    QList<DayTotals> dayTotals() const;

    // One CSV line (header first) per position and stretch of a day in which neither the need
    // nor the count changes, leaving out stretches with neither need nor staff:
    // Position,Weekday,From,To,Needed,Scheduled,Short.
    QString csv() const;

    // What a coverage strip shows per step: the fewest on shift within the step, the largest
    // need and the smallest bound (NeedProfile::kNoBound for none) within it.
    struct Step {
        int scheduled = 0;
        int needed = 0;
        int most = NeedProfile::kNoBound;
    };
    // `count` steps of `stepMinutes` from `firstMinute` of the week.
    QList<Step> steps(const QString &position, int firstMinute, int stepMinutes, int count) const;

    // The lines of a coverage strip over the whole week, a cell per step (equal neighbours joined).
    QList<CoverageStripRow> stripRows(int stepMinutes) const;
    // "12:30 unmet need in hours" for a status bar: the week's unmet person-minutes as hours.
    double unmetHours() const { return double(unmetMinutes()) / 60.0; }

private:
    double m_firstDay = 0;
    NeedProfile m_needs;
    QStringList m_positions;
    QHash<QString, std::vector<int>> m_scheduled;
};
