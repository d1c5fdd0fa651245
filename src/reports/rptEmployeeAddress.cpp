#include "rptEmployeeAddress.h"

#include "ReportCatalog.h"
#include "ReportStyle.h"

using namespace ReportStyle;

rptEmployeeAddress::rptEmployeeAddress(const clsEmployeeInfo &info)
    : EmployeeListLayout(info, ReportCatalog::title(ReportId::MailingList))
{
    // Address labels three across, each as on an envelope: the name, the address lines (the
    // second only when there is one), then city, state and postal code on one line.
    setDetailColumns(3);
    ReportSection &block = detail();
    block.setHeight(72);
    block.addField(QStringLiteral("fldFirstName"), QRectF(0, 4, 100, kLine)).bold = true;
    ReportControl &last = block.addField(QStringLiteral("fldLastName"), QRectF(0, 4, 100, kLine));
    last.bold = true;
    last.followsPrevious = true;
    block.addField(QStringLiteral("fldAddressLine1"), QRectF(0, 17, 165, kLine));
    block.addField(QStringLiteral("fldAddressLine2"), QRectF(0, 30, 165, kLine)).collapsesWhenEmpty = true;
    block.addField(QStringLiteral("fldCity"), QRectF(0, 43, 100, kLine));
    block.addField(QStringLiteral("fldState"), QRectF(0, 43, 30, kLine)).followsPrevious = true;
    block.addField(QStringLiteral("fldPostal"), QRectF(0, 43, 50, kLine)).followsPrevious = true;
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
