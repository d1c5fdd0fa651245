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
    m_firstName = block.addField(QStringLiteral("fldFirstName"), QRectF(0, 4, 100, kLine));
    block[m_firstName].bold = true;
    m_lastName = block.addField(QStringLiteral("fldLastName"), QRectF(0, 4, 100, kLine));
    block[m_lastName].bold = true;
    block[m_lastName].followsPrevious = true;
    m_address1 = block.addField(QStringLiteral("fldAddressLine1"), QRectF(0, 17, 165, kLine));
    m_address2 = block.addField(QStringLiteral("fldAddressLine2"), QRectF(0, 30, 165, kLine));
    block[m_address2].collapsesWhenEmpty = true;
    m_city = block.addField(QStringLiteral("fldCity"), QRectF(0, 43, 100, kLine));
    m_state = block.addField(QStringLiteral("fldState"), QRectF(0, 43, 30, kLine));
    block[m_state].followsPrevious = true;
    m_postal = block.addField(QStringLiteral("fldPostal"), QRectF(0, 43, 50, kLine));
    block[m_postal].followsPrevious = true;
    block.setColumn(m_firstName, QStringLiteral("First"));
    block.setColumn(m_lastName, QStringLiteral("Last"));
    block.setColumn(m_address1, QStringLiteral("Address"));
    block.setColumn(m_address2, QStringLiteral("Address 2"));
    block.setColumn(m_city, QStringLiteral("City"));
    block.setColumn(m_state, QStringLiteral("State"));
    block.setColumn(m_postal, QStringLiteral("Postal"));
}

void rptEmployeeAddress::formatDetail(ReportSection &section, int row)
{
    const EmployeeFields &e = record(row);
    section.set(m_firstName, e.firstName);
    section.set(m_lastName, e.lastName);
    section.set(m_address1, e.address1);
    section.set(m_address2, e.address2);
    section.set(m_city, e.city);
    section.set(m_state, e.state);
    section.set(m_postal, e.postalCode);
}
