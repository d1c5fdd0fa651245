// The staffing needs file: what a hand-made file reads as, which rows it names as bad and why,
// and that a write gives back what was read.

#include "planning/StaffingNeeds.h"
#include "data/FileError.h"
#include "data/ScheduleHelper.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
const QByteArray kHeader = "Department,Weekday,Position,From,To,Needed,Most\r\n";

QString rowText(const NeedRow &r)
{
    return QStringLiteral("%1 %2 %3 %4-%5 %6/%7")
        .arg(r.department, StaffingNeeds::weekdayName(r.weekday), r.position, StaffingNeeds::timeText(r.from),
             StaffingNeeds::timeText(r.to))
        .arg(r.needed)
        .arg(r.most);
}
} // namespace

class TestStaffingNeeds : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reads_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("problems");

        QTest::newRow("no file") << QByteArray() << QStringList() << QStringList();
        QTest::newRow("one row, names upper-cased, Most empty")
            << kHeader + " kitchen ,mon,Cook,08:00,14:30,2,\r\n" << QStringList{"KITCHEN Mon COOK 08:00-14:30 2/-1"} << QStringList();
        QTest::newRow("past midnight, To 00:00 is the end of the day")
            << kHeader + "BAR,Sat,SERVER,22:00,02:00,1,3\nBAR,Sun,SERVER,18:00,00:00,4,4\n"
            << QStringList{"BAR Sat SERVER 22:00-02:00 1/3", "BAR Sun SERVER 18:00-24:00 4/4"} << QStringList();
        QTest::newRow("columns in another order, header in other letter case, no Most column")
            << QByteArray("needed,position,department,weekday,from,to\r\n3,COOK,KITCHEN,Fri,9:00,17:00\r\n")
            << QStringList{"KITCHEN Fri COOK 09:00-17:00 3/-1"} << QStringList();
        QTest::newRow("byte-order mark and quoted fields")
            << QByteArray("\xEF\xBB\xBF") + kHeader + "\"FRONT, OF HOUSE\",Tue,HOST,11:00,15:00,1,2\r\n"
            << QStringList{"FRONT, OF HOUSE Tue HOST 11:00-15:00 1/2"} << QStringList();
        QTest::newRow("each bad field named, good rows kept")
            << kHeader
                   + "KITCHEN,Mon,COOK,08:00,14:00,2,\r\n"
                     ",Mon,COOK,08:00,14:00,2,\r\n"
                     "KITCHEN,Monday,COOK,08:00,14:00,2,\r\n"
                     "KITCHEN,Mon,,08:00,14:00,2,\r\n"
                     "KITCHEN,Mon,COOK,8h,14:00,2,\r\n"
                     "KITCHEN,Mon,COOK,08:00,24:01,2,\r\n"
                     "KITCHEN,Mon,COOK,08:00,14:00,100,\r\n"
                     "KITCHEN,Mon,COOK,08:00,14:00,-1,\r\n"
                     "KITCHEN,Mon,COOK,08:00,14:00,2,x\r\n"
                     "KITCHEN,Mon,COOK,08:00,14:00,3,2\r\n"
                     "KITCHEN,Mon,COOK,08:00,14:00\r\n"
                     "KITCHEN,Sun,COOK,24:00,14:00,2,\r\n"
                     "KITCHEN,Tue,COOK,10:00,12:00,0,0\r\n"
            << QStringList{"KITCHEN Mon COOK 08:00-14:00 2/-1", "KITCHEN Tue COOK 10:00-12:00 0/0"}
            << QStringList{"line 3, column Department: is empty",
                           "line 4, column Weekday: \"Monday\" is not a weekday Mon..Sun",
                           "line 5, column Position: is empty",
                           "line 6, column From: \"8h\" is not a time HH:MM",
                           "line 7, column To: \"24:01\" is not a time HH:MM",
                           "line 8, column Needed: \"100\" is not a number from 0 to 99",
                           "line 9, column Needed: \"-1\" is not a number from 0 to 99",
                           "line 10, column Most: \"x\" is not a number from 0 to 99",
                           "line 11, column Most: 2 is less than Needed",
                           "line 12: has 5 fields, the header has 7",
                           "line 13, column From: \"24:00\" is not a time HH:MM"};
        QTest::newRow("a quoted field over two lines keeps the next row's line number")
            << kHeader + "\"KIT\nCHEN\",Mon,COOK,08:00,14:00,2,\r\nBAR,Mon,COOK,xx,14:00,2,\r\n"
            << QStringList{"KIT\nCHEN Mon COOK 08:00-14:00 2/-1"} << QStringList{"line 4, column From: \"xx\" is not a time HH:MM"};
        QTest::newRow("missing column: no rows")
            << QByteArray("Department,Weekday,Position,From,Needed\r\nKITCHEN,Mon,COOK,08:00,2\r\n") << QStringList()
            << QStringList{"line 1: the header has no column To"};
        QTest::newRow("no Most column: a short line is told the header's own count")
            << QByteArray("Department,Weekday,Position,From,To,Needed\r\nKITCHEN,Mon,COOK,08:00,14:00\r\nKITCHEN,Mon,COOK,08:00,14:00,2\r\n")
            << QStringList{"KITCHEN Mon COOK 08:00-14:00 2/-1"} << QStringList{"line 2: has 5 fields, the header has 6"};
        QTest::newRow("quote left open")
            << kHeader + "KITCHEN,Mon,\"COOK,08:00,14:00,2,\r\n" << QStringList() << QStringList{"not readable as CSV"};
    }
    void reads()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, problems);
        const StaffingNeeds needs = StaffingNeeds::parse(bytes);
        QStringList got;
        for (const NeedRow &r : needs.rows())
            got << rowText(r);
        QCOMPARE(got, rows);
        QStringList told;
        for (const CsvProblem &p : needs.problems())
            told << p.text();
        if (problems == QStringList{"not readable as CSV"}) {
            QCOMPARE(told.size(), 1);
            QVERIFY2(told.first().startsWith("not readable as CSV: "), qPrintable(told.first()));
        } else {
            QCOMPARE(told, problems);
        }
    }

    // What is written reads back as the same rows, and a department's rows are replaced alone.
    void writesWhatItReads()
    {
        QTemporaryDir dir;
        StaffingNeeds needs = StaffingNeeds::parse(kHeader + "BAR,Sat,SERVER,22:00,02:00,1,3\r\nKITCHEN,Mon,COOK,08:00,00:00,2,\r\n"
                                                             "BAR,Sun,=SUM,10:00,11:00,1,\r\n");
        needs.setRowsOf("bar", {NeedRow{"", 6, "host", 600, 660, 1, 2}});
        needs.write(dir.path());
        const QByteArray bytes = ScheduleHelper::ReadFileBytes(StaffingNeeds::filePath(dir.path()));
        QCOMPARE(bytes, kHeader + "KITCHEN,Mon,COOK,08:00,00:00,2,\r\nBAR,Sun,HOST,10:00,11:00,1,2\r\n");
        QCOMPARE(StaffingNeeds::read(dir.path()).rows(), needs.rows());
        QVERIFY(StaffingNeeds::read(dir.path()).problems().isEmpty());
    }

    // A failed write leaves the old file and is told with the file and the reason.
    void failedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        StaffingNeeds needs = StaffingNeeds::parse(kHeader + "BAR,Sat,SERVER,22:00,02:00,1,3\r\n");
        needs.write(dir.path());
        const QByteArray before = ScheduleHelper::ReadFileBytes(StaffingNeeds::filePath(dir.path()));
        needs.setRowsOf("BAR", {});
        ScheduleHelper::InjectWriteFailure(StaffingNeeds::filePath(dir.path()), "No space left on device");
        try {
            needs.write(dir.path());
            QFAIL("the write did not fail");
        } catch (const FileError &e) {
            QVERIFY(e.userText().contains("StaffingNeeds.csv"));
            QVERIFY(e.userText().contains("No space left on device"));
        }
        ScheduleHelper::ClearInjectedWriteFailures();
        QCOMPARE(ScheduleHelper::ReadFileBytes(StaffingNeeds::filePath(dir.path())), before);
    }
};

QTEST_GUILESS_MAIN(TestStaffingNeeds)
#include "tst_staffingneeds.moc"
