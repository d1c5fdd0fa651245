#include "WeekPlanner.h"

#include "MipModel.h"
#include "data/CodePage.h"
#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"
#include "grid/TimeGridModel.h"
#include "schedule/HourTotals.h"
#include "schedule/clsScheduleData.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMap>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>
#include <tuple>

namespace {
constexpr int kWeek = NeedProfile::kWeekMinutes;

int minuteOf(double first, double time) { return int(std::llround((time - first) * 1440.0)); }
int minutesOfDay(double time) { return int(std::llround(OleDate::timeOfDay(time) * 1440.0)); }
} // namespace

WeekPlanner::WeekPlanner(const clsEmployeeInfo &info, const clsScheduleData &schedule, const QList<NeedRow> &rows)
    : m_first(schedule.FirstDay()), m_dayLimit(schedule.dayLimit() * 60),
      m_weekLimit(schedule.weekLimit() * 60), m_existing(schedule, rows)
{
    const TimeGridModel *grid = schedule.grid();
    QHash<qint32, WeekAvailability> availability;
    for (const EmployeeFields &e : info.Employees()) {
        const WeekAvailability a = Availability::of(e);
        availability.insert(e.number, a);   // the last record of a number wins, as when read
    }

    QSet<qint32> seen;
    for (qint32 number : info.GetEmployeeInDept(schedule.Department())) {
        const int row = schedule.findEmployeeRow(number);
        if (row < 0 || seen.contains(number))
            continue;
        seen.insert(number);
        Person p;
        p.number = number;
        p.name = info.ConvertNumberToName(number, false);
        for (const QString &position : info.JobEmpAvalGet(number))
            if (!position.isEmpty() && !p.positions.contains(CodePage::toUpper(position)))
                p.positions << CodePage::toUpper(position);
        p.availability = availability.value(number, WeekAvailability());
        for (int block : grid->blocksInResource(row))
            p.busy << Busy{minuteOf(m_first, grid->TBBeg(block)), minuteOf(m_first, grid->TBEnd(block)), schedule.isTimeOffBlock(block)};
        for (const OtherDepartmentShift &s : schedule.otherDepartmentOverlaps(number, m_first - 2, m_first + 9))
            p.busy << Busy{minuteOf(m_first, s.begin), minuteOf(m_first, s.end), false};
        const HourTotals totals = schedule.rowTotals(row);
        for (int d = 0; d < 7; ++d)
            p.dayMinutes[d] = totals.daySeconds(m_first + d) / 60;
        p.weekMinutes = totals.rangeSeconds() / 60;
        m_people << p;
    }
    for (const DefaultShift &s : info.ShiftAutoGetAll(schedule.Department())) {
        const int from = minutesOfDay(s.start);
        int to = minutesOfDay(s.end);
        if (to <= from)
            to += 1440;
        m_defaultShifts << std::pair{from, to};
    }
}

bool WeekPlanner::collides(const Person &p, int from, int to, bool *timeOff) const
{
    // The grid's rule: touching is colliding.
    for (const Busy &b : p.busy)
        if (b.to >= from && b.from <= to) {
            if (timeOff)
                *timeOff = b.timeOff;
            return true;
        }
    return false;
}

bool WeekPlanner::available(const Person &p, int from, int to) const
{
    return Availability::isWithin(p.availability, m_first + from / 1440.0, m_first + to / 1440.0);
}

QList<WeekPlanner::Candidate> WeekPlanner::candidates(bool allowOvertime) const
{
    QList<Candidate> list;
    for (int day = 0; day < 7; ++day)
        for (const auto &[start, end] : m_defaultShifts)
            for (int person = 0; person < m_people.size(); ++person) {
                const Person &p = m_people[person];
                const int from = day * 1440 + start, to = day * 1440 + end;
                if (collides(p, from, to) || !available(p, from, to))
                    continue;
                if (!allowOvertime && ((m_dayLimit > 0 && p.dayMinutes[day] + (to - from) > m_dayLimit)
                                       || (m_weekLimit > 0 && p.weekMinutes + (to - from) > m_weekLimit)))
                    continue;
                for (const QString &position : p.positions)
                    if (m_existing.needs().anyNeeded(position, from, to))
                        list << Candidate{person, position, from, to, day};
            }
    return list;
}

