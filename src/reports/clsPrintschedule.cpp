#include "clsPrintschedule.h"

#include "reports/engine/BandedReport.h"
#include "data/CodePage.h"
#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "schedule/HourTotals.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/StoredShiftJudge.h"
#include "schedule/clsScheduleData.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>
#include <tuple>

namespace {

// A shift record's employee, begin and end: what tells one stored shift from another.
constexpr int kShiftKeyBytes = 20;

QString padded(const QString &text, int width)
{
    return text.leftJustified(width, u' ', true);
}

// Where a row goes: an upper-cased text (so that letter case never separates two names), then
// a number, then the start and the end. The texts are made once per department or employee,
// not once per row; a long report sorts tens of thousands of rows.
struct SortKey {
    QByteArray text;
    qint64 number = 0;
    double start = 0;
    double end = 0;
    bool operator<(const SortKey &other) const
    {
        if (const int c = text.compare(other.text))
            return c < 0;
        return std::tie(number, start, end) < std::tie(other.number, other.start, other.end);
    }
};

QByteArray upperBytes(const QString &text)
{
    return CodePage::encode(CodePage::toUpper(text));
}

// Orders the items by their keys; items with equal keys keep their order.
template<typename T>
void sortByKeys(QList<T> &items, const QList<SortKey> &keys)
{
    QList<qsizetype> index(items.size());
    std::iota(index.begin(), index.end(), 0);
    std::stable_sort(index.begin(), index.end(), [&](qsizetype a, qsizetype b) { return keys[a] < keys[b]; });
    QList<T> sorted;
    sorted.reserve(items.size());
    for (qsizetype i : index)
        sorted.append(std::move(items[i]));
    items = std::move(sorted);
}

} // namespace

clsPrintschedule::clsPrintschedule(clsEmployeeInfo &info, clsOptions &options)
    : m_info(info), m_options(options),
      m_schedule(std::make_unique<clsScheduleData>(info, options)),
      m_pageLayout(BandedReport::defaultPageLayout())
{
    m_schedule->setReadOnly(true);
}

clsPrintschedule::~clsPrintschedule() = default;

void clsPrintschedule::FirstDate(double day) { m_first = std::floor(day); }
void clsPrintschedule::Lastdate(double day) { m_last = std::floor(day); }

QStringList clsPrintschedule::departmentList() const
{
    if (m_departmentFilter)
        return m_departments;
    return m_info.DepartmentNames();   // a name that two records carry is reported once
}

QList<qint32> clsPrintschedule::employeeList() const
{
    if (m_employeeFilter)
        return m_employees;
    QList<qint32> employees;
    QSet<qint32> seen;
    for (const QString &department : departmentList())
        for (qint32 e : m_info.GetEmployeeInDept(department))
            if (!seen.contains(e)) {
                seen.insert(e);
                employees << e;
            }
    return employees;
}

