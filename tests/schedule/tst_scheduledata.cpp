// The schedule engine against a grid model over temporary data folders: day files, reloads,
// placement, hour totals, copying and time off.

#include "HandMadeRecords.h"
#include "data/FileError.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "schedule/ScheduleEditor.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/ShiftEditCommand.h"
#include "schedule/clsScheduleData.h"
#include "grid/TimeGridModel.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>
#include <limits>
#include <memory>

namespace {
// Monday 5 March 2001 and the hours of a day.
const double kMon = OleDate::fromDate(QDate(2001, 3, 5));
constexpr double H = 1.0 / 24;
const qint32 ANN = 101, BOB = 202, CY = 303;
} // namespace

Q_DECLARE_METATYPE(EditRefusal)

class TestScheduleData : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_tmp;
    std::unique_ptr<clsEmployeeInfo> m_info;
    std::unique_ptr<clsOptions> m_options;
    std::unique_ptr<TimeGridModel> m_grid;
    std::unique_ptr<clsScheduleData> m_data;

    QString dayPath(const char *dept, double day) const
    {
        return m_tmp->filePath(QString::fromLatin1(dept) + "/" + OleDate::format(day, "yyyymmdd") + ".KELSCD");
    }
    void writeDay(const char *dept, double day, const QByteArray &bytes)
    {
        QDir().mkpath(m_tmp->filePath(QString::fromLatin1(dept)));
        HandMade::write(dayPath(dept, day), bytes);
    }

    // A business: department KITCHEN (week limit 40, day limit 8) with Ann, Bob and Cy;
    // positions COOK (red bars) and WAITER.
    void makeBusiness()
    {
        HandMade::write(m_tmp->filePath("Dept.dat"), HandMade::department("KITCHEN", 1, 40, 8));
        HandMade::write(m_tmp->filePath("Jobs.dat"),
                        HandMade::position("COOK", 16777215, 255) + HandMade::position("WAITER", 0, 65535));
        HandMade::write(m_tmp->filePath("EmployeeInfo.dat"), HandMade::employee(ANN, "Ann", "Lee")
                                                                 + HandMade::employee(BOB, "Bob", "Ray")
                                                                 + HandMade::employee(CY, "Cy", "Day"));
        HandMade::write(m_tmp->filePath("EmployeeDept.dat"), HandMade::membership(BOB, "KITCHEN")
                                                                 + HandMade::membership(ANN, "KITCHEN")
                                                                 + HandMade::membership(CY, "KITCHEN"));
        open();
    }

    void open()
    {
        m_info = std::make_unique<clsEmployeeInfo>(m_tmp->path());
        m_options = std::make_unique<clsOptions>(ScheduleHelper::SettingsFilePath(m_tmp->path()));
        m_grid = std::make_unique<TimeGridModel>();
        m_data = std::make_unique<clsScheduleData>(*m_info, *m_options);
        m_data->setScheduleControl(m_grid.get());
    }

    void showWeek(double first = kMon, const QString &dept = "KITCHEN")
    {
        m_data->SetDate(first, first + 6);
        m_data->SetDepartment(dept);
        m_data->Reload();
    }

    int rowOf(qint32 employee) const { return m_data->findEmployeeRow(employee); }

