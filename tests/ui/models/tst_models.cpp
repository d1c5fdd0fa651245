#include "EmployeeNamed.h"
#include "ui/models/CheckedNamesModel.h"
#include "ui/models/MasterListModels.h"
#include "data/clsEmployeeInfo.h"

#include <QAbstractItemModelTester>
#include <QPersistentModelIndex>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

namespace {

// KITCHEN, DELI and BAR; CASHIER, BAKER and COOK; Ann Lee, Bob Ray and Cy Fox.
struct Folder {
    QTemporaryDir dir;
    std::unique_ptr<clsEmployeeInfo> info = std::make_unique<clsEmployeeInfo>(dir.path());
    QList<qint32> employees;

    Folder()
    {
        for (const char *name : {"KITCHEN", "DELI", "BAR"})
            info->AddDepartment(QString::fromLatin1(name));
        for (const char *name : {"CASHIER", "BAKER", "COOK"})
            info->JobInfoAdd(QString::fromLatin1(name), 0, 255);
        for (const auto &[first, last] : {std::pair{"Ann", "Lee"}, {"Bob", "Ray"}, {"Cy", "Fox"}})
            employees << add(*info, QString::fromLatin1(first), QString::fromLatin1(last), 0);
    }
    // Another program working on the same folder.
    std::unique_ptr<clsEmployeeInfo> other() const { return std::make_unique<clsEmployeeInfo>(dir.path()); }

    static qint32 add(clsEmployeeInfo &info, const QString &first, const QString &last, qint32 number)
    {
        return info.AddEmployee(employeeNamed(first, last, true, number));
    }
};

using Edit = std::function<void(Folder &)>;

QStringList shown(const QAbstractItemModel &model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << model.index(row, 0).data().toString();
    return names;
}

QList<qint32> numbers(const QAbstractItemModel &model)
{
    QList<qint32> all;
    for (int row = 0; row < model.rowCount(); ++row)
        all << model.index(row, 0).data(MasterListModel::NumberRole).toInt();
    return all;
}

// Every model of the folder, each watched by a tester that stops the test at the first
// broken promise of the item model rules.
struct Models {
    DepartmentListModel departments;
    PositionListModel positions;
    EmployeeListModel employees;
    QAbstractItemModelTester departmentsTester{&departments, QAbstractItemModelTester::FailureReportingMode::Fatal};
    QAbstractItemModelTester positionsTester{&positions, QAbstractItemModelTester::FailureReportingMode::Fatal};
    QAbstractItemModelTester employeesTester{&employees, QAbstractItemModelTester::FailureReportingMode::Fatal};

    explicit Models(clsEmployeeInfo &info) : departments(info), positions(info), employees(info) {}
};

}   // namespace

Q_DECLARE_METATYPE(Edit)

