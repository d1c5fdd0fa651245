#include "rptEmployeeContact.h"

#include "ReportCatalog.h"
#include "ReportStyle.h"
#include "data/ScheduleHelper.h"

using namespace ReportStyle;

rptEmployeeContact::rptEmployeeContact(const clsEmployeeInfo &info)
    : EmployeeListLayout(info, ReportCatalog::title(ReportId::ContactList))
{
    const struct { const char *caption, *field; qreal x, width; } columns[] = {
        {"Name", "fldName", 0, 125},
        {"Phone", "fldPhone", 128, 72},
        {"Spouse", "fldSpouse", 204, 95},
        {"Emergency Contact", "fldEmergencyContact", 303, 118},
        {"Emergency Phone", "fldEmergencyPhone", 425, 98},
    };
    detail().setHeight(kLine);
    for (const auto &c : columns) {
        addColumnCaption(QStringLiteral("lab") + QString::fromLatin1(c.field).mid(3), c.x, c.width, QString::fromLatin1(c.caption));
        addLineField(detail(), QString::fromLatin1(c.field), c.x, c.width);
    }
}

void rptEmployeeContact::formatDetail(ReportSection &section, int row)
{
    const EmployeeFields &e = record(row);
    section.setText(QStringLiteral("fldName"), e.fullName());
    section.setText(QStringLiteral("fldPhone"), ScheduleHelper::FormatPhone(e.phone));
    section.setText(QStringLiteral("fldSpouse"), e.spouse);
    section.setText(QStringLiteral("fldEmergencyContact"), e.emergencyContact);
    section.setText(QStringLiteral("fldEmergencyPhone"), ScheduleHelper::FormatPhone(e.emergencyPhone));
}
