#include "StoredShiftJudge.h"

#include "ScheduleFiles.h"
#include "clsScheduleData.h"
#include "data/RecordList.h"
#include "grid/TimeGridModel.h"

#include <QHash>

namespace Shift = ScheduleFiles::Shift;

QList<JudgedShift> StoredShiftJudge::week(clsEmployeeInfo &info, clsOptions &options, const QString &department, double week)
{
    TimeGridModel grid;
    clsScheduleData schedule(info, options);
    schedule.setReadOnly(true);
    schedule.setScheduleControl(&grid);
    schedule.SetDate(week, week + 6);
    schedule.SetDepartment(department);
    schedule.Reload();
    if (!schedule.unreadableFiles().isEmpty())
        throw schedule.unreadableFiles().first();   // its refusals cannot be known

    // The reload names the refused records, not their files. Of records with the same bytes the
    // later ones are refused (what refuses one refuses every later copy), so a record is refused
    // when no more of its copies follow it than the reload left unrefused.
    QHash<QByteArray, int> refusedCopies, copies;
    for (const RefusedShift &r : schedule.refusedShifts())
        ++refusedCopies[r.record];
    QList<JudgedShift> shifts;
    for (double day = week - 1; day <= week + 7; day += 1) {
        RecordList records(Shift::Size);
        schedule.LoadSchedule(records, department, day, day, 0, true);
        for (int i = 1; i <= records.count(); ++i) {
            const QByteArray record(records.record(i), Shift::Size);
            shifts.append({day, record, false});
            ++copies[record];
        }
    }
    QHash<QByteArray, int> seen;
    for (JudgedShift &s : shifts) {
        const int index = seen[s.record]++;
        s.refused = index >= copies.value(s.record) - refusedCopies.value(s.record);
    }
    shifts.removeIf([week](const JudgedShift &s) { return s.day < week || s.day > week + 6; });
    return shifts;
}
