// The payroll export: one CSV line per department, employee, day and position, over folders
// written by hand from the file layouts.

#include "ExportHours.h"
#include "HandMadeRecords.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
const double kMon = OleDate::fromDate(QDate(2001, 3, 5));   // KITCHEN's weeks start on Monday
constexpr double H = 1.0 / 24;
const char *const kHeader = "Department,Employee Number,Employee Name,Date,Position,Minutes,Day Over Limit,"
                            "Week Over Limit\r\n";
} // namespace

class TestExportHours : public QObject
{
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<QByteArray>("monday");   // Ann's shifts stored on Monday 5 March
        QTest::addColumn<QByteArray>("friday");   // and on Friday 9 March
        QTest::addColumn<QString>("expected");    // the lines for Monday to Wednesday

        const QByteArray none;
        QTest::newRow("one shift") << HandMade::shift(7, kMon + 9 * H, kMon + 17 * H, "COOK") << none
                                   << "KITCHEN,7,\"Ann Lee, Jr.\",2001-03-05,COOK,480,no,no\r\n";
        QTest::newRow("two positions, names in order, day over 8 h")
            << HandMade::shift(7, kMon + 12 * H, kMon + 17 * H, "WAITER") + HandMade::shift(7, kMon + 6 * H, kMon + 10 * H, "COOK")
            << none
            << "KITCHEN,7,\"Ann Lee, Jr.\",2001-03-05,COOK,240,yes,no\r\n"
               "KITCHEN,7,\"Ann Lee, Jr.\",2001-03-05,WAITER,300,yes,no\r\n";
        QTest::newRow("a shift after the range still counts for the week flag")
            << HandMade::shift(7, kMon, kMon + 8 * H, "COOK") << HandMade::shift(7, kMon + 4, kMon + 4 + 33 * H, "COOK")
            << "KITCHEN,7,\"Ann Lee, Jr.\",2001-03-05,COOK,480,no,yes\r\n";
        QTest::newRow("night shift counts on its begin day, seconds dropped")
            << HandMade::shift(7, kMon + 22 * H, kMon + 1 + 6 * H + 59.0 / 86400, "COOK") << none
            << "KITCHEN,7,\"Ann Lee, Jr.\",2001-03-05,COOK,480,no,no\r\n";
        QTest::newRow("reversed and damaged shifts count zero")
            << HandMade::shift(7, kMon + 17 * H, kMon + 9 * H, "COOK") + HandMade::shift(7, qQNaN(), kMon, "COOK")
            << none << "KITCHEN,7,\"Ann Lee, Jr.\",2001-03-05,COOK,0,no,no\r\n";
    }

    void lines()
    {
        QFETCH(QByteArray, monday);
        QFETCH(QByteArray, friday);
        QTemporaryDir tmp;
        HandMade::write(tmp.filePath("Dept.dat"), HandMade::department("KITCHEN", 1, 40, 8));
        HandMade::write(tmp.filePath("EmployeeInfo.dat"), HandMade::employee(7, "Ann", "Lee, Jr."));
        QDir().mkpath(tmp.filePath("KITCHEN"));
        HandMade::write(tmp.filePath("KITCHEN/20010305.KELSCD"), monday);
        HandMade::write(tmp.filePath("KITCHEN/20010309.KELSCD"), friday);

        clsEmployeeInfo info(tmp.path(), clsEmployeeInfo::Access::ReadOnly);
        clsOptions options(ScheduleHelper::SettingsFilePath(tmp.path()));
        const ExportHours::Result result = ExportHours::run(info, options, kMon, kMon + 2, {});
        QCOMPARE(result.error, QString());
        QVERIFY(result.csv.startsWith(QLatin1String(kHeader)));
        QTEST(result.csv.mid(qsizetype(strlen(kHeader))), "expected");
    }
};

QTEST_GUILESS_MAIN(TestExportHours)
#include "tst_exporthours.moc"
