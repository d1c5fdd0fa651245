#include "ExportIcs.h"

#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"
#include "grid/TimeGridModel.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/StoredShiftJudge.h"
#include "schedule/clsScheduleData.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QTimeZone>
#include <QUrl>
#include <libical/ical.h>

#include <algorithm>
#include <memory>

namespace ExportIcs {

namespace Shift = ScheduleFiles::Shift;
namespace TimeOff = ScheduleFiles::TimeOff;

namespace {

struct ComponentDeleter {
    void operator()(icalcomponent *c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

struct Event {
    QByteArray id;
    double begin = 0;
    double end = 0;
    QString summary;
    QString description;
};

// The zone the stored wall-clock times are read in. An unknown name is refused rather than
// replaced by UTC: every event would be off by hours without a word.
struct Zone {
    QTimeZone zone;
    QString error;
};

// A zone of the time zone database, or an invalid zone. Qt reads a name that it does not find
// there as a POSIX TZ rule, so that "Paris" becomes a valid zone at UTC called "Paris"; such a
// name has no '/', no offset change ever, and is none of the database's few fixed zones.
QTimeZone knownZone(const QByteArray &id)
{
    static const QList<QByteArray> fixed{"UTC", "UCT", "GMT", "GMT0", "GMT+0", "GMT-0", "Greenwich",
                                         "Universal", "Zulu", "EST", "MST", "HST"};
    const QTimeZone zone(id);
    if (!zone.isValid() || id.isEmpty())
        return {};
    if (QTimeZone::isTimeZoneIdAvailable(id) || id.contains('/') || fixed.contains(id)
        || zone.previousTransition(QDateTime(QDate(2200, 1, 1), QTime(0, 0), Qt::UTC)).atUtc.isValid())
        return zone;
    return {};
}

Zone zoneNamed(const QString &name)
{
    if (!name.isEmpty()) {
        const QTimeZone zone = knownZone(name.toUtf8());
        if (!zone.isValid())
            return {{}, QCoreApplication::translate("ExportIcs", "unknown time zone \"%1\" (use a name such as Europe/Paris or Etc/UTC)").arg(name)};
        return {zone, {}};
    }
    const QByteArray system = QTimeZone::systemTimeZoneId();
    const QTimeZone zone = knownZone(system);
    if (!zone.isValid())
        return {{}, QCoreApplication::translate("ExportIcs", "this machine's time zone \"%1\" is not a known zone, so the times cannot be "
                                   "placed in a calendar")
                        .arg(QString::fromUtf8(system))};
    return {zone, {}};
}

struct icaltimetype wallClock(const QDateTime &at)
{
    struct icaltimetype t = icaltime_null_time();
    t.year = at.date().year();
    t.month = at.date().month();
    t.day = at.date().day();
    t.hour = at.time().hour();
    t.minute = at.time().minute();
    t.second = at.time().second();
    t.is_date = 0;
    return t;
}

// One STANDARD or DAYLIGHT part of a VTIMEZONE: from its onset (a local time in the offset in
// force before it) the zone is `to` seconds ahead of UTC.
void addObservance(icalcomponent *vtimezone, const QDateTime &onsetLocal, int from, int to, bool daylight,
                   const QString &name)
{
    icalcomponent *part = daylight ? icalcomponent_new_xdaylight() : icalcomponent_new_xstandard();
    icalcomponent_add_property(part, icalproperty_new_dtstart(wallClock(onsetLocal)));
    icalcomponent_add_property(part, icalproperty_new_tzoffsetfrom(from));
    icalcomponent_add_property(part, icalproperty_new_tzoffsetto(to));
    if (!name.isEmpty())
        icalcomponent_add_property(part, icalproperty_new_tzname(name.toUtf8().constData()));
    icalcomponent_add_component(vtimezone, part);
}

QDateTime atUtc(QDate date)
{
    return QDateTime(date, QTime(0, 0), Qt::UTC);
}

// The zone over the days first..last: the observance in force on the first day and each change
// up to the last day, and nothing older or later. Null for a zone that is UTC throughout, whose
// times are written as UTC.
Component describeZone(const QTimeZone &zone, QDate first, QDate last)
{
    // A day on each side covers every offset a wall-clock time of those days can have.
    const QDateTime from = atUtc(first.addDays(-1)), to = atUtc(last.addDays(2));
    const QTimeZone::OffsetData before = zone.previousTransition(from);
    const QTimeZone::OffsetDataList changes = zone.transitions(from, to);
    const QTimeZone::OffsetData start = zone.offsetData(from);
    if (!before.atUtc.isValid() && changes.isEmpty() && start.offsetFromUtc == 0)
        return nullptr;

    Component vtimezone(icalcomponent_new_vtimezone());
    icalcomponent_add_property(vtimezone.get(), icalproperty_new_tzid(zone.id().constData()));
    int offset = start.offsetFromUtc;
    if (before.atUtc.isValid()) {
        const int earlier = zone.offsetFromUtc(before.atUtc.addSecs(-1));
        addObservance(vtimezone.get(), before.atUtc.addSecs(earlier), earlier, before.offsetFromUtc,
                      before.daylightTimeOffset != 0, before.abbreviation);
        offset = before.offsetFromUtc;
    } else {
        // The offset never changed before: one observance from before any date a file can hold.
        addObservance(vtimezone.get(), atUtc(QDate(1800, 1, 1)), offset, offset, start.daylightTimeOffset != 0,
                      start.abbreviation);
    }
    for (const QTimeZone::OffsetData &change : changes) {
        addObservance(vtimezone.get(), change.atUtc.addSecs(offset), offset, change.offsetFromUtc,
                      change.daylightTimeOffset != 0, change.abbreviation);
        offset = change.offsetFromUtc;
    }
    return vtimezone;
}

// A stored wall-clock time, in the zone named by tzid, or in UTC when there is none.
icalproperty *timeProperty(icalproperty *(*make)(struct icaltimetype), double value, const QByteArray &tzid)
{
    struct icaltimetype t = wallClock(OleDate::toDateTime(value));
    if (tzid.isEmpty())
        icaltime_set_timezone(&t, icaltimezone_get_utc_timezone());
    icalproperty *property = make(t);
    if (!tzid.isEmpty())
        icalproperty_add_parameter(property, icalparameter_new_tzid(tzid.constData()));
    return property;
}

QByteArray uid(qint32 employee, const QString &what, double begin)
{
    return QByteArray::number(employee) + '-' + QUrl::toPercentEncoding(what) + '-'
           + OleDate::format(begin, QStringLiteral("yyyymmdd")).toLatin1() + 'T'
           + OleDate::clockText(OleDate::timeOfDay(begin)).remove(u':').toLatin1() + "@shiftgrid";
}

// Ids stay distinct when records share employee, department and begin: the first keeps the plain
// id (so files exported before still match), the n-th in stored order gets "-n" before the "@".
class UniqueIds
{
public:
    QByteArray take(const QByteArray &id)
    {
        const int n = ++m_seen[id];
        if (n == 1)
            return id;
        QByteArray numbered = id;
        numbered.insert(id.lastIndexOf('@'), '-' + QByteArray::number(n));
        return numbered;
    }

private:
    QHash<QByteArray, int> m_seen;
};

void addEvent(icalcomponent *calendar, const QByteArray &tzid, const QDateTime &stamp, const Event &e)
{
    icalcomponent *event = icalcomponent_new_vevent();
    icalcomponent_add_property(event, icalproperty_new_uid(e.id.constData()));
    icalcomponent_add_property(
        event, icalproperty_new_dtstamp(icaltime_from_timet_with_zone(stamp.toSecsSinceEpoch(), 0,
                                                                      icaltimezone_get_utc_timezone())));
    icalcomponent_add_property(event, timeProperty(icalproperty_new_dtstart, e.begin, tzid));
    icalcomponent_add_property(event, timeProperty(icalproperty_new_dtend, e.end, tzid));
    icalcomponent_add_property(event, icalproperty_new_summary(e.summary.toUtf8().constData()));
    if (!e.description.isEmpty())
        icalcomponent_add_property(event, icalproperty_new_description(e.description.toUtf8().constData()));
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

QString clock(double value)
{
    return OleDate::isoDate(value) + u' ' + OleDate::clockText(OleDate::timeOfDay(value));
}

} // namespace

Result run(clsEmployeeInfo &info, clsOptions &options, const Request &request)
{
    Result result;
    if (request.lastDay < request.firstDay) {
        result.error = QCoreApplication::translate("ExportIcs", "the first date is after the last date");
        return result;
    }
    const Zone zone = zoneNamed(request.timeZone);
    if (!zone.error.isEmpty()) {
        result.error = zone.error;
        result.badTimeZone = true;
        return result;
    }
    QStringList known = info.DepartmentNames();
    known.removeDuplicates();   // a name stored twice is still one department
    QStringList departments = request.departments.isEmpty() ? known : request.departments;
    departments.removeDuplicates();
    for (const QString &d : std::as_const(departments))
        if (!known.contains(d)) {
            result.error = QCoreApplication::translate("ExportIcs", "no department named \"%1\"").arg(d);
            return result;
        }

    auto name = [&info](qint32 employee) {
        return info.EmployeeExists(employee) ? info.ConvertNumberToName(employee, false) : QString::number(employee);
    };
    QList<Event> events;
    UniqueIds ids;
    const int days = int(request.lastDay - request.firstDay) + 1;
    int daysDone = 0;
    for (const QString &department : std::as_const(departments)) {
        // Week by week, as the scheduler opens them, so that the calendar agrees with it.
        for (double week = clsScheduleData::WeekStart(info, department, request.firstDay); week <= request.lastDay;
             week += 7) {
            for (const JudgedShift &s : StoredShiftJudge::week(info, options, department, week)) {
                if (s.day < request.firstDay || s.day > request.lastDay)
                    continue;
                const char *r = s.record.constData();
                const qint32 employee = Shift::employee(r);
                const double begin = Shift::begin(r), end = Shift::end(r);
                if (!wanted(request, employee) || !showable(begin, end))
                    continue;
                if (s.refused) {
                    result.leftOut << QStringLiteral("%1 (%2), %3, %4-%5")
                                          .arg(name(employee)).arg(employee).arg(department, clock(begin), clock(end));
                    continue;
                }
                const QString position = Shift::position(r).isEmpty() ? QStringLiteral("Shift") : Shift::position(r);
                events.append({ids.take(uid(employee, department, begin)), begin, end,
                               position + QStringLiteral(" \u2013 ") + department, name(employee)});
            }
            if (request.progress)
                for (double day = std::max(week, request.firstDay); day <= std::min(week + 6, request.lastDay); day += 1)
                    request.progress(daysDone++, days * int(departments.size()));
        }
    }
    if (request.timeOff) {
        // Named employees, else the members of the chosen departments (everybody for every one).
        QList<qint32> employees = request.employees;
        if (employees.isEmpty() && request.departments.isEmpty()) {
            for (const EmployeeFields &e : info.Employees())
                employees << e.number;
        } else if (employees.isEmpty()) {
            for (const QString &department : std::as_const(departments))
                for (qint32 member : info.GetEmployeeInDept(department))
                    if (info.EmployeeExists(member) && !employees.contains(member))
                        employees << member;
        }
        clsScheduleData schedule(info, options);
        schedule.setReadOnly(true);
        for (qint32 employee : std::as_const(employees)) {
            RecordList periods(TimeOff::Size);
            schedule.TimeOffLoad(employee, periods);   // throws when unreadable
            UniqueIds periodIds;   // numbered over the whole file, so that the range changes no id
            for (int p = 1; p <= periods.count(); ++p) {
                const char *r = periods.record(p);
                const double begin = TimeOff::begin(r), end = TimeOff::end(r);
                const QByteArray id = periodIds.take(uid(employee, QStringLiteral("TIME OFF"), begin));
                if (!showable(begin, end) || end <= request.firstDay || begin >= request.lastDay + 1)
                    continue;
                const QString reason = TimeOff::reason(r).trimmed();
                events.append({id, begin, end,
                               reason.isEmpty() ? QStringLiteral("Time off") : QStringLiteral("Time off: ") + reason,
                               name(employee)});
            }
        }
    }

    Component calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Shiftgrid//Shiftgrid " SHIFTGRID_VERSION "//EN"));
    double first = request.firstDay, last = request.lastDay + 1;
    for (const Event &e : std::as_const(events)) {
        first = std::min(first, e.begin);
        last = std::max(last, e.end);
    }
    QByteArray tzid;
    if (Component vtimezone = describeZone(zone.zone, OleDate::toDate(first), OleDate::toDate(last))) {
        tzid = zone.zone.id();
        icalcomponent_add_component(calendar.get(), vtimezone.release());
    }
    const QDateTime stamp = QDateTime::currentDateTimeUtc();
    for (const Event &e : std::as_const(events))
        addEvent(calendar.get(), tzid, stamp, e);

    char *text = icalcomponent_as_ical_string_r(calendar.get());
    result.ics = QByteArray(text);
    result.events = int(events.size());
    icalmemory_free_buffer(text);
    return result;
}

} // namespace ExportIcs
