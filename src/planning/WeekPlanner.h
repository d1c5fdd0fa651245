#pragma once

#include "Coverage.h"
#include "StaffingNeeds.h"
#include "grid/Availability.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <array>
#include <functional>
#include <vector>

class MipModel;
class clsEmployeeInfo;
class clsScheduleData;

// A shift the planner adds.
struct PlannedShift {
    qint32 employee = 0;
    QString name;
    double begin = 0;
    double end = 0;
    QString position;
};

// Why a need stays unmet, the first that applies: the department's default shifts never cover
// it, or nobody of the department holds the position, or else what keeps most of those who hold
// it (time off, their available hours, another shift, their hour limit).
enum class UnmetReason { NoShiftCovers, NobodyHolds, TimeOff, Unavailable, Working, AtLimit };

// A stretch of a day in which a position stays short by the same number of people.
struct UnmetNeed {
    double day = 0;     // the day it lies on
    QString position;
    int from = 0;       // minutes after midnight
    int to = 0;         // up to 1440
    int missing = 0;    // people
    UnmetReason reason = UnmetReason::NoShiftCovers;
};

struct PlanResult {
    QList<PlannedShift> added;   // in the order of the days, then the default shifts
    QList<UnmetNeed> unmet;
    qint64 unmetMinutes = 0;      // person-minutes of need left
    qint64 unmetBound = 0;        // no plan leaves fewer
    qint64 overtimeMinutes = 0;   // minutes above the day and week limits (with overtime allowed)
    qint64 aboveMostMinutes = 0;
    qint64 largestWeekMinutes = 0;   // among the employees the plan uses
    bool proven = false;          // every goal is the best there is
    bool unmetProven = false;     // no plan leaves less need open
    double unmetSeconds = 0;      // until the first goal was settled
    double seconds = 0;
    int candidates = 0;
};

// Fills a department's week by need with a mixed-integer program solved by COIN-OR CBC.
//
// Candidates are the department's default shifts on each day of the week, for each employee of
// the department and each position the employee holds that has a need during the shift. Never
// added: a shift that touches or overlaps a shift or time off of the employee (in any
// department), one outside the employee's available hours, or one taking the employee above the
// department's day or week limit (0: none), unless overtime is allowed.
//
// Goals, each strictly before the next (solved one after another, each keeping the ones before
// at their best found): fewest unmet need-minutes; with overtime allowed, fewest overtime
// minutes; fewest minutes above the most wanted; the smallest largest week among the employees
// given shifts; the fewest shifts.
class WeekPlanner
{
public:
    struct Options {
        double seconds = 10;
        bool allowOvertime = false;
        // Asked while searching; true stops with the best plan found so far.
        std::function<bool()> cancelled;
        // Told the number of the goal being solved (from 1) and how many goals there are.
        std::function<void(int, int)> progress;
    };

    // schedule: the department's week as reloaded (the grid holds its shifts and time off).
    WeekPlanner(const clsEmployeeInfo &info, const clsScheduleData &schedule, const QList<NeedRow> &departmentRows);

    PlanResult plan(const Options &options) const;

    // The greedy baseline of the benchmark: the largest unmet need first, the first eligible
    // employee for it; the same candidates and rules.
    PlanResult greedy(bool allowOvertime) const;

private:
    struct Busy {
        int from, to;   // minutes from the week's start
        bool timeOff;
    };
    struct Person {
        qint32 number = 0;
        QString name;
        QStringList positions;
        WeekAvailability availability;
        QList<Busy> busy;
        std::array<qint64, 7> dayMinutes{};   // minutes counted on each day of the week
        qint64 weekMinutes = 0;
    };
    struct Candidate {
        int person;
        QString position;
        int from, to;   // minutes from the week's start
        int day;        // 0..6, the day it begins
    };
    // A stretch of a position's week in which need, bound, count and covering candidates stay.
    struct Segment {
        QString position;
        int from, to;
        int needed, most, scheduled;
        QList<int> covering;   // candidates
    };

    QList<Candidate> candidates(bool allowOvertime) const;
    // The sets of one person's candidates that may not run together, none inside another.
    static std::vector<std::vector<int>> runningTogether(const QList<Candidate> &all, const QList<int> &mine);
    // Adds the columns and rows of the largest week and returns the last goal's objective;
    // `start`, when not empty, is extended by the new columns' values of the same plan.
    std::vector<double> spreadThenCountGoal(MipModel &model, const QList<Candidate> &all,
                                            const QMap<int, QList<int>> &ofPerson, std::vector<double> &start) const;
    QList<Segment> segments(const QList<Candidate> &candidates) const;
    bool collides(const Person &p, int from, int to, bool *timeOff = nullptr) const;
    bool available(const Person &p, int from, int to) const;
    // Whether the candidate fits beside the chosen ones: no collision, and within the limits.
    bool fits(const QList<Candidate> &all, const QList<int> &chosen, int candidate, bool allowOvertime) const;
    QList<int> greedyChoice(const QList<Candidate> &all, const QList<Segment> &parts, bool allowOvertime) const;
    void dropIdle(const QList<Segment> &parts, QList<int> &chosen) const;
    PlanResult finish(const QList<Candidate> &all, const QList<int> &chosen, bool allowOvertime) const;
    // chosenOf: the chosen candidates of each person.
    UnmetReason reasonFor(const QString &position, int minute, const QList<Candidate> &all,
                          const QHash<int, QList<int>> &chosenOf) const;

    double m_first = 0;
    int m_dayLimit = 0, m_weekLimit = 0;   // minutes, 0 none
    Coverage m_existing;
    QList<Person> m_people;
    QList<std::pair<int, int>> m_defaultShifts;   // minutes after midnight; the end may pass 1440
};
