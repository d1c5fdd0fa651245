// The calendar export, read back with the calendar library: one event per shift the scheduler
// accepts, distinct and stable ids, wall-clock times in the named zone described by a small
// VTIMEZONE, time off when asked; the command's refusals; and an import into a real calendar
// client (khal).

#include "exchange/ExportIcs.h"
#include "HandMadeRecords.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>
#include <libical/ical.h>

namespace {
const double kMon = OleDate::fromDate(QDate(2001, 3, 5));
constexpr double H = 1.0 / 24;

QString shiftgrid() { return QCoreApplication::applicationDirPath() + "/../src/app/shiftgrid"; }

// One event as the library reads it back.
struct Event {
    QString uid, summary, description;
    QDateTime start, end;         // wall-clock, as written
    QDateTime utcStart, utcEnd;   // the instants, through the file's own VTIMEZONE
};

struct Calendar {
    QString zoneId;            // the VTIMEZONE's TZID; empty when the times are UTC
    QStringList observances;   // "STANDARD|DAYLIGHT onset from to name"
    QList<Event> events;
    bool everyTimeInTheZone = true;   // each DTSTART and DTEND names the zone described
};

QString offsetText(int seconds)
{
    const int a = std::abs(seconds);
    QString text = QStringLiteral("%1%2%3").arg(QChar(seconds < 0 ? u'-' : u'+')).arg(a / 3600, 2, 10, QChar(u'0')).arg(a / 60 % 60, 2, 10, QChar(u'0'));
    if (a % 60)
        text += QStringLiteral("%1").arg(a % 60, 2, 10, QChar(u'0'));
    return text;
}

Calendar readBack(const QByteArray &ics)
{
    Calendar calendar;
    icalcomponent *root = icalparser_parse_string(ics.constData());
    if (!root)
        return calendar;
    icaltimezone *zone = nullptr;
    if (icalcomponent *vtimezone = icalcomponent_get_first_component(root, ICAL_VTIMEZONE_COMPONENT)) {
        calendar.zoneId = QString::fromUtf8(icalproperty_get_tzid(icalcomponent_get_first_property(vtimezone, ICAL_TZID_PROPERTY)));
        for (icalcomponent *part = icalcomponent_get_first_component(vtimezone, ICAL_ANY_COMPONENT); part;
             part = icalcomponent_get_next_component(vtimezone, ICAL_ANY_COMPONENT)) {
            icalproperty *name = icalcomponent_get_first_property(part, ICAL_TZNAME_PROPERTY);
            calendar.observances << QStringList{
                icalcomponent_isa(part) == ICAL_XDAYLIGHT_COMPONENT ? "DAYLIGHT" : "STANDARD",
                icaltime_as_ical_string(icalproperty_get_dtstart(icalcomponent_get_first_property(part, ICAL_DTSTART_PROPERTY))),
                offsetText(icalproperty_get_tzoffsetfrom(icalcomponent_get_first_property(part, ICAL_TZOFFSETFROM_PROPERTY))),
                offsetText(icalproperty_get_tzoffsetto(icalcomponent_get_first_property(part, ICAL_TZOFFSETTO_PROPERTY))),
                name ? icalproperty_get_tzname(name) : ""}.join(u' ');
        }
        zone = icaltimezone_new();
        icaltimezone_set_component(zone, icalcomponent_new_clone(vtimezone));
    }
    auto read = [&](icalproperty *p, QDateTime *wall, QDateTime *utc) {
        icalparameter *tzid = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER);
        if ((tzid ? QString::fromUtf8(icalparameter_get_tzid(tzid)) : QString()) != calendar.zoneId)
            calendar.everyTimeInTheZone = false;
        struct icaltimetype t = icalproperty_get_datetime_with_component(p, nullptr);
        *wall = QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
        if (!icaltime_is_utc(t))
            icaltime_set_timezone(&t, zone);
        const struct icaltimetype u = icaltime_convert_to_zone(t, icaltimezone_get_utc_timezone());
        *utc = QDateTime(QDate(u.year, u.month, u.day), QTime(u.hour, u.minute, u.second), Qt::UTC);
    };
    for (icalcomponent *e = icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT)) {
        Event event{QString::fromUtf8(icalcomponent_get_uid(e)), QString::fromUtf8(icalcomponent_get_summary(e)),
                    QString::fromUtf8(icalcomponent_get_description(e)), {}, {}, {}, {}};
        read(icalcomponent_get_first_property(e, ICAL_DTSTART_PROPERTY), &event.start, &event.utcStart);
        read(icalcomponent_get_first_property(e, ICAL_DTEND_PROPERTY), &event.end, &event.utcEnd);
        calendar.events.append(event);
    }
    if (zone)
        icaltimezone_free(zone, 1);
    icalcomponent_free(root);
    return calendar;
}

