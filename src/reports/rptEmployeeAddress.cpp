#include "rptEmployeeAddress.h"

#include "EmployeeReports.h"
#include "ReportStyle.h"

using namespace ReportStyle;

rptEmployeeAddress::rptEmployeeAddress(const clsEmployeeInfo &info)
    : EmployeeListLayout(info, EmployeeReports::title(EmployeeReports::MailingList))
{
    // A label-style block: name, two address lines, then city, state and postal code.
    ReportSection &block = detail();
    block.setHeight(66);
    block.addField(QStringLiteral("fldFirstName"), QRectF(0, 4, 90, kLine)).bold = true;
    block.addField(QStringLiteral("fldLastName"), QRectF(92, 4, 200, kLine)).bold = true;
    block.addField(QStringLiteral("fldAddressLine1"), QRectF(0, 17, 292, kLine));
    block.addField(QStringLiteral("fldAddressLine2"), QRectF(0, 30, 292, kLine));
    block.addField(QStringLiteral("fldCity"), QRectF(0, 43, 130, kLine));
    block.addField(QStringLiteral("fldState"), QRectF(132, 43, 90, kLine));
    block.addField(QStringLiteral("fldPostal"), QRectF(224, 43, 68, kLine));
}

void rptEmployeeAddress::formatDetail(ReportSection &section, int row)
{
    const EmployeeFields &e = record(row);
    section.setText(QStringLiteral("fldFirstName"), e.firstName);
    section.setText(QStringLiteral("fldLastName"), e.lastName);
    section.setText(QStringLiteral("fldAddressLine1"), e.address1);
    section.setText(QStringLiteral("fldAddressLine2"), e.address2);
    section.setText(QStringLiteral("fldCity"), e.city);
    section.setText(QStringLiteral("fldState"), e.state);
    section.setText(QStringLiteral("fldPostal"), e.postalCode);
}
