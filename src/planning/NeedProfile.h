#pragma once

#include "StaffingNeeds.h"

#include <QHash>
#include <QList>
#include <QString>
#include <vector>

// The needs of one department laid over one week, minute by minute, per position. The rows
// recur every week, so a row that runs past midnight of the week's last day covers the first
// morning of the same week (the one before's spill-over).
class NeedProfile
{
public:
    static constexpr int kWeekMinutes = 7 * 1440;
    static constexpr int kNoBound = -1;

    // firstDay: the week's first day (a date-time with fraction 0).
    NeedProfile(const QList<NeedRow> &departmentRows, double firstDay);

    QStringList positions() const { return m_positions; }   // in the order the rows name them
    bool has(const QString &position) const { return m_needed.contains(position); }
    // People needed at a minute of the week (0 = midnight starting the first day).
    int needed(const QString &position, int minute) const;
    // Whether the position needs anybody in the minutes [from, to) of the week.
    bool anyNeeded(const QString &position, int from, int to) const;
    // The most people wanted then, or kNoBound.
    int most(const QString &position, int minute) const;

private:
    QStringList m_positions;
    QHash<QString, std::vector<int>> m_needed;
    QHash<QString, std::vector<int>> m_most;   // kNoBound where any covering row has no bound or none covers
};
