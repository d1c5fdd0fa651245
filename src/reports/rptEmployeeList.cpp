#include "rptEmployeeList.h"

#include "ReportCatalog.h"
#include "ReportStyle.h"
#include "data/ScheduleHelper.h"

using namespace ReportStyle;

rptEmployeeList::rptEmployeeList(const clsEmployeeInfo &info) : EmployeeListLayout(info, ReportCatalog::title(ReportId::PhoneList))
{
    m_name = addColumn(QStringLiteral("fldName"), 0, 300, QStringLiteral("Name"));
    m_number = addColumn(QStringLiteral("fldNumber"), 310, 150, QStringLiteral("Phone Number"));
}

void rptEmployeeList::formatDetail(ReportSection &section, int row)
{
    section.set(m_name, record(row).fullName());
    section.set(m_number, ScheduleHelper::FormatPhone(record(row).phone));
}
