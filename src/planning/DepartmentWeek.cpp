#include "DepartmentWeek.h"

DepartmentWeek::DepartmentWeek(clsEmployeeInfo &info, clsOptions &options, const QString &department, double date, bool readOnly)
    : m_schedule(info, options)
{
    m_schedule.setReadOnly(readOnly);
    m_schedule.setReadsOtherDepartments(true);
    const double first = clsScheduleData::WeekStart(info, department, date);
    m_schedule.setScheduleControl(&m_grid);
    m_schedule.SetDate(first, first + 6);
    m_schedule.SetDepartment(department);
    m_schedule.Reload();
}