QList<ReportShiftRow> clsPrintschedule::LoadReportdata()
{
    using namespace ScheduleFiles;
    QList<ReportShiftRow> rows;
    m_unreadable.clear();
    m_timeOffSpans.clear();
    m_damaged = 0;
    if (m_first > m_last)
        return rows;
    const int days = int(m_last - m_first) + 1;
    const QSet<QString> positions(m_positions.cbegin(), m_positions.cend());
    const QSet<qint32> employees(m_employees.cbegin(), m_employees.cend());

    // A business has a handful of positions: each stored name is decoded once, and a shift
    // refers to it by number until its row is made.
    QList<QByteArray> rawPositions;
    QStringList positionNames;
    auto positionOf = [&](const char *r) {
        const QByteArrayView raw(r + 20, 20);   // the position field of a shift record
        const qsizetype known = rawPositions.indexOf(raw);
        if (known >= 0)
            return int(known);
        rawPositions.append(raw.toByteArray());
        positionNames.append(Shift::position(r));
        return int(positionNames.size() - 1);
    };
    struct Candidate {
        int day;
        int position;
        qint32 employee;
        double begin, end;
        char key[kShiftKeyBytes];
    };
    QList<Candidate> candidates;
    QList<QByteArray> stored;   // every shift of the department around the range, for its conflicts
    QList<int> perDay(days + 1);
    for (const QString &department : departmentList()) {
        // The day files from the evening before the range to the day after it, one at a time.
        candidates.clear();
        stored.clear();
        perDay.fill(0);
        RecordList records(Shift::Size);
        for (double file = m_first - 1; file <= m_last + 1; ++file) {
            m_schedule->LoadSchedule(records, department, file, file, 0, true, &m_unreadable);
            for (int i = 1; i <= records.count(); ++i) {
                const char *r = records.record(i);
                const double begin = Shift::begin(r);
                const double end = Shift::end(r);
                if (!OleDate::isPlausible(begin) || !OleDate::isPlausible(end)) {
                    if (file <= m_last)
                        ++m_damaged;
                    continue;
                }
                stored << QByteArray(r, kShiftKeyBytes);
                const double d = std::floor(begin) - m_first;
                if (d < 0 || d >= days)
                    continue;   // the evening before the range, or the day after it
                const int position = positionOf(r);
                if (m_jobFilter && !positions.contains(positionNames.at(position)))
                    continue;
                const qint32 employee = Shift::employee(r);
                if (m_employeeFilter && !employees.contains(employee))
                    continue;
                Candidate c{int(d), position, employee, begin, end, {}};
                std::memcpy(c.key, r, kShiftKeyBytes);
                candidates.append(c);
                ++perDay[int(d) + 1];
            }
        }
        // Each shift goes to the day it begins on, keeping file order within a day.
        for (int d = 1; d <= days; ++d)
            perDay[d] += perDay[d - 1];
        QList<qsizetype> order(candidates.size());
        for (qsizetype i = 0; i < candidates.size(); ++i)
            order[perDay[candidates[i].day]++] = i;
        QHash<QByteArray, int> refused = refusedShifts(department, stored);
        for (qsizetype i : std::as_const(order)) {
            const Candidate &c = candidates.at(i);
            rows.append({c.employee, c.begin, c.end, positionNames.at(c.position), department});
            if (!refused.isEmpty()) {
                auto it = refused.find(QByteArray(c.key, kShiftKeyBytes));
                if (it != refused.end() && it.value() > 0) {
                    rows.last().conflict = true;
                    --it.value();
                }
            }
        }
    }
    return rows;
}

qint64 ReportShiftRow::countedSeconds() const
{
    return conflict ? 0 : HourTotals::countedSeconds(start, end);
}

QHash<QByteArray, int> clsPrintschedule::refusedShifts(const QString &department, const QList<QByteArray> &stored)
{
    using namespace ScheduleFiles;
    // The scheduler refuses a shift only where it touches another shift of the employee or the
    // employee's time off. Such weeks are rare; only they are judged as the scheduler judges them.
    struct Span {
        qint32 employee;
        double begin, end;
    };
    QList<Span> spans;
    spans.reserve(stored.size());
    for (const QByteArray &key : stored)
        spans.append({Shift::employee(key.constData()), Shift::begin(key.constData()), Shift::end(key.constData())});
    std::sort(spans.begin(), spans.end(), [](const Span &a, const Span &b) {
        return a.employee != b.employee ? a.employee < b.employee : a.begin < b.begin;
    });
    QSet<double> weeks;
    auto suspect = [&](double time) { weeks.insert(clsScheduleData::WeekStart(m_info, department, time)); };
    for (qsizetype i = 0; i < spans.size(); ++i) {
        const Span &s = spans.at(i);
        for (qsizetype j = i + 1; j < spans.size() && spans.at(j).employee == s.employee && spans.at(j).begin <= s.end; ++j) {
            suspect(s.begin);
            suspect(spans.at(j).begin);
        }
        for (const auto &period : timeOffSpans(s.employee))
            if (s.begin <= period.second && period.first <= s.end)
                suspect(s.begin);
    }
    QHash<QByteArray, int> refused;
    for (double week : std::as_const(weeks)) {
        QList<JudgedShift> judged;
        try {
            judged = StoredShiftJudge::week(m_info, m_options, department, week);
        } catch (const FileError &error) {
            m_unreadable.append(error);
            continue;
        }
        for (const JudgedShift &s : std::as_const(judged))
            if (s.refused && s.day >= m_first && s.day <= m_last)
                ++refused[s.record.left(kShiftKeyBytes)];
    }
    return refused;
}

