// The Fill Open Needs dialog over a hand-made week: it plans on Fill, shows each open need with
// its reason, gives the shifts to add only when accepted, and says when there is nothing to plan.

#include "../../planning/PlanningFolder.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "planning/DepartmentWeek.h"
#include "ui/scheduling/FillNeedsDialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace PlanningFolder;

class TestFillNeeds : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fillsAndSummarises()
    {
        Business b;
        b.addEmployee(17, "Ann", {"COOK"});
        b.defaultShifts = HandMade::defaultShift("KITCHEN", 8 * H, 16 * H);
        b.addNeed("KITCHEN,Mon,COOK,08:00,16:00,1,");
        b.addNeed("KITCHEN,Tue,HOST,10:00,12:00,1,");
        b.otherFiles["17.KELOFF"] = HandMade::timeOff(17, monday() + 2, monday() + 3, "Away");
        b.addNeed("KITCHEN,Wed,COOK,09:00,11:00,2,");
        QTemporaryDir dir;
        b.write(dir.path());
        clsEmployeeInfo info(dir.path(), clsEmployeeInfo::Access::ReadOnly);
        clsOptions options(ScheduleHelper::SettingsFilePath(dir.path()));
        DepartmentWeek week(info, options, "KITCHEN", monday(), true);

        FillNeedsDialog dialog(info, week.schedule());
        dialog.show();
        auto *apply = dialog.findChild<QPushButton *>("cmdApply");
        QVERIFY(!apply->isEnabled());
        QTest::mouseClick(dialog.findChild<QPushButton *>("cmdFill"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(apply->isEnabled(), 20000);
        QCOMPARE(dialog.findChild<QPlainTextEdit *>("txtSummary")->toPlainText(),
                 "1 shift(s) to add.\n"
                 "Need left open: 6:00 hours.\n"
                 "No better plan exists.\n"
                 "Tue 10:00-12:00 HOST: 1 missing - nobody in the department holds the position\n"
                 "Wed 09:00-11:00 COOK: 2 missing - all who hold it are off");
        QTest::mouseClick(apply, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.added().size(), 1);
        QCOMPARE(dialog.added().first().employee, 17);
        QCOMPARE(dialog.added().first().begin, monday() + 8 * H);
        // The week itself is unchanged: the caller adds the shifts.
        QCOMPARE(week.grid().TBMax(), 1);   // Ann's time off only
    }

    void saysWhenThereIsNothingToPlan()
    {
        Business b;
        b.addEmployee(17, "Ann", {"COOK"});
        QTemporaryDir dir;
        b.write(dir.path());
        clsEmployeeInfo info(dir.path(), clsEmployeeInfo::Access::ReadOnly);
        clsOptions options(ScheduleHelper::SettingsFilePath(dir.path()));
        DepartmentWeek week(info, options, "KITCHEN", monday(), true);
        FillNeedsDialog dialog(info, week.schedule());
        QVERIFY(!dialog.findChild<QPushButton *>("cmdFill")->isEnabled());
        QCOMPARE(dialog.findChild<QLabel *>("labStatus")->text(), "The department has no staffing needs (Setup > Staffing Needs).");
    }
};

QTEST_MAIN(TestFillNeeds)
#include "tst_fillneeds.moc"
