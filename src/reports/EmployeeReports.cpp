#include "EmployeeReports.h"

#include <QCollator>
#include <QSet>

#include <algorithm>

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

void EmployeeReports::sortByName(QList<EmployeeFields> &records)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(records.begin(), records.end(), [&collator](const EmployeeFields &a, const EmployeeFields &b) {
        const int last = collator.compare(a.lastName.trimmed(), b.lastName.trimmed());
        return last != 0 ? last < 0 : collator.compare(a.firstName.trimmed(), b.firstName.trimmed()) < 0;
    });
}
