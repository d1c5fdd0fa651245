#include "rptEmployeeIdList.h"

#include "ReportCatalog.h"
#include "ReportStyle.h"

using namespace ReportStyle;

rptEmployeeIdList::rptEmployeeIdList(const clsEmployeeInfo &info)
    : EmployeeListLayout(info, ReportCatalog::title(ReportId::IdList))
{
    addColumnCaption(QStringLiteral("labName"), 0, 200, QStringLiteral("Name"));
    addColumnCaption(QStringLiteral("labID"), 204, 120, QStringLiteral("Id"));
    addColumnCaption(QStringLiteral("labSocialSecruity"), 328, 100, QStringLiteral("Social Security"));
    addColumnCaption(QStringLiteral("labDateOfHire"), 432, 91, QStringLiteral("Date of hire"));
    detail().setHeight(kLine);
    addLineField(detail(), QStringLiteral("fldName"), 0, 200);
    addLineField(detail(), QStringLiteral("fldID"), 204, 120);
    addLineField(detail(), QStringLiteral("fldSocialSecruity"), 328, 100);
    addLineField(detail(), QStringLiteral("fldDateOfHire"), 432, 91);
}

void rptEmployeeIdList::formatDetail(ReportSection &section, int row)
{
    const EmployeeFields &e = record(row);
    section.setText(QStringLiteral("fldName"), e.fullName());
    section.setText(QStringLiteral("fldID"), e.descCode);
    section.setText(QStringLiteral("fldSocialSecruity"), e.ssNumber == 0 ? QString() : QString::number(e.ssNumber));
    section.setText(QStringLiteral("fldDateOfHire"), dateText(e.hireDate));
}
