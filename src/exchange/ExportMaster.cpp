#include "ExportMaster.h"

#include "JsonWriter.h"
#include "data/CodePage.h"
#include "data/EmployeeFieldTable.h"
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

// One field of the record under its key: dates as ISO dates, phones also as shown.
static void field(const EmployeeFieldEntry &f, const EmployeeFields &e, JsonWriter &json)
{
    using Kind = EmployeeFieldEntry::Kind;
    const QString key = QLatin1String(f.key);
    switch (f.kind) {
    case Kind::Key:
    case Kind::Whole: json.value(key, qint64(e.*f.whole)); break;
    case Kind::Day: json.value(key, OleDate::isoDate(e.*f.whole)); break;
    case Kind::Text: json.value(key, e.*f.text); break;
    case Kind::Phone:
        json.value(key, e.*f.text);
        json.value(key + QLatin1String("Display"), ScheduleHelper::FormatPhone(e.*f.text));
        break;
    case Kind::Flag: json.value(key, e.*f.flag); break;
    case Kind::Unused16: json.value(key, int(e.*f.small)); break;
    }
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
        for (const EmployeeFieldEntry &f : EmployeeFieldTable::fields()) {
            if (f.key)
                field(f, e, json);
            if (f.id == EmployeeField::ScheduleName)   // the name lists show, beside the names it is made of
                json.value(QStringLiteral("fullName"), e.fullName());
        }
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