QList<WeekPlanner::Segment> WeekPlanner::segments(const QList<Candidate> &all) const
{
    QList<Segment> list;
    const NeedProfile &needs = m_existing.needs();
    for (const QString &position : needs.positions()) {
        std::set<int> cuts{0, kWeek};
        for (int m = 1; m < kWeek; ++m)
            if (needs.needed(position, m) != needs.needed(position, m - 1) || needs.most(position, m) != needs.most(position, m - 1)
                || m_existing.scheduled(position, m) != m_existing.scheduled(position, m - 1))
                cuts.insert(m);
        QList<int> mine;
        for (int c = 0; c < all.size(); ++c)
            if (all[c].position == position) {
                mine << c;
                cuts.insert(std::clamp(all[c].from, 0, kWeek));
                cuts.insert(std::clamp(all[c].to, 0, kWeek));
            }
        for (auto it = cuts.begin(); std::next(it) != cuts.end(); ++it) {
            const int from = *it, to = *std::next(it);
            Segment s{position, from, to, needs.needed(position, from), needs.most(position, from),
                      m_existing.scheduled(position, from), {}};
            for (int c : std::as_const(mine))
                if (all[c].from <= from && all[c].to >= to)
                    s.covering << c;
            if (s.needed > 0 || s.most != NeedProfile::kNoBound)
                list << s;
        }
    }
    return list;
}

bool WeekPlanner::fits(const QList<Candidate> &all, const QList<int> &chosen, int candidate, bool allowOvertime) const
{
    const Candidate &c = all[candidate];
    const Person &p = m_people[c.person];
    qint64 day = p.dayMinutes[c.day], week = p.weekMinutes;
    for (int other : chosen) {
        const Candidate &o = all[other];
        if (o.person != c.person)
            continue;
        if (o.to >= c.from && o.from <= c.to)
            return false;
        week += o.to - o.from;
        if (o.day == c.day)
            day += o.to - o.from;
    }
    const int length = c.to - c.from;
    return allowOvertime || !((m_dayLimit > 0 && day + length > m_dayLimit) || (m_weekLimit > 0 && week + length > m_weekLimit));
}

std::vector<std::vector<int>> WeekPlanner::runningTogether(const QList<Candidate> &all, const QList<int> &mine)
{
    // Shifts that touch or overlap all run at the latest start among them, so the sets running
    // at each start hold every conflict; only sets no other set contains are kept.
    std::set<int> starts;
    for (int c : mine)
        starts.insert(all[c].from);
    std::vector<std::vector<int>> sets;
    for (int start : starts) {
        std::vector<int> cols;
        for (int c : mine)
            if (all[c].from <= start && start <= all[c].to)
                cols.push_back(c);
        if (cols.size() > 1)
            sets.push_back(std::move(cols));
    }
    std::vector<std::vector<int>> kept;
    for (size_t i = 0; i < sets.size(); ++i) {
        const bool inAnother = std::any_of(sets.begin(), sets.end(), [&](const std::vector<int> &other) {
            return &other != &sets[i] && other.size() > sets[i].size()
                   && std::includes(other.begin(), other.end(), sets[i].begin(), sets[i].end());
        });
        // Of two equal sets the first stays.
        const bool repeated = std::any_of(sets.begin(), sets.begin() + qsizetype(i), [&](const std::vector<int> &other) {
            return other == sets[i];
        });
        if (!inAnother && !repeated)
            kept.push_back(sets[i]);
    }
    return kept;
}

