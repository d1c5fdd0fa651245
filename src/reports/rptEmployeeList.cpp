#include "rptEmployeeList.h"

#include "ReportCatalog.h"
#include "ReportStyle.h"
#include "data/ScheduleHelper.h"

using namespace ReportStyle;

rptEmployeeList::rptEmployeeList(const clsEmployeeInfo &info) : EmployeeListLayout(info, ReportCatalog::title(ReportId::PhoneList))
{
    addColumnCaption(QStringLiteral("labName"), 0, 300, QStringLiteral("Name"));
    addColumnCaption(QStringLiteral("labNumber"), 310, 150, QStringLiteral("Phone Number"));
    detail().setHeight(kLine);
    addLineField(detail(), QStringLiteral("fldName"), 0, 300);
    addLineField(detail(), QStringLiteral("fldNumber"), 310, 150);
}

void rptEmployeeList::formatDetail(ReportSection &section, int row)
{
    section.setText(QStringLiteral("fldName"), record(row).fullName());
    section.setText(QStringLiteral("fldNumber"), ScheduleHelper::FormatPhone(record(row).phone));
}
