#include "rptEmployeeIdList.h"

#include "ReportCatalog.h"
#include "ReportStyle.h"

using namespace ReportStyle;

rptEmployeeIdList::rptEmployeeIdList(const clsEmployeeInfo &info)
    : EmployeeListLayout(info, ReportCatalog::title(ReportId::IdList))
{
    m_name = addColumn(QStringLiteral("fldName"), 0, 200, QStringLiteral("Name"));
    m_id = addColumn(QStringLiteral("fldID"), 204, 120, QStringLiteral("Id"));
    m_ssNumber = addColumn(QStringLiteral("fldSocialSecruity"), 328, 100, QStringLiteral("Social Security"));
    m_hireDate = addColumn(QStringLiteral("fldDateOfHire"), 432, 91, QStringLiteral("Date of hire"));
}

void rptEmployeeIdList::formatDetail(ReportSection &section, int row)
{
    const EmployeeFields &e = record(row);
    section.set(m_name, e.fullName());
    section.set(m_id, e.descCode);
    section.set(m_ssNumber, idText(e.ssNumber, fullIds()));
    section.set(m_hireDate, dateText(e.hireDate));
}