class tst_models : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // After each edit every model lists what clsEmployeeInfo lists, and a row that the edit did
    // not touch keeps its place in a view (a persistent index still shows the same name) and
    // is never reset away.
    void rowsFollowEveryEdit_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("untouchedDepartment");
        QTest::addColumn<QString>("untouchedPosition");
        QTest::addColumn<QString>("untouchedEmployee");

        QTest::newRow("add department") << Edit([](Folder &f) { f.info->AddDepartment("PANTRY"); })
                                        << "BAR" << "COOK" << "Cy Fox";
        QTest::newRow("delete first department")
            << Edit([](Folder &f) { f.info->DeleteDepartment("KITCHEN"); }) << "DELI" << "COOK" << "Cy Fox";
        QTest::newRow("delete last department")
            << Edit([](Folder &f) { f.info->DeleteDepartment("BAR"); }) << "KITCHEN" << "COOK" << "Cy Fox";
        QTest::newRow("delete every department") << Edit([](Folder &f) {
            for (const char *name : {"DELI", "BAR", "KITCHEN"})
                f.info->DeleteDepartment(QString::fromLatin1(name));
        }) << "" << "COOK" << "Cy Fox";
        QTest::newRow("department stored twice") << Edit([](Folder &f) { f.info->AddDepartment("DELI"); })
                                                 << "BAR" << "COOK" << "Cy Fox";
        QTest::newRow("add position") << Edit([](Folder &f) { f.info->JobInfoAdd("HOST", 0, 255); })
                                      << "BAR" << "COOK" << "Cy Fox";
        QTest::newRow("recolour position") << Edit([](Folder &f) { f.info->JobInfoAdd("BAKER", 255, 0); })
                                           << "BAR" << "BAKER" << "Cy Fox";
        QTest::newRow("delete middle position") << Edit([](Folder &f) { f.info->JobDelete("BAKER"); })
                                                << "BAR" << "CASHIER" << "Cy Fox";
        QTest::newRow("add employee") << Edit([](Folder &f) { Folder::add(*f.info, "Di", "Orr", 0); })
                                      << "BAR" << "COOK" << "Ann Lee";
        QTest::newRow("rename employee")
            << Edit([](Folder &f) { Folder::add(*f.info, "Robert", "Ray", f.employees[1]); })
            << "BAR" << "COOK" << "Cy Fox";
        QTest::newRow("delete first employee") << Edit([](Folder &f) { f.info->DeleteUser(f.employees[0]); })
                                               << "BAR" << "COOK" << "Bob Ray";
        QTest::newRow("delete middle employee") << Edit([](Folder &f) { f.info->DeleteUser(f.employees[1]); })
                                                << "BAR" << "COOK" << "Ann Lee";
        QTest::newRow("membership only") << Edit([](Folder &f) { f.info->DeptEmployeeSetAll(f.employees[0], {"DELI"}); })
                                         << "DELI" << "COOK" << "Ann Lee";
        QTest::newRow("reload after another program added") << Edit([](Folder &f) {
            auto other = f.other();
            other->AddDepartment("PANTRY");
            other->JobInfoAdd("HOST", 0, 255);
            Folder::add(*other, "Di", "Orr", 0);
            f.info->Refresh();
        }) << "KITCHEN" << "CASHIER" << "Ann Lee";
        QTest::newRow("reload after another program deleted") << Edit([](Folder &f) {
            auto other = f.other();
            other->DeleteDepartment("DELI");
            other->JobDelete("CASHIER");
            other->DeleteUser(f.employees[2]);
            f.info->Refresh();
        }) << "KITCHEN" << "BAKER" << "Ann Lee";
        QTest::newRow("reload after another program emptied the folder") << Edit([](Folder &f) {
            for (const char *file : {clsEmployeeInfo::kDepartmentsFile, clsEmployeeInfo::kPositionsFile,
                                     clsEmployeeInfo::kEmployeesFile})
                QVERIFY(QFile::remove(f.dir.filePath(QString::fromLatin1(file))));
            f.info->Refresh();
        }) << "" << "" << "";
        QTest::newRow("cancelled batch") << Edit([](Folder &f) {
            f.info->beginBatch();
            f.info->AddDepartment("PANTRY");
            f.info->JobDelete("CASHIER");
            f.info->DeleteUser(f.employees[0]);
            f.info->cancelBatch();
        }) << "BAR" << "CASHIER" << "Ann Lee";
    }
    void rowsFollowEveryEdit()
    {
        QFETCH(Edit, edit);
        QFETCH(QString, untouchedDepartment);
        QFETCH(QString, untouchedPosition);
        QFETCH(QString, untouchedEmployee);
        Folder folder;
        Models models(*folder.info);
        const auto keep = [](const MasterListModel &m, const QString &name) {
            return QPersistentModelIndex(m.index(m.rowOfText(name), 0));
        };
        const QPersistentModelIndex department = keep(models.departments, untouchedDepartment);
        const QPersistentModelIndex position = keep(models.positions, untouchedPosition);
        const QPersistentModelIndex employee = keep(models.employees, untouchedEmployee);
        QSignalSpy departmentResets(&models.departments, &QAbstractItemModel::modelReset);
        QSignalSpy positionResets(&models.positions, &QAbstractItemModel::modelReset);
        QSignalSpy employeeResets(&models.employees, &QAbstractItemModel::modelReset);

        edit(folder);

        QCOMPARE(shown(models.departments), folder.info->DepartmentNames());
        QCOMPARE(shown(models.positions), folder.info->JobNamesGetAll());
        QStringList names;
        QList<qint32> stored;
        folder.info->GetEmpNames(names, stored);
        QCOMPARE(shown(models.employees), names);
        QCOMPARE(numbers(models.employees), stored);
        QCOMPARE(department.data().toString(), untouchedDepartment);
        QCOMPARE(position.data().toString(), untouchedPosition);
        QCOMPARE(employee.data().toString(), untouchedEmployee);
        QCOMPARE(departmentResets.count() + positionResets.count() + employeeResets.count(), 0);
    }

    // Numbers belong to the employee list alone.
    void onlyEmployeesHaveNumbers()
    {
        Folder folder;
        Models models(*folder.info);
        QCOMPARE(numbers(models.employees), folder.employees);
        QCOMPARE(models.employees.rowOfNumber(folder.employees[2]), 2);
        QCOMPARE(models.employees.rowOfNumber(-1), -1);
        QVERIFY(!models.departments.index(0, 0).data(MasterListModel::NumberRole).isValid());
        QVERIFY(!models.positions.index(0, 0).data(MasterListModel::NumberRole).isValid());
    }

    // The marks of the assignment lists belong to names: they stay with a name whatever else
    // changes, go with a deleted name and do not come back when the name is added again.
    void marksBelongToNames_data()
    {
        QTest::addColumn<QStringList>("marked");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("unknown and lower-case names ignored")
            << QStringList{"DELI", "bar", "PANTRY"} << Edit([](Folder &) {}) << QStringList{"DELI"};
        QTest::newRow("list order, not marking order")
            << QStringList{"BAR", "KITCHEN"} << Edit([](Folder &) {}) << QStringList{"KITCHEN", "BAR"};
        QTest::newRow("another department added")
            << QStringList{"BAR"} << Edit([](Folder &f) { f.info->AddDepartment("PANTRY"); }) << QStringList{"BAR"};
        QTest::newRow("the last department moves into a deleted one's place")
            << QStringList{"BAR"} << Edit([](Folder &f) { f.info->DeleteDepartment("KITCHEN"); }) << QStringList{"BAR"};
        QTest::newRow("marked department deleted")
            << QStringList{"KITCHEN", "BAR"} << Edit([](Folder &f) { f.info->DeleteDepartment("KITCHEN"); })
            << QStringList{"BAR"};
        QTest::newRow("marked department deleted and added again") << QStringList{"DELI"} << Edit([](Folder &f) {
            f.info->DeleteDepartment("DELI");
            f.info->AddDepartment("DELI");
        }) << QStringList{};
        QTest::newRow("marked department gone after a reload") << QStringList{"DELI", "BAR"} << Edit([](Folder &f) {
            f.other()->DeleteDepartment("DELI");
            f.info->Refresh();
        }) << QStringList{"BAR"};
    }
    void marksBelongToNames()
    {
        QFETCH(QStringList, marked);
        QFETCH(Edit, edit);
        QFETCH(QStringList, expected);
        Folder folder;
        DepartmentListModel departments(*folder.info);
        CheckedNamesModel choices(&departments);
        QAbstractItemModelTester tester(&choices, QAbstractItemModelTester::FailureReportingMode::Fatal);
        choices.setChecked(marked);
        edit(folder);
        QCOMPARE(choices.checked(), expected);
        for (int row = 0; row < choices.rowCount(); ++row) {
            const QModelIndex at = choices.index(row, 0);
            QCOMPARE(at.data(Qt::CheckStateRole).value<Qt::CheckState>(),
                     expected.contains(at.data().toString()) ? Qt::Checked : Qt::Unchecked);
            QVERIFY(at.flags() & Qt::ItemIsUserCheckable);
        }
    }

    // A view checks and unchecks through setData, as a click or the space key does.
    void checkingThroughTheModel()
    {
        Folder folder;
        PositionListModel positions(*folder.info);
        CheckedNamesModel choices(&positions);
        QAbstractItemModelTester tester(&choices, QAbstractItemModelTester::FailureReportingMode::Fatal);
        QSignalSpy changed(&choices, &QAbstractItemModel::dataChanged);
        QVERIFY(choices.setData(choices.index(2, 0), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(choices.setData(choices.index(0, 0), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(choices.checked(), (QStringList{"CASHIER", "COOK"}));
        QVERIFY(choices.setData(choices.index(2, 0), Qt::Unchecked, Qt::CheckStateRole));
        QCOMPARE(choices.checked(), QStringList{"CASHIER"});
        QCOMPARE(changed.count(), 3);
    }
};

QTEST_GUILESS_MAIN(tst_models)
#include "tst_models.moc"
