#include "PlannedWeekNeeds.h"

#include "data/FileError.h"
#include "data/clsEmployeeInfo.h"
#include "planning/Coverage.h"
#include "planning/DepartmentWeek.h"
#include "planning/StaffingNeeds.h"

namespace PlannedWeekNeeds {

WeekNeedsSource source(clsEmployeeInfo &info, clsOptions &options)
{
    StaffingNeeds needs;
    try {
        needs = StaffingNeeds::read(info.DataPath());
    } catch (const FileError &) {
        // The posting is still worth printing without its summary.
    }
    return [&info, &options, needs](const QString &department, double firstDay) {
        WeekNeeds week;
        const QList<NeedRow> rows = needs.rowsOf(department);
        if (rows.isEmpty())
            return week;
        const DepartmentWeek loaded(info, options, department, firstDay, true);
        for (const Coverage::DayTotals &day : Coverage(loaded.schedule(), rows).dayTotals()) {
            week.needed << day.needed;
            week.scheduled << day.scheduled;
            week.shortfall << day.shortfall;
        }
        return week;
    };
}

} // namespace PlannedWeekNeeds
