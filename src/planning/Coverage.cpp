#include "Coverage.h"

#include "data/CodePage.h"
#include "data/CsvWriter.h"
#include "grid/TimeGridModel.h"
#include "schedule/clsScheduleData.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
constexpr int kWeek = NeedProfile::kWeekMinutes;

int minuteOf(double firstDay, double time) { return int(std::llround((time - firstDay) * 1440.0)); }
} // namespace

Coverage::Coverage(const clsScheduleData &schedule, const QList<NeedRow> &rows)
    : m_firstDay(schedule.FirstDay()), m_needs(rows, schedule.FirstDay())
{
    const TimeGridModel *grid = schedule.grid();
    for (int bar = 1; bar < schedule.OffBar(); ++bar)
        m_positions << CodePage::toUpper(grid->BarCaption(bar).trimmed());
    for (int block = 0; block < grid->TBMax(); ++block)
        if (!schedule.isTimeOffBlock(block))
            add(grid->TBTag(block), grid->TBBeg(block), grid->TBEnd(block));
    // Bars without need or shift are left out; positions only the needs name come last.
    QStringList shown;
    for (const QString &p : std::as_const(m_positions))
        if (m_needs.has(p) || m_scheduled.contains(p))
            shown << p;
    for (const QString &p : m_needs.positions())
        if (!shown.contains(p))
            shown << p;
    for (auto it = m_scheduled.cbegin(); it != m_scheduled.cend(); ++it)
        if (!shown.contains(it.key()))
            shown << it.key();   // a shift of a position that is no longer listed
    m_positions = shown;
}

void Coverage::add(const QString &positionName, double begin, double end)
{
    const QString position = CodePage::toUpper(positionName.trimmed());
    const int from = std::max(0, minuteOf(m_firstDay, begin));
    const int to = std::min(kWeek, minuteOf(m_firstDay, end));
    if (from >= to)
        return;
    std::vector<int> &counts = m_scheduled[position];
    if (counts.empty())
        counts.assign(kWeek, 0);
    for (int m = from; m < to; ++m)
        ++counts[m];
}

int Coverage::scheduled(const QString &position, int minute) const
{
    const auto it = m_scheduled.constFind(position);
    return it == m_scheduled.cend() || minute < 0 || minute >= kWeek ? 0 : (*it)[minute];
}

qint64 Coverage::unmetMinutes() const
{
    qint64 sum = 0;
    for (const QString &p : m_needs.positions())
        for (int m = 0; m < kWeek; ++m)
            sum += std::max(0, m_needs.needed(p, m) - scheduled(p, m));
    return sum;
}

QList<Coverage::DayTotals> Coverage::dayTotals() const
{
    QList<DayTotals> days(7);
    for (const QString &p : m_needs.positions()) {
        for (int m = 0; m < kWeek; ++m) {
            DayTotals &day = days[m / 1440];
            const int needed = m_needs.needed(p, m);
            const int on = scheduled(p, m);
            day.needed += needed;
            day.scheduled += on;
            day.shortfall += std::max(0, needed - on);
        }
    }
    return days;
}

qint64 Coverage::aboveMostMinutes() const
{
    qint64 sum = 0;
    for (const QString &p : m_needs.positions())
        for (int m = 0; m < kWeek; ++m)
            if (m_needs.most(p, m) != NeedProfile::kNoBound)
                sum += std::max(0, scheduled(p, m) - m_needs.most(p, m));
    return sum;
}

QString Coverage::csv() const
{
    QString text = CsvWriter::line({QStringLiteral("Position"), QStringLiteral("Weekday"), QStringLiteral("From"),
                                    QStringLiteral("To"), QStringLiteral("Needed"), QStringLiteral("Scheduled"),
                                    QStringLiteral("Short")});
    const int firstWeekday = (int(std::llround(std::floor(m_firstDay))) + 5) % 7;   // 1899-12-30 was a Saturday
    for (const QString &p : m_positions) {
        for (int day = 0; day < 7; ++day) {
            int from = day * 1440;
            for (int m = from + 1; m <= (day + 1) * 1440; ++m) {
                const bool end = m == (day + 1) * 1440;
                if (!end && m_needs.needed(p, m) == m_needs.needed(p, from) && scheduled(p, m) == scheduled(p, from))
                    continue;
                const int needed = m_needs.needed(p, from), count = scheduled(p, from);
                if (needed != 0 || count != 0)
                    text += CsvWriter::line({CsvWriter::inertText(p), StaffingNeeds::weekdayName((firstWeekday + day) % 7),
                                             StaffingNeeds::timeText(from - day * 1440), StaffingNeeds::timeText(m - day * 1440),
                                             QString::number(needed), QString::number(count),
                                             QString::number(std::max(0, needed - count))});
                from = m;
            }
        }
    }
    return text;
}

QList<Coverage::Step> Coverage::steps(const QString &position, int firstMinute, int stepMinutes, int count) const
{
    QList<Step> steps;
    steps.reserve(count);
    stepMinutes = std::max(1, stepMinutes);
    for (int i = 0; i < count; ++i) {
        Step step;
        step.scheduled = INT_MAX;
        for (int m = firstMinute + i * stepMinutes; m < firstMinute + (i + 1) * stepMinutes; ++m) {
            step.scheduled = std::min(step.scheduled, scheduled(position, m));
            step.needed = std::max(step.needed, m_needs.needed(position, m));
            const int most = m_needs.most(position, m);
            if (most != NeedProfile::kNoBound && (step.most == NeedProfile::kNoBound || most < step.most))
                step.most = most;
        }
        steps << step;
    }
    return steps;
}

QList<CoverageStripRow> Coverage::stripRows(int stepMinutes) const
{
    stepMinutes = std::clamp(stepMinutes, 1, 1440);
    QList<CoverageStripRow> rows;
    const int count = (kWeek + stepMinutes - 1) / stepMinutes;
    for (const QString &p : m_positions) {
        CoverageStripRow row{p, {}};
        const QList<Step> all = steps(p, 0, stepMinutes, count);
        for (int i = 0; i < all.size(); ++i) {
            const double begin = m_firstDay + double(i * stepMinutes) / 1440.0;
            const double end = m_firstDay + double(std::min(kWeek, (i + 1) * stepMinutes)) / 1440.0;
            const Step &s = all[i];
            if (!row.cells.isEmpty()) {
                CoverageCell &last = row.cells.last();
                if (last.scheduled == s.scheduled && last.needed == s.needed && last.most == s.most) {
                    last.end = end;
                    continue;
                }
            }
            row.cells << CoverageCell{begin, end, s.scheduled, s.needed, s.most};
        }
        rows << row;
    }
    return rows;
}
