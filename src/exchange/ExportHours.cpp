#include "ExportHours.h"

#include "data/Budgets.h"
#include "data/FileError.h"
#include "data/Money.h"
#include "data/PayRates.h"
#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"
#include "data/CsvWriter.h"
#include "grid/TimeGridModel.h"
#include "schedule/HourTotals.h"
#include "schedule/clsScheduleData.h"

#include <QCoreApplication>
#include <QMap>
#include <cmath>

namespace ExportHours {

namespace {

QString yesNo(bool yes) { return yes ? QStringLiteral("yes") : QStringLiteral("no"); }

// The lines of one row of the scheduler's grid for its week, in day and position order.
//
// Minutes: the grid totals a week in seconds and shows whole minutes, dropping the rest. Were
// each line's seconds cut to minutes on their own, the lines of a week of shifts stored with
// seconds would add up to less than the grid shows (958 minutes for two shifts of 7:59:30,
// where the grid shows 15:59). So the seconds are added up through the week in the order of
// the lines, and each line gets the whole minutes its seconds add to that running total: the
// lines of a week always add up to the week's hours text, to the minute, whatever range of its
// days is exported, and a line never changes with the range. A single day's lines may then
// differ by a minute from the grid's day text.
//
// Cost: each shift's cost (overtime premium included) is added to its line, so that the lines of
// a week add up to the week's cost. A line whose position has no rate has empty rate and cost.
QString rowLines(const clsScheduleData &schedule, int row, const QString &department, const QString &name,
                 double week, double firstDay, double lastDay, const PayRates &rates, qint64 multiplier)
{
    const TimeGridModel &grid = *schedule.grid();
    QMap<double, QMap<QString, qint64>> seconds;   // day -> position -> seconds
    QMap<double, QMap<QString, qint64>> cents;     // day -> position -> cents
    QList<int> blocks;
    const WeekCost cost = schedule.rowCost(row, rates, multiplier, &blocks);
    for (int i = 0; i < blocks.size(); ++i) {
        const int b = blocks[i];
        const double begin = grid.TBBeg(b);
        const double day = std::floor(begin);
        if (day >= week && day < week + 7) {   // the days around the week count in their own weeks
            seconds[day][grid.TBTag(b)] += HourTotals::countedSeconds(begin, grid.TBEnd(b));
            cents[day][grid.TBTag(b)] += cost.shiftCents(i);
        }
    }
    const qint32 employee = schedule.FindEmployeeNumberFromResorce(row);
    const HourTotals totals = schedule.rowTotals(row);
    const QString weekOver = yesNo(totals.weekOver());
    const QString number = QString::number(employee);
    QString lines;
    qint64 counted = 0;
    for (auto d = seconds.cbegin(); d != seconds.cend(); ++d) {
        const QString dayOver = yesNo(totals.dayOver(d.key()));
        for (auto p = d->cbegin(); p != d->cend(); ++p) {
            const qint64 minutesBefore = counted / 60;
            counted += p.value();
            if (d.key() >= firstDay && d.key() <= lastDay) {
                const std::optional<qint64> rate = rates.rateFor(employee, p.key());
                lines += CsvWriter::line({CsvWriter::inertText(department), number, CsvWriter::inertText(name),
                                          OleDate::isoDate(d.key()), CsvWriter::inertText(p.key()),
                                          QString::number(counted / 60 - minutesBefore), dayOver, weekOver,
                                          rate ? Money::text(*rate) : QString(),
                                          rate ? Money::text(cents[d.key()][p.key()]) : QString()});
            }
        }
    }
    return lines;
}

} // namespace

Result run(clsEmployeeInfo &info, clsOptions &options, double firstDay, double lastDay,
           const QStringList &departments)
{
    if (lastDay < firstDay)
        return {{}, QCoreApplication::translate("ExportHours", "the first date is after the last date")};
    QString unknown;
    const std::optional<QStringList> chosen = departments.isEmpty() ? info.DepartmentNames()
                                                                    : info.DepartmentsNamed(departments, &unknown);
    if (!chosen)
        return {{}, QCoreApplication::translate("ExportHours", "no department named \"%1\"").arg(unknown.trimmed())};

    // Each department week is loaded as the scheduler loads it, so that the shifts it refuses
    // (colliding with an earlier shift or with time off) are left out here too.
    TimeGridModel grid;
    clsScheduleData schedule(info, options);
    schedule.setReadOnly(true);
    schedule.setScheduleControl(&grid);

    QString csv = CsvWriter::line({QStringLiteral("Department"), QStringLiteral("Employee Number"),
                                   QStringLiteral("Employee Name"), QStringLiteral("Date"), QStringLiteral("Position"),
                                   QStringLiteral("Minutes"), QStringLiteral("Day Over Limit"),
                                   QStringLiteral("Week Over Limit"), QStringLiteral("Hourly Rate"), QStringLiteral("Cost")});
    const PayRates rates = PayRates::read(info.DataPath());
    const Budgets budgets = Budgets::read(info.DataPath());
    for (const QString &department : *chosen) {
        schedule.SetDepartment(department);
        const qint64 multiplier = budgets.of(department).multiplierHundredths;
        QMap<qint32, QString> linesOf;   // ascending employee numbers, each with its lines in day order
        const double lastWeek = clsScheduleData::WeekStart(info, department, lastDay);
        for (double week = clsScheduleData::WeekStart(info, department, firstDay); week <= lastWeek; week += 7) {
            schedule.SetDate(week, week + 6);
            schedule.Reload();
            if (!schedule.unreadableFiles().isEmpty())
                throw schedule.unreadableFiles().first();   // hours without them would be wrong
            for (int row = 0; row < grid.ResourcesMax(); ++row) {
                const qint32 employee = schedule.FindEmployeeNumberFromResorce(row);
                if (schedule.findEmployeeRow(employee) != row)
                    continue;   // a second row of one employee holds no shift
                const QString name = info.EmployeeExists(employee) ? info.ConvertNumberToName(employee, false)
                                                                   : QString::number(employee);
                linesOf[employee] += rowLines(schedule, row, department, name, week, firstDay, lastDay, rates, multiplier);
            }
        }
        for (const QString &lines : std::as_const(linesOf))
            csv += lines;
    }
    return {csv, {}};
}

} // namespace ExportHours
