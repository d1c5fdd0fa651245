#include "SetupTestKit.h"
#include "ui/common/Translations.h"
#include "data/OleDate.h"
#include "ui/setup/ctlUserInfo.h"
#include "ui/common/WindowHelpers.h"
#include "ui/setup/frmDepartmentList.h"
#include "ui/setup/frmEmployeeInfo.h"

#include <QApplication>
#include <QDate>
#include <QDateEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <QTimeEdit>

class EmployeeEditor : public QObject
{
    Q_OBJECT

    static qint32 addEmployee(DataFolder &data, const QString &first, const QString &last)
    {
        return data.info->AddEmployee(first, {}, last, 30000, 36000, {}, 0, {}, 0, {}, {}, {}, {}, {}, {}, {}, {},
                                      {}, true);
    }
    // Ann Lee and Bob Ray; returns Ann's number.
    static qint32 annAndBob(DataFolder &data)
    {
        const qint32 ann = addEmployee(data, QStringLiteral("Ann"), QStringLiteral("Lee"));
        addEmployee(data, QStringLiteral("Bob"), QStringLiteral("Ray"));
        return ann;
    }
    static QListView *list(QWidget *window) { return child<QListView>(window, "lisEmployeeList"); }
    static QString text(QWidget *window, const char *box) { return child<QLineEdit>(window, box)->text(); }
    static EmployeeFields stored(const DataFolder &data, qint32 number)
    {
        return data.reloaded()->GetEmployee(number).value_or(EmployeeFields{});
    }
    static void toggle(QWidget *window, const char *listName, const QString &itemText)
    {
        auto *l = child<QListView>(window, listName);
        const int row = rowOf(l, itemText);
        QVERIFY(row >= 0);
        l->setFocus();
        l->setCurrentIndex(l->model()->index(row, 0));
        QTest::keyClick(l, Qt::Key_Space);
    }

private Q_SLOTS:
    // Counted texts take their English plural forms from the English translation, as in the program.
    void initTestCase() { Translations::install(*QCoreApplication::instance()); }
    void namesAreAskedForAtOnceAndOnAdd()
    {
        DataFolder data;
        auto window = openOn<frmEmployeeInfo>(data);   // the question is cancelled
        QCOMPARE(data.prompt.shown().size(), 1);
        QCOMPARE(lastShown(data.prompt), QStringLiteral("Add Employee: Enter first name."));
        QCOMPARE(list(window.get())->model()->rowCount(), 0);
        QVERIFY(!child<QWidget>(window.get(), "ctlUserInfo1")->isVisible());
        QVERIFY(data.reloaded()->Employees().isEmpty());

        for (const char *name : {"Zed", "Young", "Ann", "Lee"})
            data.prompt.queueInput(QString::fromLatin1(name));
        click(window.get(), "cmdAddEmployee");
        click(window.get(), "cmdAddEmployee");
        QCOMPARE(data.prompt.texts().mid(1), (QStringList{"Enter first name.", "Enter last name.", "Enter first name.", "Enter last name."}));
        QCOMPARE(list(window.get())->currentIndex().data().toString(), QStringLiteral("Ann Lee"));
        QCOMPARE(text(window.get(), "txtFirstName"), QStringLiteral("Ann"));
        const EmployeeFields ann = stored(data, window->selectedEmployee());
        const qint32 today = qint32(OleDate::fromDate(QDate::currentDate()));
        QCOMPARE(ann.fullName(), QStringLiteral("Ann Lee"));
        QCOMPARE(ann.hireDate, today);
        QCOMPARE(ann.dob, today - 7300);
    }

