// The check command's findings beyond single records: what a user would call broken although
// every record on its own reads fine (a department twice, a folder no window reads, a shift of
// someone outside the department, shifts at the same time in two departments), and findings
// that stay one line however many records share them.

#include "app/commands/CheckCommand.h"
#include "FolderChecks.h"
#include "data/OleDate.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
const double kMon = OleDate::fromDate(QDate(2001, 3, 5));
constexpr double H = 1.0 / 24;

QByteArray employee(qint32 number, const QByteArray &first, qint32 birth, qint32 hire)
{
    QByteArray r = HandMade::employee(number, first, "Lee");
    HandMade::putI32(r, 156, birth);
    HandMade::putI32(r, 268, hire);
    return r;
}

const qint32 kBirth = qint32(OleDate::fromDate(QDate(1980, 6, 1)));
const qint32 kHire = qint32(OleDate::fromDate(QDate(2000, 1, 10)));

// A small business without a fault: Ann (17) works KITCHEN as COOK and FRONT OF HOUSE as HOST,
// Bo (23) works KITCHEN as COOK.
const QMap<QString, QByteArray> &cleanFolder()
{
    static const QMap<QString, QByteArray> files = {
        {"Dept.dat", HandMade::department("KITCHEN", 1) + HandMade::department("FRONT OF HOUSE", 6)},
        {"Jobs.dat", HandMade::position("COOK", 0, 255) + HandMade::position("HOST", 0, 65535)},
        {"EmployeeInfo.dat", employee(17, "Ann", kBirth, kHire) + employee(23, "Bo", 0, 0)},
        {"EmployeeDept.dat", HandMade::membership(17, "KITCHEN") + HandMade::membership(17, "FRONT OF HOUSE")
                                 + HandMade::membership(23, "KITCHEN")},
        {"JobsAval.dat", HandMade::assignment(17, "COOK") + HandMade::assignment(17, "HOST") + HandMade::assignment(23, "COOK")},
        {"KITCHEN/20010305.KELSCD", HandMade::shift(17, kMon + 8 * H, kMon + 12 * H, "COOK")
                                        + HandMade::shift(23, kMon + 8 * H, kMon + 16 * H, "COOK")},
        {"FRONT OF HOUSE/20010305.KELSCD", HandMade::shift(17, kMon + 13 * H, kMon + 17 * H, "HOST")},
    };
    return files;
}

void writeFolder(const QString &root, const QMap<QString, QByteArray> &files)
{
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString path = root + '/' + it.key();
        QDir().mkpath(QFileInfo(path).absolutePath());
        HandMade::write(path, it.value());
    }
}
} // namespace

class TestCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // One fault planted in the clean folder (a file replaced or added); the findings in full.
    void findsWhatNoRecordShowsAlone_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("findings");
        const QByteArray departments = cleanFolder()["Dept.dat"];
        const QByteArray kitchenMonday = cleanFolder()["KITCHEN/20010305.KELSCD"];

        QTest::newRow("KITCHEN twice in Dept.dat")
            << "Dept.dat" << departments + HandMade::department("KITCHEN", 3)
            << QStringList{"Dept.dat: record 3: a second department named \"KITCHEN\" (record 1)"};
        QTest::newRow("department named ..")
            << "Dept.dat" << departments + HandMade::department("..")
            << QStringList{"Dept.dat: record 3: the department name \"..\" cannot be a folder name, so its shifts "
                           "cannot be stored: the names \".\" and \"..\" are not allowed"};
        QTest::newRow("first weekday 9")
            << "Dept.dat" << HandMade::department("KITCHEN", 9) + HandMade::department("FRONT OF HOUSE", 6)
            << QStringList{"Dept.dat: record 1: the first weekday 9 is not a weekday (0 Sunday to 6 Saturday)"};
        QTest::newRow("first weekday -1")
            << "Dept.dat" << HandMade::department("KITCHEN", 1) + HandMade::department("FRONT OF HOUSE", -1)
            << QStringList{"Dept.dat: record 2: the first weekday -1 is not a weekday (0 Sunday to 6 Saturday)"};
        QTest::newRow("birth date in 2500, hire date negative")
            << "EmployeeInfo.dat"
            << employee(17, "Ann", qint32(OleDate::fromDate(QDate(2500, 1, 1))), kHire) + employee(23, "Bo", 0, -3)
            << QStringList{"EmployeeInfo.dat: record 1: the birth date is not a date between 1900 and 2200",
                           "EmployeeInfo.dat: record 2: the hire date is not a date between 1900 and 2200"};
        QTest::newRow("kitchen folder beside KITCHEN")
            << "kitchen/20010306.KELSCD" << HandMade::shift(23, kMon + 1 + 8 * H, kMon + 1 + 16 * H, "COOK")
            << QStringList{"kitchen: no window shows its shifts: the department KITCHEN keeps them in the folder KITCHEN"};
        QTest::newRow("shift of Bo in FRONT OF HOUSE, where he is no member")
            << "FRONT OF HOUSE/20010306.KELSCD" << HandMade::shift(23, kMon + 1 + 8 * H, kMon + 1 + 16 * H, "COOK")
            << QStringList{"FRONT OF HOUSE/20010306.KELSCD: record 1: shift of employee 23, who is not a member of FRONT OF HOUSE"};
        QTest::newRow("shift of Bo as HOST, which he does not hold")
            << "KITCHEN/20010306.KELSCD" << HandMade::shift(23, kMon + 1 + 8 * H, kMon + 1 + 16 * H, "host")
            << QStringList{"KITCHEN/20010306.KELSCD: record 1: shift of employee 23 as HOST, a position the employee does not hold"};
        QByteArray twoAndSix;
        for (int i = 0; i < 8; ++i)
            twoAndSix += HandMade::shift(i < 2 ? 23 : 55, kMon + 1 + i * H, kMon + 1 + (i + 0.5) * H, i < 2 ? "HOST" : "COOK");
        QTest::newRow("two shifts of Bo as HOST, six of nobody")
            << "KITCHEN/20010306.KELSCD" << twoAndSix
            << QStringList{"KITCHEN/20010306.KELSCD: records 1 and 2: shifts of employee 23 as HOST, a position the employee does not hold",
                           "KITCHEN/20010306.KELSCD: records 3, 4, 5 and 3 others: shifts of employee 55, who does not exist"};
        QTest::newRow("Ann at 11a-7p in KITCHEN and 1p-5p in FRONT OF HOUSE")
            << "KITCHEN/20010305.KELSCD"
            << HandMade::shift(17, kMon + 11 * H, kMon + 19 * H, "COOK") + kitchenMonday.mid(540)
            << QStringList{"FRONT OF HOUSE/20010305.KELSCD: record 1 (1:00p - 5:00p): shift of employee 17 overlaps "
                           "KITCHEN/20010305.KELSCD record 1 (11:00a - 7:00p)"};
        QTest::newRow("Ann's Sunday night shift into Monday's")
            << "KITCHEN/20010304.KELSCD" << HandMade::shift(17, kMon - 1 + 22 * H, kMon + 9 * H, "COOK")
            << QStringList{"KITCHEN/20010305.KELSCD: record 1 (8:00a - 12:00p): shift of employee 17 overlaps "
                           "KITCHEN/20010304.KELSCD record 1 (10:00p - 9:00a)"};
        QTest::newRow("Ann in two departments at once, three times")
            << "KITCHEN/20010305.KELSCD"
            << HandMade::shift(17, kMon + 12 * H, kMon + 14 * H, "COOK") + HandMade::shift(17, kMon + 14 * H, kMon + 15 * H, "COOK")
                   + HandMade::shift(17, kMon + 16 * H, kMon + 18 * H, "COOK")
            << QStringList{"FRONT OF HOUSE/20010305.KELSCD: 3 overlaps of shifts of employee 17 with shifts in other "
                           "files on this day, among them KITCHEN/20010305.KELSCD record 1 (12:00p - 2:00p) and record 1 "
                           "(1:00p - 5:00p); record 1 (1:00p - 5:00p) and KITCHEN/20010305.KELSCD record 2 (2:00p - 3:00p); "
                           "record 1 (1:00p - 5:00p) and KITCHEN/20010305.KELSCD record 3 (4:00p - 6:00p)"};
        QTest::newRow("StaffingNeeds.csv with a bad time and a bad weekday")
            << "StaffingNeeds.csv"
            << QByteArray("Department,Weekday,Position,From,To,Needed,Most\r\nKITCHEN,Mon,COOK,25:00,14:00,2,\r\n"
                          "KITCHEN,Tue,COOK,08:00,14:00,2,\r\nKITCHEN,Mond,COOK,08:00,14:00,2,3\r\n")
            << QStringList{"StaffingNeeds.csv: line 2, column From: \"25:00\" is not a time HH:MM",
                           "StaffingNeeds.csv: line 4, column Weekday: \"Mond\" is not a weekday Mon..Sun"};
        QTest::newRow("PayRates.csv with a comma rate, a stranger and an unknown position")
            << "PayRates.csv"
            << QByteArray("Employee Number,Position,Hourly Rate\r\n17,,\"12,50\"\r\n55,,10\r\n17,JUGGLER,9\r\n23,COOK,11\r\n")
            << QStringList{"PayRates.csv: line 2, column Hourly Rate: \"12,50\" is not an amount like 12.50",
                           "PayRates.csv: a rate of employee 55, who does not exist",
                           "PayRates.csv: a rate of employee 17 for the position JUGGLER, which does not exist"};
        QTest::newRow("Budgets.csv with a bad multiplier and an unknown department")
            << "Budgets.csv"
            << QByteArray("Department,Weekly Budget,Overtime Multiplier\r\nKITCHEN,5000,x\r\nGARDEN,100,\r\n")
            << QStringList{"Budgets.csv: line 2, column Overtime Multiplier: \"x\" is not a multiplier from 1 to 10 like 1.5",
                           "Budgets.csv: a budget of the department GARDEN, which does not exist"};
        QTest::newRow("2,000 copies of one shift")
            << "KITCHEN/20010305.KELSCD" << HandMade::shift(23, kMon + 8 * H, kMon + 16 * H, "COOK").repeated(2000)
            << QStringList{"KITCHEN/20010305.KELSCD: 2000 shifts of employee 23 overlap, among them records 1 and 2, "
                           "1 and 3, 1 and 4"};
        QTest::newRow("a long shift over two short ones, a fourth apart")
            << "KITCHEN/20010305.KELSCD"
            << kitchenMonday + HandMade::shift(23, kMon + 9 * H, kMon + 10 * H, "COOK")
                   + HandMade::shift(23, kMon + 15 * H, kMon + 16.5 * H, "COOK")
                   + HandMade::shift(23, kMon + 17 * H, kMon + 18 * H, "COOK")
            << QStringList{"KITCHEN/20010305.KELSCD: 3 shifts of employee 23 overlap, among them records 2 and 3, 2 and 4"};
        QTest::newRow("journal left by an interrupted operation")
            << "Shiftgrid.journal" << QByteArray("rename\n")
            << QStringList{"Shiftgrid.journal: an operation was interrupted; the next start of the program finishes or undoes it"};
    }
    void findsWhatNoRecordShowsAlone()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, findings);
        QTemporaryDir dir;
        QMap<QString, QByteArray> files = cleanFolder();
        files[file] = bytes;
        writeFolder(dir.path(), files);

        const CheckCommand::Result result = CheckCommand::run(dir.path());
        QCOMPARE(result.lines, findings);
        QCOMPARE(result.exitCode, 1);
    }
};

QTEST_MAIN(TestCheck)
#include "tst_check.moc"
