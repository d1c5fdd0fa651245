#pragma once

#include "grid/TimeGridModel.h"
#include "schedule/clsScheduleData.h"

class clsEmployeeInfo;
class clsOptions;

// A department's week as the scheduler opens it (the week holding a date, from the department's
// first weekday), on a grid of its own, for the commands and the planner.
class DepartmentWeek
{
public:
    // department: as listed (upper-case). readOnly: nothing can be written through it.
    DepartmentWeek(clsEmployeeInfo &info, clsOptions &options, const QString &department, double date, bool readOnly);

    clsScheduleData &schedule() { return m_schedule; }
    const clsScheduleData &schedule() const { return m_schedule; }
    TimeGridModel &grid() { return m_grid; }

private:
    TimeGridModel m_grid;
    clsScheduleData m_schedule;
};
