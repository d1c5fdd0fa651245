#include "rptEmployeeContact.h"

#include "ReportCatalog.h"
#include "ReportStyle.h"
#include "data/ScheduleHelper.h"

using namespace ReportStyle;

rptEmployeeContact::rptEmployeeContact(const clsEmployeeInfo &info)
    : EmployeeListLayout(info, ReportCatalog::title(ReportId::ContactList))
{
    m_name = addColumn(QStringLiteral("fldName"), 0, 125, QStringLiteral("Name"));
    m_phone = addColumn(QStringLiteral("fldPhone"), 128, 72, QStringLiteral("Phone"));
    m_spouse = addColumn(QStringLiteral("fldSpouse"), 204, 95, QStringLiteral("Spouse"));
    m_emergencyContact = addColumn(QStringLiteral("fldEmergencyContact"), 303, 118, QStringLiteral("Emergency Contact"));
    m_emergencyPhone = addColumn(QStringLiteral("fldEmergencyPhone"), 425, 98, QStringLiteral("Emergency Phone"));
}

void rptEmployeeContact::formatDetail(ReportSection &section, int row)
{
    const EmployeeFields &e = record(row);
    section.set(m_name, e.fullName());
    section.set(m_phone, ScheduleHelper::FormatPhone(e.phone));
    section.set(m_spouse, e.spouse);
    section.set(m_emergencyContact, e.emergencyContact);
    section.set(m_emergencyPhone, ScheduleHelper::FormatPhone(e.emergencyPhone));
}
