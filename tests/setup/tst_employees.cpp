#include "SetupTestKit.h"
#include "data/OleDate.h"
#include "setup/ctlUserInfo.h"
#include "setup/frmEmployeeInfo.h"

#include <QDate>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTabWidget>

class EmployeeEditor : public QObject
{
    Q_OBJECT

    static qint32 addEmployee(DataFolder &data, const QString &first, const QString &last)
    {
        return data.info->AddEmployee(first, {}, last, 30000, 36000, {}, 0, {}, 0, {}, {}, {}, {}, {}, {}, {}, {},
                                      {}, true);
    }
    static QListWidget *list(QWidget *window) { return child<QListWidget>(window, "lisEmployeeList"); }
    static void pick(QWidget *window, int row)
    {
        QListWidget *l = list(window);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
    }
    static QString text(QWidget *window, const char *box) { return child<QLineEdit>(window, box)->text(); }
    static EmployeeFields stored(const DataFolder &data, qint32 number)
    {
        return data.reloaded()->GetEmployee(number).value_or(EmployeeFields{});
    }
    static void toggle(QWidget *window, const char *listName, const QString &itemText)
    {
        auto *l = child<QListWidget>(window, listName);
        const QList<QListWidgetItem *> found = l->findItems(itemText, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        l->setFocus();
        l->setCurrentItem(found[0]);
        QTest::keyClick(l, Qt::Key_Space);
    }

private Q_SLOTS:
    void withNoEmployeesTheNamesAreAskedForAtOnce()
    {
        DataFolder data;
        frmEmployeeInfo window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        QCOMPARE(data.prompt.shown().size(), 1);
        QCOMPARE(data.prompt.shown()[0].text, QStringLiteral("Enter first name."));
        QCOMPARE(data.prompt.shown()[0].title, QStringLiteral("Add Employee"));
        QCOMPARE(list(&window)->count(), 0);
        QVERIFY(!child<QWidget>(&window, "ctlUserInfo1")->isVisible());
        QVERIFY(data.reloaded()->Employees().isEmpty());
    }

    void addingAnnLeeCreatesAndShowsHer()
    {
        DataFolder data;
        addEmployee(data, QStringLiteral("Zed"), QStringLiteral("Young"));
        frmEmployeeInfo window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        data.prompt.queueInput(QStringLiteral("Ann"));
        data.prompt.queueInput(QStringLiteral("Lee"));
        click(&window, "cmdAddEmployee");
        QCOMPARE(data.prompt.shown()[1].text, QStringLiteral("Enter last name."));

        QCOMPARE(list(&window)->currentItem()->text(), QStringLiteral("Ann Lee"));
        QCOMPARE(text(&window, "txtFirstName"), QStringLiteral("Ann"));
        const EmployeeFields ann = stored(data, window.selectedEmployee());
        const qint32 today = qint32(OleDate::fromDate(QDate::currentDate()));
        QCOMPARE(ann.firstName, QStringLiteral("Ann"));
        QCOMPARE(ann.lastName, QStringLiteral("Lee"));
        QCOMPARE(ann.hireDate, today);
        QCOMPARE(ann.dob, today - 7300);
        QVERIFY(ann.male);
        QVERIFY(ann.middleName.isEmpty() && ann.scheduleName.isEmpty() && ann.city.isEmpty());
        QCOMPARE(ann.ssNumber, 0);
    }

    void phoneNumbersAreStoredAsDigits_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("shownAgain");
        QTest::newRow("area code in brackets") << "(800) 555-1234" << "8005551234" << "(800) 555-1234";
        QTest::newRow("plus and blanks") << "+ 555 1234" << "5551234" << "555-1234";
        QTest::newRow("empty") << "" << "0" << "";
        QTest::newRow("dots stay") << "800.555.1234" << "800.555" << "800-.555";
        QTest::newRow("letters end it") << "555-1234 ext 9" << "5551234" << "555-1234";
    }
    void phoneNumbersAreStoredAsDigits()
    {
        QFETCH(QString, typed);
        QFETCH(QString, digits);
        QFETCH(QString, shownAgain);
        DataFolder data;
        const qint32 number = addEmployee(data, QStringLiteral("Ann"), QStringLiteral("Lee"));
        {
            frmEmployeeInfo window(*data.info, *data.options, data.prompt);
            showAndSettle(&window);
            retype(&window, "txtPhoneNumber", typed);
            retype(&window, "txtEmergencyPhone", typed);
            click(&window, "cmdClose");
        }
        const EmployeeFields ann = stored(data, number);
        QCOMPARE(ann.phone, digits);
        QCOMPARE(ann.emergencyPhone, digits);

        auto reloaded = data.reloaded();
        frmEmployeeInfo again(*reloaded, *data.options, data.prompt);
        showAndSettle(&again);
        QCOMPARE(text(&again, "txtPhoneNumber"), shownAgain);
        QCOMPARE(text(&again, "txtEmergencyPhone"), shownAgain);
    }

    void identificationNumbersAreReadAsOneNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint32>("expected");
        QTest::newRow("groups with blanks") << "123 45 6789" << 123456789;
        QTest::newRow("groups with dashes") << "123-45-6789" << 123;
        QTest::newRow("not a number") << "n/a" << 0;
        QTest::newRow("too large") << "99999999999" << 0;
        QTest::newRow("half to even") << "12.5" << 12;
        QTest::newRow("half up to even") << "13.5" << 14;
    }
    void identificationNumbersAreReadAsOneNumber()
    {
        QFETCH(QString, typed);
        QFETCH(qint32, expected);
        DataFolder data;
        const qint32 ann = addEmployee(data, QStringLiteral("Ann"), QStringLiteral("Lee"));
        addEmployee(data, QStringLiteral("Bob"), QStringLiteral("Ray"));
        frmEmployeeInfo window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        retype(&window, "txtSSNumber", typed);
        pick(&window, 1);   // switching employees saves the one left
        QCOMPARE(stored(data, ann).ssNumber, expected);
        pick(&window, 0);
        QCOMPARE(text(&window, "txtSSNumber"), QString::number(expected));
    }

    void switchingEmployeesSavesTheOneLeft()
    {
        DataFolder data;
        const qint32 ann = addEmployee(data, QStringLiteral("Ann"), QStringLiteral("Lee"));
        const qint32 bob = addEmployee(data, QStringLiteral("Bob"), QStringLiteral("Ray"));
        frmEmployeeInfo window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        QCOMPARE(window.selectedEmployee(), ann);
        retype(&window, "txtFirstName", QStringLiteral("  Anna "));
        retype(&window, "txtCity", QStringLiteral("Springfield"));
        click(&window, "optFemale");
        pick(&window, 1);

        QCOMPARE(window.selectedEmployee(), bob);
        QCOMPARE(text(&window, "txtFirstName"), QStringLiteral("Bob"));
        QVERIFY(child<QRadioButton>(&window, "optMale")->isChecked());
        const EmployeeFields saved = stored(data, ann);
        QCOMPARE(saved.firstName, QStringLiteral("Anna"));
        QCOMPARE(saved.city, QStringLiteral("Springfield"));
        QVERIFY(!saved.male);
        QCOMPARE(saved.hireDate, 36000);   // unchanged fields are written back as they were
        QCOMPARE(list(&window)->item(0)->text(), QStringLiteral("Anna Lee"));
        pick(&window, 0);
        QCOMPARE(text(&window, "txtCity"), QStringLiteral("Springfield"));
        QVERIFY(child<QRadioButton>(&window, "optFemale")->isChecked());
    }

    void departmentsAndPositionsAreMarkedAndStored()
    {
        DataFolder data;
        data.info->AddDepartment(QStringLiteral("DELI"));
        data.info->AddDepartment(QStringLiteral("BAKERY"));
        data.info->JobInfoAdd(QStringLiteral("CASHIER"), 0, 255);
        data.info->JobInfoAdd(QStringLiteral("BAKER"), 0, 255);
        const qint32 ann = addEmployee(data, QStringLiteral("Ann"), QStringLiteral("Lee"));
        {
            frmEmployeeInfo window(*data.info, *data.options, data.prompt);
            showAndSettle(&window);
            auto *tabs = child<QTabWidget>(&window, "SSTab1");
            QCOMPARE(tabs->tabText(ctlUserInfo::TabAssignments), QStringLiteral("Assignments"));
            QVERIFY(!tabs->isTabEnabled(ctlUserInfo::TabAvailability));
            tabs->setCurrentIndex(ctlUserInfo::TabAssignments);
            toggle(&window, "lisDepartments", QStringLiteral("BAKERY"));
            toggle(&window, "lisAvalibleJobs", QStringLiteral("CASHIER"));
            toggle(&window, "lisAvalibleJobs", QStringLiteral("BAKER"));
            toggle(&window, "lisAvalibleJobs", QStringLiteral("CASHIER"));
            click(&window, "cmdClose");
        }
        auto reloaded = data.reloaded();
        QCOMPARE(reloaded->DeptEmployeeGetDepts(ann), QStringList{QStringLiteral("BAKERY")});
        QCOMPARE(reloaded->JobEmpAvalGet(ann), QStringList{QStringLiteral("BAKER")});

        frmEmployeeInfo again(*reloaded, *data.options, data.prompt);
        showAndSettle(&again);
        auto *departments = child<QListWidget>(&again, "lisDepartments");
        QCOMPARE(departments->findItems("BAKERY", Qt::MatchExactly)[0]->checkState(), Qt::Checked);
        QCOMPARE(departments->findItems("DELI", Qt::MatchExactly)[0]->checkState(), Qt::Unchecked);
    }

    void closingTheMdiWindowSavesTheShownEmployee()
    {
        DataFolder data;
        const qint32 ann = addEmployee(data, QStringLiteral("Ann"), QStringLiteral("Lee"));
        QMdiArea area;
        auto *window = new frmEmployeeInfo(*data.info, *data.options, data.prompt);
        QMdiSubWindow *sub = area.addSubWindow(window);
        area.resize(1000, 700);
        area.show();
        sub->show();
        QTest::qWait(30);
        retype(window, "txtSpouse", QStringLiteral("Sam"));
        click(window, "cmdClose");
        QTest::qWait(10);
        QVERIFY(area.subWindowList().isEmpty());
        QCOMPARE(stored(data, ann).spouse, QStringLiteral("Sam"));
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("left");
        QTest::newRow("no") << false << 1;
        QTest::newRow("yes") << true << 0;
    }
    void deleteAsksFirst()
    {
        QFETCH(bool, yes);
        QFETCH(int, left);
        DataFolder data;
        data.info->AddDepartment(QStringLiteral("DELI"));
        const qint32 ann = addEmployee(data, QStringLiteral("Ann"), QStringLiteral("Lee"));
        data.info->DeptEmployeeSetAll(ann, {QStringLiteral("DELI")});
        {
            frmEmployeeInfo window(*data.info, *data.options, data.prompt);
            showAndSettle(&window);
            data.prompt.queueYesNo(yes);
            click(&window, "cmdDelete");
            QCOMPARE(data.prompt.shown().last().text, QStringLiteral("Delete user?"));
            QCOMPARE(data.prompt.shown().last().title, QStringLiteral("Please Confirm"));
            QCOMPARE(list(&window)->count(), left);
            QCOMPARE(child<QWidget>(&window, "ctlUserInfo1")->isVisible(), left > 0);
            window.close();   // the deleted employee must not be written back
        }
        auto reloaded = data.reloaded();
        QCOMPARE(reloaded->Employees().size(), left);
        QCOMPARE(reloaded->DeptEmployeeGetDepts(ann).size(), left);
    }

    void aFailedSaveKeepsTheEmployeeAndWhatWasTyped()
    {
        DataFolder data;
        const qint32 ann = addEmployee(data, QStringLiteral("Ann"), QStringLiteral("Lee"));
        addEmployee(data, QStringLiteral("Bob"), QStringLiteral("Ray"));
        frmEmployeeInfo window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        data.breakFile("EmployeeInfo.dat");
        retype(&window, "txtCity", QStringLiteral("Springfield"));
        pick(&window, 1);

        QCOMPARE(data.prompt.messages().size(), 1);
        QVERIFY2(data.prompt.messages()[0].contains(QStringLiteral("EmployeeInfo.dat")), qPrintable(data.prompt.messages()[0]));
        QCOMPARE(window.selectedEmployee(), ann);
        QCOMPARE(list(&window)->currentRow(), 0);
        QCOMPARE(text(&window, "txtCity"), QStringLiteral("Springfield"));

        // Closing while the file is still broken asks; No keeps the window open.
        window.close();
        QCOMPARE(data.prompt.shown().last().kind, ScriptedPrompt::Shown::Question);
        QVERIFY(window.isVisible());

        data.repairFile("EmployeeInfo.dat");
        window.close();
        QVERIFY(!window.isVisible());
        QCOMPARE(stored(data, ann).city, QStringLiteral("Springfield"));
    }

    void availabilityTimes()
    {
        DataFolder data;
        ctlUserInfo control(*data.info, data.prompt);
        control.StartTimeSet(1, 36000.25);   // the date part is ignored
        control.EndTimeSet(1, 0);            // midnight ends the day
        control.StartTimeSet(7, OleDate::timeValue(9, 30));
        control.EndTimeSet(7, 1.0);
        std::array<double, 7> starts{}, ends{};
        control.AvalTimesWeekGet(starts, ends);
        QCOMPARE(OleDate::durationMinutes(starts[0]), 6 * 60);
        QCOMPARE(ends[0], 1.0);
        QCOMPARE(OleDate::durationMinutes(starts[6]), 9 * 60 + 30);
        QCOMPARE(ends[6], 1.0);
        QCOMPARE(starts[3], 0.0);
    }
};

QTEST_MAIN(EmployeeEditor)
#include "tst_employees.moc"
