#include "ExportHours.h"

#include "data/OleDate.h"
#include "data/Prompt.h"
#include "data/clsEmployeeInfo.h"
#include "schedule/HourTotals.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/clsScheduleData.h"

#include <QHash>
#include <QMap>
#include <cmath>
#include <map>

namespace ExportHours {

namespace Shift = ScheduleFiles::Shift;

QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

namespace {

QString csvLine(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &f : fields)
        quoted << csvField(f);
    return quoted.join(u',') + QStringLiteral("\r\n");
}

// The shifts of one employee in one department, over whole department weeks around the range,
// so that the week flags of the first and last days see their whole weeks.
struct EmployeeShifts {
    QList<QPair<double, double>> times;
    QStringList positions;
};

} // namespace

Result run(clsEmployeeInfo &info, clsOptions &options, double firstDay, double lastDay,
           const QStringList &departments)
{
    if (lastDay < firstDay)
        return {{}, QStringLiteral("the first date is after the last date")};
    QStringList chosen = departments;
    const QStringList known = info.DepartmentNames();
    if (chosen.isEmpty())
        chosen = known;
    for (const QString &d : std::as_const(chosen))
        if (!known.contains(d))
            return {{}, QStringLiteral("no department named \"%1\"").arg(d)};

    QuietPrompt prompt;
    clsScheduleData schedule(info, options, prompt);
    schedule.setReadOnly(true);

    QString csv = csvLine({QStringLiteral("Department"), QStringLiteral("Employee Number"),
                           QStringLiteral("Employee Name"), QStringLiteral("Date"), QStringLiteral("Position"),
                           QStringLiteral("Minutes"), QStringLiteral("Day Over Limit"),
                           QStringLiteral("Week Over Limit")});
    for (const QString &department : std::as_const(chosen)) {
        const double weekFirst = clsScheduleData::WeekStart(info, department, firstDay);
        const double weekLast = clsScheduleData::WeekStart(info, department, lastDay) + 6;
        RecordList records(Shift::Size);
        schedule.LoadSchedule(records, department, weekFirst, weekLast, 0, true);   // throws when unreadable

        QMap<qint32, EmployeeShifts> byEmployee;   // ascending employee numbers
        for (int i = 1; i <= records.count(); ++i) {
            const char *r = records.record(i);
            EmployeeShifts &e = byEmployee[Shift::employee(r)];
            e.times.append({Shift::begin(r), Shift::end(r)});
            e.positions.append(Shift::position(r));
        }
        const HourTotals::Limits limits{info.OverTimeDepartmentGet(department, true),
                                        info.OverTimeDepartmentGet(department, false)};
        // Week starts of the days involved, found once.
        QHash<qint64, double> weekOf;
        auto weekStart = [&](double day) {
            auto found = weekOf.constFind(qint64(day));
            if (found != weekOf.constEnd())
                return *found;
            return *weekOf.insert(qint64(day), clsScheduleData::WeekStart(info, department, day));
        };
        for (auto it = byEmployee.cbegin(); it != byEmployee.cend(); ++it) {
            const QString name = info.EmployeeExists(it.key()) ? info.ConvertNumberToName(it.key(), false)
                                                               : QString::number(it.key());
            std::map<double, HourTotals> weeks;                 // week start -> that week's totals
            QMap<double, QMap<QString, qint64>> positionSeconds; // day -> position -> seconds
            for (int s = 0; s < it->times.size(); ++s) {
                const auto [begin, end] = it->times.at(s);
                if (!OleDate::isPlausible(begin))
                    continue;
                const double day = std::floor(begin);
                const double week = weekStart(day);
                weeks.try_emplace(week, week, week + 6, limits).first->second.add(begin, end);
                if (day >= firstDay && day <= lastDay)
                    positionSeconds[day][it->positions.at(s)] += HourTotals::countedSeconds(begin, end);
            }
            for (auto d = positionSeconds.cbegin(); d != positionSeconds.cend(); ++d) {
                const HourTotals &week = weeks.at(weekStart(d.key()));
                const QString dayOver = week.dayOver(d.key()) ? QStringLiteral("yes") : QStringLiteral("no");
                const QString weekOver = week.weekOver() ? QStringLiteral("yes") : QStringLiteral("no");
                for (auto p = d->cbegin(); p != d->cend(); ++p)
                    csv += csvLine({department, QString::number(it.key()), name, OleDate::isoDate(d.key()),
                                    p.key(), QString::number(p.value() / 60), dayOver, weekOver});
            }
        }
    }
    return {csv, {}};
}

} // namespace ExportHours
