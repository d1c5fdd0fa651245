#include "EmployeeReports.h"

#include <QSet>

QList<EmployeeFields> EmployeeReports::select(const clsEmployeeInfo &info, const QStringList &departments,
                                              const QStringList &positions, const QList<qint32> &employees)
{
    std::optional<QSet<qint32>> allowed;
    if (!departments.isEmpty() || !positions.isEmpty()) {
        const QStringList allDepartments = info.DepartmentNames();
        const QList<qint32> found = info.EmployeeGetForDeptandPost(positions.isEmpty() ? info.JobNamesGetAll() : positions,
                                                                   departments.isEmpty() ? allDepartments : departments);
        allowed = QSet<qint32>(found.cbegin(), found.cend());
    }
    const QSet<qint32> chosen(employees.cbegin(), employees.cend());
    QList<EmployeeFields> result;
    for (const EmployeeFields &e : info.Employees())
        if ((!allowed || allowed->contains(e.number)) && (chosen.isEmpty() || chosen.contains(e.number)))
            result << e;
    return result;
}
