// Coverage of a department week against its needs, counted as the grid counts: a hand-made week
// with a refused stored shift, a shift from the night before the week, time off and a need that
// runs past the week's last midnight, against a checked-in CSV.

#include "PlanningFolder.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "planning/Coverage.h"
#include "planning/DepartmentWeek.h"
#include "planning/StaffingNeeds.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace PlanningFolder;

class TestCoverage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        const double mon = monday();
        Business b;
        b.addEmployee(17, "Ann", {"COOK"});
        b.addEmployee(23, "Bo", {"COOK", "HOST"});
        b.addEmployee(31, "Cy", {"HOST"});
        // Sunday night before the week, into Monday morning: counts from midnight on.
        b.addShift("KITCHEN", mon - 1 + 22 * H, mon + 6 * H, "COOK", 17);
        b.addShift("KITCHEN", mon + 8 * H, mon + 16 * H, "COOK", 23);
        // Touches Bo's shift above: the grid refuses it, so it counts nowhere.
        b.addShift("KITCHEN", mon + 16 * H, mon + 20 * H, "HOST", 23);
        b.addShift("KITCHEN", mon + 11 * H, mon + 15 * H, "HOST", 31);
        b.addShift("KITCHEN", mon + 6 + 20 * H, mon + 7 + 2 * H, "COOK", 17);   // Sunday night past the week
        b.otherFiles["17.KELOFF"] = HandMade::timeOff(17, mon + 1 + 8 * H, mon + 1 + 18 * H, "Dentist");
        b.addNeed("KITCHEN,Mon,COOK,06:00,14:00,1,");
        b.addNeed("KITCHEN,Mon,COOK,12:00,18:00,1,1");
        b.addNeed("KITCHEN,Mon,HOST,11:00,14:00,2,2");
        b.addNeed("KITCHEN,Sun,COOK,22:00,03:00,1,");   // the part after midnight is the week's first morning
        b.addNeed("BAKERY,Mon,BAKER,04:00,12:00,2,");   // another department's need
        b.write(m_dir.path());
    }

    void csvAsChecked()
    {
        clsEmployeeInfo info(m_dir.path(), clsEmployeeInfo::Access::ReadOnly);
        clsOptions options(ScheduleHelper::SettingsFilePath(m_dir.path()));
        DepartmentWeek week(info, options, "KITCHEN", monday() + 3, true);
        QCOMPARE(week.schedule().refusedShifts().size(), 1);
        const Coverage coverage(week.schedule(), StaffingNeeds::read(m_dir.path()).rowsOf("KITCHEN"));
        const QString golden = QStringLiteral(SHIFTGRID_TEST_AREA_DIR "/golden/coverage.csv");
        if (qEnvironmentVariableIsSet("SHIFTGRID_UPDATE_GOLDEN"))
            HandMade::write(golden, coverage.csv().toUtf8());
        QCOMPARE(coverage.csv(), QString::fromUtf8(HandMade::read(golden)));
        // Need no one covers, in person-minutes: one cook short Mon 06:00-08:00, 12:00-14:00 (the
        // two rows add up to two) and 16:00-18:00; one host short 11:00-14:00.
        QCOMPARE(coverage.unmetMinutes(), qint64(120 + 120 + 120 + 180));
        // 12:00-14:00 a row without bound covers too, so there is none; 14:00-16:00 one of one.
        QCOMPARE(coverage.aboveMostMinutes(), qint64(0));
    }

    // What a strip shows: per step the fewest on shift, the largest need, the smallest bound.
    void stepsOfAStrip()
    {
        clsEmployeeInfo info(m_dir.path(), clsEmployeeInfo::Access::ReadOnly);
        clsOptions options(ScheduleHelper::SettingsFilePath(m_dir.path()));
        DepartmentWeek week(info, options, "KITCHEN", monday(), true);
        const Coverage coverage(week.schedule(), StaffingNeeds::read(m_dir.path()).rowsOf("KITCHEN"));
        // Monday 10:00 to 16:00 in hours, HOST: Cy 11-15, two wanted 11-14 at most two.
        QStringList got;
        for (const Coverage::Step &s : coverage.steps("HOST", 10 * 60, 60, 6))
            got << QStringLiteral("%1/%2/%3").arg(s.scheduled).arg(s.needed).arg(s.most);
        QCOMPARE(got, QStringList({"0/0/-1", "1/2/2", "1/2/2", "1/2/2", "1/0/-1", "0/0/-1"}));
        QCOMPARE(coverage.positions(), QStringList({"COOK", "HOST"}));
    }
};

QTEST_GUILESS_MAIN(TestCoverage)
#include "tst_coverage.moc"