std::vector<double> WeekPlanner::spreadThenCountGoal(MipModel &model, const QList<Candidate> &all,
                                                     const QMap<int, QList<int>> &ofPerson, std::vector<double> &start) const
{
    // The largest week counts in steps of the largest unit every week is made of (an hour, when
    // every shift and every week so far is whole hours): an integer column then gives the search
    // far tighter bounds than minutes would.
    qint64 unit = 0;
    for (const Candidate &c : all)
        unit = std::gcd(unit, qint64(c.to - c.from));
    for (const Person &p : m_people)
        unit = std::gcd(unit, p.weekMinutes);
    unit = std::max<qint64>(1, unit);

    // The plan so far, carried over as the start: its largest week and who it uses.
    const bool carry = !start.empty();
    auto chosen = [&](int c) { return carry && start[size_t(c)] > 0.5; };
    qint64 largestSoFar = 0;

    const int largest = model.addColumn(0, 1e7, true);
    std::vector<std::pair<int, double>> added{{largest, 0.0}};
    for (auto it = ofPerson.cbegin(); it != ofPerson.cend(); ++it) {
        const QList<int> &mine = it.value();
        const Person &p = m_people[it.key()];
        std::vector<int> cols{largest};
        std::vector<double> coefficients{double(unit)};
        qint64 week = p.weekMinutes;
        bool used = false;
        for (int c : mine) {
            cols.push_back(c);
            coefficients.push_back(-(all[c].to - all[c].from));
            if (chosen(c)) {
                week += all[c].to - all[c].from;
                used = true;
            }
        }
        if (used)
            largestSoFar = std::max(largestSoFar, week);
        if (p.weekMinutes > 0) {
            // Only the weeks of the employees given shifts count.
            const int u = model.addColumn(0, 1, true);
            added.emplace_back(u, used ? 1.0 : 0.0);
            cols.push_back(u);
            coefficients.push_back(-double(p.weekMinutes));
            std::vector<int> link(mine.begin(), mine.end());
            std::vector<double> ones(link.size(), 1.0);
            link.push_back(u);
            ones.push_back(-double(mine.size()));
            model.addRow(link, ones, MipModel::Sense::AtMost, 0);
        }
        model.addRow(cols, coefficients, MipModel::Sense::AtLeast, 0);
    }
    added.front().second = double((largestSoFar + unit - 1) / unit);
    if (carry) {
        start.resize(size_t(model.columnCount()), 0.0);
        for (const auto &[column, value] : added)
            start[size_t(column)] = value;
    }

    // A step more in the largest week outweighs every shift.
    std::vector<double> objective(size_t(model.columnCount()), 0.0);
    for (int c = 0; c < all.size(); ++c)
        objective[size_t(c)] = 1.0;
    objective[size_t(largest)] = double(all.size() + 1);
    return objective;
}

