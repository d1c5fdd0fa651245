#include "ExportIcs.h"

#include "data/OleDate.h"
#include "data/Prompt.h"
#include "data/clsEmployeeInfo.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/clsScheduleData.h"

#include <QDateTime>
#include <QTimeZone>
#include <QUrl>
#include <libical/ical.h>

#include <memory>

namespace ExportIcs {

namespace Shift = ScheduleFiles::Shift;
namespace TimeOff = ScheduleFiles::TimeOff;

namespace {

struct ComponentDeleter {
    void operator()(icalcomponent *c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

// The zone of the stored times; UTC when the name is unknown to the calendar library.
icaltimezone *zoneNamed(const QString &name)
{
    const QByteArray wanted = (name.isEmpty() ? QTimeZone::systemTimeZoneId() : name.toUtf8());
    icaltimezone *zone = wanted.isEmpty() ? nullptr : icaltimezone_get_builtin_timezone(wanted.constData());
    return zone ? zone : icaltimezone_get_utc_timezone();
}

icalproperty *timeProperty(icalproperty *(*make)(struct icaltimetype), double value, icaltimezone *zone)
{
    const QDateTime at = OleDate::toDateTime(value);
    struct icaltimetype t = icaltime_null_time();
    t.year = at.date().year();
    t.month = at.date().month();
    t.day = at.date().day();
    t.hour = at.time().hour();
    t.minute = at.time().minute();
    t.second = at.time().second();
    t.is_date = 0;
    icaltime_set_timezone(&t, zone);
    icalproperty *property = make(t);
    if (zone != icaltimezone_get_utc_timezone())
        icalproperty_add_parameter(property, icalparameter_new_tzid(icaltimezone_get_tzid(zone)));
    return property;
}

QByteArray uid(qint32 employee, const QString &what, double begin)
{
    return QByteArray::number(employee) + '-' + QUrl::toPercentEncoding(what) + '-'
           + OleDate::format(begin, QStringLiteral("yyyymmdd")).toLatin1() + 'T'
           + OleDate::clockText(OleDate::timeOfDay(begin)).remove(u':').toLatin1() + "@shiftgrid";
}

void addEvent(icalcomponent *calendar, icaltimezone *zone, const QByteArray &id, double begin, double end,
              const QString &summary, const QString &description)
{
    icalcomponent *event = icalcomponent_new_vevent();
    icalcomponent_add_property(event, icalproperty_new_uid(id.constData()));
    icalcomponent_add_property(
        event, icalproperty_new_dtstamp(icaltime_from_timet_with_zone(QDateTime::currentSecsSinceEpoch(), 0,
                                                                      icaltimezone_get_utc_timezone())));
    icalcomponent_add_property(event, timeProperty(icalproperty_new_dtstart, begin, zone));
    icalcomponent_add_property(event, timeProperty(icalproperty_new_dtend, end, zone));
    icalcomponent_add_property(event, icalproperty_new_summary(summary.toUtf8().constData()));
    if (!description.isEmpty())
        icalcomponent_add_property(event, icalproperty_new_description(description.toUtf8().constData()));
    icalcomponent_add_component(calendar, event);
}

bool wanted(const Request &request, qint32 employee)
{
    return request.employees.isEmpty() || request.employees.contains(employee);
}

// Stored times that a calendar can show: plausible dates, an end after the begin.
bool showable(double begin, double end)
{
    return OleDate::isPlausible(begin) && OleDate::isPlausible(end) && end > begin;
}

} // namespace

Result run(clsEmployeeInfo &info, clsOptions &options, const Request &request)
{
    if (request.lastDay < request.firstDay)
        return {{}, QStringLiteral("the first date is after the last date"), 0};
    const QStringList known = info.DepartmentNames();
    const QStringList departments = request.departments.isEmpty() ? known : request.departments;
    for (const QString &d : departments)
        if (!known.contains(d))
            return {{}, QStringLiteral("no department named \"%1\"").arg(d), 0};

    QuietPrompt prompt;
    clsScheduleData schedule(info, options, prompt);
    schedule.setReadOnly(true);
    icaltimezone *zone = zoneNamed(request.timeZone);

    Component calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Shiftgrid//Shiftgrid " SHIFTGRID_VERSION "//EN"));
    if (zone != icaltimezone_get_utc_timezone())
        icalcomponent_add_component(calendar.get(), icalcomponent_new_clone(icaltimezone_get_component(zone)));

    int events = 0;
    auto name = [&info](qint32 employee) {
        return info.EmployeeExists(employee) ? info.ConvertNumberToName(employee, false) : QString::number(employee);
    };
    const int days = int(request.lastDay - request.firstDay) + 1;
    int daysDone = 0;
    for (const QString &department : departments) {
        for (int d = 0; d < days; ++d) {
            // One day at a time, so that a long range can show how far it got.
            if (request.progress)
                request.progress(daysDone++, days * int(departments.size()));
            const double day = request.firstDay + d;
            RecordList records(Shift::Size);
            schedule.LoadSchedule(records, department, day, day, 0, true);   // throws when unreadable
            for (int i = 1; i <= records.count(); ++i) {
                const char *r = records.record(i);
                const qint32 employee = Shift::employee(r);
                if (!wanted(request, employee) || !showable(Shift::begin(r), Shift::end(r)))
                    continue;
                const QString position = Shift::position(r).isEmpty() ? QStringLiteral("Shift") : Shift::position(r);
                addEvent(calendar.get(), zone, uid(employee, department, Shift::begin(r)), Shift::begin(r), Shift::end(r),
                         position + QStringLiteral(" \u2013 ") + department, name(employee));
                ++events;
            }
        }
    }
    if (request.timeOff) {
        QList<qint32> employees = request.employees;
        if (employees.isEmpty())
            for (const EmployeeFields &e : info.Employees())
                employees << e.number;
        for (qint32 employee : std::as_const(employees)) {
            RecordList periods(TimeOff::Size);
            schedule.TimeOffLoad(employee, periods);   // throws when unreadable
            for (int p = 1; p <= periods.count(); ++p) {
                const char *r = periods.record(p);
                const double begin = TimeOff::begin(r), end = TimeOff::end(r);
                if (!showable(begin, end) || end <= request.firstDay || begin >= request.lastDay + 1)
                    continue;
                const QString reason = TimeOff::reason(r).trimmed();
                addEvent(calendar.get(), zone, uid(employee, QStringLiteral("TIME OFF"), begin), begin, end,
                         reason.isEmpty() ? QStringLiteral("Time off") : QStringLiteral("Time off: ") + reason,
                         name(employee));
                ++events;
            }
        }
    }

    char *text = icalcomponent_as_ical_string_r(calendar.get());
    Result result{QByteArray(text), {}, events};
    icalmemory_free_buffer(text);
    return result;
}

} // namespace ExportIcs
