// The master data: departments, positions, employees, memberships, assignments and default
// shifts, checked against bytes on disk and against files written by hand.

#include "EmployeeNamed.h"
#include "HandMadeRecords.h"
#include "data/CodePage.h"
#include "data/FileError.h"
#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

class TestEmployeeInfo : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_tmp;
    QString file(const char *name) const { return m_tmp->filePath(QLatin1String(name)); }
    std::unique_ptr<clsEmployeeInfo> open() { return std::make_unique<clsEmployeeInfo>(m_tmp->path()); }

    qint32 addEmployee(clsEmployeeInfo &info, const QString &first, const QString &last,
                       const QString &phone = {}, bool male = false)
    {
        EmployeeFields e = employeeNamed(first, last, male);
        e.phone = phone;
        return info.AddEmployee(e);
    }

private slots:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
    }

    // Text the code page cannot hold is refused before anything changes, naming the characters;
    // nothing is written and no change is announced.
    void textOutsideTheCodePageIsRefused()
    {
        auto info = open();
        const qint32 ann = addEmployee(*info, "Ann", "Lee");
        const QByteArray before = HandMade::read(file("EmployeeInfo.dat"));
        QSignalSpy departments(info.get(), &clsEmployeeInfo::departmentsChanged);
        QSignalSpy employees(info.get(), &clsEmployeeInfo::employeesChanged);
        const QList<std::pair<QString, std::function<void()>>> attempts{
            {"\"Ł\", \"ź\"", [&] { info->AddDepartment(QStringLiteral("Łódź")); }},
            {"\"ễ\"", [&] { info->JobInfoAdd(QStringLiteral("Nguyễn"), 0, 255); }},
            {"\"ễ\"", [&] { addEmployee(*info, "Ann", QStringLiteral("Nguyễn")); }},
            {"\"Ł\", \"Ź\"", [&] { info->DeptEmployeeSetAll(ann, {QStringLiteral("ŁÓDŹ")}); }}};
        for (const auto &[named, attempt] : attempts) {
            try {
                attempt();
                QFAIL(qPrintable("accepted: " + named));
            } catch (const CodePage::UnencodableText &e) {
                QVERIFY2(e.userText().contains(named), qPrintable(e.userText()));
            }
        }
        QCOMPARE(departments.count() + employees.count(), 0);
        QCOMPARE(info->Departments().size() + info->Positions().size() + info->Memberships().size(), 0);
        QCOMPARE(info->Employees().size(), 1);
        QCOMPARE(HandMade::read(file("EmployeeInfo.dat")), before);
    }

    void loadingCreatesBarNamesOnlyWhenWritable()
    {
        { clsEmployeeInfo ro(m_tmp->path(), clsEmployeeInfo::Access::ReadOnly); }
        QVERIFY(QDir(m_tmp->path()).entryList(QDir::Files).isEmpty());
        auto info = open();
        QVERIFY(QFile::exists(file("BarNames.dat")));
        QCOMPARE(QFileInfo(file("BarNames.dat")).size(), 0);
        QFile::remove(file("BarNames.dat"));
        info->Refresh();
        QVERIFY(QFile::exists(file("BarNames.dat")));
        // A read-only store refuses writes instead of touching the folder.
        clsEmployeeInfo ro(m_tmp->path(), clsEmployeeInfo::Access::ReadOnly);
        QVERIFY_THROWS_EXCEPTION(FileError, ro.OverTimeDepartmentset("X", true, 4));
    }

    void departmentNamesAndLookups()
    {
        auto info = open();
        info->AddDepartment("  Bakery ");
        QCOMPARE(info->DepartmentNames(), QStringList{"BAKERY"});
        QByteArray expected = HandMade::department("BAKERY");
        QCOMPARE(HandMade::read(file("Dept.dat")), expected);

        info->SaveDepartmentFirstDay("BAKERY", 3);
        QCOMPARE(info->GetDepartmentFirstDay("bakery"), qint16(0));
        QCOMPARE(info->GetDepartmentFirstDay("BAKERY"), qint16(3));
        QCOMPARE(info->GetDepartmentFirstDay("   BAKERY"), qint16(3));
        QCOMPARE(info->GetDepartmentFirstDay("BAKERY "), qint16(0));

        info->OverTimeDepartmentset("BAKERY", true, 40);
        info->OverTimeDepartmentset("BAKERY", false, 8);
        expected = HandMade::department("BAKERY", 3, 40, 8);
        QCOMPARE(HandMade::read(file("Dept.dat")), expected);
        QCOMPARE(open()->OverTimeDepartmentGet("BAKERY", true), quint8(40));
        QCOMPARE(open()->OverTimeDepartmentGet("BAKERY", false), quint8(8));
        QCOMPARE(info->OverTimeDepartmentGet("NOPE", true), quint8(0));

        const QString longName = QString(35, u'X');
        info->AddDepartment(longName);
        info->SaveDepartmentFirstDay(longName, 5);   // the 30-character field is found
        QCOMPARE(info->GetDepartmentFirstDay(QString(30, u'X')), qint16(5));
    }

    // A department is stored as it is added; one that cannot be stored is not kept in memory.
    void addedDepartmentIsStoredAtOnce()
    {
        auto info = open();
        info->AddDepartment("Deli");
        info->Refresh();
        QCOMPARE(info->DepartmentNames(), QStringList{"DELI"});
        clsEmployeeInfo ro(m_tmp->path(), clsEmployeeInfo::Access::ReadOnly);
        QVERIFY_THROWS_EXCEPTION(FileError, ro.AddDepartment("Bakery"));
        QCOMPARE(ro.DepartmentNames(), QStringList{"DELI"});
        QCOMPARE(HandMade::read(file("Dept.dat")), HandMade::department("DELI"));
    }

    void duplicateDepartmentsAndDeletion()
    {
        QByteArray bytes;
        for (const char *n : {"A", "B", "DUP", "C", "DUP"})
            bytes += HandMade::department(n, n[0] == 'D' ? 2 : 0);
        HandMade::write(file("Dept.dat"), bytes);
        HandMade::write(file("EmployeeDept.dat"),
                        HandMade::membership(1, "DUP") + HandMade::membership(1, "A") + HandMade::membership(2, "DUP"));
        HandMade::write(file("Shifts.dat"),
                        HandMade::defaultShift("DUP", 0.25, 0.5) + HandMade::defaultShift("A", 0.5, 0.75));
        auto info = open();
        info->SaveDepartmentFirstDay("DUP", 6);   // the first of the two
        QCOMPARE(HandMade::i32(HandMade::read(file("Dept.dat")), 2 * 530 + 30) & 0xFFFF, 6);
        QCOMPARE(HandMade::i32(HandMade::read(file("Dept.dat")), 4 * 530 + 30) & 0xFFFF, 2);

        info->DeleteDepartment("DUP");
        QCOMPARE(info->DepartmentNames(), (QStringList{"A", "B", "C"}));
        QCOMPARE(open()->Memberships().size(), 1);
        QCOMPARE(open()->DefaultShifts().size(), 1);
        QCOMPARE(open()->DefaultShifts().first().department, QStringLiteral("A"));
    }

    void deletingMovesTheLastDepartmentIntoTheGap()
    {
        auto info = open();
        for (const char *n : {"ONE", "TWO", "THREE", "FOUR", "FIVE"})
            info->AddDepartment(n);
        info->DeleteDepartment("TWO");
        QCOMPARE(open()->DepartmentNames(), (QStringList{"ONE", "FIVE", "THREE", "FOUR"}));
    }

    void positions()
    {
        auto info = open();
        info->JobInfoAdd("cook", 0, 255);
        info->JobInfoAdd("  COOK ", 16777215, 65280);
        info->JobInfoAdd("Waiter", 0, 255);
        QCOMPARE(info->JobNamesGetAll(), (QStringList{"COOK", "WAITER"}));
        QCOMPARE(HandMade::read(file("Jobs.dat")),
                 HandMade::position("COOK", 16777215, 65280) + HandMade::position("WAITER", 0, 255));

        qint32 text = -1, back = -1;
        info->JobNameInfoGet("cook", text, back);
        QCOMPARE(text, 0);
        QCOMPARE(back, 65280);
        info->JobNameInfoGet("WAITER", text, back);
        QCOMPARE(back, 255);

        // A long name keeps its full text in memory until the next load.
        info->JobInfoAdd("ASSISTANT HEAD PASTRY CHEF", 1, 2);
        QCOMPARE(info->JobNamesGetAll().last(), QStringLiteral("ASSISTANT HEAD PASTRY CHEF"));
        info->Refresh();
        QCOMPARE(info->JobNamesGetAll().last(), QStringLiteral("ASSISTANT HEAD PASTR"));

        info->JobDelete("cook");
        QCOMPARE(open()->JobNamesGetAll(), (QStringList{"ASSISTANT HEAD PASTR", "WAITER"}));

        // Names are upper-cased as the code page does: the sharp s stays and nothing turns into '?'.
        info->JobDelete("ASSISTANT HEAD PASTR");
        info->JobInfoAdd("stra\u00dfe caf\u00e9", 0, 255);
        QCOMPARE(HandMade::read(file("Jobs.dat")).mid(328, 20),
                 QByteArray("STRA\xdf" "E CAF\xc9").leftJustified(20, ' '));
    }

    void deletingAPositionRemovesMembershipsOfADepartmentOfThatName()
    {
        HandMade::write(file("Jobs.dat"), HandMade::position("BAR", 0, 255));
        HandMade::write(file("EmployeeDept.dat"),
                        HandMade::membership(7, "BAR") + HandMade::membership(7, "KITCHEN"));
        HandMade::write(file("JobsAval.dat"), HandMade::assignment(7, "BAR"));
        auto info = open();
        info->JobDelete("bar");
        QCOMPARE(open()->DeptEmployeeGetDepts(7), QStringList{"KITCHEN"});
        QCOMPARE(open()->JobEmpAvalGet(7), QStringList{"BAR"});   // assignments stay
    }

    void positionsInDepartments()
    {
        HandMade::write(file("EmployeeDept.dat"), HandMade::membership(1, "X") + HandMade::membership(2, "X")
                                                      + HandMade::membership(2, "Y") + HandMade::membership(3, "Y"));
        HandMade::write(file("JobsAval.dat"), HandMade::assignment(2, "COOK") + HandMade::assignment(1, "WAITER")
                                                  + HandMade::assignment(3, "HOST") + HandMade::assignment(3, "COOK"));
        auto info = open();
        QCOMPARE(info->PositionsInDept({"X", "Y"}), (QStringList{"WAITER", "COOK", "HOST"}));
        QCOMPARE(info->EmployeesInDept({"X", "Y"}), (QList<qint32>{1, 2, 3}));
        QCOMPARE(info->EmployeeGetForDeptandPost({"COOK", "HOST"}, {"Y", "X"}), (QList<qint32>{2, 3}));
        QCOMPARE(info->EmployeeGetForDeptandPost({"COOK"}, {"x"}), QList<qint32>{});
    }

    void addingAndUpdatingEmployees()
    {
        auto info = open();
        const qint32 ann = addEmployee(*info, "Ann", "Lee", "5551234", true);
        QVERIFY(ann >= 1 && ann <= 999999999);
        QCOMPARE(info->ConvertNumberToName(ann, true), QStringLiteral("Ann Lee"));
        QStringList names;
        QList<qint32> numbers;
        info->GetEmpNames(names, numbers);
        QCOMPARE(names, QStringList{"Ann Lee"});
        QCOMPARE(numbers, QList<qint32>{ann});

        const QByteArray disk = HandMade::read(file("EmployeeInfo.dat"));
        QCOMPARE(disk.size(), 732);
        QCOMPARE(HandMade::i32(disk, 0), ann);
        QCOMPARE(disk.mid(4, 50), QByteArray("Ann").leftJustified(50, ' '));
        QCOMPARE(disk.mid(448, 10), QByteArray("5551234   "));
        QCOMPARE(int(disk.at(628)), 1);
        QCOMPARE(disk.mid(629), QByteArray(103, '\0'));

        // Updating keeps the number and the availability times.
        std::array<double, 7> starts{}, ends{};
        starts.fill(0.25);
        ends.fill(0.75);
        info->EmployeeSetAvalTimes(ann, starts, ends);
        EmployeeFields update = employeeNamed(QString(60, u'A'), "Lee", false, ann);
        update.middleName = "M";
        update.dob = 100;
        update.scheduleName = "Annie";
        update.ssNumber = 123456789;
        update.descCode = "PT";
        update.hireDate = 200;
        update.phone = "8005551234";
        update.address1 = "1 Main";
        update.city = "Town";
        update.state = "ST";
        update.postalCode = "12345";
        update.spouse = "Sam";
        update.emergencyContact = "Bob";
        update.emergencyPhone = "5550000";
        QCOMPARE(info->AddEmployee(update), 0);
        const auto e = open()->GetEmployee(ann);
        QVERIFY(e);
        QCOMPARE(e->firstName, QString(50, u'A'));
        QCOMPARE(e->scheduleName, QStringLiteral("Annie"));
        QCOMPARE(e->availabilityStart[3], 0.25);
        QCOMPARE(e->male, false);
        QCOMPARE(info->ConvertNumberToName(ann, true), QStringLiteral("Annie"));
        QCOMPARE(info->EmpInfoPhoneGet(ann, false), QStringLiteral("(800) 555-1234"));
        QCOMPARE(info->EmpInfoPhoneGet(ann, true), QStringLiteral("555-0000"));
        QCOMPARE(info->EmpInfoPhoneGet(ann + 1, true), QString());

        // An unknown number changes nothing but still rewrites the file.
        QFile::remove(file("EmployeeInfo.dat"));
        QCOMPARE(info->AddEmployee(employeeNamed("X", "Y", false, 12)), 0);
        QCOMPARE(QFileInfo(file("EmployeeInfo.dat")).size(), 732);
    }

    void newNumbersNeverCollide()
    {
        auto info = open();
        QSet<qint32> seen;
        for (int i = 0; i < 300; ++i) {
            const qint32 n = addEmployee(*info, "E", QString::number(i));
            QVERIFY(n >= 1 && n <= 999999999);
            QVERIFY(!seen.contains(n));
            seen.insert(n);
        }
        QCOMPARE(QFileInfo(file("EmployeeInfo.dat")).size(), 300 * 732);
    }

    void namesOfUnknownAndFirstNameless()
    {
        HandMade::write(file("EmployeeInfo.dat"), HandMade::employee(5, "", "Solo"));
        auto info = open();
        QCOMPARE(info->ConvertNumberToName(5, false), QStringLiteral("Solo"));
        QCOMPARE(info->ConvertNumberToName(1234, true), QStringLiteral("1234"));
        QVERIFY(info->EmployeeExists(5));
        QVERIFY(!info->EmployeeExists(6));
    }

    // Lookups by number after loads, additions and deletions: the first record with a number
    // is the one found, also after a deletion moved the last record into the gap.
    void lookupsFollowChanges_data()
    {
        QTest::addColumn<QStringList>("records");   // "number first-name", in file order
        QTest::addColumn<qint32>("deleted");        // 0: none
        QTest::addColumn<QStringList>("found");     // "number name" after the change
        QTest::newRow("repeated number") << QStringList{"5 A", "7 C", "5 B"} << 0
                                         << QStringList{"5 A", "7 C", "8 8"};
        QTest::newRow("first of a repeated number deleted") << QStringList{"5 A", "7 C", "5 B"} << 5
                                                            << QStringList{"5 B", "7 C"};
        QTest::newRow("last moves into the gap") << QStringList{"1 A", "2 B", "3 C"} << 1
                                                 << QStringList{"1 1", "2 B", "3 C"};
        QTest::newRow("last record deleted") << QStringList{"1 A", "2 B", "3 C"} << 3
                                             << QStringList{"1 A", "2 B", "3 3"};
    }
    void lookupsFollowChanges()
    {
        QFETCH(QStringList, records);
        QFETCH(qint32, deleted);
        QFETCH(QStringList, found);
        QByteArray bytes;
        for (const QString &r : records)
            bytes += HandMade::employee(r.section(' ', 0, 0).toInt(), r.section(' ', 1).toLatin1(), "");
        HandMade::write(file("EmployeeInfo.dat"), bytes);
        auto info = open();
        QCOMPARE(info->ConvertNumberToName(records.first().section(' ', 0, 0).toInt(), false),
                 records.first().section(' ', 1));   // the lookup before the change
        if (deleted)
            info->DeleteUser(deleted);
        const qint32 hired = addEmployee(*info, "New", "Hire");
        for (const QString &f : found) {
            const qint32 number = f.section(' ', 0, 0).toInt();
            QCOMPARE(info->ConvertNumberToName(number, false), f.section(' ', 1));
            QCOMPARE(info->EmployeeExists(number), f.section(' ', 1) != QString::number(number));
        }
        QCOMPARE(info->ConvertNumberToName(hired, false), QStringLiteral("New Hire"));
    }

    void deletingAnEmployeeRemovesAssignmentsAndMemberships()
    {
        HandMade::write(file("EmployeeInfo.dat"), HandMade::employee(1, "A", "A") + HandMade::employee(2, "B", "B")
                                                      + HandMade::employee(3, "C", "C"));
        HandMade::write(file("EmployeeDept.dat"), HandMade::membership(1, "X") + HandMade::membership(2, "X")
                                                      + HandMade::membership(1, "Y"));
        HandMade::write(file("JobsAval.dat"), HandMade::assignment(1, "COOK") + HandMade::assignment(2, "COOK")
                                                  + HandMade::assignment(1, "HOST"));
        auto info = open();
        QCOMPARE(info->JobEmpAvalGet(1), (QStringList{"COOK", "HOST"}));
        info->DeleteUser(1);
        QVERIFY(info->JobEmpAvalGet(1).isEmpty());
        QCOMPARE(info->JobEmpAvalGet(2), QStringList{"COOK"});
        auto fresh = open();
        QStringList names;
        QList<qint32> numbers;
        fresh->GetEmpNames(names, numbers);
        QCOMPARE(numbers, (QList<qint32>{3, 2}));   // the last takes the deleted one's place
        QCOMPARE(fresh->Memberships().size(), 1);
        QCOMPARE(fresh->Assignments().size(), 1);
        QCOMPARE(fresh->JobEmpAvalGet(2), QStringList{"COOK"});
    }

    void membershipOrder()
    {
        auto info = open();
        for (qint32 e : {1, 2, 3})
            info->AddEmployeeToDept("X", e);
        QCOMPARE(info->GetEmployeeInDept("X"), (QList<qint32>{1, 2, 3}));
        info->AddEmployeeToDept("X", 2);   // exists: nothing added
        QCOMPARE(info->GetEmployeeInDept("X").size(), 3);

        info->DeptEmployeeSetAll(1, {"X"});
        QCOMPARE(open()->GetEmployeeInDept("X"), (QList<qint32>{3, 2, 1}));
        info->DeleteEmployeeFromDept("X", 3);
        QCOMPARE(open()->GetEmployeeInDept("X"), (QList<qint32>{1, 2}));
        QCOMPARE(info->GetEmployeeInDept("x"), QList<qint32>{});

        info->AddEmployeeToDept("Y", 2);
        info->DeleteEmployeeFromDept("X", 0);
        QCOMPARE(open()->GetEmployeeInDept("X"), QList<qint32>{});
        QCOMPARE(open()->GetEmployeeInDept("Y"), QList<qint32>{2});
        info->DeptEmployeeSetAll(2, {});
        QCOMPARE(QFileInfo(file("EmployeeDept.dat")).size(), 0);
    }

    void assignments()
    {
        auto info = open();
        info->JobEmpAvalReplace(4, {"cook", "Cook"});
        QCOMPARE(info->JobEmpAvalGet(4), (QStringList{"COOK", "COOK"}));
        QVERIFY(info->JobEmployeeHasMultiple(4));
        QCOMPARE(HandMade::read(file("JobsAval.dat")), HandMade::assignment(4, "COOK") + HandMade::assignment(4, "COOK"));
        info->JobEmpAvalReplace(4, {});
        QVERIFY(!info->JobEmployeeHasMultiple(4));
        QCOMPARE(QFileInfo(file("JobsAval.dat")).size(), 0);

        info->JobEmpAvalAdd(4, " host ");
        info->JobEmpAvalAdd(4, "HOST");
        QCOMPARE(info->JobEmpAvalGet(4), QStringList{"HOST"});
        info->Refresh();   // adding changes memory only
        QVERIFY(info->JobEmpAvalGet(4).isEmpty());
    }

    void availability()
    {
        QByteArray rec = HandMade::employee(3, "A", "B");
        HandMade::putF64(rec, 336 + 8 * 2, 37000.25);   // Tuesday start: a full date-time
        HandMade::putF64(rec, 392 + 8 * 2, 37000.75);
        HandMade::write(file("EmployeeInfo.dat"), rec);
        auto info = open();
        std::array<double, 7> starts, ends;
        starts.fill(-1);
        ends.fill(-1);
        info->EmployeeGetAvalTimes(3, starts, ends);
        QCOMPARE(starts[0], 0.0);
        QCOMPARE(ends[0], 1.0);   // a stored end of 0 is the end of the day
        QCOMPARE(starts[2], 0.25);
        QCOMPARE(ends[2], 0.75);

        std::array<double, 7> untouched;
        untouched.fill(-1);
        std::array<double, 7> untouchedEnds = untouched;
        info->EmployeeGetAvalTimes(99, untouched, untouchedEnds);
        QCOMPARE(untouched[0], -1.0);
    }

    void defaultShifts()
    {
        HandMade::write(file("Shifts.dat"), HandMade::defaultShift("A", 0.3, 0.6)
                                                + HandMade::defaultShift("B", 0.1, 0.2)
                                                + HandMade::defaultShift("A", 0.4, 0.7));
        auto info = open();
        // Replacing A's shifts moves the last entry (A2) into the gap first: A's old order.
        QCOMPARE(info->ShiftAutoGetAll("A").size(), 2);
        info->ShiftSaveAll("B", {{"B", 0.5, 0.25}});
        const QList<DefaultShift> all = open()->DefaultShifts();
        QCOMPARE(all.size(), 3);
        QCOMPARE(all[0].start, 0.3);
        QCOMPARE(all[1].start, 0.4);   // A2 took B's place
        QCOMPARE(all[2].department, QStringLiteral("B"));

        info->ShiftSaveAll("A", {{"A", 8.0 / 24, 16.0 / 24}, {"A", 10.0 / 24, 18.0 / 24}});
        QCOMPARE(open()->ShiftAutoGetAll("A")[0].start, 8.0 / 24);
        info->ShiftSaveAll("A", {{"A", 10.0 / 24, 18.0 / 24}, {"A", 8.0 / 24, 16.0 / 24}});
        QCOMPARE(open()->ShiftAutoGetAll("A")[0].start, 10.0 / 24);

        info->ShiftSaveAll("C", {{"C  ", 0.1, 0.2}});   // trailing blanks are cut by the reload
        QCOMPARE(info->ShiftAutoGetAll("C").size(), 1);
        info->ShiftSaveAll("A", {});
        QVERIFY(open()->ShiftAutoGetAll("A").isEmpty());
        const QByteArray disk = HandMade::read(file("Shifts.dat"));
        QCOMPARE(disk.size(), 2 * 248);
        QCOMPARE(HandMade::f64(disk, 248 + 32), 0.1);
    }

    // Reading the master data, by any of its getters or by loading it again, leaves every file
    // of the folder as it was: the same bytes and the same modification time.
    void readingWritesNothing()
    {
        HandMade::write(file("Dept.dat"), HandMade::department("KITCHEN", 1, 40, 8));
        HandMade::write(file("Jobs.dat"), HandMade::position("COOK", 0, 255));
        HandMade::write(file("EmployeeInfo.dat"), HandMade::employee(3, "Ann", "Lee", "5551234") + HandMade::employee(4, "Bob", "Ray"));
        HandMade::write(file("EmployeeDept.dat"), HandMade::membership(3, "KITCHEN") + HandMade::membership(4, "KITCHEN"));
        HandMade::write(file("JobsAval.dat"), HandMade::assignment(3, "COOK"));
        HandMade::write(file("Shifts.dat"), HandMade::defaultShift("KITCHEN", 0.25, 0.5));
        HandMade::write(file("BarNames.dat"), {});
        const QDateTime longAgo(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);
        const auto snapshot = [&] {
            QMap<QString, std::pair<QByteArray, QDateTime>> files;
            for (const QString &name : QDir(m_tmp->path()).entryList(QDir::Files))
                files.insert(name, {HandMade::read(m_tmp->filePath(name)), QFileInfo(m_tmp->filePath(name)).lastModified()});
            return files;
        };
        for (const QString &name : QDir(m_tmp->path()).entryList(QDir::Files)) {
            QFile f(m_tmp->filePath(name));
            QVERIFY(f.open(QIODevice::Append) && f.setFileTime(longAgo, QFileDevice::FileModificationTime));
        }
        const auto before = snapshot();
        QCOMPARE(before.size(), 7);

        auto info = open();
        std::array<double, 7> starts{}, ends{};
        qint32 text = 0, back = 0;
        QStringList names;
        QList<qint32> numbers;
        const QList<std::pair<const char *, std::function<void()>>> reads{
            {"Departments", [&] { info->Departments(); info->DepartmentNames(); info->DepartmentsNamed({"kitchen"}); }},
            {"GetDepartmentFirstDay", [&] { info->GetDepartmentFirstDay("KITCHEN"); info->OverTimeDepartmentGet("KITCHEN", true); }},
            {"JobNameInfoGet", [&] { info->JobNameInfoGet("COOK", text, back); info->JobNamesGetAll(); info->Positions(); }},
            {"PositionsInDept", [&] { info->PositionsInDept({"KITCHEN"}); }},
            {"Employees", [&] { info->Employees(); info->GetEmployee(3); info->EmployeeExists(3); info->GetEmpNames(names, numbers); }},
            {"ConvertNumberToName", [&] { info->ConvertNumberToName(3, true); info->DistinctNames({3, 4}, false); }},
            {"EmpInfoPhoneGet", [&] { info->EmpInfoPhoneGet(3, false); info->GetBarForEmployeeNumber(3); info->GetAvalJobs(3); }},
            {"EmployeeGetAvalTimes", [&] { info->EmployeeGetAvalTimes(3, starts, ends); info->EmployeeGetAvalTimes(99, starts, ends); }},
            {"GetEmployeeInDept", [&] { info->GetEmployeeInDept("KITCHEN"); info->EmployeesInDept({"KITCHEN"}); info->Memberships(); }},
            {"DeptEmployeeGetDepts", [&] { info->DeptEmployeeGetDepts(3); }},
            {"JobEmpAvalGet", [&] { info->JobEmpAvalGet(3); info->JobEmployeeHasMultiple(3); info->Assignments(); }},
            {"EmployeeGetForDeptandPost", [&] { info->EmployeeGetForDeptandPost({"COOK"}, {"KITCHEN"}); }},
            {"ShiftAutoGetAll", [&] { info->ShiftAutoGetAll("KITCHEN"); info->DefaultShifts(); }},
            {"LoadDepartmentList", [&] { info->LoadDepartmentList(); info->LoadDepartmentEmployees(); info->Refresh(); }},
            {"an empty batch", [&] { info->beginBatch(); info->endBatch(); }}};
        for (const auto &[name, read] : reads) {
            read();
            QVERIFY2(snapshot() == before, name);
        }
    }

    void accentedTextsRoundTrip()
    {
        HandMade::write(file("EmployeeInfo.dat"), HandMade::employee(8, "Jos\xe9", "M\xfcller"));
        auto info = open();
        QCOMPARE(info->ConvertNumberToName(8, false), QStringLiteral("Jos\u00e9 M\u00fcller"));
        info->AddEmployee(employeeNamed("Jos\u00e9", "M\u00fcller", false, 8));
        QCOMPARE(HandMade::read(file("EmployeeInfo.dat")).mid(4, 5), QByteArray("Jos\xe9 "));
    }
};

QTEST_GUILESS_MAIN(TestEmployeeInfo)
#include "tst_employeeinfo.moc"