PlanResult WeekPlanner::plan(const Options &options) const
{
    QElapsedTimer clock;
    clock.start();
    const QList<Candidate> all = candidates(options.allowOvertime);
    const QList<Segment> parts = segments(all);

    MipModel model;
    for (int c = 0; c < all.size(); ++c)
        model.addColumn(0, 1, true);
    std::vector<double> unmet, overtime, aboveMost;
    auto grow = [&](int column) {
        for (std::vector<double> *goal : {&unmet, &overtime, &aboveMost})
            goal->resize(column + 1, 0.0);
    };
    grow(model.columnCount() - 1);
    qint64 constantUnmet = 0;   // need that no candidate can cover

    for (const Segment &s : parts) {
        const int length = s.to - s.from;
        std::vector<int> columns(s.covering.begin(), s.covering.end());
        if (s.needed > s.scheduled) {
            if (columns.empty()) {
                constantUnmet += qint64(s.needed - s.scheduled) * length;
            } else {
                const int u = model.addColumn(0, s.needed - s.scheduled, false);
                grow(u);
                unmet[u] = length;
                std::vector<int> cols = columns;
                cols.push_back(u);
                model.addRow(cols, std::vector<double>(cols.size(), 1.0), MipModel::Sense::AtLeast, s.needed - s.scheduled);
            }
        }
        if (s.most != NeedProfile::kNoBound && !columns.empty()) {
            const int a = model.addColumn(0, 1e9, false);
            grow(a);
            aboveMost[a] = length;
            std::vector<int> cols = columns;
            std::vector<double> coefficients(cols.size(), -1.0);
            cols.push_back(a);
            coefficients.push_back(1.0);
            model.addRow(cols, coefficients, MipModel::Sense::AtLeast, s.scheduled - s.most);
        }
    }

    // Per person: no two of its shifts touch or overlap, and the limits.
    QMap<int, QList<int>> ofPerson;
    for (int c = 0; c < all.size(); ++c)
        ofPerson[all[c].person] << c;
    for (auto it = ofPerson.cbegin(); it != ofPerson.cend(); ++it) {
        const QList<int> &mine = it.value();
        const Person &p = m_people[it.key()];
        for (const std::vector<int> &clique : runningTogether(all, mine))
            model.addRow(clique, std::vector<double>(clique.size(), 1.0), MipModel::Sense::AtMost, 1);
        auto limit = [&](const std::vector<int> &cols, qint64 already, int limitMinutes) {
            if (limitMinutes <= 0 || cols.empty())
                return;
            std::vector<int> c = cols;
            std::vector<double> lengths;
            for (int i : cols)
                lengths.push_back(all[i].to - all[i].from);
            if (options.allowOvertime) {
                const int o = model.addColumn(0, 1e9, false);
                grow(o);
                overtime[o] = 1;
                c.push_back(o);
                lengths.push_back(-1.0);
            }
            model.addRow(c, lengths, MipModel::Sense::AtMost, options.allowOvertime ? double(limitMinutes - already)
                                                                                     : double(std::max<qint64>(0, limitMinutes - already)));
        };
        for (int day = 0; day < 7; ++day) {
            std::vector<int> cols;
            for (int c : mine)
                if (all[c].day == day)
                    cols.push_back(c);
            limit(cols, p.dayMinutes[day], m_dayLimit);
        }
        limit(std::vector<int>(mine.begin(), mine.end()), p.weekMinutes, m_weekLimit);
    }

    // The largest week and the count of shifts come last, in one solve: their columns and rows
    // join the model only then, since the earlier goals do not need them and solve faster
    // without.
    enum class Goal { Unmet, Overtime, AboveMost, SpreadThenCount };
    QList<Goal> goals{Goal::Unmet};
    if (options.allowOvertime)
        goals << Goal::Overtime;
    goals << Goal::AboveMost << Goal::SpreadThenCount;
    auto objectiveOf = [&](Goal goal, std::vector<double> &best) {
        switch (goal) {
        case Goal::Unmet: return unmet;
        case Goal::Overtime: return overtime;
        case Goal::AboveMost: return aboveMost;
        case Goal::SpreadThenCount: break;
        }
        return spreadThenCountGoal(model, all, ofPerson, best);
    };
    for (std::vector<double> *goal : {&unmet, &overtime, &aboveMost})
        goal->resize(model.columnCount(), 0.0);

    // The greedy fill stands when the solver finds nothing in time. It is no start for the
    // search: measured, the solver's own first plans lead it to better ones sooner.
    std::vector<double> fallback(all.size(), 0.0);
    for (int c : greedyChoice(all, parts, options.allowOvertime))
        fallback[c] = 1.0;
    std::vector<double> best;
    bool proven = true, unmetProven = false;
    double unmetSeconds = 0;
    qint64 bound = constantUnmet;
    for (int g = 0; g < goals.size(); ++g) {
        // A solve does not stop inside its first steps, so none after the first starts in the
        // last quarter.
        const double left = options.seconds - clock.elapsed() / 1000.0;
        if ((g > 0 && left < std::max(0.5, options.seconds / 4)) || left <= 0.01 || (options.cancelled && options.cancelled())) {
            proven = false;
            break;
        }
        if (options.progress)
            options.progress(g + 1, int(goals.size()));
        const std::vector<double> objective = objectiveOf(goals[g], best);
        // A goal without a column (no Most anywhere, say) is met by the plan so far.
        const bool nothingToGain = std::all_of(objective.begin(), objective.end(), [](double v) { return v == 0; });
        if (nothingToGain && !best.empty())
            continue;
        // The solver's own limit is checked less often than its steps: they stop it at the limit,
        // less a fiftieth kept for writing the plan out (70 ms at 200 employees).
        const qint64 searchEnd = qint64(options.seconds * 1000 * 0.98);
        const auto stop = [&] { return (options.cancelled && options.cancelled()) || clock.elapsed() >= searchEnd; };
        const MipModel::Solution s = model.minimise(objective, left, best, true, stop);
        if (!s.found) {
            proven = false;   // the plan so far stands
            break;
        }
        best = s.values;
        proven = proven && s.proven;
        if (g == 0) {
            bound += qint64(std::ceil(s.bound - 1e-6));
            unmetProven = s.proven;
            unmetSeconds = clock.elapsed() / 1000.0;
        }
        // Later goals keep this one at its value.
        std::vector<int> cols;
        std::vector<double> coefficients;
        for (int c = 0; c < int(objective.size()); ++c)
            if (objective[c] != 0) {
                cols.push_back(c);
                coefficients.push_back(objective[c]);
            }
        if (!cols.empty())
            model.addRow(cols, coefficients, MipModel::Sense::AtMost, std::floor(s.objective + 0.5) + 1e-6);
    }

    if (best.empty())
        best = fallback;
    QList<int> chosen;
    for (int c = 0; c < all.size() && size_t(c) < best.size(); ++c)
        if (best[c] > 0.5)
            chosen << c;
    if (!proven)
        dropIdle(parts, chosen);
    PlanResult result = finish(all, chosen, options.allowOvertime);
    result.proven = proven;
    result.unmetProven = unmetProven;
    result.unmetSeconds = unmetSeconds;
    result.unmetBound = std::min(bound, result.unmetMinutes);
    result.seconds = clock.elapsed() / 1000.0;
    return result;
}

