// The headless commands: export master, export week (with its picture) and demo, over data
// folders written by hand from the file layouts; what every command shares: department names,
// output files kept out of the data folder, a department of two records counted once.

#include "app/commands/CommandTable.h"
#include "app/commands/DemoBusiness.h"
#include "grid/Availability.h"
#include "exchange/ExportHours.h"
#include "exchange/ExportMaster.h"
#include "exchange/ExportWeek.h"
#include "FolderChecks.h"
#include "app/commands/ReportCommand.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "exchange/ExportIcs.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const double kMon = OleDate::fromDate(QDate(2001, 3, 5));
constexpr double H = 1.0 / 24;

QJsonObject parse(const QString &json)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        qWarning() << error.errorString();
    return doc.object();
}

struct Run {
    int exitCode = -1;
    QString out, err;
};
Run shiftgrid(const QStringList &arguments)
{
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../src/app/shiftgrid"), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_tmp;
    QString file(const QString &name) const { return m_tmp->filePath(name); }

    void writeBusiness()
    {
        HandMade::write(file("Dept.dat"), HandMade::department("KITCHEN", 1, 40, 8) + HandMade::department("BAR", 5));
        HandMade::write(file("Jobs.dat"), HandMade::position("COOK", 16777215, 255) + HandMade::position("host", 0, 65535));
        QByteArray ann = HandMade::employee(17, "Jos\xe9", "Lee", "18005551", true);
        HandMade::putText(ann, 54, 50, QByteArray("Q\0", 2));   // a NUL inside a middle name
        HandMade::putI32(ann, 156, 25000);                        // dob 1968-06-11
        HandMade::putF64(ann, 336, 36000.25);                     // Sunday from 6:00
        HandMade::putF64(ann, 392, 0.75);                         // Sunday until 18:00
        QByteArray blank(732, '\0');                              // a record never filled
        HandMade::putI32(blank, 0, 99);
        HandMade::write(file("EmployeeInfo.dat"), ann + blank + HandMade::employee(23, "Bo", "Ek"));
        HandMade::write(file("EmployeeDept.dat"), HandMade::membership(23, "KITCHEN") + HandMade::membership(17, "KITCHEN")
                                                      + HandMade::membership(17, "BAR"));
        HandMade::write(file("JobsAval.dat"), HandMade::assignment(17, "cook") + HandMade::assignment(23, "COOK"));
        HandMade::write(file("Shifts.dat"), HandMade::defaultShift("KITCHEN", 22 * H, 6 * H)
                                                + HandMade::defaultShift("BAR", 36000 + 0.5, 1.0));
    }

private slots:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
    }

    // The master export of hand-made folders against checked-in files.
    void exportMasterMatchesGolden_data()
    {
        QTest::addColumn<QString>("golden");
        QTest::newRow("business") << "master-business.json";
        QTest::newRow("empty folder") << "master-empty.json";
        QTest::newRow("repeated numbers") << "master-repeated.json";
    }
    void exportMasterMatchesGolden()
    {
        QFETCH(QString, golden);
        if (golden == "master-business.json") {
            writeBusiness();
        } else if (golden == "master-repeated.json") {
            // Two records share number 5: names come from each record, availability from the
            // last; departments and positions are listed for both in record order.
            QByteArray first = HandMade::employee(5, "First", "Five");
            HandMade::putF64(first, 336, 0.25);
            QByteArray second = HandMade::employee(5, "Second", "Five");
            HandMade::putF64(second, 336, 0.5);
            HandMade::write(file("EmployeeInfo.dat"), first + HandMade::employee(6, "Six", "") + second);
            HandMade::write(file("EmployeeDept.dat"), HandMade::membership(5, "B") + HandMade::membership(6, "A")
                                                          + HandMade::membership(5, "A"));
            HandMade::write(file("JobsAval.dat"), HandMade::assignment(5, "HOST") + HandMade::assignment(6, "COOK")
                                                      + HandMade::assignment(5, "COOK"));
        }
        const auto before = snapshot(m_tmp->path());
        const clsEmployeeInfo info(m_tmp->path(), clsEmployeeInfo::Access::ReadOnly);
        const QString json = ExportMaster::toJson(info);
        QCOMPARE(snapshot(m_tmp->path()), before);   // not even BarNames.dat appears

        QVERIFY(matchesGolden(json, golden));
    }

    void exportWeekShowsWhatTheSchedulerWould()
    {
        writeBusiness();
        QDir().mkpath(file("KITCHEN"));
        // Sunday evening before the week (shown, not counted), a long Monday, and a Tuesday shift
        // refused because it touches Monday's shift of the same employee.
        HandMade::write(file("KITCHEN/20010304.KELSCD"), HandMade::shift(23, kMon - 1 + 22 * H, kMon + 6 * H, "COOK"));
        HandMade::write(file("KITCHEN/20010305.KELSCD"),
                        HandMade::shift(23, kMon + 8 * H, kMon + 18 * H, "COOK")
                            + HandMade::shift(17, kMon + 10 * H, kMon + 14 * H, "GONE")
                            + HandMade::shift(23, kMon + 18 * H, kMon + 20 * H, "COOK"));
        HandMade::write(file("17.KELOFF"), HandMade::timeOff(17, kMon + 2, kMon + 4, " Trip "));
        const auto before = snapshot(m_tmp->path());

        clsEmployeeInfo info(m_tmp->path(), clsEmployeeInfo::Access::ReadOnly);
        clsOptions options(ScheduleHelper::SettingsFilePath(m_tmp->path()));
        const QString png = QDir::temp().filePath("shiftgrid-week-test.png");
        const ExportWeek::Result result = ExportWeek::run(info, options, "KITCHEN", kMon + 3, png);
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QCOMPARE(snapshot(m_tmp->path()), before);

        // Sunday's evening shift is shown, not counted; Monday is over the day limit; the
        // Tuesday shift touching Monday's is refused with its message.
        QVERIFY(matchesGolden(result.json, "week-kitchen.json"));

        const QImage picture(png);
        QCOMPARE(picture.size(), QSize(1600, 900));
        QFile::remove(png);

        QVERIFY(!ExportWeek::run(info, options, "NOWHERE", kMon).error.isEmpty());

        // A day that cannot be read (a folder in its place) is named, and the export fails.
        QVERIFY(QFile::remove(file("KITCHEN/20010305.KELSCD")));
        QVERIFY(QDir().mkpath(file("KITCHEN/20010305.KELSCD")));
        const ExportWeek::Result partial = ExportWeek::run(info, options, "KITCHEN", kMon);
        QVERIFY2(partial.error.contains("20010305.KELSCD"), qPrintable(partial.error));
        QVERIFY(partial.json.contains("20010305.KELSCD"));
    }

    // The words name one command each; more words follow only a command that takes them.
    void wordsNameTheirCommand_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("command");   // the naming words; {"?"} for none
        const QStringList none{"?"};
        QTest::newRow("(no words)") << QStringList() << QStringList();
        QTest::newRow("export master") << QStringList{"export", "master"} << QStringList{"export", "master"};
        QTest::newRow("export ics") << QStringList{"export", "ics"} << QStringList{"export", "ics"};
        QTest::newRow("export") << QStringList{"export"} << none;
        QTest::newRow("export master extra") << QStringList{"export", "master", "extra"} << none;
        QTest::newRow("import employees a.csv") << QStringList{"import", "employees", "a.csv"} << QStringList{"import", "employees"};
        QTest::newRow("import") << QStringList{"import"} << none;
        QTest::newRow("report weekly") << QStringList{"report", "weekly"} << QStringList{"report"};
        QTest::newRow("report") << QStringList{"report"} << QStringList{"report"};
        QTest::newRow("check extra") << QStringList{"check", "extra"} << none;
        QTest::newRow("demo") << QStringList{"demo"} << QStringList{"demo"};
        QTest::newRow("copy") << QStringList{"copy"} << QStringList{"copy"};
        QTest::newRow("Copy") << QStringList{"Copy"} << none;
    }
    void wordsNameTheirCommand()
    {
        QFETCH(QStringList, words);
        QFETCH(QStringList, command);
        const Command *found = CommandTable::find(words);
        QCOMPARE(found ? found->words : QStringList{"?"}, command);
    }

    // --help lists every command in its place; a word that names none says where to look.
    void helpAndUnknownCommands_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::newRow("--help") << QStringList{"--help"} << 0 << QString();
        QTest::newRow("export") << QStringList{"export"} << 1 << "shiftgrid: unknown command \"export\"; see shiftgrid --help\n";
        QTest::newRow("check extra") << QStringList{"check", "extra"} << 1 << "shiftgrid: unknown command \"check extra\"; see shiftgrid --help\n";
    }
    void helpAndUnknownCommands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        const Run run = shiftgrid(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.err, err);
        if (exitCode == 0)
            QVERIFY(matchesGolden(run.out, QStringLiteral("help.txt")));
        else
            QCOMPARE(run.out, QString());
    }

    // Standard error carries the command's own messages only, also without XDG_RUNTIME_DIR.
    void standardErrorHoldsOnlyTheCommandsMessages()
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        process.setProcessEnvironment(environment);
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../src/app/shiftgrid"),
                      {"export", "master", "--data", file("missing")});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                 QStringLiteral("shiftgrid: data folder not found: %1\n").arg(file("missing")));
    }

    // No command writes what it makes into the data folder it reads, whatever path leads there.
    // {data} is the data folder, {tmp} the folder around it.
    void outputInTheDataFolderIsRefused_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("target");
        const QStringList hours{"export", "hours", "--from", "2001-03-05", "--to", "2001-03-11"};
        QTest::newRow("--out {data}/Dept.dat") << hours << "--out" << "{data}/Dept.dat";
        QTest::newRow("--out {data}/new/folder/hours.csv") << hours << "--out" << "{data}/new/folder/hours.csv";
        QTest::newRow("--out {tmp}/elsewhere/../data/hours.csv") << hours << "--out" << "{tmp}/elsewhere/../data/hours.csv";
        QTest::newRow("--out through a link to the folder") << hours << "--out" << "{tmp}/link-to-data/hours.csv";
        QTest::newRow("--out a link to Dept.dat") << hours << "--out" << "{tmp}/link-to-dept.csv";
        QTest::newRow("--out a link to a new file inside") << hours << "--out" << "{tmp}/link-to-new.csv";
        QTest::newRow("export ics --out {data}/KITCHEN/week.ics")
            << QStringList{"export", "ics", "--from", "2001-03-05", "--to", "2001-03-11"} << "--out"
            << "{data}/KITCHEN/week.ics";
        QTest::newRow("export week --png {data}/week.png")
            << QStringList{"export", "week", "--department", "KITCHEN", "--date", "2001-03-05"} << "--png"
            << "{data}/week.png";
        QTest::newRow("report weekly --pdf {data}/weekly.pdf")
            << QStringList{"report", "weekly", "--from", "2001-03-05", "--to", "2001-03-11"} << "--pdf"
            << "{data}/weekly.pdf";
    }
    void outputInTheDataFolderIsRefused()
    {
        QFETCH(QStringList, command);
        QFETCH(QString, option);
        QFETCH(QString, target);
        const QString data = file("data");
        QVERIFY(QDir().mkpath(data + "/KITCHEN"));
        QVERIFY(QDir().mkpath(file("elsewhere")));
        QVERIFY(QFile::link(data, file("link-to-data")));
        QVERIFY(QFile::link(data + "/Dept.dat", file("link-to-dept.csv")));
        QVERIFY(QFile::link(data + "/new.csv", file("link-to-new.csv")));
        HandMade::write(data + "/Dept.dat", HandMade::department("KITCHEN", 1));
        const auto before = snapshot(data);

        target.replace("{data}", data).replace("{tmp}", m_tmp->path());
        const Run run = shiftgrid(command + QStringList{"--data", data, option, target});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, QStringLiteral("shiftgrid: %1 %2 is inside the data folder %3 that the command reads; "
                                         "write it elsewhere\n").arg(option, target, data));
        QCOMPARE(snapshot(data), before);
    }

    // Every command takes a department in any letter case, with blanks around it.
    void departmentInAnyLetterCase_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("department");
        QTest::addColumn<QString>("shown");   // a piece of the output that only KITCHEN's week holds
        const QStringList days{"--from", "2001-03-05", "--to", "2001-03-11"};
        QTest::newRow("export hours, kitchen") << QStringList{"export", "hours"} + days << "kitchen" << "KITCHEN,23,Bo Ek";
        QTest::newRow("export week,  Kitchen ") << QStringList{"export", "week", "--date", "2001-03-05"} << " Kitchen "
                                                << "\"department\": \"KITCHEN\"";
        QTest::newRow("export ics, kItChEn and a tab") << QStringList{"export", "ics"} + days << "kItChEn\t"
                                                       << "BEGIN:VEVENT";
        QTest::newRow("report weekly, kitchen") << QStringList{"report", "weekly", "--text"} + days << "kitchen"
                                                << "KITCHEN";
    }
    void departmentInAnyLetterCase()
    {
        QFETCH(QStringList, command);
        QFETCH(QString, department);
        QFETCH(QString, shown);
        writeBusiness();
        QDir().mkpath(file("KITCHEN"));
        HandMade::write(file("KITCHEN/20010305.KELSCD"), HandMade::shift(23, kMon + 8 * H, kMon + 16 * H, "COOK"));
        const Run run = shiftgrid(command + QStringList{"--data", m_tmp->path(), "--department", department});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY2(run.out.contains(shown), qPrintable(run.out));
        const Run unknown = shiftgrid(command + QStringList{"--data", m_tmp->path(), "--department", "KITCHN"});
        QVERIFY(unknown.exitCode != 0);
        QVERIFY2(unknown.err.contains("\"KITCHN\""), qPrintable(unknown.err));
    }

    // A department that old files hold as two records is one department in every output.
    void departmentOfTwoRecordsCountsOnce_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("line");   // a line of the output that must appear exactly once
        QTest::newRow("export hours") << "hours" << "KITCHEN,23,Bo Ek,2001-03-05,COOK,480,no,no,,";
        QTest::newRow("export ics") << "ics" << "BEGIN:VEVENT";
        QTest::newRow("report individual") << "individual" << "Detail\t3/5/01\tMon\t8:00 A\t4:00 P\tKITCHEN\tCOOK\t8:00";
        QTest::newRow("report weekly") << "weekly" << "Detail\t3/5/01\tMon\t8:00 A\t4:00 P\tBo Ek\tCOOK\t8:00";
        QTest::newRow("report hours-by-department") << "hours-by-department" << "GroupDepartmentFoot\t\tTotal Hours 8:00\t0.00*";
    }
    void departmentOfTwoRecordsCountsOnce()
    {
        QFETCH(QString, output);
        QFETCH(QString, line);
        writeBusiness();
        HandMade::write(file("Dept.dat"), HandMade::department("KITCHEN", 1, 40, 8) + HandMade::department("BAR", 5)
                                              + HandMade::department("KITCHEN", 3));
        QDir().mkpath(file("KITCHEN"));
        HandMade::write(file("KITCHEN/20010305.KELSCD"), HandMade::shift(23, kMon + 8 * H, kMon + 16 * H, "COOK"));
        clsEmployeeInfo info(m_tmp->path(), clsEmployeeInfo::Access::ReadOnly);
        clsOptions options(ScheduleHelper::SettingsFilePath(m_tmp->path()));
        QCOMPARE(info.DepartmentNames(), (QStringList{"KITCHEN", "BAR"}));

        QString text;
        if (output == "hours") {
            text = ExportHours::run(info, options, kMon, kMon + 6, {}).csv;
        } else if (output == "ics") {
            ExportIcs::Request request;
            request.firstDay = kMon;
            request.lastDay = kMon + 6;
            text = QString::fromUtf8(ExportIcs::run(info, options, request).ics);
        } else {
            ReportCommand::Request request;
            request.type = output;
            request.data = m_tmp->path();
            request.from = "2001-03-05";
            request.to = "2001-03-11";
            request.text = true;
            text = ReportCommand::execute(request).out;
        }
        QCOMPARE(text.split(QRegularExpression("\r?\n")).count(line), 1);
    }

    void demoFillsOnlyAnEmptyFolder()
    {
        HandMade::write(file("notes.txt"), "mine");
        QVERIFY(!DemoBusiness::create(m_tmp->path(), {}).isEmpty());
        QCOMPARE(QDir(m_tmp->path()).entryList(QDir::Files), QStringList{"notes.txt"});

        const QString folder = file("demo");
        DemoBusiness::Options options;
        options.employees = 12;
        options.weeks = 2;
        options.today = kMon;
        QCOMPARE(DemoBusiness::create(folder, options), QString());

        clsEmployeeInfo info(folder, clsEmployeeInfo::Access::ReadOnly);
        clsOptions settings(ScheduleHelper::SettingsFilePath(folder));
        QCOMPARE(info.Employees().size(), 12);
        QVERIFY(info.Departments().size() >= 3);
        QHash<qint32, WeekAvailability> available;
        for (const EmployeeFields &e : info.Employees())
            for (int d = 0; d < 7; ++d) {
                available[e.number].start[d] = OleDate::timeOfDay(e.availabilityStart[d]);
                const double end = OleDate::timeOfDay(e.availabilityEnd[d]);
                available[e.number].end[d] = end == 0 ? 1.0 : end;
            }
        // Every department's week loads without a refused shift, and somebody works in each;
        // the shifts mostly fall within their employees' available hours.
        int shifts = 0, inside = 0;
        for (const QString &department : DemoBusiness::departments()) {
            const QJsonObject week = parse(ExportWeek::run(info, settings, department, kMon).json);
            QCOMPARE(week["refused"].toArray().size(), 0);
            QVERIFY(week["blocks"].toArray().size() > 0);
            QVERIFY(!info.ShiftAutoGetAll(department).isEmpty());
            const QJsonArray rows = week["rows"].toArray();
            for (const QJsonValue &block : week["blocks"].toArray()) {
                const QJsonObject b = block.toObject();
                if (b["timeOff"].toBool())
                    continue;
                const qint32 employee = rows[b["row"].toInt()].toObject()["employee"].toInt();
                const double begin = OleDate::fromDateTime(QDateTime::fromString(b["begin"].toString(), Qt::ISODate));
                const double end = OleDate::fromDateTime(QDateTime::fromString(b["end"].toString(), Qt::ISODate));
                ++shifts;
                inside += Availability::isWithin(available.value(employee), begin, end) ? 1 : 0;
            }
        }
        QVERIFY2(inside >= shifts * 8 / 10, qPrintable(QStringLiteral("%1 of %2").arg(inside).arg(shifts)));
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
