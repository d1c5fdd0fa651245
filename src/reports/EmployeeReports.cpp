#include "EmployeeReports.h"

#include "rptEmployeeAddress.h"
#include "rptEmployeeContact.h"
#include "rptEmployeeIdList.h"
#include "rptEmployeeList.h"
#include "rtpEmployeeMasterReport.h"

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

QString EmployeeReports::title(Kind kind)
{
    switch (kind) {
    case MasterList: return QStringLiteral("Employee Master List");
    case ContactList: return QStringLiteral("Employee Contact List");
    case PhoneList: return QStringLiteral("Phone List");
    case IdList: return QStringLiteral("Employee Id List");
    case MailingList: return QStringLiteral("Employee Addresses");
    }
    return {};
}

std::unique_ptr<BandedReport> EmployeeReports::create(Kind kind, const clsEmployeeInfo &info,
                                                      const QList<EmployeeFields> &records)
{
    std::unique_ptr<EmployeeListLayout> layout;
    switch (kind) {
    case MasterList: layout = std::make_unique<rtpEmployeeMasterReport>(info); break;
    case ContactList: layout = std::make_unique<rptEmployeeContact>(info); break;
    case PhoneList: layout = std::make_unique<rptEmployeeList>(info); break;
    case IdList: layout = std::make_unique<rptEmployeeIdList>(info); break;
    case MailingList: layout = std::make_unique<rptEmployeeAddress>(info); break;
    }
    layout->setupReport(records);
    return layout;
}
