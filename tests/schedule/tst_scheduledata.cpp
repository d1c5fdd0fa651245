// The schedule engine against a grid model over temporary data folders: day files, reloads,
// placement, hour totals, copying and time off.

#include "HandMadeRecords.h"
#include "data/FileError.h"
#include "data/OleDate.h"
#include "ScriptedPrompt.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/clsScheduleData.h"
#include "schedule/grid/TimeGridModel.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {
// Monday 5 March 2001 and the hours of a day.
const double kMon = OleDate::fromDate(QDate(2001, 3, 5));
constexpr double H = 1.0 / 24;
const qint32 ANN = 101, BOB = 202, CY = 303;
} // namespace

class TestScheduleData : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_tmp;
    std::unique_ptr<clsEmployeeInfo> m_info;
    std::unique_ptr<clsOptions> m_options;
    ScriptedPrompt m_prompt;
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
        m_data = std::make_unique<clsScheduleData>(*m_info, *m_options, m_prompt);
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
        m_prompt = ScriptedPrompt();
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

    void oddFileLengthsAndFolderNames()
    {
        const QByteArray two = HandMade::shift(ANN, kMon + 8 * H, kMon + 12 * H, "COOK")
                               + HandMade::shift(BOB, kMon + 9 * H, kMon + 13 * H, "WAITER");
        writeDay("KITCHEN", kMon, two);
        RecordList records(ScheduleFiles::Shift::Size);
        m_data->LoadSchedule(records, "Kitchen ", kMon, kMon, 0, true);
        QCOMPARE(records.count(), 2);
        QCOMPARE(ScheduleFiles::Shift::employee(records.record(2)), BOB);

        writeDay("KITCHEN", kMon, two + QByteArray(270, 'x'));   // 2.5 records: halves to even
        m_data->LoadSchedule(records, "KITCHEN", kMon, kMon, 0, true);
        QCOMPARE(records.count(), 2);
        writeDay("KITCHEN", kMon, two.left(810));                 // 1.5 records
        m_data->LoadSchedule(records, "KITCHEN", kMon, kMon, 0, true);
        QCOMPARE(records.count(), 2);
        QCOMPARE(QByteArray(records.record(2) + 270, 270), QByteArray(270, '\0'));
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
        // An unknown position is saved with the neutral bar's caption.
        QCOMPARE(HandMade::read(dayPath("KITCHEN", kMon + 2)).mid(20, 20), QByteArray("NONE                "));
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
        m_prompt.clear();
        QCOMPARE(m_data->AddScheduleTime(rowOf(ANN), kMon + 5 + 8 * H, kMon + 5 + 12 * H, "COOK", false), -1);
        QCOMPARE(m_prompt.messages(), QStringList{clsScheduleData::kCollisionMessage});
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
        m_prompt.clear();
        QCOMPARE(m_data->AddScheduleTime(row, kMon + 17 * H, kMon + 21 * H, "COOK", false), -1);
        QCOMPARE(m_prompt.messages().size(), 1);
        QCOMPARE(m_data->AddScheduleTime(row, kMon + 5 * H, kMon + 9 * H, "COOK", false), -1);
        QVERIFY(m_data->AddScheduleTime(row, kMon + 17 * H + 1.0 / 1440, kMon + 21 * H, "COOK", false) >= 0);
        // Equal begin and end are ignored without a message.
        m_prompt.clear();
        QCOMPARE(m_data->AddScheduleTime(row, kMon + 22 * H, kMon + 22 * H, "COOK", false), -1);
        QVERIFY(m_prompt.shown().isEmpty());
        QCOMPARE(m_grid->TBMax(), 2);
    }

    void storedCollisionsAreRefusedOnReloadAndDroppedOnSave()
    {
        writeDay("KITCHEN", kMon, HandMade::shift(ANN, kMon + 9 * H, kMon + 17 * H, "COOK")
                                      + HandMade::shift(ANN, kMon + 17 * H, kMon + 20 * H, "WAITER")
                                      + HandMade::shift(BOB, kMon + 17 * H, kMon + 20 * H, "WAITER"));
        showWeek();
        QCOMPARE(m_grid->TBMax(), 2);
        QCOMPARE(m_prompt.messages(), QStringList{clsScheduleData::kCollisionMessage});
        QCOMPARE(m_data->refusedShifts().size(), 1);
        QCOMPARE(m_data->refusedShifts().first().position, QStringLiteral("WAITER"));
        m_data->SaveSchedule();
        QCOMPARE(QFileInfo(dayPath("KITCHEN", kMon)).size(), 2 * 540);
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

    void noLimitNeverRedAndNightShiftsCountOnTheirBeginDay()
    {
        m_info->OverTimeDepartmentset("KITCHEN", true, 0);
        m_info->OverTimeDepartmentset("KITCHEN", false, 0);
        showWeek();
        const int row = rowOf(ANN);
        for (int d = 0; d < 6; ++d)
            m_data->AddScheduleTime(row, kMon + d + 8 * H, kMon + d + 20 * H, "COOK", false);
        QCOMPARE(m_grid->ResourceInfo(row), QStringLiteral("72:00"));
        QCOMPARE(m_grid->ResourceForeColor(row), 0);

        // Saturday 22:00 to Sunday 06:00: 8 hours on Saturday, none on Sunday.
        const int bob = rowOf(BOB);
        m_data->AddScheduleTime(bob, kMon + 5 + 22 * H, kMon + 6 + 6 * H, "COOK", false);
        m_data->ScheduleDisplayHours(clsScheduleData::DayHours);
        m_data->SetDayView(kMon + 5);
        QCOMPARE(m_grid->ResourceInfo(bob), QStringLiteral("8:00"));
        m_data->SetDayView(kMon + 6);
        QCOMPARE(m_grid->ResourceInfo(bob), QStringLiteral("0:00"));
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
                                      + HandMade::shift(CY, kMon + 12 * H, kMon + 20 * H, "WAITER"));
        m_data->setFilterEmployee(ANN);
        m_data->SetDate(kMon, kMon + 6);
        m_data->SetDepartment("KITCHEN");
        m_data->Reload();
        QCOMPARE(m_grid->TBMax(), 1);
        QCOMPARE(m_grid->ViewBeg(), kMon - 1);
        m_grid->setTBBeg(0, kMon + 10 * H);
        m_data->SaveSchedule();

        const QByteArray day = HandMade::read(dayPath("KITCHEN", kMon));
        QCOMPARE(day.size(), 3 * 540);
        QCOMPARE(HandMade::i32(day, 0), BOB);
        QCOMPARE(HandMade::i32(day, 540), CY);   // the last record took Ann's place
        QCOMPARE(HandMade::i32(day, 1080), ANN);
        QCOMPARE(HandMade::f64(day, 1080 + 4), kMon + 10 * H);
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

    void unsafeDepartmentNamesNeverBecomePaths()
    {
        RecordList records(ScheduleFiles::Shift::Size);
        m_data->LoadSchedule(records, "../ESCAPE", kMon, kMon + 6, 0, false);
        QCOMPARE(records.count(), 0);
        QVERIFY(!QFileInfo::exists(m_tmp->filePath("../ESCAPE")));
        showWeek(kMon, "../ESCAPE");
        QVERIFY_THROWS_EXCEPTION(FileError, m_data->SaveSchedule());
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
