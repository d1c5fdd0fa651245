// The payroll export: one CSV line per department, employee, day and position, over folders
// written by hand from the file layouts; its totals against the scheduler's hours column.

#include "exchange/ExportHours.h"
#include "exchange/ExportWeek.h"
#include "HandMadeRecords.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const double kMon = OleDate::fromDate(QDate(2001, 3, 5));   // KITCHEN's weeks start on Monday
const double kTue = kMon + 1;
constexpr double H = 1.0 / 24;
constexpr double S = 1.0 / 86400;
const char *const kHeader = "Department,Employee Number,Employee Name,Date,Position,Minutes,Day Over Limit,"
                            "Week Over Limit,Hourly Rate,Cost\r\n";

struct Folder {
    QTemporaryDir tmp;
    Folder(const QByteArray &departments, const QByteArray &employee)
    {
        HandMade::write(tmp.filePath("Dept.dat"), departments);
        HandMade::write(tmp.filePath("EmployeeInfo.dat"), employee);
        HandMade::write(tmp.filePath("EmployeeDept.dat"), HandMade::membership(7, "KITCHEN"));
        QDir().mkpath(tmp.filePath("KITCHEN"));
    }
    void day(double day, const QByteArray &shifts)
    {
        HandMade::write(tmp.filePath("KITCHEN/" + OleDate::format(day, "yyyymmdd") + ".KELSCD"), shifts);
    }
    QString csv(double first, double last, const QStringList &departments = {})
    {
        clsEmployeeInfo info(tmp.path(), clsEmployeeInfo::Access::ReadOnly);
        clsOptions options(ScheduleHelper::SettingsFilePath(tmp.path()));
        const ExportHours::Result result = ExportHours::run(info, options, first, last, departments);
        if (!result.error.isEmpty() || !result.csv.startsWith(QLatin1String(kHeader)))
            return "error: " + result.error;
        return result.csv.mid(qsizetype(strlen(kHeader)));
    }
    // The week's hours text of employee 7 in the scheduler's hours column, as minutes.
    int gridWeekMinutes()
    {
        clsEmployeeInfo info(tmp.path(), clsEmployeeInfo::Access::ReadOnly);
        clsOptions options(ScheduleHelper::SettingsFilePath(tmp.path()));
        const QJsonObject week = QJsonDocument::fromJson(ExportWeek::run(info, options, "KITCHEN", kMon).json.toUtf8()).object();
        for (const QJsonValue row : week["rows"].toArray())
            if (row["employee"].toInt() == 7) {
                const QStringList hm = row["weekHours"].toString().split(':');
                return hm.size() == 2 ? hm[0].toInt() * 60 + hm[1].toInt() : 0;
            }
        return -1;
    }
};

int minutesOfLines(const QString &csv)
{
    int minutes = 0;
    for (const QString &line : csv.split("\r\n", Qt::SkipEmptyParts))
        minutes += line.section(',', -5, -5).toInt();
    return minutes;
}
} // namespace

class TestExportHours : public QObject
{
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<QByteArray>("monday");    // Ann's shifts stored on Monday 5 March
        QTest::addColumn<QByteArray>("tuesday");   // on Tuesday 6 March
        QTest::addColumn<QByteArray>("friday");    // and on Friday 9 March
        QTest::addColumn<QByteArray>("timeOff");   // her time-off file
        QTest::addColumn<QString>("expected");     // the lines for Monday to Wednesday