void WeekPlanner::dropIdle(const QList<Segment> &parts, QList<int> &chosen) const
{
    // Without the later goals settled a plan may hold shifts that meet nothing: dropping one
    // whose every stretch stays met is better for each goal.
    QHash<int, QList<int>> partsOf;
    QList<int> added(parts.size(), 0);
    for (int i = 0; i < parts.size(); ++i)
        for (int c : parts[i].covering)
            partsOf[c] << i;
    const QSet<int> in(chosen.begin(), chosen.end());
    for (int i = 0; i < parts.size(); ++i)
        for (int c : parts[i].covering)
            added[i] += in.contains(c) ? 1 : 0;
    for (qsizetype k = chosen.size() - 1; k >= 0; --k) {
        const QList<int> &mine = partsOf[chosen[k]];
        const bool idle = std::all_of(mine.begin(), mine.end(), [&](int i) {
            return parts[i].scheduled + added[i] - 1 >= parts[i].needed;
        });
        if (!idle)
            continue;
        for (int i : mine)
            --added[i];
        chosen.removeAt(k);
    }
}

PlanResult WeekPlanner::greedy(bool allowOvertime) const
{
    QElapsedTimer clock;
    clock.start();
    const QList<Candidate> all = candidates(allowOvertime);
    PlanResult result = finish(all, greedyChoice(all, segments(all), allowOvertime), allowOvertime);
    result.seconds = clock.elapsed() / 1000.0;
    return result;
}

