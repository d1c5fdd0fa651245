// Operations that write several files are whole or absent: one file failing in the middle (a
// full disk, a file another program holds) leaves every file of the folder as it was, with no
// temporary file or journal behind. The same operation without the failure changes the failing
// file and at least one other, so each row tests a real operation over several files.

#include "app/commands/DemoBusiness.h"
#include "WeekEdit.h"
#include "data/FileError.h"
#include "data/MultiFileCommit.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "exchange/ImportEmployees.h"
#include "schedule/ScheduleCopy.h"
#include "schedule/clsScheduleData.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

namespace {

using Folder = QMap<QString, QByteArray>;
const double kToday = OleDate::fromDate(QDate(2026, 3, 4));

Folder snapshot(const QString &folder)
{
    Folder files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            files.insert(QDir(folder).relativeFilePath(path), f.readAll());
    }
    return files;
}

QString dayFile(const clsEmployeeInfo &info, const QString &department, int offset)
{
    const double day = clsScheduleData::WeekStart(info, department, kToday) + offset;
    return department + "/" + OleDate::format(day, "yyyymmdd") + ".KELSCD";
}

// The operations, each over a fresh demo business; `failing` names a file of the operation.
struct Operation {
    std::function<QString(const clsEmployeeInfo &)> failing;
    std::function<void(const QString &data)> run;
};

QMap<QString, Operation> operations()
{
    QMap<QString, Operation> ops;
    ops["week save"] = {[](const clsEmployeeInfo &info) { return dayFile(info, "KITCHEN", 3); },
                        [](const QString &data) { WeekEdit::deleteEveryOtherShiftAndSave(data, "KITCHEN", kToday); }};
    ops["week copy"] = {[](const clsEmployeeInfo &info) { return dayFile(info, "KITCHEN", 7 + 3); },
                        [](const QString &data) {
                            clsEmployeeInfo info(data);
                            clsOptions options(ScheduleHelper::SettingsFilePath(data));
                            clsScheduleData schedule(info, options);
                            const double first = clsScheduleData::WeekStart(info, "KITCHEN", kToday);
                            ScheduleCopy(schedule, "KITCHEN").copy(first, first + 7, 7);
                        }};
    ops["import"] = {[](const clsEmployeeInfo &) { return QString("EmployeeDept.dat"); },
                     [](const QString &data) {
                         clsEmployeeInfo info(data);
                         ImportEmployees::Options options;
                         options.createMissing = true;
                         const QByteArray csv = "First Name,Last Name,Birth Date,Departments,Positions\n"
                                                "Ada,Quill,1990-01-02,KITCHEN;CATERING,COOK;CHEF\n"
                                                "Ben,Rook,1985-07-30,CATERING,CHEF\n";
                         const ImportEmployees::Plan plan = ImportEmployees::check(info, csv, options);
                         QVERIFY(plan.problems.isEmpty() && plan.error.isEmpty());
                         ImportEmployees::apply(info, plan, options);
                     }};
    ops["employee delete"] = {[](const clsEmployeeInfo &) { return QString("JobsAval.dat"); },
                              [](const QString &data) {
                                  clsEmployeeInfo info(data);
                                  info.DeleteUser(info.Employees().first().number);
                              }};
    ops["department delete"] = {[](const clsEmployeeInfo &) { return QString("Shifts.dat"); },
                                [](const QString &data) {
                                    clsEmployeeInfo info(data);
                                    info.DeleteDepartment("BAKERY");
                                }};
    return ops;
}

} // namespace

class TestWholeOperations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ScheduleHelper::ClearInjectedWriteFailures(); }

    void oneFailingFileLeavesTheFolderAsItWas_data()
    {
        QTest::addColumn<QString>("operation");
        for (const QString &name : operations().keys())
            QTest::newRow(qPrintable(name)) << name;
    }
    void oneFailingFileLeavesTheFolderAsItWas()
    {
        QFETCH(QString, operation);
        const Operation op = operations().value(operation);
        QTemporaryDir tmp;
        DemoBusiness::Options demo;
        demo.employees = 12;
        demo.weeks = 1;
        demo.today = kToday;
        QCOMPARE(DemoBusiness::create(tmp.path(), demo), QString());
        const Folder before = snapshot(tmp.path());
        const QString failing = op.failing(clsEmployeeInfo(tmp.path(), clsEmployeeInfo::Access::ReadOnly));

        ScheduleHelper::InjectWriteFailure(QDir(tmp.path()).filePath(failing), "No space left on device");
        try {
            op.run(tmp.path());
            QFAIL("the operation did not fail");
        } catch (const FileError &error) {
            QVERIFY2(error.reason().contains("No space left on device"), qPrintable(error.userText()));
        }
        const Folder afterFailure = snapshot(tmp.path());
        QCOMPARE(afterFailure.keys(), before.keys());
        for (auto it = before.begin(); it != before.end(); ++it)
            QVERIFY2(afterFailure.value(it.key()) == it.value(), qPrintable(it.key() + " changed"));

        ScheduleHelper::ClearInjectedWriteFailures();
        op.run(tmp.path());
        const Folder done = snapshot(tmp.path());
        QStringList changed;
        for (auto it = done.begin(); it != done.end(); ++it)
            if (before.value(it.key()) != it.value() || !before.contains(it.key()))
                changed << it.key();
        QVERIFY2(changed.contains(failing) && changed.size() >= 2, qPrintable(changed.join(", ")));
        QVERIFY(!done.contains(MultiFileCommit::journalFileName()));
    }
};

QTEST_MAIN(TestWholeOperations)
#include "tst_wholeoperations.moc"