const QList<QPair<double, double>> &clsPrintschedule::timeOffSpans(qint32 employee)
{
    auto cached = m_timeOffSpans.find(employee);
    if (cached != m_timeOffSpans.end())
        return *cached;
    QList<QPair<double, double>> periods;
    RecordList records(ScheduleFiles::TimeOff::Size);
    try {
        m_schedule->TimeOffLoad(employee, records);
    } catch (const FileError &) {
        records.clear();   // the judge of a suspect week, or the time-off report, tells
    }
    for (int p = 1; p <= records.count(); ++p)
        periods.append({ScheduleFiles::TimeOff::begin(records.record(p)), ScheduleFiles::TimeOff::end(records.record(p))});
    return *m_timeOffSpans.insert(employee, periods);
}

QList<TimeOffRow> clsPrintschedule::LoadTimeOffData()
{
    using namespace ScheduleFiles;
    QList<TimeOffRow> rows;
    m_unreadable.clear();
    m_damaged = 0;
    if (m_first > m_last)
        return rows;
    const double rangeEnd = m_last + 1;   // the midnight that ends the last day
    for (qint32 employee : employeeList()) {
        RecordList periods(TimeOff::Size);
        try {
            m_schedule->TimeOffLoad(employee, periods);
        } catch (const FileError &error) {
            m_unreadable.append(error);
            continue;
        }
        for (int p = 1; p <= periods.count(); ++p) {
            const char *r = periods.record(p);
            const double begin = TimeOff::begin(r);
            const double end = TimeOff::end(r);
            if (!OleDate::isPlausible(begin) || !OleDate::isPlausible(end)) {
                ++m_damaged;
                continue;
            }
            // Every period that covers a moment of the range, also one that began before it; an
            // empty one counts where it lies.
            if (begin >= rangeEnd || (end <= m_first && begin < m_first))
                continue;
            rows.append({employee, begin, end, CodePage::trimBlanks(TimeOff::reason(r)), std::max(std::floor(begin), m_first)});
        }
    }
    return rows;
}

void clsPrintschedule::sortShiftRows(QList<ReportShiftRow> &rows, ReportId report) const
{
    QList<SortKey> keys;
    keys.reserve(rows.size());
    QHash<qint32, QByteArray> names;
    QHash<QString, QByteArray> departments;
    for (const ReportShiftRow &row : std::as_const(rows)) {
        if (report == ReportId::IndividualEmployee) {
            auto name = names.find(row.employee);
            if (name == names.end())
                name = names.insert(row.employee, upperBytes(padded(m_info.ConvertNumberToName(row.employee, false).trimmed(), 70)));
            // The number after the name keeps two employees of one name apart.
            keys.append({*name, row.employee, row.start, row.end});
        } else {
            // A department sorts by its first 30 characters.
            auto department = departments.find(row.department);
            if (department == departments.end())
                department = departments.insert(row.department, upperBytes(padded(row.department, 30)));
            keys.append({*department, 0, row.start, row.end});
        }
    }
    sortByKeys(rows, keys);
}

void clsPrintschedule::sortTimeOffRows(QList<TimeOffRow> &rows) const
{
    // The day it is listed under first (a period beginning in the afternoon stays on its own
    // day), then the name, the number and the start.
    QList<SortKey> keys;
    keys.reserve(rows.size());
    QHash<qint32, QByteArray> names;
    for (const TimeOffRow &row : std::as_const(rows)) {
        auto name = names.find(row.employee);
        if (name == names.end())
            name = names.insert(row.employee, upperBytes(padded(m_info.ConvertNumberToName(row.employee, false).trimmed(), 70)));
        const QByteArray day = QByteArray::number(qint64(row.day)).rightJustified(5, '0');
        keys.append({day + *name, row.employee, row.start, 0});
    }
    sortByKeys(rows, keys);
}
