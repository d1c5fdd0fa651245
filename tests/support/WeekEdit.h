#pragma once

// One believable week save for the tests that check saves of several files: opens a
// department's week as the scheduler does, deletes every other shift and saves the week.

#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "grid/TimeGridModel.h"
#include "schedule/clsScheduleData.h"

#include <functional>

namespace WeekEdit {

// `beforeSave` runs between the edit and the save (the kill trials say "ready" there).
inline void deleteEveryOtherShiftAndSave(const QString &data, const QString &department, double date,
                                         const std::function<void()> &beforeSave = {})
{
    clsEmployeeInfo info(data);
    clsOptions options(ScheduleHelper::SettingsFilePath(data));
    TimeGridModel grid;
    clsScheduleData schedule(info, options);
    schedule.setScheduleControl(&grid);
    const double first = clsScheduleData::WeekStart(info, department, date);
    schedule.SetDate(first, first + 6);
    schedule.SetDepartment(department);
    schedule.Reload();
    for (int block = grid.TBMax() - 1; block >= 0; --block)
        if (block % 2 == 0 && !schedule.isTimeOffBlock(block) && OleDate::isPlausible(grid.TBBeg(block)))
            schedule.TBDelete(block);
    if (beforeSave)
        beforeSave();
    schedule.SaveSchedule();
}

} // namespace WeekEdit