        const QByteArray none;
        const QByteArray cook9to5 = HandMade::shift(7, kMon + 9 * H, kMon + 17 * H, "COOK");
        QTest::newRow("one shift") << cook9to5 << none << none << none
                                   << "KITCHEN,7,\"Ann Lee, Jr.\",2001-03-05,COOK,480,no,no,,\r\n";
        QTest::newRow("two positions, names in order, day over 8 h")
            << HandMade::shift(7, kMon + 12 * H, kMon + 17 * H, "WAITER") + HandMade::shift(7, kMon + 6 * H, kMon + 10 * H, "COOK")
            << none << none << none
            << "KITCHEN,7,\"Ann Lee, Jr.\",2001-03-05,COOK,240,yes,no,,\r\n"
               "KITCHEN,7,\"Ann Lee, Jr.\",2001-03-05,WAITER,300,yes,no,,\r\n";
        QTest::newRow("a shift after the range still counts for the week flag")
            << HandMade::shift(7, kMon + 8 * H, kMon + 16 * H, "COOK") << none
            << HandMade::shift(7, kMon + 4, kMon + 4 + 33 * H, "COOK") << none
            << "KITCHEN,7,\"Ann Lee, Jr.\",2001-03-05,COOK,480,no,yes,,\r\n";
        QTest::newRow("night shift counts on its begin day, seconds dropped")
            << HandMade::shift(7, kMon + 22 * H, kMon + 1 + 6 * H + 59 * S, "COOK") << none << none << none
            << "KITCHEN,7,\"Ann Lee, Jr.\",2001-03-05,COOK,480,no,no,,\r\n";
        QTest::newRow("reversed and damaged shifts count zero")
            << HandMade::shift(7, kMon + 17 * H, kMon + 9 * H, "COOK") + HandMade::shift(7, qQNaN(), kMon, "COOK")
            << none << none << none << "KITCHEN,7,\"Ann Lee, Jr.\",2001-03-05,COOK,0,no,no,,\r\n";
        // The scheduler refuses a stored shift that collides with time off or an earlier shift:
        // its grid shows 8:00 for these weeks, and so must the export.
        QTest::newRow("Tuesday shift over all-day time off")
            << cook9to5 << HandMade::shift(7, kTue + 9 * H, kTue + 17 * H, "COOK") << none
            << HandMade::timeOff(7, kTue, kTue + 1, "Doctor")
            << "KITCHEN,7,\"Ann Lee, Jr.\",2001-03-05,COOK,480,no,no,,\r\n";
        QTest::newRow("shift touching an earlier one")
            << cook9to5 + HandMade::shift(7, kMon + 17 * H, kMon + 21 * H, "WAITER") << none << none << none
            << "KITCHEN,7,\"Ann Lee, Jr.\",2001-03-05,COOK,480,no,no,,\r\n";
        QTest::newRow("shift inside one of the Sunday before")
            << HandMade::shift(7, kMon + 1 * H, kMon + 3 * H, "COOK") << none << none << none << "";
        // Two shifts of 7:59:30: the grid shows 15:59 for the week; the lines add up to it.
        QTest::newRow("seconds add up to the week's minutes")
            << HandMade::shift(7, kMon + 8 * H, kMon + 8 * H + 28770 * S, "COOK")
            << HandMade::shift(7, kTue + 8 * H, kTue + 8 * H + 28770 * S, "COOK") << none << none
            << "KITCHEN,7,\"Ann Lee, Jr.\",2001-03-05,COOK,479,no,no,,\r\n"
               "KITCHEN,7,\"Ann Lee, Jr.\",2001-03-06,COOK,480,no,no,,\r\n";
    }

    // Ann's rates: 12.00 for every position, 16.00 as WAITER; KITCHEN's limits 40 a week and 8
    // a day. The lines of the week add up to its cost.
    void cost_data()
    {
        QTest::addColumn<QByteArray>("monday");
        QTest::addColumn<QByteArray>("budgets");
        QTest::addColumn<QString>("expected");

        const QByteArray none;
        QTest::newRow("a position's own rate, and the general one")
            << HandMade::shift(7, kMon + 6 * H, kMon + 10 * H, "COOK") + HandMade::shift(7, kMon + 12 * H, kMon + 16 * H, "WAITER")
            << none
            << "KITCHEN,7,Ann Lee,2001-03-05,COOK,240,no,no,12.00,48.00\r\n"
               "KITCHEN,7,Ann Lee,2001-03-05,WAITER,240,no,no,16.00,64.00\r\n";
        QTest::newRow("a position without its own rate takes the employee's") << HandMade::shift(7, kMon + 6 * H, kMon + 10 * H, "HOST") << none
                                                                          << "KITCHEN,7,Ann Lee,2001-03-05,HOST,240,no,no,12.00,48.00\r\n";
        QTest::newRow("10 h on a day: the last 2 h at 1.5, in the later shift")
            << HandMade::shift(7, kMon + 6 * H, kMon + 10 * H, "COOK") + HandMade::shift(7, kMon + 12 * H, kMon + 18 * H, "WAITER")
            << none
            << "KITCHEN,7,Ann Lee,2001-03-05,COOK,240,yes,no,12.00,48.00\r\n"
               "KITCHEN,7,Ann Lee,2001-03-05,WAITER,360,yes,no,16.00,112.00\r\n";
        QTest::newRow("the department's multiplier 2")
            << HandMade::shift(7, kMon + 6 * H, kMon + 16 * H, "COOK") << QByteArray("Department,Weekly Budget,Overtime Multiplier\nkitchen,,2\n")
            << "KITCHEN,7,Ann Lee,2001-03-05,COOK,600,yes,no,12.00,144.00\r\n";
    }

    void cost()
    {
        QFETCH(QByteArray, monday);
        QFETCH(QByteArray, budgets);
        Folder folder(HandMade::department("KITCHEN", 1, 40, 8), HandMade::employee(7, "Ann", "Lee"));
        folder.day(kMon, monday);
        HandMade::write(folder.tmp.filePath("PayRates.csv"), "Employee Number,Position,Hourly Rate\n7,,12\n7,waiter,16\n");
        HandMade::write(folder.tmp.filePath("Budgets.csv"), budgets);
        QTEST(folder.csv(kMon, kMon + 6), "expected");
    }

    void lines()
    {
        QFETCH(QByteArray, monday);
        QFETCH(QByteArray, tuesday);
        QFETCH(QByteArray, friday);
        QFETCH(QByteArray, timeOff);
        Folder folder(HandMade::department("KITCHEN", 1, 40, 8), HandMade::employee(7, "Ann", "Lee, Jr."));
        folder.day(kMon - 1, HandMade::shift(7, kMon - 1 + 22 * H, kMon + 4 * H, "COOK"));
        folder.day(kMon, monday);
        folder.day(kTue, tuesday);
        folder.day(kMon + 4, friday);
        HandMade::write(folder.tmp.filePath("7.KELOFF"), timeOff);

        QTEST(folder.csv(kMon, kMon + 2), "expected");
        // The whole week's lines add up to the hours column's week total, to the minute.
        QCOMPARE(minutesOfLines(folder.csv(kMon, kMon + 6)), folder.gridWeekMinutes());
    }

    // Text cells that a spreadsheet would run as a formula get a leading apostrophe.
    void formulaCells_data()
    {
        QTest::addColumn<QByteArray>("firstName");
        QTest::addColumn<QByteArray>("position");
        QTest::addColumn<QString>("cells");   // the name and position cells as written

        QTest::newRow("=HYPERLINK(...)") << QByteArray("=HYPERLINK(\"http://x\")") << QByteArray("COOK")
                                         << "\"'=HYPERLINK(\"\"http://x\"\") Lee\",2001-03-05,COOK";
        QTest::newRow("+1") << QByteArray("+1") << QByteArray("COOK") << "'+1 Lee,2001-03-05,COOK";
        QTest::newRow("-2+3") << QByteArray("-2+3") << QByteArray("COOK") << "'-2+3 Lee,2001-03-05,COOK";
        QTest::newRow("@SUM(A1)") << QByteArray("@SUM(A1)") << QByteArray("COOK") << "'@SUM(A1) Lee,2001-03-05,COOK";
        QTest::newRow("tab first") << QByteArray("\t=1") << QByteArray("COOK") << "'\t=1 Lee,2001-03-05,COOK";
        QTest::newRow("carriage return first") << QByteArray("\r=1") << QByteArray("COOK") << "\"'\r=1 Lee\",2001-03-05,COOK";
        QTest::newRow("position =1+1") << QByteArray("Ann") << QByteArray("=1+1") << "Ann Lee,2001-03-05,'=1+1";
        QTest::newRow("sign inside, not first") << QByteArray("Ann=1") << QByteArray("A-B") << "Ann=1 Lee,2001-03-05,A-B";
    }
    void formulaCells()
    {
        QFETCH(QByteArray, firstName);
        QFETCH(QByteArray, position);
        QFETCH(QString, cells);
        Folder folder(HandMade::department("KITCHEN", 1), HandMade::employee(7, firstName, "Lee"));
        folder.day(kMon, HandMade::shift(7, kMon + 9 * H, kMon + 17 * H, position));
        QCOMPARE(folder.csv(kMon, kMon), "KITCHEN,7," + cells + ",480,no,no,,\r\n");
    }

    // Old files may hold two records of one department: its shifts count once, and a
    // department is named in any letter case, with blanks around it, and named twice counts once.
    void departmentsCountOnce_data()
    {
        QTest::addColumn<QByteArray>("departments");
        QTest::addColumn<QStringList>("named");
        const QByteArray kitchen = HandMade::department("KITCHEN", 1);
        QTest::newRow("two records of KITCHEN") << kitchen + HandMade::department("BAR") + kitchen << QStringList{};
        QTest::newRow("two records, KITCHEN named") << kitchen + kitchen << QStringList{"KITCHEN"};
        QTest::newRow(" kitchen ") << kitchen << QStringList{" kitchen "};
        QTest::newRow("Kitchen and KITCHEN") << kitchen << QStringList{"Kitchen", "KITCHEN"};
    }
    void departmentsCountOnce()
    {
        QFETCH(QByteArray, departments);
        QFETCH(QStringList, named);
        Folder folder(departments, HandMade::employee(7, "Ann", "Lee"));
        folder.day(kMon, HandMade::shift(7, kMon + 9 * H, kMon + 17 * H, "COOK"));
        QCOMPARE(folder.csv(kMon, kMon + 6, named), QString("KITCHEN,7,Ann Lee,2001-03-05,COOK,480,no,no,,\r\n"));
        QCOMPARE(folder.csv(kMon, kMon, {"KITCHN"}), QString("error: no department named \"KITCHN\""));
    }
};

QTEST_MAIN(TestExportHours)
#include "tst_exporthours.moc"