    // Switching employees saves the one left: names trimmed, phone numbers as their digits, the
    // identification number as one rounded number, unchanged fields as they were. What the box
    // cannot take is refused as it is typed; a phone that does not fit its field is refused with
    // a message, and the employee stays shown (stored: empty).
    void typedFieldsAreSavedOnSwitching_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("first name") << "txtFirstName" << "  Anna " << "Anna";
        QTest::newRow("city") << "txtCity" << "Springfield" << "Springfield";
        QTest::newRow("Nguyễn: the letter is refused") << "txtLastName" << "Nguyễn" << "Nguyn";
        QTest::newRow("state: 25 letters, 20 fit") << "txtState" << "Mecklenburg-Vorpommernxx" << "Mecklenburg-Vorpomme";
        QTest::newRow("phone, area code in brackets") << "txtPhoneNumber" << "(800) 555-1234" << "8005551234";
        QTest::newRow("phone, plus and blanks") << "txtEmergencyPhone" << "+ 555 1234" << "5551234";
        QTest::newRow("phone, empty") << "txtPhoneNumber" << "" << "0";
        QTest::newRow("phone, leading zero kept") << "txtPhoneNumber" << "06 12 34 56 78" << "0612345678";
        QTest::newRow("phone, eleven digits") << "txtEmergencyPhone" << "+33 6 12 34 56 78" << "";
        QTest::newRow("phone, dots") << "txtEmergencyPhone" << "800.555.1234" << "";
        QTest::newRow("phone, letters") << "txtPhoneNumber" << "555-1234 ext 9" << "";
        QTest::newRow("SS, groups with blanks") << "txtSSNumber" << "123 45 6789" << "123456789";
        QTest::newRow("SS, groups with dashes") << "txtSSNumber" << "123-45-6789" << "123";
        QTest::newRow("SS, not a number") << "txtSSNumber" << "n/a" << "0";
        QTest::newRow("SS, too large") << "txtSSNumber" << "99999999999" << "0";
        QTest::newRow("SS, half to even") << "txtSSNumber" << "12.5" << "12";
        QTest::newRow("SS, half up to even") << "txtSSNumber" << "13.5" << "14";
    }
    void typedFieldsAreSavedOnSwitching()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        DataFolder data;
        const qint32 ann = annAndBob(data);
        auto window = openOn<frmEmployeeInfo>(data);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        // Clicking into a box selects its text, so typing replaces it.
        auto *edit = child<QLineEdit>(window.get(), box);
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(5, edit->height() / 2));
        QTest::qWait(10);
        typeText(edit, typed);
        const bool tookLess = edit->text() != typed;
        const QString why = edit->property("refusalText").toString();
        clickRow(list(window.get()), 1);

        const EmployeeFields saved = EmployeeEditor::stored(data, ann);
        if (stored.isEmpty()) {
            QCOMPARE(text(window.get(), "txtFirstName"), QStringLiteral("Ann"));
            QCOMPARE(QApplication::focusWidget(), edit);
            QCOMPARE(data.prompt.messages().size(), 1);
            QVERIFY2(data.prompt.messages()[0].contains(typed), qPrintable(data.prompt.messages()[0]));
            QCOMPARE(saved.phone + saved.emergencyPhone, QString());
            return;
        }
        QVERIFY(data.prompt.messages().isEmpty());
        QCOMPARE(text(window.get(), "txtFirstName"), QStringLiteral("Bob"));
        const QMap<QString, QString> fields{{"txtFirstName", saved.firstName},
                                            {"txtLastName", saved.lastName},
                                            {"txtState", saved.state},
                                            {"txtCity", saved.city},
                                            {"txtPhoneNumber", saved.phone},
                                            {"txtEmergencyPhone", saved.emergencyPhone},
                                            {"txtSSNumber", QString::number(saved.ssNumber)}};
        QCOMPARE(fields.value(box), stored);
        if (tookLess)   // the box took less, and said why
            QVERIFY2(why.contains(box == "txtState" ? QStringLiteral("20 characters") : QStringLiteral("\"ễ\"")),
                     qPrintable(why));
        QCOMPARE(saved.hireDate, 36000);
        QCOMPARE(texts(list(window.get())).value(0), saved.fullName());
    }

    void closingTheMdiWindowSavesFieldsAndMarks()
    {
        DataFolder data;
        data.info->AddDepartment(QStringLiteral("DELI"));
        data.info->AddDepartment(QStringLiteral("BAKERY"));
        data.info->JobInfoAdd(QStringLiteral("CASHIER"), 0, 255);
        data.info->JobInfoAdd(QStringLiteral("BAKER"), 0, 255);
        const qint32 ann = addEmployee(data, QStringLiteral("Ann"), QStringLiteral("Lee"));
        std::array<double, 7> starts{}, ends{};
        starts[1] = 36000.25;   // Monday from 6:00, stored with a date part
        ends.fill(1.0);
        data.info->EmployeeSetAvalTimes(ann, starts, ends);
        QMdiArea area;
        auto *window = new frmEmployeeInfo(*data.info, *data.options, data.prompt, data.dialogs);
        QMdiSubWindow *sub = area.addSubWindow(window);
        area.resize(1000, 700);
        area.show();
        sub->show();
        QTest::qWait(30);
        retype(window, "txtSpouse", QStringLiteral("Sam"));
        retype(window, "txtPhoneNumber", QStringLiteral("8005551234"));
        child<QTabWidget>(window, "SSTab1")->setCurrentIndex(ctlUserInfo::TabAssignments);
        toggle(window, "lisDepartments", QStringLiteral("BAKERY"));
        for (const char *position : {"CASHIER", "BAKER", "CASHIER"})
            toggle(window, "lisAvalibleJobs", QString::fromLatin1(position));
        click(window, "cmdClose");
        QTest::qWait(10);
        QVERIFY(area.subWindowList().isEmpty());

        auto reloaded = data.reloaded();
        QCOMPARE(reloaded->GetEmployee(ann)->spouse, QStringLiteral("Sam"));
        QCOMPARE(reloaded->DeptEmployeeGetDepts(ann), QStringList{QStringLiteral("BAKERY")});
        QCOMPARE(reloaded->JobEmpAvalGet(ann), QStringList{QStringLiteral("BAKER")});
        auto again = openOn<frmEmployeeInfo>(data, reloaded.get());
        auto *departments = child<QListView>(again.get(), "lisDepartments");
        const auto mark = [departments](const QString &name) {
            return departments->model()->index(rowOf(departments, name), 0).data(Qt::CheckStateRole).value<Qt::CheckState>();
        };
        QCOMPARE(mark("BAKERY"), Qt::Checked);
        QCOMPARE(mark("DELI"), Qt::Unchecked);
        // The reopened editor shows what was stored, the phone formatted.
        QCOMPARE(text(again.get(), "txtSpouse"), QStringLiteral("Sam"));
        QCOMPARE(text(again.get(), "txtPhoneNumber"), QStringLiteral("(800) 555-1234"));
        QCOMPARE(child<QTimeEdit>(again.get(), "dtpStart1")->time(), QTime(6, 0));
    }

    // The question names the employee and what goes along; No is the default answer.
    void deleteAsksFirst()
    {
        DataFolder data;
        data.info->AddDepartment(QStringLiteral("DELI"));
        const qint32 ann = addEmployee(data, QStringLiteral("Ann"), QStringLiteral("Lee"));
        data.info->DeptEmployeeSetAll(ann, {QStringLiteral("DELI")});
        auto window = openOn<frmEmployeeInfo>(data);
        for (bool yes : {false, true}) {
            data.prompt.queueYesNo(yes);
            click(window.get(), "cmdDelete");
            QCOMPARE(lastShown(data.prompt), QStringLiteral("Please Confirm: Delete the employee Ann Lee? Their 1 "
                                                            "department membership and 0 positions are deleted with "
                                                            "them. Shifts already scheduled stay."));
            QCOMPARE(data.prompt.shown().last().offered, QVariant(true));
            QCOMPARE(list(window.get())->model()->rowCount(), yes ? 0 : 1);
            QCOMPARE(data.reloaded()->Employees().size(), yes ? 0 : 1);
            QCOMPARE(child<QWidget>(window.get(), "ctlUserInfo1")->isVisible(), !yes);
        }
        QVERIFY(!child<QWidget>(window.get(), "cmdDelete")->isEnabled());
        window->close();   // the deleted employee must not be written back
        QVERIFY(data.reloaded()->Employees().isEmpty());
        QVERIFY(data.reloaded()->DeptEmployeeGetDepts(ann).isEmpty());
    }

    // A department deleted in its own window while the editor shows a member of it is gone from
    // the editor at once, and switching employees does not write the membership back.
    void aDepartmentDeletedElsewhereIsNotSavedBack()
    {
        DataFolder data;
        for (const char *name : {"KITCHEN", "DELI"})
            data.info->AddDepartment(QString::fromLatin1(name));
        const qint32 ann = annAndBob(data);
        data.info->DeptEmployeeSetAll(ann, {QStringLiteral("KITCHEN"), QStringLiteral("DELI")});
        auto editor = openOn<frmEmployeeInfo>(data);
        auto departments = openOn<frmDepartmentList>(data);
        clickRow(child<QListView>(departments.get(), "lisDepartments"), 0);
        data.prompt.queueYesNo(true);
        click(departments.get(), "cmdDelete");

        QCOMPARE(texts(child<QListView>(editor.get(), "lisDepartments")), QStringList{"DELI"});
        clickRow(list(editor.get()), 1);
        QCOMPARE(data.reloaded()->DeptEmployeeGetDepts(ann), QStringList{"DELI"});
        for (const Membership &m : data.reloaded()->Memberships())
            QCOMPARE(m.department, QStringLiteral("DELI"));
    }

    // Escape in the open birth-date calendar closes the calendar only.
    void escapeInTheOpenCalendarClosesOnlyTheCalendar()
    {
        DataFolder data;
        annAndBob(data);
        auto window = openOn<frmEmployeeInfo>(data);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *dob = child<QDateEdit>(window.get(), "dtpDOB");
        dob->setFocus();
        QTest::keyClick(dob, Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QVERIFY(window->isVisible());
    }

    // Tab runs once through the list, its buttons, the names, the page tabs and every box of the
    // page, and comes back to where it started.
    void tabVisitsEveryControlOnce()
    {
        DataFolder data;
        annAndBob(data);
        auto window = openOn<frmEmployeeInfo>(data);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        child<QWidget>(window.get(), "txtFirstName")->setFocus();
        QStringList visited;
        for (int i = 0; i < 40 && (visited.isEmpty() || visited.last() != "txtFirstName"); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *at = QApplication::focusWidget();
            // The text part of a picker stands for the picker.
            visited << (at->objectName().startsWith("qt_") ? at->parentWidget()->objectName() : at->objectName());
        }
        QCOMPARE(visited.join(' '), QStringLiteral("txtMiddleName txtLastName txtScheduleName txtSSNumber txtDescCode "
                                                   "SSTab1 dtpDOB dtpHireDate optMale txtPhoneNumber txtSpouse "
                                                   "txtEmergencyContact txtEmergencyPhone txtAddressLine1 txtAddressLine2 "
                                                   "txtCity txtState txtZip txtFilter lisEmployeeList cmdAddEmployee "
                                                   "cmdDelete cmdClose cmdImport txtFirstName"));
    }

    // Typing in the box above the list shows only the matching employees; narrowing the window
    // keeps the boxes readable.
    void filterAndMinimumSize()
    {
        DataFolder data;
        annAndBob(data);
        auto window = openOn<frmEmployeeInfo>(data);
        QTest::keyClicks(child<QLineEdit>(window.get(), "txtFilter"), QStringLiteral("ra"));
        QCOMPARE(texts(list(window.get())), QStringList{"Bob Ray"});
        QCOMPARE(text(window.get(), "txtFirstName"), QStringLiteral("Bob"));

        window->resize(200, 200);
        QTest::qWait(10);
        QVERIFY2(child<QWidget>(window.get(), "txtAddressLine1")->width() >= 80,
                 qPrintable(QString::number(child<QWidget>(window.get(), "txtAddressLine1")->width())));
    }

    void aFailedSaveKeepsTheEmployeeAndWhatWasTyped()
    {
        DataFolder data;
        const qint32 ann = annAndBob(data);
        auto window = openOn<frmEmployeeInfo>(data);
        data.breakFile("EmployeeInfo.dat");
        retype(window.get(), "txtCity", QStringLiteral("Springfield"));
        clickRow(list(window.get()), 1);

        QCOMPARE(data.prompt.messages().size(), 1);
        QVERIFY2(data.prompt.messages()[0].contains(QStringLiteral("EmployeeInfo.dat")), qPrintable(data.prompt.messages()[0]));
        QCOMPARE(window->selectedEmployee(), ann);
        QCOMPARE(currentRow(list(window.get())), 0);
        QCOMPARE(text(window.get(), "txtCity"), QStringLiteral("Springfield"));

        // Closing while the file is still broken asks; No keeps the window open.
        window->close();
        QCOMPARE(data.prompt.shown().last().kind, ScriptedPrompt::Shown::Question);
        QVERIFY(window->isVisible());
        data.repairFile("EmployeeInfo.dat");
        window->close();
        QVERIFY(!window->isVisible());
        QCOMPARE(stored(data, ann).city, QStringLiteral("Springfield"));
    }

    // Showing an employee only reads: with the department file unwritable nothing is said, and
    // the departments are offered.
    void showingAnEmployeeNeverWrites()
    {
        DataFolder data;
        data.info->AddDepartment(QStringLiteral("DELI"));
        annAndBob(data);
        auto window = openOn<frmEmployeeInfo>(data);
        data.breakFile("Dept.dat");
        clickRow(list(window.get()), 1);
        QCOMPARE(data.prompt.messages(), QStringList());
        QCOMPARE(texts(child<QListView>(window.get(), "lisDepartments")), QStringList{QStringLiteral("DELI")});
    }

    void importShowsTheChangesAndAddsOnlyWhatWasAccepted_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("changes");   // the preview's first column
        QTest::addColumn<QStringList>("stored");    // the employees' last names afterwards
        const QByteArray good = "First Name,Last Name,Birth Date,Departments\n"
                                "Cara,Diaz,1990-05-01,DELI\nAnn,Lee," + OleDate::isoDate(30000).toLatin1() + ",\n";
        const QByteArray bad = "First Name,Last Name,Birth Date\nCara,Diaz,1990-05-01\nDan,Eve,1990-13-01\n";
        const QByteArray missing = "First Name,Last Name,Departments\nCara,Diaz,BAR\n";
        const QStringList before{"Lee"}, after{"Diaz", "Lee"};
        QTest::newRow("good file") << good << QStringList() << "cmdImport" << QStringList{"Add", "Already there"} << after;
        QTest::newRow("cancelled") << good << QStringList() << "cmdCancel" << QStringList{"Add", "Already there"} << before;
        QTest::newRow("a bad row stops all") << bad << QStringList() << "cmdImport" << QStringList{"Add", "Bad row"} << before;
        QTest::newRow("bad row skipped") << bad << QStringList{"chkSkipBad"} << "cmdImport" << QStringList{"Add", "Bad row"} << after;
        QTest::newRow("missing department") << missing << QStringList() << "cmdImport" << QStringList{"Bad row"} << before;
        QTest::newRow("missing department created") << missing << QStringList{"chkCreateMissing"} << "cmdImport"
                                                    << QStringList{"Add"} << after;
    }

    void importShowsTheChangesAndAddsOnlyWhatWasAccepted()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, ticked);
        QFETCH(QString, button);
        QFETCH(QStringList, changes);
        QFETCH(QStringList, stored);
        DataFolder data;
        data.info->AddDepartment(QStringLiteral("DELI"));
        addEmployee(data, QStringLiteral("Ann"), QStringLiteral("Lee"));
        QFile file(data.path("people.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size());
        file.close();
        auto window = openOn<frmEmployeeInfo>(data);
        data.prompt.queueOpenFile(file.fileName());
        QStringList shownChanges;
        data.dialogs.queue([&](QDialog *dialog) {
            auto *table = child<QTableWidget>(dialog, "tblPreview");
            for (const QString &box : ticked)
                click(dialog, box);
            for (int row = 0; row < table->rowCount(); ++row)
                shownChanges << table->item(row, 0)->text();
            click(dialog, button);
        });
        click(window.get(), "cmdImport");
        QCOMPARE(data.dialogs.shown(), QStringList{"frmImportEmployees"});
        QCOMPARE(shownChanges, changes);
        QStringList lastNames;
        for (const EmployeeFields &e : data.reloaded()->Employees())
            lastNames << e.lastName;
        lastNames.sort();
        QCOMPARE(lastNames, stored);
        QCOMPARE(list(window.get())->model()->rowCount(), stored.size());
        QStringList departments;
        for (const DepartmentInfo &d : data.reloaded()->Departments())
            departments << d.name;
        QCOMPARE(departments.contains("BAR"), ticked.contains("chkCreateMissing"));
        QCOMPARE(data.prompt.messages(), QStringList());
    }
};

QTEST_MAIN(EmployeeEditor)
#include "tst_employees.moc"