QList<int> WeekPlanner::greedyChoice(const QList<Candidate> &all, const QList<Segment> &parts, bool allowOvertime) const
{
    QList<int> chosen;
    QList<int> added(parts.size(), 0);   // chosen shifts covering each segment
    QSet<int> blocked;
    for (;;) {
        int worst = -1, worstShort = 0;
        for (int i = 0; i < parts.size(); ++i) {
            const int shortBy = parts[i].needed - parts[i].scheduled - added[i];
            if (shortBy > worstShort && !blocked.contains(i)) {
                worst = i;
                worstShort = shortBy;
            }
        }
        if (worst < 0)
            break;
        int pick = -1;
        for (int c : std::as_const(parts[worst].covering))
            if (!chosen.contains(c) && fits(all, chosen, c, allowOvertime)) {
                pick = c;
                break;
            }
        if (pick < 0) {
            blocked.insert(worst);
            continue;
        }
        chosen << pick;
        for (int i = 0; i < parts.size(); ++i)
            if (parts[i].covering.contains(pick))
                ++added[i];
    }
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

PlanResult WeekPlanner::finish(const QList<Candidate> &all, const QList<int> &chosen, bool allowOvertime) const
{
    Q_UNUSED(allowOvertime)
    PlanResult result;
    result.candidates = int(all.size());
    Coverage after = m_existing;
    QHash<int, qint64> weekOf, overtimeOf;
    QHash<int, std::array<qint64, 7>> dayOf;
    for (int c : chosen) {
        const Candidate &k = all[c];
        const Person &p = m_people[k.person];
        PlannedShift s{p.number, p.name, m_first + k.from / 1440.0, m_first + k.to / 1440.0, k.position};
        result.added << s;
        after.add(k.position, s.begin, s.end);
        if (!weekOf.contains(k.person)) {
            weekOf[k.person] = p.weekMinutes;
            dayOf[k.person] = p.dayMinutes;
        }
        weekOf[k.person] += k.to - k.from;
        dayOf[k.person][k.day] += k.to - k.from;
    }
    for (auto it = weekOf.cbegin(); it != weekOf.cend(); ++it) {
        const Person &p = m_people[it.key()];
        result.largestWeekMinutes = std::max(result.largestWeekMinutes, it.value());
        // Only what the plan adds above a limit counts as its overtime.
        if (m_weekLimit > 0)
            result.overtimeMinutes += std::max<qint64>(0, it.value() - std::max<qint64>(m_weekLimit, p.weekMinutes));
        if (m_dayLimit > 0)
            for (int d = 0; d < 7; ++d)
                result.overtimeMinutes += std::max<qint64>(0, dayOf[it.key()][d] - std::max<qint64>(m_dayLimit, p.dayMinutes[d]));
    }
    result.unmetMinutes = after.unmetMinutes();
    result.aboveMostMinutes = after.aboveMostMinutes();

    // Unmet stretches, a day at a time, each with its main reason.
    QHash<int, QList<int>> chosenOf;   // per person
    for (int c : chosen)
        chosenOf[all[c].person] << c;
    const NeedProfile &needs = after.needs();
    for (const QString &position : needs.positions())
        for (int day = 0; day < 7; ++day) {
            int from = day * 1440;
            auto missing = [&](int m) { return std::max(0, needs.needed(position, m) - after.scheduled(position, m)); };
            for (int m = from + 1; m <= (day + 1) * 1440; ++m) {
                if (m < (day + 1) * 1440 && missing(m) == missing(from))
                    continue;
                if (missing(from) > 0)
                    result.unmet << UnmetNeed{m_first + day, position, from - day * 1440, m - day * 1440, missing(from),
                                              reasonFor(position, from, all, chosenOf)};
                from = m;
            }
        }
    std::stable_sort(result.unmet.begin(), result.unmet.end(), [](const UnmetNeed &a, const UnmetNeed &b) {
        return std::tie(a.day, a.from) < std::tie(b.day, b.from);
    });
    return result;
}

UnmetReason WeekPlanner::reasonFor(const QString &position, int minute, const QList<Candidate> &all,
                                   const QHash<int, QList<int>> &chosenOf) const
{
    QList<std::pair<int, int>> covering;   // default shifts on the week's days that run at the minute
    for (int day = 0; day < 7; ++day)
        for (const auto &[start, end] : m_defaultShifts)
            if (day * 1440 + start <= minute && minute < day * 1440 + end)
                covering << std::pair{day * 1440 + start, day * 1440 + end};
    if (covering.isEmpty())
        return UnmetReason::NoShiftCovers;
    QMap<UnmetReason, int> votes;
    bool anyHolder = false;
    for (int person = 0; person < m_people.size(); ++person) {
        const Person &p = m_people[person];
        if (!p.positions.contains(position))
            continue;
        anyHolder = true;
        for (const auto &[from, to] : covering) {
            bool timeOff = false;
            if (collides(p, from, to, &timeOff)) {
                ++votes[timeOff ? UnmetReason::TimeOff : UnmetReason::Working];
                continue;
            }
            if (!available(p, from, to)) {
                ++votes[UnmetReason::Unavailable];
                continue;
            }
            bool working = false;
            for (int c : chosenOf.value(person))
                working = working || (all[c].to >= from && all[c].from <= to);
            // Free and available: only an hour limit keeps the shift off.
            ++votes[working ? UnmetReason::Working : UnmetReason::AtLimit];
        }
    }
    if (!anyHolder)
        return UnmetReason::NobodyHolds;
    UnmetReason main = UnmetReason::TimeOff;
    int most = -1;
    for (auto it = votes.cbegin(); it != votes.cend(); ++it)
        if (it.value() > most) {
            main = it.key();
            most = it.value();
        }
    return main;
}
