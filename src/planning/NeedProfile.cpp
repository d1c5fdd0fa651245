#include "NeedProfile.h"

#include "grid/Availability.h"

#include <algorithm>

NeedProfile::NeedProfile(const QList<NeedRow> &rows, double firstDay)
{
    // Availability numbers Sunday 0; the needs number Monday 0.
    const int firstWeekday = (Availability::weekday(firstDay) + 6) % 7;
    QHash<QString, std::vector<int>> unbounded;   // rows covering a minute without a bound
    QHash<QString, std::vector<int>> covering;    // rows covering a minute
    for (const NeedRow &row : rows) {
        if (!m_needed.contains(row.position)) {
            m_positions << row.position;
            m_needed.insert(row.position, std::vector<int>(kWeekMinutes, 0));
            m_most.insert(row.position, std::vector<int>(kWeekMinutes, 0));
            unbounded.insert(row.position, std::vector<int>(kWeekMinutes, 0));
            covering.insert(row.position, std::vector<int>(kWeekMinutes, 0));
        }
        std::vector<int> &needed = m_needed[row.position];
        std::vector<int> &most = m_most[row.position];
        std::vector<int> &open = unbounded[row.position];
        std::vector<int> &cover = covering[row.position];
        const int start = ((row.weekday - firstWeekday + 7) % 7) * 1440 + row.from;
        for (int m = start; m < start + row.length(); ++m) {
            const int at = m % kWeekMinutes;
            needed[at] += row.needed;
            ++cover[at];
            if (row.most < 0)
                ++open[at];
            else
                most[at] += row.most;
        }
    }
    for (const QString &position : std::as_const(m_positions)) {
        std::vector<int> &most = m_most[position];
        const std::vector<int> &open = unbounded[position];
        const std::vector<int> &cover = covering[position];
        for (int m = 0; m < kWeekMinutes; ++m)
            if (open[m] > 0 || cover[m] == 0)
                most[m] = kNoBound;
    }
}

int NeedProfile::needed(const QString &position, int minute) const
{
    const auto it = m_needed.constFind(position);
    return it == m_needed.cend() || minute < 0 || minute >= kWeekMinutes ? 0 : (*it)[minute];
}

bool NeedProfile::anyNeeded(const QString &position, int from, int to) const
{
    const auto it = m_needed.constFind(position);
    if (it == m_needed.cend())
        return false;
    const std::vector<int> &needed = *it;
    for (int m = std::max(0, from); m < std::min(to, kWeekMinutes); ++m)
        if (needed[m] > 0)
            return true;
    return false;
}

int NeedProfile::most(const QString &position, int minute) const
{
    const auto it = m_most.constFind(position);
    return it == m_most.cend() || minute < 0 || minute >= kWeekMinutes ? kNoBound : (*it)[minute];
}