struct Run {
    int exitCode = -1;
    QByteArray out, err;
};

Run runProgram(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}
} // namespace

class TestExportIcs : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;

    ExportIcs::Result run(const ExportIcs::Request &request)
    {
        clsEmployeeInfo info(m_tmp.path(), clsEmployeeInfo::Access::ReadOnly);
        clsOptions options(ScheduleHelper::SettingsFilePath(m_tmp.path()));
        return ExportIcs::run(info, options, request);
    }

private slots:
    void initTestCase()
    {
        // BAR is stored twice, as old files may hold it: still one department.
        HandMade::write(m_tmp.filePath("Dept.dat"), HandMade::department("KITCHEN", 1) + HandMade::department("BAR", 1)
                                                        + HandMade::department("BAR", 1));
        HandMade::write(m_tmp.filePath("EmployeeInfo.dat"),
                        HandMade::employee(7, "Ann", "Lee") + HandMade::employee(8, "Bob", "Ray"));
        HandMade::write(m_tmp.filePath("EmployeeDept.dat"), HandMade::membership(7, "KITCHEN") + HandMade::membership(8, "BAR"));
        QDir().mkpath(m_tmp.filePath("KITCHEN"));
        QDir().mkpath(m_tmp.filePath("BAR"));
        HandMade::write(m_tmp.filePath("KITCHEN/20010305.KELSCD"),
                        HandMade::shift(7, kMon + 22 * H, kMon + 1 + 6 * H, "COOK")
                            + HandMade::shift(8, kMon + 17 * H, kMon + 9 * H, "COOK"));   // reversed: left out
        // Over Ann's time off: the scheduler refuses it.
        HandMade::write(m_tmp.filePath("KITCHEN/20010307.KELSCD"), HandMade::shift(7, kMon + 2 + 10 * H, kMon + 2 + 14 * H, "COOK"));
        // A second record with the same begin collides with the first: refused.
        HandMade::write(m_tmp.filePath("BAR/20010306.KELSCD"), HandMade::shift(8, kMon + 1 + 18 * H, kMon + 1 + 23 * H, "")
                                                                   + HandMade::shift(8, kMon + 1 + 18 * H, kMon + 1 + 20 * H, ""));
        HandMade::write(m_tmp.filePath("7.KELOFF"), HandMade::timeOff(7, kMon + 2, kMon + 4, "Trip"));
        HandMade::write(m_tmp.filePath("8.KELOFF"), HandMade::timeOff(8, kMon + 3 + 9 * H, kMon + 3 + 11 * H, "Dentist")
                                                        + HandMade::timeOff(8, kMon + 3 + 9 * H, kMon + 3 + 12 * H, "Dentist"));
        // Nights over the changes to and from summer time in Europe (25 March, 28 October 2001).
        HandMade::write(m_tmp.filePath("KITCHEN/20010324.KELSCD"),
                        HandMade::shift(7, kMon + 19 + 22 * H, kMon + 20 + 6 * H, "COOK"));
        const double october27 = OleDate::fromDate(QDate(2001, 10, 27));
        HandMade::write(m_tmp.filePath("KITCHEN/20011027.KELSCD"),
                        HandMade::shift(7, october27 + 22 * H, october27 + 1 + 6 * H, "COOK"));
    }

    void events_data()
    {
        QTest::addColumn<QStringList>("departments");
        QTest::addColumn<QList<qint32>>("employees");
        QTest::addColumn<bool>("timeOff");
        QTest::addColumn<QStringList>("expected");   // uid | summary | description | start | end
        QTest::addColumn<QStringList>("leftOut");
        const QString night = "7-KITCHEN-20010305T2200@shiftgrid|COOK \u2013 KITCHEN|Ann Lee|2001-03-05T22:00:00|2001-03-06T06:00:00";
        const QString bar = "8-BAR-20010306T1800@shiftgrid|Shift \u2013 BAR|Bob Ray|2001-03-06T18:00:00|2001-03-06T23:00:00";
        const QString trip = "7-TIME%20OFF-20010307T0000@shiftgrid|Time off: Trip|Ann Lee|2001-03-07T00:00:00|2001-03-09T00:00:00";
        const QString dentist = "8-TIME%20OFF-20010308T0900@shiftgrid|Time off: Dentist|Bob Ray|2001-03-08T09:00:00|2001-03-08T11:00:00";
        const QString dentist2 = "8-TIME%20OFF-20010308T0900-2@shiftgrid|Time off: Dentist|Bob Ray|2001-03-08T09:00:00|2001-03-08T12:00:00";
        const QString overTrip = "Ann Lee (7), KITCHEN, 2001-03-07 10:00-2001-03-07 14:00";
        const QString sameBegin = "Bob Ray (8), BAR, 2001-03-06 18:00-2001-03-06 20:00";
        QTest::newRow("every department") << QStringList{} << QList<qint32>{} << false << QStringList{night, bar}
                                          << QStringList{overTrip, sameBegin};
        QTest::newRow("one department") << QStringList{"BAR"} << QList<qint32>{} << false << QStringList{bar}
                                        << QStringList{sameBegin};
        QTest::newRow("one department named twice") << QStringList{"BAR", "BAR"} << QList<qint32>{} << false
                                                    << QStringList{bar} << QStringList{sameBegin};
        QTest::newRow("one employee with time off") << QStringList{} << QList<qint32>{7} << true << QStringList{night, trip}
                                                    << QStringList{overTrip};
        QTest::newRow("one department with its members' time off")
            << QStringList{"BAR"} << QList<qint32>{} << true << QStringList{bar, dentist, dentist2} << QStringList{sameBegin};
    }

    void events()
    {
        QFETCH(QStringList, departments);
        QFETCH(QList<qint32>, employees);
        QFETCH(bool, timeOff);
        const ExportIcs::Request request{kMon, kMon + 6, departments, employees, timeOff, "Europe/Paris", {}};
        const ExportIcs::Result result = run(request);
        QCOMPARE(result.error, QString());

        const Calendar calendar = readBack(result.ics);
        QVERIFY(calendar.everyTimeInTheZone);
        QStringList seen;
        for (const Event &e : calendar.events)
            seen << QStringList{e.uid, e.summary, e.description, e.start.toString(Qt::ISODate), e.end.toString(Qt::ISODate)}.join(u'|');
        QTEST(seen, "expected");
        QTEST(result.leftOut, "leftOut");
        QCOMPARE(result.events, seen.size());
        // The same records give the same ids next time, so a calendar updates instead of doubling.
        QStringList again;
        for (const Event &e : readBack(run(request).ics).events)
            again << e.uid;
        QCOMPARE(again.size(), seen.size());
        for (int i = 0; i < again.size(); ++i)
            QVERIFY(seen[i].startsWith(again[i] + u'|'));
    }

    // The file names the zone plainly and describes only what its times need; every event,
    // also one over a change of offset, keeps its wall-clock times.
    void zones_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("zoneId");
        QTest::addColumn<QStringList>("observances");
        QTest::newRow("Europe/Paris, to summer time")
            << "Europe/Paris" << QDate(2001, 3, 19) << "" << "Europe/Paris"
            << QStringList{"STANDARD 20001029T030000 +0200 +0100 CET", "DAYLIGHT 20010325T020000 +0100 +0200 CEST"};
        QTest::newRow("Europe/Paris, from summer time")
            << "Europe/Paris" << QDate(2001, 10, 22) << "" << "Europe/Paris"
            << QStringList{"DAYLIGHT 20010325T020000 +0100 +0200 CEST", "STANDARD 20011028T030000 +0200 +0100 CET"};
        QTest::newRow("America/New_York, no change") << "America/New_York" << QDate(2001, 3, 5) << "" << "America/New_York"
                                                      << QStringList{"STANDARD 20001029T020000 -0400 -0500 EST"};
        QTest::newRow("Etc/UTC") << "Etc/UTC" << QDate(2001, 3, 5) << "" << "" << QStringList{};
        QTest::newRow("Europe/Pari") << "Europe/Pari" << QDate(2001, 3, 5) << "unknown time zone \"Europe/Pari\"" << ""
                                     << QStringList{};
        QTest::newRow("Paris") << "Paris" << QDate(2001, 3, 5) << "unknown time zone \"Paris\"" << "" << QStringList{};
    }

    void zones()
    {
        QFETCH(QString, zone);
        QFETCH(QDate, first);
        QFETCH(QString, error);
        const double day = OleDate::fromDate(first);
        const ExportIcs::Result result = run({day, day + 6, {"KITCHEN"}, {7}, false, zone, {}});
        QVERIFY2(error.isEmpty() ? result.error.isEmpty() : result.error.startsWith(error), qPrintable(result.error));
        QCOMPARE(result.badTimeZone, !error.isEmpty());
        if (!error.isEmpty()) {
            QVERIFY(result.ics.isEmpty());
            return;
        }
        const Calendar calendar = readBack(result.ics);
        QTEST(calendar.zoneId, "zoneId");
        QTEST(calendar.observances, "observances");
        QVERIFY(calendar.everyTimeInTheZone);
        QVERIFY(!calendar.events.isEmpty());
        for (const Event &e : calendar.events) {
            QCOMPARE(e.utcStart, QDateTime(e.start.date(), e.start.time(), QTimeZone(zone.toUtf8())).toUTC());
            QCOMPARE(e.utcEnd, QDateTime(e.end.date(), e.end.time(), QTimeZone(zone.toUtf8())).toUTC());
        }
    }

    // The command: a zone that cannot be described is a bad argument (exit 2, naming it, nothing
    // written), given or the machine's own; refused shifts are named on standard error.
    void command_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("tz");   // the machine's zone, as TZ
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        const QString leftOut = "shiftgrid: left out, the scheduler refuses it as a collision: ";
        QTest::newRow("--time-zone Europe/Pari") << QStringList{"--time-zone", "Europe/Pari"} << "Europe/Paris" << 2
                                                 << "shiftgrid: unknown time zone \"Europe/Pari\" (use a name such as Europe/Paris or Etc/UTC)\n";
        QTest::newRow("TZ=Europe/Pari") << QStringList{} << "Europe/Pari" << 2
                                        << "shiftgrid: this machine's time zone \"Europe/Pari\" is not a known zone, so the "
                                           "times cannot be placed in a calendar; name the zone with --time-zone\n";
        QTest::newRow("TZ=Europe/Pari --time-zone Europe/Paris") << QStringList{"--time-zone", "Europe/Paris"} << "Europe/Pari" << 0
                                                                 << leftOut + "Ann Lee (7), KITCHEN, 2001-03-07 10:00-2001-03-07 14:00\n"
                                                                        + leftOut + "Bob Ray (8), BAR, 2001-03-06 18:00-2001-03-06 20:00\n";
    }

    void command()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, tz);
        QFETCH(int, exitCode);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TZ", tz);
        const QTemporaryDir outside;   // never the data folder: no command writes into what it reads
        const QString out = outside.filePath("out.ics");
        const Run result = runProgram(shiftgrid(), QStringList{"export", "ics", "--data", m_tmp.path(), "--from", "2001-03-05",
                                                               "--to", "2001-03-11", "--out", out} + arguments, environment);
        QTEST(QString::fromUtf8(result.err), "error");
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(QFile::exists(out), exitCode == 0);
    }

    // A real calendar client imports every event of a demo week, and a second import updates
    // them instead of doubling them.
    void khalImportsEveryEventOnce()
    {
        const QString khal = QStandardPaths::findExecutable("khal");
        QVERIFY2(!khal.isEmpty(), "khal is not installed; scripts/deps.sh installs it");
        QTemporaryDir home;
        const QString data = home.filePath("data"), ics = home.filePath("week.ics"), vdir = home.filePath("calendar");
        Run r = runProgram(shiftgrid(), {"demo", "--data", data});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        const QDate monday = QDate::currentDate().addDays(1 - QDate::currentDate().dayOfWeek());
        r = runProgram(shiftgrid(), {"export", "ics", "--data", data, "--from", monday.toString(Qt::ISODate), "--to",
                                     monday.addDays(6).toString(Qt::ISODate), "--time-off", "--time-zone", "Europe/Paris",
                                     "--out", ics});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        const int events = int(HandMade::read(ics).count("BEGIN:VEVENT"));
        QVERIFY(events > 20);

        QVERIFY(QDir().mkpath(vdir));
        HandMade::write(home.filePath("khal.conf"),
                        QStringLiteral("[calendars]\n[[shifts]]\npath = %1\ntype = calendar\n"
                                       "[locale]\nlocal_timezone = Europe/Paris\ndefault_timezone = Europe/Paris\n"
                                       "timeformat = %H:%M\ndateformat = %Y-%m-%d\nlongdateformat = %Y-%m-%d\n"
                                       "datetimeformat = %Y-%m-%d %H:%M\nlongdatetimeformat = %Y-%m-%d %H:%M\n"
                                       "[sqlite]\npath = %2\n")
                            .arg(vdir, home.filePath("khal.db"))
                            .toUtf8());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_DATA_HOME", home.filePath("share"));
        const QStringList config{"-c", home.filePath("khal.conf")};
        // What khal lists over the week: one line per event, its uid and local times.
        auto listed = [&] {
            const Run list = runProgram(khal, config + QStringList{"list", "--format", "{uid} {start} {end}", "--day-format", "",
                                                                   monday.addDays(-1).toString(Qt::ISODate), "10d"},
                                        environment);
            QStringList lines = QString::fromUtf8(list.out).split(u'\n', Qt::SkipEmptyParts);
            lines.removeDuplicates();   // an event over midnight is listed on each of its days
            return lines;
        };
        for (int import = 1; import <= 2; ++import) {
            r = runProgram(khal, config + QStringList{"import", "--batch", "-a", "shifts", ics}, environment);
            QVERIFY2(r.exitCode == 0, (r.out + r.err).constData());
            QCOMPARE(QDir(vdir).entryList({"*.ics"}, QDir::Files).size(), events);
            QCOMPARE(listed().size(), events);
        }
        // khal shows the wall-clock times of the file: a line per event names its start.
        const QByteArray text = HandMade::read(ics);
        const QRegularExpression start("UID:(\\S+)\\r\\n(?:[^\\r]*\\r\\n)*?DTSTART;TZID=Europe/Paris:(\\d{8})T(\\d{2})(\\d{2})");
        const QRegularExpressionMatch first = start.match(QString::fromUtf8(text));
        QVERIFY(first.hasMatch());
        const QString when = QDate::fromString(first.captured(2), "yyyyMMdd").toString(Qt::ISODate) + u' '
                             + first.captured(3) + u':' + first.captured(4);
        QVERIFY2(listed().filter(first.captured(1) + u' ' + when).size() == 1, qPrintable(when));
    }
};

QTEST_GUILESS_MAIN(TestExportIcs)
#include "tst_exportics.moc"
