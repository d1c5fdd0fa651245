// The report command: its arguments, exit codes and messages, and that its text output is the
// catalog's report unchanged.

#include "FolderChecks.h"
#include "ReportBusiness.h"
#include "app/commands/ReportCommand.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "reports/ReportCatalog.h"

#include <QCommandLineParser>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>

// The printers the next --print finds, in place of the system's.
ReportCommand::Printers g_fakePrinters;
ReportCommand::Printers fakePrinters() { return g_fakePrinters; }

const QPageLayout kA4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(36, 36, 36, 36), QPageLayout::Point);

class TestReportCommand : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QTemporaryDir m_broken;   // a week whose Monday file cannot be read
    QTemporaryDir m_formulas;   // names a spreadsheet would take for formulas
    QTemporaryDir m_out;

    // Runs the command line as the program would parse it, over the hand-made folder on A4.
    ReportCommand::Result report(QStringList args)
    {
        QCommandLineParser parser;
        parser.addOption({"data", "", "DIR"});
        parser.addOptions({{"department", "", "NAME"}, {"employee", "", "NUMBER"}, {"from", "", "DATE"}, {"to", "", "DATE"}});
        parser.addOptions(ReportCommand::options());
        args.prepend("shiftgrid");
        if (!args.contains("--data"))
            args << "--data" << m_dir.path();
        if (!parser.parse(args))
            return {2, {}, parser.errorText()};
        ReportCommand::Request request = ReportCommand::fromParser(parser, parser.positionalArguments());
        request.pageLayout = kA4;
        return ReportCommand::execute(request);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        writeBusiness(m_dir.path());
        writeUnreadableMonday(m_broken.path());
        using namespace HandMade;
        write(m_formulas.filePath("Dept.dat"), department("=CALC", 1));
        write(m_formulas.filePath("EmployeeInfo.dat"), person(5, "@Bo", "-Ek"));
        write(m_formulas.filePath("EmployeeDept.dat"), membership(5, "=CALC"));
        QDir(m_formulas.path()).mkpath("=CALC");
        write(m_formulas.filePath("=CALC/" + OleDate::format(kMon, "yyyymmdd") + ".KELSCD"),
              shift(5, kMon + 8 * H, kMon + 12 * H, "+POS"));
    }

    // --text prints the catalog's pages for the named selection, nothing else; names are taken
    // in any letter case.
    void textIsTheCatalogsReport_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("departments");
        QTest::addColumn<QStringList>("positions");
        const QStringList week{"--from", "2001-03-05", "--to", "2001-03-11", "--text"};
        for (const QString &type : ReportCommand::types())
            QTest::newRow(qPrintable(type)) << (QStringList{"report", type} + week) << QStringList() << QStringList();
        QTest::newRow("weekly --department bar --position HOST")
            << (QStringList{"report", "weekly", "--department", "bar", "--position", "HOST"} + week) << QStringList{"BAR"}
            << QStringList{"HOST"};
        QTest::newRow("contact-list --department KITCHEN")
            << QStringList{"report", "contact-list", "--department", "KITCHEN", "--text"} << QStringList{"KITCHEN"} << QStringList();
    }
    void textIsTheCatalogsReport()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, departments);
        QFETCH(QStringList, positions);
        const ReportCommand::Result result = report(args);
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        QCOMPARE(result.err, QString());

        clsEmployeeInfo info(m_dir.path(), clsEmployeeInfo::Access::ReadOnly);
        clsOptions options(ScheduleHelper::SettingsFilePath(m_dir.path()));
        ReportRequest request;
        request.firstDay = kMon;
        request.lastDay = kMon + 6;
        request.departments = departments;
        request.positions = positions;
        request.pageLayout = kA4;
        const BuiltReport built = ReportCatalog::build(ReportCatalog::byWord(args.at(1))->id, info, options, request);
        QVERIFY(built.report);
        QCOMPARE(result.out, built.report->pagesText());
    }

    // Which printer --print takes: the one named, the default, or the only one; never a guess
    // among several.
    void printerChoice_data()
    {
        QTest::addColumn<QStringList>("printers");
        QTest::addColumn<QString>("defaultName");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("message");
        const QStringList print{"report", "phone-list", "--print"};
        QTest::newRow("two printers, no default") << QStringList{"Front", "Back"} << QString() << print << 1
                                                 << QStringList{"Front, Back", "--printer NAME"};
        QTest::newRow("no printer") << QStringList() << QString() << print << 1 << QStringList{"--pdf FILE"};
        QTest::newRow("two printers, an unknown one named") << QStringList{"Front", "Back"} << QString()
                                                           << (print + QStringList{"--printer", "Side"}) << 2
                                                           << QStringList{"no printer named \"Side\""};
    }
    void printerChoice()
    {
        QFETCH(QStringList, printers);
        QFETCH(QString, defaultName);
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QStringList, message);
        g_fakePrinters = {printers, defaultName};
        ReportCommand::setPrinterSource(fakePrinters);
        const ReportCommand::Result result = report(args);
        ReportCommand::setPrinterSource(nullptr);
        QCOMPARE(result.exitCode, code);
        for (const QString &part : message)
            QVERIFY2(result.err.contains(part), qPrintable(result.err));
    }

    // --csv writes the report's rows under a header line, cells a spreadsheet would run as a
    // formula made inert; it is one output among --pdf, --print and --text, never in the data
    // folder.
    void csvFile_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("lines");   // the file's first lines; none when refused
        const QStringList week{"--from", "2001-03-05", "--to", "2001-03-11"};
        QTest::newRow("weekly") << (QStringList{"report", "weekly"} + week) << 0
                                << QStringList{"Department,Date,Day,From,To,Name,Position,Hours",
                                               "BAR,3/5/01,Mon,5:00 P,11:00 P,Ann Lee,HOST,6:00"};
        QTest::newRow("phone-list") << QStringList{"report", "phone-list"} << 0
                                    << QStringList{"Name,Phone Number", "José Lee,555-1234"};
        QTest::newRow("week-posting") << (QStringList{"report", "week-posting"} + week) << 0
                                      << QStringList{"Department,Week,Employee,Day 1,Day 2,Day 3,Day 4,Day 5,Day 6,Day 7,Hours"};
        QTest::newRow("formulas made inert")
            << (QStringList{"report", "weekly", "--data", m_formulas.path()} + week) << 0
            << QStringList{"Department,Date,Day,From,To,Name,Position,Hours", "'=CALC,3/5/01,Mon,8:00 A,12:00 P,'@Bo -Ek,'+POS,4:00"};
        QTest::newRow("with --text") << (QStringList{"report", "weekly", "--text"} + week) << 2 << QStringList();
        QTest::newRow("into the data folder")
            << (QStringList{"report", "phone-list", "--csv", m_dir.filePath("rows.csv")}) << 2 << QStringList();
    }
    void csvFile()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QStringList, lines);
        const QString file = m_out.filePath(QStringLiteral("%1.csv").arg(QTest::currentDataTag()));
        if (!args.contains("--csv"))
            args << "--csv" << file;
        const auto before = snapshot(m_dir.path());
        const ReportCommand::Result result = report(args);
        QCOMPARE(snapshot(m_dir.path()), before);
        QVERIFY2(result.exitCode == code, qPrintable(result.err));
        if (lines.isEmpty()) {
            QVERIFY(!QFile::exists(file));
            return;
        }
        const QStringList got = QString::fromUtf8(HandMade::read(file)).split(QStringLiteral("\r\n"));
        QCOMPARE(got.mid(0, lines.size()), lines);
    }

    // The week posting's foot sums up the staffing needs of the data folder against the
    // department week's shifts: hours needed, on shift and short per day and in the week. A
    // night shift counts on the day its hours fall (Sunday night's last hours on Monday); the
    // shifts the scheduler refuses count nowhere.
    void postingSumsUpTheNeeds()
    {
        QTemporaryDir dir;
        writeBusiness(dir.path());
        HandMade::write(dir.filePath("StaffingNeeds.csv"),
                        "Department,Weekday,Position,From,To,Needed,Most\r\nKITCHEN,Tue,COOK,09:00,17:00,2,\r\n");
        const ReportCommand::Result result =
            report({"report", "week-posting", "--data", dir.path(), "--from", "2001-03-05", "--to", "2001-03-05", "--text"});
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        const QStringList lines = result.out.split(u'\n');
        QStringList feet;
        for (const QString &line : lines)
            if (line.startsWith("GroupNeeds"))
                feet << line;
        QCOMPARE(feet.size(), 2);   // the kitchen's week, then the bar's without needs
        QCOMPARE(feet.at(0), QString("GroupNeeds\tNeeded\t0:00\t16:00\t0:00\t0:00\t0:00\t0:00\t0:00\t16:00"
                                     "\tScheduled\t6:00\t8:00\t0:00\t0:00\t0:00\t0:00\t2:00\t16:00"
                                     "\tShort\t0:00\t8:00\t0:00\t0:00\t0:00\t0:00\t0:00\t8:00"));
        QVERIFY(!feet.at(1).contains("Needed"));
    }

    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("printed");
        QTest::newRow("no shifts in the range") << QStringList{"report", "weekly", "--from", "2002-01-01", "--to", "2002-01-07", "--text"} << 3 << "No Data" << false;
        QTest::newRow("reversed dates") << QStringList{"report", "weekly", "--from", "2001-03-11", "--to", "2001-03-05", "--text"} << 2 << "reversed" << false;
        QTest::newRow("unknown type") << QStringList{"report", "monthly", "--text"} << 2 << "TYPE" << false;
        QTest::newRow("no type") << QStringList{"report", "--text"} << 2 << "needs a TYPE: individual, weekly," << false;
        QTest::newRow("no output chosen") << QStringList{"report", "phone-list"} << 2 << "--pdf" << false;
        QTest::newRow("impossible date") << QStringList{"report", "weekly", "--from", "2001-02-30", "--to", "2001-03-05", "--text"} << 2 << "--from" << false;
        QTest::newRow("schedule without --to") << QStringList{"report", "time-off", "--from", "2001-03-05", "--text"} << 2 << "--to needs a date" << false;
        QTest::newRow("unknown department") << QStringList{"report", "phone-list", "--department", "GARDEN", "--text"} << 2 << "--department" << false;
        QTest::newRow("unknown position") << QStringList{"report", "weekly", "--position", "CHEF", "--from", "2001-03-05", "--to", "2001-03-11", "--text"} << 2 << "--position" << false;
        QTest::newRow("employee not a number") << QStringList{"report", "phone-list", "--employee", "x", "--text"} << 2 << "--employee" << false;
        QTest::newRow("nobody left by the filter") << QStringList{"report", "phone-list", "--department", "KITCHEN", "--position", "HOST", "--text"} << 3 << "No Data" << false;
        QTest::newRow("unknown sort order") << QStringList{"report", "phone-list", "--sort", "age", "--text"} << 2 << "--sort" << false;
        QTest::newRow("sorting a schedule report") << QStringList{"report", "weekly", "--sort", "name", "--from", "2001-03-05", "--to", "2001-03-11", "--text"} << 2 << "--sort is for the employee lists" << false;
        QTest::newRow("whole numbers on a schedule report") << QStringList{"report", "week-posting", "--full-ids", "--from", "2001-03-05", "--to", "2001-03-11", "--text"} << 2 << "--full-ids is for the employee lists" << false;
        QTest::newRow("missing folder") << QStringList{"report", "phone-list", "--data", "/nonexistent/x", "--text"} << 2 << "--data" << false;
        QTest::newRow("a day that cannot be read") << QStringList{"report", "weekly", "--data", m_broken.path(), "--from", "2001-03-05", "--to", "2001-03-11", "--text"} << 1 << "20010305.KELSCD" << true;
        if (QPrinterInfo::availablePrinters().isEmpty())
            QTest::newRow("print without a printer") << QStringList{"report", "phone-list", "--print"} << 1 << "--pdf" << false;
        else
            QTest::newRow("print on an unknown printer") << QStringList{"report", "phone-list", "--print", "--printer", "nowhere"} << 2 << "--printer" << false;
    }
    void exitCodes()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        QFETCH(bool, printed);
        const ReportCommand::Result result = report(args);
        QCOMPARE(result.exitCode, code);
        QVERIFY2(result.err.contains(message) && result.err.count(u'\n') == 1, qPrintable(result.err));
        QCOMPARE(result.out.contains("Detail\t3/6/01"), printed);   // what could be read is printed
    }
};

QTEST_MAIN(TestReportCommand)
#include "tst_reportcommand.moc"
