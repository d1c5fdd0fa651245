// The calendar export, read back with the calendar library: one event per shift, stable ids,
// wall-clock times in the named zone, time off when asked.

#include "exchange/ExportIcs.h"
#include "HandMadeRecords.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"

#include <QTemporaryDir>
#include <QtTest>
#include <libical/ical.h>

namespace {
const double kMon = OleDate::fromDate(QDate(2001, 3, 5));
constexpr double H = 1.0 / 24;

// One event as the library reads it back.
struct Event {
    QString uid, summary, description, tzid;
    QDateTime start, end;   // wall-clock, as written
};

QList<Event> readBack(const QByteArray &ics, QString *zoneId)
{
    QList<Event> events;
    icalcomponent *calendar = icalparser_parse_string(ics.constData());
    if (!calendar)
        return events;
    icalcomponent *zone = icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT);
    *zoneId = zone ? QString::fromUtf8(icalproperty_get_tzid(icalcomponent_get_first_property(zone, ICAL_TZID_PROPERTY)))
                   : QString();
    auto wallClock = [](struct icaltimetype t) {
        return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
    };
    for (icalcomponent *e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        icalproperty *start = icalcomponent_get_first_property(e, ICAL_DTSTART_PROPERTY);
        icalparameter *tzid = icalproperty_get_first_parameter(start, ICAL_TZID_PARAMETER);
        events.append({QString::fromUtf8(icalcomponent_get_uid(e)), QString::fromUtf8(icalcomponent_get_summary(e)),
                       QString::fromUtf8(icalcomponent_get_description(e)),
                       tzid ? QString::fromUtf8(icalparameter_get_tzid(tzid)) : QStringLiteral("UTC"),
                       wallClock(icalcomponent_get_dtstart(e)), wallClock(icalcomponent_get_dtend(e))});
    }
    icalcomponent_free(calendar);
    return events;
}
} // namespace

class TestExportIcs : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;

private slots:
    void initTestCase()
    {
        HandMade::write(m_tmp.filePath("Dept.dat"), HandMade::department("KITCHEN", 1) + HandMade::department("BAR", 1));
        HandMade::write(m_tmp.filePath("EmployeeInfo.dat"),
                        HandMade::employee(7, "Ann", "Lee") + HandMade::employee(8, "Bob", "Ray"));
        QDir().mkpath(m_tmp.filePath("KITCHEN"));
        QDir().mkpath(m_tmp.filePath("BAR"));
        HandMade::write(m_tmp.filePath("KITCHEN/20010305.KELSCD"),
                        HandMade::shift(7, kMon + 22 * H, kMon + 1 + 6 * H, "COOK")
                            + HandMade::shift(8, kMon + 17 * H, kMon + 9 * H, "COOK"));   // reversed: left out
        HandMade::write(m_tmp.filePath("BAR/20010306.KELSCD"), HandMade::shift(8, kMon + 1 + 18 * H, kMon + 1 + 23 * H, ""));
        HandMade::write(m_tmp.filePath("7.KELOFF"), HandMade::timeOff(7, kMon + 2, kMon + 4, "Trip"));
    }

    void events_data()
    {
        QTest::addColumn<QStringList>("departments");
        QTest::addColumn<QList<qint32>>("employees");
        QTest::addColumn<bool>("timeOff");
        QTest::addColumn<QStringList>("expected");   // uid | summary | description | start | end
        const QString night = "7-KITCHEN-20010305T2200@shiftgrid|COOK \u2013 KITCHEN|Ann Lee|2001-03-05T22:00:00|2001-03-06T06:00:00";
        const QString bar = "8-BAR-20010306T1800@shiftgrid|Shift \u2013 BAR|Bob Ray|2001-03-06T18:00:00|2001-03-06T23:00:00";
        const QString trip = "7-TIME%20OFF-20010307T0000@shiftgrid|Time off: Trip|Ann Lee|2001-03-07T00:00:00|2001-03-09T00:00:00";
        QTest::newRow("every department") << QStringList{} << QList<qint32>{} << false << QStringList{night, bar};
        QTest::newRow("one department") << QStringList{"BAR"} << QList<qint32>{} << false << QStringList{bar};
        QTest::newRow("one employee with time off") << QStringList{} << QList<qint32>{7} << true << QStringList{night, trip};
    }

    void events()
    {
        QFETCH(QStringList, departments);
        QFETCH(QList<qint32>, employees);
        QFETCH(bool, timeOff);
        clsEmployeeInfo info(m_tmp.path(), clsEmployeeInfo::Access::ReadOnly);
        clsOptions options(ScheduleHelper::SettingsFilePath(m_tmp.path()));
        ExportIcs::Request request{kMon, kMon + 6, departments, employees, timeOff, "Europe/Paris"};
        const ExportIcs::Result result = ExportIcs::run(info, options, request);
        QCOMPARE(result.error, QString());

        QString zoneId;
        QStringList seen;
        for (const Event &e : readBack(result.ics, &zoneId)) {
            QCOMPARE(e.tzid, zoneId);   // every time refers to the zone the file describes
            seen << QStringList{e.uid, e.summary, e.description, e.start.toString(Qt::ISODate),
                                e.end.toString(Qt::ISODate)}.join(u'|');
        }
        QVERIFY(zoneId.endsWith("Europe/Paris"));
        QTEST(seen, "expected");
        // The same shifts give the same ids next time, so a calendar updates instead of doubling.
        QCOMPARE(readBack(ExportIcs::run(info, options, request).ics, &zoneId).size(), seen.size());
    }

    void unknownZoneWritesUniversalTime()
    {
        clsEmployeeInfo info(m_tmp.path(), clsEmployeeInfo::Access::ReadOnly);
        clsOptions options(ScheduleHelper::SettingsFilePath(m_tmp.path()));
        const ExportIcs::Result result = ExportIcs::run(info, options, {kMon, kMon, {"KITCHEN"}, {}, false, "Nowhere/Else"});
        QString zoneId;
        const QList<Event> events = readBack(result.ics, &zoneId);
        QCOMPARE(zoneId, QString());
        QCOMPARE(events.size(), 1);
        QCOMPARE(events.first().start.time(), QTime(22, 0));
        QVERIFY(result.ics.contains("DTSTART:20010305T220000Z"));
    }
};

QTEST_GUILESS_MAIN(TestExportIcs)
#include "tst_exportics.moc"