private slots:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
        makeBusiness();
    }

    void barsAndRowsFollowTheMasterData()
    {
        writeDay("KITCHEN", kMon + 1, HandMade::shift(999, kMon + 1 + 9 * H, kMon + 1 + 17 * H, "COOK"));
        showWeek();
        QCOMPARE(m_grid->BarsMax(), 4);
        QCOMPARE(m_grid->BarCaption(0), QStringLiteral("None"));
        QCOMPARE(m_grid->BarColor(0), 65280);
        QCOMPARE(m_grid->BarCaption(1), QStringLiteral("COOK"));
        QCOMPARE(m_grid->BarColor(1), 255);
        QCOMPARE(m_grid->BarTextColor(1), 16777215);
        QCOMPARE(m_grid->BarCaption(3), QStringLiteral("Off"));
        QCOMPARE(m_grid->BarColor(3), 16777215);

        // Membership order, then an unknown employee with stored shifts at the bottom.
        QCOMPARE(m_grid->ResourcesMax(), 4);
        QCOMPARE(m_grid->ResourceTitle(0), QStringLiteral("Bob Ray"));
        QCOMPARE(m_grid->ResourceKey(0), QStringLiteral("202"));
        QCOMPARE(m_grid->ResourceTitle(3), QStringLiteral("999"));
        QCOMPARE(m_grid->FontName(m_grid->ResourceFont(0)), QStringLiteral("Fixedsys"));

        QCOMPARE(m_grid->ViewBeg(), kMon - 0.3);
        QCOMPARE(m_grid->ViewEnd(), kMon + 7 + 0.3);
        QCOMPARE(m_grid->ScrollTime(), kMon + 0.5);   // default start time 12:00
    }

    void deletedEmployeesHaveNoRowUnlessTheyHaveShifts()
    {
        m_info->DeleteUser(CY);
        m_info->AddEmployeeToDept("KITCHEN", CY);   // still listed in the department
        showWeek();
        QCOMPARE(m_grid->ResourcesMax(), 2);
        QCOMPARE(rowOf(CY), -2);
    }

    void reloadWidensByADayAndShowsNightShifts()
    {
        // Sunday before the week, 22:00 to Monday 06:00; and Monday 01:00 after the week.
        writeDay("KITCHEN", kMon - 1, HandMade::shift(ANN, kMon - 1 + 22 * H, kMon + 6 * H, "COOK"));
        writeDay("KITCHEN", kMon + 7, HandMade::shift(ANN, kMon + 7 + 1 * H, kMon + 7 + 5 * H, "COOK"));
        writeDay("KITCHEN", kMon + 8, HandMade::shift(ANN, kMon + 8 + 1 * H, kMon + 8 + 5 * H, "COOK"));
        showWeek();
        QCOMPARE(m_grid->TBMax(), 2);
        QCOMPARE(m_grid->TBText(0), QStringLiteral("10:00p - 6:00a"));
        QCOMPARE(m_grid->TBEnd(1), kMon + 7 + 5 * H);
        // Neither counts for the week: they begin outside it.
        QCOMPARE(m_grid->ResourceInfo(rowOf(ANN)), QString());

        RecordList exact(ScheduleFiles::Shift::Size);
        m_data->LoadSchedule(exact, "KITCHEN", kMon, kMon + 6, 0, true);
        QCOMPARE(exact.count(), 0);
        m_data->LoadSchedule(exact, "KITCHEN", kMon, 0, 0, false);   // the day before too
        QCOMPARE(exact.count(), 1);
        m_data->LoadSchedule(exact, "KITCHEN", kMon + 7, kMon + 7, ANN, false);   // one more day on each side
        QCOMPARE(exact.count(), 2);
    }

    // The department's folder is found whatever the case and blanks of its name (the rules for
    // odd file lengths are those of every record file, tested with the record lists).
    void folderNamesIgnoreCaseAndBlanks()
    {
        writeDay("KITCHEN", kMon, HandMade::shift(ANN, kMon + 8 * H, kMon + 12 * H, "COOK")
                                      + HandMade::shift(BOB, kMon + 9 * H, kMon + 13 * H, "WAITER"));
        RecordList records(ScheduleFiles::Shift::Size);
        m_data->LoadSchedule(records, "Kitchen ", kMon, kMon, 0, true);
        QCOMPARE(records.count(), 2);
        QCOMPARE(ScheduleFiles::Shift::employee(records.record(2)), BOB);
    }

    void savingWritesOneFilePerDayFromTheBlocks()
    {
        showWeek();
        const int ann = rowOf(ANN);
        QVERIFY(m_data->AddScheduleTime(ann, kMon + 22 * H, kMon + 1 + 6 * H, "cook", false) >= 0);
        QVERIFY(m_data->AddScheduleTime(rowOf(BOB), kMon + 2 + 9 * H, kMon + 2 + 17 * H,
                                        "A VERY LONG POSITION NAME", false) >= 0);
        m_data->SaveSchedule();

        QByteArray expected = HandMade::shift(ANN, kMon + 22 * H, kMon + 1 + 6 * H, "COOK");
        QCOMPARE(HandMade::read(dayPath("KITCHEN", kMon)), expected);
        QCOMPARE(HandMade::read(dayPath("KITCHEN", kMon)).mid(20, 20), QByteArray("COOK                "));
        // The night shift is only in its begin day's file; days without shifts are empty files.
        QVERIFY(QFile::exists(dayPath("KITCHEN", kMon + 1)));
        QCOMPARE(QFileInfo(dayPath("KITCHEN", kMon + 1)).size(), 0);
        // A position that is not in the list is drawn on the neutral bar but keeps its name.
        QCOMPARE(HandMade::read(dayPath("KITCHEN", kMon + 2)).mid(20, 20), QByteArray("A VERY LONG POSITION"));
        QVERIFY(!QFile::exists(dayPath("KITCHEN", kMon + 7)));

        // Read back: the same blocks.
        open();
        showWeek();
        QCOMPARE(m_grid->TBMax(), 2);
        QCOMPARE(m_grid->TBBar(0), 1);
    }

    void timeOffIsNeverWrittenToDayFiles()
    {
        HandMade::write(m_tmp->filePath("101.KELOFF"),
                        HandMade::timeOff(ANN, kMon + 2 + 17 * H, kMon + 5 + 8 * H, "  Trip  "));
        showWeek();
        QCOMPARE(m_grid->TBMax(), 1);
        QCOMPARE(m_grid->TBBar(0), 3);
        QCOMPARE(m_grid->TBNote(0), QStringLiteral("Trip"));
        // The period blocks every touching shift of that employee, and only of that employee.
        QCOMPARE(m_data->AddScheduleTime(rowOf(ANN), kMon + 5 + 8 * H, kMon + 5 + 12 * H, "COOK", false), -1);
        QVERIFY(m_data->AddScheduleTime(rowOf(BOB), kMon + 5 + 8 * H, kMon + 5 + 12 * H, "COOK", false) >= 0);
        m_data->SaveSchedule();
        QCOMPARE(QFileInfo(dayPath("KITCHEN", kMon + 5)).size(), 540);
        QCOMPARE(QFileInfo(dayPath("KITCHEN", kMon + 2)).size(), 0);
        // Only time off: an empty week total and no day worked.
        QCOMPARE(m_grid->ResourceInfo(rowOf(ANN)), QString());
        m_data->ScheduleDisplayHours(clsScheduleData::DaysWorked);
        QCOMPARE(m_grid->ResourceInfo(rowOf(ANN)), QStringLiteral("OOOOOOO"));
        QCOMPARE(m_grid->ResourceInfo(rowOf(BOB)), QStringLiteral("OOOOOXO"));
    }

    void collisionsIncludeTouchingEnds()
    {
        showWeek();
        const int row = rowOf(ANN);
        QVERIFY(m_data->AddScheduleTime(row, kMon + 9 * H, kMon + 17 * H, "COOK", false) >= 0);
        QCOMPARE(m_data->AddScheduleTime(row, kMon + 17 * H, kMon + 21 * H, "COOK", false), -1);
        QCOMPARE(m_data->AddScheduleTime(row, kMon + 5 * H, kMon + 9 * H, "COOK", false), -1);
        QVERIFY(m_data->AddScheduleTime(row, kMon + 17 * H + 1.0 / 1440, kMon + 21 * H, "COOK", false) >= 0);
        // Equal begin and end are ignored.
        QCOMPARE(m_data->AddScheduleTime(row, kMon + 22 * H, kMon + 22 * H, "COOK", false), -1);
        QCOMPARE(m_grid->TBMax(), 2);
    }

    void storedCollisionsAreRefusedOnReloadAndKeptOnSave()
    {
        writeDay("KITCHEN", kMon, HandMade::shift(ANN, kMon + 9 * H, kMon + 17 * H, "COOK")
                                      + HandMade::shift(ANN, kMon + 17 * H, kMon + 20 * H, "WAITER")
                                      + HandMade::shift(BOB, kMon + 17 * H, kMon + 20 * H, "WAITER"));
        showWeek();
        QCOMPARE(m_grid->TBMax(), 2);
        QCOMPARE(m_data->refusedShifts().size(), 1);
        QCOMPARE(m_data->refusedShifts().first().position, QStringLiteral("WAITER"));
        // The refused record goes back to its day unchanged, after the shown ones.
        const QByteArray refused = HandMade::read(dayPath("KITCHEN", kMon)).mid(540, 540);
        m_data->SaveSchedule();
        QCOMPARE(QFileInfo(dayPath("KITCHEN", kMon)).size(), 3 * 540);
        QCOMPARE(HandMade::read(dayPath("KITCHEN", kMon)).mid(2 * 540), refused);
    }

    void weekTotalsTurnRedAboveTheLimit()
    {
        showWeek();
        const int row = rowOf(ANN);
        for (int d = 0; d < 5; ++d)   // five 8-hour shifts: exactly 40:00
            m_data->AddScheduleTime(row, kMon + d + 8 * H, kMon + d + 16 * H, "COOK", false);
        QCOMPARE(m_grid->ResourceInfo(row), QStringLiteral("40:00"));
        QCOMPARE(m_grid->ResourceForeColor(row), 0);
        const int extra = m_data->AddScheduleTime(row, kMon + 5 + 8 * H, kMon + 5 + 8.25 * H, "COOK", false);
        QCOMPARE(m_grid->ResourceInfo(row), QStringLiteral("40:15"));
        QCOMPARE(m_grid->ResourceForeColor(row), 255);
        m_data->TBDelete(extra);
        QCOMPARE(m_grid->ResourceForeColor(row), 0);

        // Day hours: the first day unless a day is chosen; above 8 hours is red.
        m_data->AddScheduleTime(row, kMon + 17 * H, kMon + 17.5 * H, "WAITER", false);
        m_data->ScheduleDisplayHours(clsScheduleData::DayHours);
        QCOMPARE(m_grid->ColumnCaption(), QStringLiteral("Mon\n05"));
        QCOMPARE(m_grid->ResourceInfo(row), QStringLiteral("8:30"));
        QCOMPARE(m_grid->ResourceForeColor(row), 255);
        QCOMPARE(m_grid->ResourceInfo(rowOf(BOB)), QStringLiteral("0:00"));
        m_data->SetDayView(kMon + 6);
        QCOMPARE(m_grid->ColumnCaption(), QStringLiteral("Sun\n11"));
        QCOMPARE(m_grid->ResourceInfo(row), QStringLiteral("0:00"));

        m_data->ScheduleDisplayHours(clsScheduleData::DaysWorked);
        QCOMPARE(m_grid->ColumnCaption(), QStringLiteral("Days\nAval"));
        QCOMPARE(m_grid->ResourceInfo(row), QStringLiteral("XXXXXOO"));
        m_data->ScheduleDisplayHours(clsScheduleData::WeekHours);
        QCOMPARE(m_grid->ColumnCaption(), QStringLiteral("Week\nHours"));
        QCOMPARE(m_grid->ResourceInfo(rowOf(BOB)), QString());
    }

    void changingThePositionMovesTheBar()
    {
        showWeek();
        const int block = m_data->AddScheduleTime(rowOf(ANN), kMon + 9 * H, kMon + 17 * H, "COOK", false);
        m_data->ChangeJob(block, " waiter ");
        QCOMPARE(m_grid->TBBar(block), 2);
        QCOMPARE(m_grid->TBTag(block), QStringLiteral("COOK"));   // the tag stays; the save follows the bar
        m_data->ChangeJob(block, "DISHWASHER");
        QCOMPARE(m_grid->TBBar(block), 0);
        QCOMPARE(m_grid->ResourceInfo(rowOf(ANN)), QStringLiteral("8:00"));   // still counted
        m_data->ChangeJob(block, "WAITER");
        m_data->SaveSchedule();
        QCOMPARE(HandMade::read(dayPath("KITCHEN", kMon)).mid(20, 6), QByteArray("WAITER"));
    }

    void setDateRules()
    {
        m_data->SetDate(kMon, 0);
        QCOMPARE(m_data->FirstDay(), kMon);
        QCOMPARE(m_data->LastDay(), kMon);
        m_data->SetDate(kMon + 4, kMon - 2);
        QCOMPARE(m_data->FirstDay(), kMon - 2);
        QCOMPARE(m_data->LastDay(), kMon + 4);
        m_data->setFilterEmployee(ANN);
        m_data->SetDate(kMon - 2, kMon + 4);
        QCOMPARE(m_data->FirstDay(), kMon - 3);
        QCOMPARE(m_data->LastDay(), kMon + 5);
    }

    void weekStartFollowsTheDepartmentsFirstDay()
    {
        // KITCHEN starts on Monday (1). Any day of the week leads back to Monday 5 March.
        for (int d = 0; d < 7; ++d)
            QCOMPARE(clsScheduleData::WeekStart(*m_info, "KITCHEN", kMon + d + 0.4), kMon);
        m_info->SaveDepartmentFirstDay("KITCHEN", 6);   // Saturday
        QCOMPARE(clsScheduleData::WeekStart(*m_info, "KITCHEN", kMon), kMon - 2);
        QCOMPARE(clsScheduleData::WeekStart(*m_info, "NOWHERE", kMon), kMon - 1);   // Sunday
    }

    void savingWithAnEmployeeFilterKeepsTheOthers()
    {
        writeDay("KITCHEN", kMon, HandMade::shift(BOB, kMon + 6 * H, kMon + 10 * H, "COOK")
                                      + HandMade::shift(ANN, kMon + 9 * H, kMon + 17 * H, "COOK")
                                      + HandMade::shift(CY, kMon + 12 * H, kMon + 20 * H, "WAITER")
                                      + HandMade::shift(BOB, kMon + 18 * H, kMon + 22 * H, "COOK"));
        m_data->setFilterEmployee(ANN);
        m_data->SetDate(kMon, kMon + 6);
        m_data->SetDepartment("KITCHEN");
        m_data->Reload();
        QCOMPARE(m_grid->TBMax(), 1);
        QCOMPARE(m_grid->ViewBeg(), kMon - 1);
        m_grid->setTBBeg(0, kMon + 10 * H);
        m_data->SaveSchedule();

        const QByteArray day = HandMade::read(dayPath("KITCHEN", kMon));
        // The others keep their order; Ann's shift follows them.
        QCOMPARE(day.size(), 4 * 540);
        QCOMPARE(HandMade::i32(day, 0), BOB);
        QCOMPARE(HandMade::i32(day, 540), CY);
        QCOMPARE(HandMade::f64(day, 1080 + 4), kMon + 18 * H);
        QCOMPARE(HandMade::i32(day, 1620), ANN);
        QCOMPARE(HandMade::f64(day, 1620 + 4), kMon + 10 * H);
    }

    // Saving writes every shift read from a file from its own record: the reserved bytes that
    // another program may use stay as they were, also for the shift moved.
    void savingKeepsTheReservedBytesOfStoredShifts_data()
    {
        QTest::addColumn<bool>("oneEmployee");
        QTest::addColumn<int>("toDay");   // the day the second shift is moved to, from Monday
        QTest::newRow("department week, moved within Monday") << false << 0;
        QTest::newRow("department week, moved to Tuesday") << false << 1;
        QTest::newRow("one employee's week, moved within Monday") << true << 0;
    }
    void savingKeepsTheReservedBytesOfStoredShifts()
    {
        QFETCH(bool, oneEmployee);
        QFETCH(int, toDay);
        QByteArray early = HandMade::shift(ANN, kMon + 6 * H, kMon + 10 * H, "COOK");
        QByteArray late = HandMade::shift(ANN, kMon + 12 * H, kMon + 16 * H, "WAITER");
        for (int i = 40; i < 540; ++i) {
            early[i] = char(i * 7);
            late[i] = char(255 - i);
        }
        writeDay("KITCHEN", kMon, early + late);
        if (oneEmployee)
            m_data->setFilterEmployee(ANN);
        showWeek();
        const int row = oneEmployee ? 0 : rowOf(ANN);
        QCOMPARE(m_grid->TBMax(), 2);
        ScheduleEditor editor(*m_data);
        QVERIFY(editor.place(m_grid->TBId(1), row, kMon + toDay + 13 * H, kMon + toDay + 17 * H).applied);
        m_data->SaveSchedule();

        const QByteArray monday = HandMade::read(dayPath("KITCHEN", kMon));
        const QByteArray moved = toDay == 0 ? monday.mid(540) : HandMade::read(dayPath("KITCHEN", kMon + toDay));
        QCOMPARE(monday.left(540), early);
        QCOMPARE(moved.size(), 540);
        QCOMPARE(HandMade::f64(moved, 4), kMon + toDay + 13 * H);
        QCOMPARE(HandMade::f64(moved, 12), kMon + toDay + 17 * H);
        QCOMPARE(moved.mid(20), late.mid(20));
    }

    void employeeWeekKeepsFileOrderOfOverlappingShifts()
    {
        // Two overlapping stored shifts: both views must show the same one, the first in the file.
        writeDay("KITCHEN", kMon, HandMade::shift(BOB, kMon + 6 * H, kMon + 10 * H, "COOK")
                                      + HandMade::shift(ANN, kMon + 9 * H, kMon + 17 * H, "COOK")
                                      + HandMade::shift(ANN, kMon + 12 * H, kMon + 20 * H, "WAITER"));
        showWeek();
        QCOMPARE(m_grid->TBBeg(m_grid->TBNextInResource(rowOf(ANN), -1)), kMon + 9 * H);
        m_data->setFilterEmployee(ANN);
        showWeek();
        QCOMPARE(m_grid->TBMax(), 1);
        QCOMPARE(m_grid->TBBeg(0), kMon + 9 * H);
        QCOMPARE(m_data->refusedShifts().first().position, QStringLiteral("WAITER"));
    }

    void damagedTimesAreIgnoredAndNeverCrashASave_data()
    {
        QTest::addColumn<double>("begin");
        QTest::addColumn<double>("end");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("NaN begin") << nan << kMon + 10 * H;
        QTest::newRow("NaN end") << kMon + 9 * H << nan;
        QTest::newRow("infinite end") << kMon + 9 * H << inf;
        QTest::newRow("begin beyond 64-bit days") << 1e300 << 1e300 + 1;
        QTest::newRow("begin before 1900") << -1e20 << kMon;
        QTest::newRow("year 2300") << kMon + 109000 << kMon + 109001;
    }

    void damagedTimesAreIgnoredAndNeverCrashASave()
    {
        QFETCH(double, begin);
        QFETCH(double, end);
        writeDay("KITCHEN", kMon, HandMade::shift(ANN, begin, end, "COOK")
                                      + HandMade::shift(BOB, kMon + 9 * H, kMon + 17 * H, "COOK"));
        HandMade::write(m_tmp->filePath("303.KELOFF"), HandMade::timeOff(CY, begin, end, "Trip"));
        showWeek();
        QCOMPARE(m_grid->TBMax(), 1);
        QCOMPARE(m_data->damagedRecords(), 2);
        m_data->ScheduleDisplayHours(clsScheduleData::DaysWorked);
        QCOMPARE(m_grid->ResourceInfo(rowOf(ANN)), QStringLiteral("OOOOOOO"));
        m_data->SaveSchedule();
        QCOMPARE(HandMade::read(dayPath("KITCHEN", kMon)), HandMade::shift(BOB, kMon + 9 * H, kMon + 17 * H, "COOK"));
    }

    void unreadableFilesAreReportedAndNeverSavedOver()
    {
        // A folder in a file's place cannot be read, for root too.
        writeDay("KITCHEN", kMon, HandMade::shift(BOB, kMon + 9 * H, kMon + 17 * H, "COOK"));
        QVERIFY(QDir().mkpath(dayPath("KITCHEN", kMon + 1)));
        QVERIFY(QDir().mkpath(m_tmp->filePath("101.KELOFF")));
        showWeek();
        QCOMPARE(m_data->unreadableFiles().size(), 2);
        QCOMPARE(m_data->unreadableFiles().first().path(), dayPath("KITCHEN", kMon + 1));
        QCOMPARE(m_grid->TBMax(), 1);

        // Every other day is saved; the unread day is named and left alone.
        m_data->AddScheduleTime(rowOf(CY), kMon + 2 + 9 * H, kMon + 2 + 12 * H, "COOK", false);
        try {
            m_data->SaveSchedule();
            QFAIL("the save did not report the unread day");
        } catch (const FileError &e) {
            QVERIFY2(e.reason().contains("Tue Mar 06,2001"), qPrintable(e.reason()));
        }
        QCOMPARE(QFileInfo(dayPath("KITCHEN", kMon + 2)).size(), 540);
        QVERIFY(QFileInfo(dayPath("KITCHEN", kMon + 1)).isDir());
        QVERIFY_THROWS_EXCEPTION(FileError, m_data->TimeOffSave(ANN, RecordList(ScheduleFiles::TimeOff::Size)));
        QVERIFY(QFileInfo(m_tmp->filePath("101.KELOFF")).isDir());

        // Copying from it, or asking whether it holds shifts, fails instead of answering "empty".
        QVERIFY_THROWS_EXCEPTION(FileError, m_data->CopySchedule(kMon + 1, kMon, "KITCHEN"));
        QCOMPARE(QFileInfo(dayPath("KITCHEN", kMon)).size(), 540);
        QVERIFY_THROWS_EXCEPTION(FileError, m_data->AreShiftsScheduled(kMon + 1, "KITCHEN"));
        RecordList periods(ScheduleFiles::TimeOff::Size);
        QVERIFY_THROWS_EXCEPTION(FileError, m_data->TimeOffLoad(ANN, periods));
    }

    void copyingADay()
    {
        writeDay("KITCHEN", kMon, HandMade::shift(ANN, kMon + 22 * H, kMon + 1 + 6 * H, "COOK"));
        writeDay("KITCHEN", kMon + 3, HandMade::shift(BOB, kMon + 3 + 9 * H, kMon + 3 + 12 * H, "COOK")
                                          + HandMade::shift(CY, kMon + 3 + 9 * H, kMon + 3 + 12 * H, "COOK"));
        QVERIFY(m_data->AreShiftsScheduled(kMon + 3, "KITCHEN"));
        QVERIFY(!m_data->AreShiftsScheduled(kMon + 1, "KITCHEN"));   // the night shift began the day before

        m_data->CopySchedule(kMon, kMon + 3, "KITCHEN");
        const QByteArray target = HandMade::read(dayPath("KITCHEN", kMon + 3));
        QCOMPARE(target.size(), 540);
        QCOMPARE(HandMade::f64(target, 4), kMon + 3 + 22 * H);
        QCOMPARE(HandMade::f64(target, 12), kMon + 4 + 6 * H);

        m_data->CopySchedule(kMon + 1, kMon + 3, "KITCHEN");   // an empty day empties the target
        QCOMPARE(QFileInfo(dayPath("KITCHEN", kMon + 3)).size(), 0);
    }

    void copiedShiftCollidingWithTimeOffIsRefusedWhenShown()
    {
        writeDay("KITCHEN", kMon, HandMade::shift(ANN, kMon + 9 * H, kMon + 17 * H, "COOK"));
        HandMade::write(m_tmp->filePath("101.KELOFF"), HandMade::timeOff(ANN, kMon + 7, kMon + 8, "Off"));
        m_data->CopySchedule(kMon, kMon + 7, "KITCHEN");
        QCOMPARE(QFileInfo(dayPath("KITCHEN", kMon + 7)).size(), 540);
        showWeek(kMon + 7);
        QCOMPARE(m_data->refusedShifts().size(), 1);
    }

    void timeOffFiles()
    {
        RecordList periods(ScheduleFiles::TimeOff::Size);
        char *r = periods.record(periods.append());
        ScheduleFiles::TimeOff::set(r, ANN, kMon, kMon + 1, QString(40, u'r'));
        m_data->TimeOffSave(ANN, periods);
        const QByteArray disk = HandMade::read(m_tmp->filePath("101.KELOFF"));
        QCOMPARE(disk, HandMade::timeOff(ANN, kMon, kMon + 1, QByteArray(30, 'r')));

        RecordList loaded(ScheduleFiles::TimeOff::Size);
        m_data->TimeOffLoad(ANN, loaded);
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(ScheduleFiles::TimeOff::reason(loaded.record(1)), QString(30, u'r'));

        m_data->TimeOffSave(ANN, RecordList(ScheduleFiles::TimeOff::Size));
        QCOMPARE(QFileInfo(m_tmp->filePath("101.KELOFF")).size(), 0);
        m_data->TimeOffLoad(ANN, loaded);
        QCOMPARE(loaded.count(), 0);
        m_data->TimeOffLoad(BOB, loaded);   // no file at all
        QCOMPARE(loaded.count(), 0);
    }

    // Every refusal comes back as a reason with the block the edit wanted and, for a collision,
    // the block in its way; never as words. Ann has a shift Mon 9a-5p and time off Tue 8a-noon.
    void refusalsNameTheReasonAndTheBlocks_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<EditRefusal>("reason");
        QTest::addColumn<double>("wantedBegin");
        QTest::addColumn<double>("otherBegin");   // 0: no block in the way
        QTest::newRow("add a shift touching a shift") << "add 5p-8p" << EditRefusal::Collision << kMon + 17 * H
                                                      << kMon + 9 * H;
        QTest::newRow("add time off over time off") << "add off Tue 11a-1p" << EditRefusal::Collision
                                                    << kMon + 1 + 11 * H << kMon + 1 + 8 * H;
        QTest::newRow("add a shift over time off") << "add Tue 7a-9a" << EditRefusal::Collision << kMon + 1 + 7 * H
                                                   << kMon + 1 + 8 * H;
        QTest::newRow("move a shift onto time off") << "move to Tue 10a-2p" << EditRefusal::Collision
                                                    << kMon + 1 + 10 * H << kMon + 1 + 8 * H;
        QTest::newRow("add on no row") << "add on row -1" << EditRefusal::NoRow << kMon + 6 * H << 0.0;
        QTest::newRow("add without length") << "add 6a-6a" << EditRefusal::NoLength << kMon + 6 * H << 0.0;
        QTest::newRow("move backwards") << "move to 9a-8a" << EditRefusal::NoLength << kMon + 9 * H << 0.0;
        QTest::newRow("move a removed shift") << "move removed" << EditRefusal::BlockGone << kMon + 10 * H << 0.0;
        QTest::newRow("move before the week") << "move to Sun 9a-5p" << EditRefusal::MovedOutsideDays
                                              << kMon - 1 + 9 * H << 0.0;
        QTest::newRow("new shift after the week") << "vet next Mon 9a-5p" << EditRefusal::NewOutsideDays
                                                  << kMon + 7 + 9 * H << 0.0;
        QTest::newRow("position of time off") << "position of time off" << EditRefusal::TimeOffHasNoPosition
                                              << kMon + 1 + 8 * H << 0.0;
    }

    void refusalsNameTheReasonAndTheBlocks()
    {
        QFETCH(QString, edit);
        QFETCH(EditRefusal, reason);
        QFETCH(double, wantedBegin);
        QFETCH(double, otherBegin);
        showWeek();
        ScheduleEditor editor(*m_data);
        const int ann = rowOf(ANN);
        const int shift = editor.add(ann, kMon + 9 * H, kMon + 17 * H, "COOK").after.id;
        const int off = editor.add(ann, kMon + 1 + 8 * H, kMon + 1 + 12 * H, QString(), true, "Dentist").after.id;
        QVERIFY(shift != 0 && off != 0);
        const int blocks = m_grid->TBMax();

        EditOutcome outcome;
        if (edit == "add 5p-8p")
            outcome = editor.add(ann, kMon + 17 * H, kMon + 20 * H, "COOK");
        else if (edit == "add off Tue 11a-1p")
            outcome = editor.add(ann, kMon + 1 + 11 * H, kMon + 1 + 13 * H, QString(), true, "Trip");
        else if (edit == "add Tue 7a-9a")
            outcome = editor.add(ann, kMon + 1 + 7 * H, kMon + 1 + 9 * H, "COOK");
        else if (edit == "move to Tue 10a-2p")
            outcome = editor.place(shift, ann, kMon + 1 + 10 * H, kMon + 1 + 14 * H);
        else if (edit == "add on row -1")
            outcome = editor.add(-1, kMon + 6 * H, kMon + 7 * H, "COOK");
        else if (edit == "add 6a-6a")
            outcome = editor.add(ann, kMon + 6 * H, kMon + 6 * H, "COOK");
        else if (edit == "move to 9a-8a")
            outcome = editor.place(shift, ann, kMon + 9 * H, kMon + 8 * H);
        else if (edit == "move removed") {
            QVERIFY(editor.remove(shift).applied);
            outcome = editor.place(shift, ann, kMon + 10 * H, kMon + 11 * H);
        } else if (edit == "move to Sun 9a-5p")
            outcome = editor.place(shift, ann, kMon - 1 + 9 * H, kMon - 1 + 17 * H);
        else if (edit == "vet next Mon 9a-5p")
            outcome = editor.vetNewShift(ann, kMon + 7 + 9 * H, kMon + 7 + 17 * H);
        else if (edit == "position of time off")
            outcome = editor.changePosition(off, "WAITER");
        else
            QFAIL("unknown edit");

        QVERIFY(!outcome.applied);
        QCOMPARE(outcome.refusal, reason);
        QCOMPARE(outcome.wanted.begin, wantedBegin);
        QCOMPARE(outcome.other.begin, otherBegin);
        if (otherBegin != 0)
            QCOMPARE(outcome.other.id, outcome.other.timeOff ? off : shift);
        QVERIFY(!outcome.after.isValid());
        if (edit != "move removed")
            QCOMPARE(m_grid->TBMax(), blocks);   // nothing changed
    }

    // A reload leaves out the stored blocks that collide and keeps them as facts: the shifts
    // with their records, the time off with its times.
    void reloadKeepsRefusedTimeOffAsFacts()
    {
        HandMade::write(m_tmp->filePath("101.KELOFF"),
                        HandMade::timeOff(ANN, kMon + 9 * H, kMon + 12 * H, "A")
                            + HandMade::timeOff(ANN, kMon + 11 * H, kMon + 13 * H, "B"));
        showWeek();
        QCOMPARE(m_data->refusedTimeOff().size(), 1);
        QCOMPARE(m_data->refusedTimeOff().first().employee, ANN);
        QCOMPARE(m_data->refusedTimeOff().first().begin, kMon + 11 * H);
        showWeek();   // counted again at each reload, not added up
        QCOMPARE(m_data->refusedTimeOff().size(), 1);
    }

    void editsNameBlocksByStableIds()
    {
        showWeek();
        ScheduleEditor editor(*m_data);
        const int ann = rowOf(ANN), bob = rowOf(BOB);
        const EditOutcome first = editor.add(ann, kMon + 6 * H, kMon + 8 * H, "COOK");
        const EditOutcome second = editor.add(ann, kMon + 9 * H, kMon + 17 * H, "COOK");
        const int id = second.after.id;
        QVERIFY(first.applied && second.applied && id != first.after.id);
        QCOMPARE(editor.add(ann, kMon + 17 * H, kMon + 20 * H, "COOK").refusal, EditRefusal::Collision);

        // Removing an earlier block renumbers, but the id still finds the shift.
        QVERIFY(editor.remove(first.after.id).applied);
        EditOutcome moved = editor.place(id, bob, kMon + 10 * H, kMon + 18 * H);
        QVERIFY(moved.applied);
        QCOMPARE(moved.before.row, ann);
        QCOMPARE(m_grid->TBResource(m_grid->TBFromId(id)), bob);
        QCOMPARE(m_grid->TBText(m_grid->TBFromId(id)), QStringLiteral("10:00a - 6:00p"));
        QCOMPARE(m_grid->ResourceInfo(bob), QStringLiteral("8:00"));
        QCOMPARE(m_grid->ResourceInfo(ann), QString());

        // Refusals leave the block where it was.
        editor.add(ann, kMon + 1 + 9 * H, kMon + 1 + 12 * H, "COOK");
        QVERIFY(!editor.place(id, ann, kMon + 1 + 11 * H, kMon + 1 + 14 * H).applied);   // collides
        QVERIFY(!editor.place(id, bob, kMon + 7 + 9 * H, kMon + 7 + 10 * H).applied);    // after the week
        QVERIFY(!editor.place(id, bob, kMon + 10 * H, kMon + 10 * H).applied);           // empty
        QCOMPARE(editor.snapshot(id).begin, kMon + 10 * H);

        // A position change and a removal, undone through restore, bring back the same shift.
        QVERIFY(editor.changePosition(id, "WAITER").applied);
        QCOMPARE(m_grid->TBBar(m_grid->TBFromId(id)), 2);
        const EditOutcome removed = editor.remove(id);
        QCOMPARE(m_grid->TBFromId(id), -1);
        QVERIFY(editor.restore(removed.before).applied);
        QCOMPARE(m_grid->TBBar(m_grid->TBFromId(id)), 2);
        QCOMPARE(editor.snapshot(id).begin, kMon + 10 * H);
        QVERIFY(!editor.changePosition(editor.add(ann, kMon + 3, kMon + 4, {}, true).after.id, "COOK").applied);
    }

    void undoAndRedoReplayRandomEditsExactly()
    {
        // Thousands of random edits through the editor, each pushed on an undo stack; undoing all
        // of them must pass back through every earlier state, and redoing through every later one.
        HandMade::write(m_tmp->filePath("101.KELOFF"), HandMade::timeOff(ANN, kMon + 2, kMon + 3, "Trip"));
        showWeek();
        ScheduleEditor editor(*m_data);
        QUndoStack stack;
        auto state = [this] {
            QStringList lines;
            for (int b = 0; b < m_grid->TBMax(); ++b)
                lines << QStringLiteral("%1 row %2 %3-%4 bar %5 %6 %7 %8")
                             .arg(m_grid->TBId(b)).arg(m_grid->TBResource(b))
                             .arg(m_grid->TBBeg(b), 0, 'f', 6).arg(m_grid->TBEnd(b), 0, 'f', 6)
                             .arg(m_grid->TBBar(b)).arg(m_grid->TBTag(b), m_grid->TBText(b), m_grid->TBNote(b));
            lines.sort();   // block order may differ after an undone removal; ids name the blocks
            for (int r = 0; r < m_grid->ResourcesMax(); ++r)
                lines << m_grid->ResourceInfo(r);
            return lines;
        };
        QList<QStringList> states{state()};
        QRandomGenerator random(7);
        const QStringList positions{"COOK", "WAITER", "DISHWASHER"};
        for (int step = 0; step < 2000; ++step) {
            const double begin = kMon + random.bounded(7 * 24) * H;
            const double end = begin + (1 + random.bounded(10)) * H;
            const int row = random.bounded(3);
            const int block = m_grid->TBMax() > 0 ? random.bounded(m_grid->TBMax()) : -1;
            const int id = m_grid->TBId(block);
            EditOutcome outcome;
            switch (random.bounded(block < 0 ? 1 : 4)) {
            case 0: outcome = editor.add(row, begin, end, positions[random.bounded(3)]); break;
            case 1: outcome = editor.remove(id); break;
            case 2: outcome = editor.place(id, row, begin, end); break;
            default: outcome = editor.changePosition(id, positions[random.bounded(3)]); break;
            }
            if (!outcome.applied)
                continue;
            stack.push(new ShiftEditCommand(editor, outcome, QStringLiteral("edit")));
            states << state();
        }
        QVERIFY(stack.count() > 500);
        for (int i = stack.count() - 1; i >= 0; --i) {
            stack.undo();
            QCOMPARE(state(), states.at(i));
        }
        for (int i = 1; i < states.size(); ++i) {
            stack.redo();
            QCOMPARE(state(), states.at(i));
        }
    }

    void unsafeDepartmentNamesNeverBecomePaths()
    {
        RecordList records(ScheduleFiles::Shift::Size);
        m_data->LoadSchedule(records, "../ESCAPE", kMon, kMon + 6, 0, false);
        QCOMPARE(records.count(), 0);
        QVERIFY(!QFileInfo::exists(m_tmp->filePath("../ESCAPE")));
        showWeek(kMon, "../ESCAPE");
        QVERIFY_THROWS_EXCEPTION(FileError, m_data->SaveSchedule());
        // Folder names are upper-cased as the code page does: the sharp s stays one letter.
        m_data->LoadSchedule(records, QString::fromUtf8("Stra\u00dfe"), kMon, kMon, 0, true);
        QVERIFY(QFileInfo(m_tmp->filePath(QString::fromUtf8("STRA\u00dfE"))).isDir());
    }

    void failedSaveKeepsTheGrid()
    {
        showWeek();
        m_data->AddScheduleTime(rowOf(ANN), kMon + 9 * H, kMon + 17 * H, "COOK", false);
        // A file where the department folder should be makes every day's write fail.
        QDir(m_tmp->filePath("KITCHEN")).removeRecursively();
        HandMade::write(m_tmp->filePath("KITCHEN"), "not a folder");
        QVERIFY_THROWS_EXCEPTION(FileError, m_data->SaveSchedule());
        QCOMPARE(m_grid->TBMax(), 1);
    }
};

QTEST_MAIN(TestScheduleData)
#include "tst_scheduledata.moc"
