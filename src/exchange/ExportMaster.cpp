#include "ExportMaster.h"

#include "JsonWriter.h"
#include "data/CodePage.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"

#include <QHash>

namespace ExportMaster {

// Availability as EmployeeGetAvalTimes reads it (time of day; a stored end of 0 is the end of
// the day), without its rewrite of the file.
static void availability(const EmployeeFields &last, JsonWriter &json)
{
    json.beginArray(QStringLiteral("availability"));
    for (int d = 0; d < 7; ++d) {
        const double start = OleDate::timeOfDay(last.availabilityStart[d]);
        double end = OleDate::timeOfDay(last.availabilityEnd[d]);
        if (end == 0)
            end = 1.0;
        json.beginObject();
        json.value(QStringLiteral("start"), OleDate::clockText(start));
        json.value(QStringLiteral("end"), OleDate::clockText(end));
        json.endObject();
    }
    json.endArray();
}

QString toJson(const clsEmployeeInfo &info)
{
    JsonWriter json;
    json.beginObject();

    json.beginArray(QStringLiteral("departments"));
    for (const DepartmentInfo &d : info.Departments()) {
        json.beginObject();
        json.value(QStringLiteral("name"), d.name);
        json.value(QStringLiteral("firstDay"), int(d.firstDay));
        json.value(QStringLiteral("weekLimit"), int(d.weekLimit));
        json.value(QStringLiteral("dayLimit"), int(d.dayLimit));
        json.endObject();
    }
    json.endArray();

    json.beginArray(QStringLiteral("positions"));
    for (const PositionInfo &p : info.Positions()) {
        json.beginObject();
        json.value(QStringLiteral("name"), p.name);
        json.value(QStringLiteral("textColor"), qint64(p.textColor));
        json.value(QStringLiteral("backColor"), qint64(p.backColor));
        json.endObject();
    }
    json.endArray();

    const QList<EmployeeFields> employees = info.Employees();
    // Availability comes from the last record with a number, as the data store reads it.
    QHash<qint32, qsizetype> lastRecord;
    for (qsizetype i = 0; i < employees.size(); ++i)
        lastRecord.insert(employees[i].number, i);
    // Each employee's departments and positions in record order, as DeptEmployeeGetDepts and
    // JobEmpAvalGet list them, grouped in one pass over each list.
    const QList<Membership> memberships = info.Memberships();
    QHash<qint32, QStringList> departmentsOf, positionsOf;
    for (const Membership &m : memberships)
        departmentsOf[m.employee] << m.department;
    for (const Assignment &a : info.Assignments())
        positionsOf[a.employee] << CodePage::trimBlanks(a.position);
    json.beginArray(QStringLiteral("employees"));
    for (const EmployeeFields &e : employees) {
        json.beginObject();
        json.value(QStringLiteral("number"), qint64(e.number));
        json.value(QStringLiteral("firstName"), e.firstName);
        json.value(QStringLiteral("middleName"), e.middleName);
        json.value(QStringLiteral("lastName"), e.lastName);
        json.value(QStringLiteral("scheduleName"), e.scheduleName);
        json.value(QStringLiteral("fullName"), e.fullName());
        json.value(QStringLiteral("dob"), OleDate::isoDate(e.dob));
        json.value(QStringLiteral("hireDate"), OleDate::isoDate(e.hireDate));
        json.value(QStringLiteral("ssNumber"), qint64(e.ssNumber));
        json.value(QStringLiteral("descCode"), e.descCode);
        json.value(QStringLiteral("phone"), e.phone);
        json.value(QStringLiteral("phoneDisplay"), ScheduleHelper::FormatPhone(e.phone));
        json.value(QStringLiteral("emergencyPhone"), e.emergencyPhone);
        json.value(QStringLiteral("emergencyPhoneDisplay"), ScheduleHelper::FormatPhone(e.emergencyPhone));
        json.value(QStringLiteral("address1"), e.address1);
        json.value(QStringLiteral("address2"), e.address2);
        json.value(QStringLiteral("city"), e.city);
        json.value(QStringLiteral("state"), e.state);
        json.value(QStringLiteral("postalCode"), e.postalCode);
        json.value(QStringLiteral("spouse"), e.spouse);
        json.value(QStringLiteral("emergencyContact"), e.emergencyContact);
        json.value(QStringLiteral("male"), e.male);
        availability(employees[lastRecord.value(e.number)], json);
        json.stringArray(QStringLiteral("departments"), departmentsOf.value(e.number));
        json.stringArray(QStringLiteral("positions"), positionsOf.value(e.number));
        json.endObject();
    }
    json.endArray();

    json.beginArray(QStringLiteral("memberships"));
    for (const Membership &m : memberships) {
        json.beginObject();
        json.value(QStringLiteral("employee"), qint64(m.employee));
        json.value(QStringLiteral("department"), m.department);
        json.endObject();
    }
    json.endArray();

    json.beginArray(QStringLiteral("assignments"));
    for (const Assignment &a : info.Assignments()) {
        json.beginObject();
        json.value(QStringLiteral("employee"), qint64(a.employee));
        json.value(QStringLiteral("position"), a.position);
        json.endObject();
    }
    json.endArray();

    json.beginArray(QStringLiteral("defaultShifts"));
    for (const DefaultShift &s : info.DefaultShifts()) {
        json.beginObject();
        json.value(QStringLiteral("department"), s.department);
        json.value(QStringLiteral("start"), OleDate::clockText(s.start));
        json.value(QStringLiteral("end"), OleDate::clockText(s.end));
        json.endObject();
    }
    json.endArray();

    json.endObject();
    return json.text() + u'\n';
}

} // namespace ExportMaster
