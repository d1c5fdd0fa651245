#include "EmployeeNamed.h"
#include "SetupTestKit.h"
#include "ui/common/Translations.h"
#include "data/OleDate.h"
#include "ui/setup/ctlUserInfo.h"
#include "ui/common/WindowHelpers.h"
#include "data/PayRates.h"
#include "ui/setup/frmDepartmentList.h"
#include "ui/setup/frmEmployeeInfo.h"

#include <QApplication>
#include <QDate>
#include "ui/widgets/DateBox.h"
#include "ui/widgets/TimeBox.h"

#include <QCheckBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableWidget>

class EmployeeEditor : public QObject
{
    Q_OBJECT

    static qint32 addEmployee(DataFolder &data, const QString &first, const QString &last)
    {
        EmployeeFields e = employeeNamed(first, last);
        e.dob = 30000;
        e.hireDate = 36000;
        return data.info->AddEmployee(e);
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

    // Switching employees saves the one left: names trimmed, phones as their digits, the
    // identification number as nine digits. What the box cannot take is refused as it is typed;
    // what cannot be stored as typed is refused with a message naming the box, the employee stays
    // shown and nothing of it is stored (stored: what was there before).
    void typedFieldsAreSavedOnSwitching_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("message");
        const QString onlyDigits = QStringLiteral("The %1 \"%2\" cannot hold \"%3\": only up to 10 digits, with blanks, "
                                                  "dashes, dots or brackets between them. Please correct it.");
        const QString nineDigits = QStringLiteral("The SS Number \"%1\" must have nine digits, with or without dashes "
                                                  "(123-45-6789).");
        QTest::newRow("first name") << "txtFirstName" << "  Anna " << "Anna" << "";
        QTest::newRow("city") << "txtCity" << "Springfield" << "Springfield" << "";
        QTest::newRow("Nguyễn: the letter is refused") << "txtLastName" << "Nguyễn" << "Nguyn" << "";
        QTest::newRow("state: 25 letters, 20 fit") << "txtState" << "Mecklenburg-Vorpommernxx" << "Mecklenburg-Vorpomme" << "";
        QTest::newRow("(800) 555-1234") << "txtPhoneNumber" << "(800) 555-1234" << "8005551234" << "";
        QTest::newRow("555.123.4567") << "txtPhoneNumber" << "555.123.4567" << "5551234567" << "";
        QTest::newRow("06 12 34 56 78") << "txtPhoneNumber" << "06 12 34 56 78" << "0612345678" << "";
        QTest::newRow("empty phone") << "txtPhoneNumber" << "" << "0" << "";
        QTest::newRow("+33 1 2345 678") << "txtEmergencyPhone" << "+33 1 2345 678" << ""
                                        << onlyDigits.arg("Phone", "+33 1 2345 678", "+");
        QTest::newRow("+ 555 1234") << "txtPhoneNumber" << "+ 555 1234" << "" << onlyDigits.arg("Home Phone", "+ 555 1234", "+");
        QTest::newRow("555-1234 ext 9") << "txtPhoneNumber" << "555-1234 ext 9" << ""
                                        << onlyDigits.arg("Home Phone", "555-1234 ext 9", "ext");
        QTest::newRow("eleven digits") << "txtEmergencyPhone" << "1 800 555 1234" << ""
                                       << "The Phone \"1 800 555 1234\" has 11 digits; at most 10 can be stored. Please shorten it.";
        QTest::newRow("123-45-6789") << "txtSSNumber" << "123-45-6789" << "123456789" << "";
        QTest::newRow("123 45 6789") << "txtSSNumber" << "123 45 6789" << "123456789" << "";
        QTest::newRow("012345678") << "txtSSNumber" << "012345678" << "12345678" << "";
        QTest::newRow("empty SS") << "txtSSNumber" << "" << "0" << "";
        QTest::newRow("12345") << "txtSSNumber" << "12345" << "0" << nineDigits.arg("12345");
        QTest::newRow("12-345-678") << "txtSSNumber" << "12-345-678" << "0" << nineDigits.arg("12-345-678");
        QTest::newRow("12.5") << "txtSSNumber" << "12.5" << "0" << nineDigits.arg("12.5");
        QTest::newRow("n/a") << "txtSSNumber" << "n/a" << "0" << nineDigits.arg("n/a");
        const QString amount = QStringLiteral("The Hourly Rate \"%1\" is not an amount. Please type it like 12.50, or leave it empty.");
        QTest::newRow("rate 12.5") << "txtHourlyRate" << "12.5" << "1250" << "";
        QTest::newRow("rate 14") << "txtHourlyRate" << " 14 " << "1400" << "";
        QTest::newRow("rate empty") << "txtHourlyRate" << "" << "none" << "";
        QTest::newRow("rate 12.505") << "txtHourlyRate" << "12.505" << "none" << amount.arg("12.505");
        QTest::newRow("rate -3") << "txtHourlyRate" << "-3" << "none" << amount.arg("-3");
        QTest::newRow("rate twelve") << "txtHourlyRate" << "twelve" << "none" << amount.arg("twelve");
    }
    void typedFieldsAreSavedOnSwitching()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, message);
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
        const QMap<QString, QString> fields{{"txtFirstName", saved.firstName},
                                            {"txtLastName", saved.lastName},
                                            {"txtState", saved.state},
                                            {"txtCity", saved.city},
                                            {"txtPhoneNumber", saved.phone},
                                            {"txtEmergencyPhone", saved.emergencyPhone},
                                            {"txtSSNumber", QString::number(saved.ssNumber)}};
        const std::optional<qint64> rate = PayRates::read(data.dir.path()).rateFor(ann, {});
        QCOMPARE(fields.value(box, rate ? QString::number(*rate) : QStringLiteral("none")), stored);
        QCOMPARE(data.prompt.messages(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty()) {   // still Ann, at the box to correct
            QCOMPARE(text(window.get(), "txtFirstName"), QStringLiteral("Ann"));
            QCOMPARE(QApplication::focusWidget(), edit);
            return;
        }
        QCOMPARE(text(window.get(), "txtFirstName"), QStringLiteral("Bob"));
        if (tookLess)   // the box took less, and said why
            QVERIFY2(why.contains(box == "txtState" ? QStringLiteral("20 characters") : QStringLiteral("\"ễ\"")),
                     qPrintable(why));
        QCOMPARE(saved.hireDate, 36000);
        QCOMPARE(texts(list(window.get())).value(0), saved.fullName());
    }

    // A date is typed as the box shows it, reached by its mnemonic; the whole date is checked,
    // no key lands in another box, and a text that is no date is refused by name.
    void datesAreTypedAsShown_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("birth");   // stored, ISO
        QTest::addColumn<QString>("message");
        const QString notADate = QStringLiteral("The DOB \"%1\" is not a date. Please type it as 3/15/1990.");
        QTest::newRow("3/15/1990") << "3/15/1990" << "1990-03-15" << "";
        QTest::newRow("3/15/90") << "3/15/90" << "1990-03-15" << "";
        QTest::newRow("12/7/05") << "12/7/05" << "2005-12-07" << "";
        QTest::newRow("2/29/1996") << "2/29/1996" << "1996-02-29" << "";
        QTest::newRow("3-15-1990") << "3-15-1990" << "1990-03-15" << "";
        QTest::newRow("2/29/1995") << "2/29/1995" << "1982-02-18" << notADate.arg("2/29/1995");
        QTest::newRow("15/3/1990") << "15/3/1990" << "1982-02-18" << notADate.arg("15/3/1990");
        QTest::newRow("3/15/990") << "3/15/990" << "1982-02-18" << notADate.arg("3/15/990");
        QTest::newRow("3151990") << "3151990" << "1982-02-18" << notADate.arg("3151990");
    }
    void datesAreTypedAsShown()
    {
        QFETCH(QString, typed);
        QFETCH(QString, birth);
        QFETCH(QString, message);
        DataFolder data;
        const qint32 ann = annAndBob(data);
        auto window = openOn<frmEmployeeInfo>(data);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_O, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget()->parentWidget()->objectName(), QStringLiteral("dtpDOB"));
        typeIntoFocus(window.get(), typed);
        QCOMPARE(QApplication::focusWidget()->parentWidget()->objectName(), QStringLiteral("dtpDOB"));
        clickRow(list(window.get()), 1);

        const EmployeeFields saved = stored(data, ann);
        QCOMPARE(OleDate::isoDate(saved.dob), birth);
        QCOMPARE(saved.hireDate, 36000);
        QCOMPARE(data.prompt.messages(), message.isEmpty() ? QStringList() : QStringList{message});
    }

    // The Availability tab sets each weekday's hours with the time boxes, or marks the day not
    // available; hours that end before they begin are refused by day.
    void weeklyAvailabilityIsTypedPerDay_data()
    {
        QTest::addColumn<QString>("keys");   // on Monday's row, from the "Not available" box
        QTest::addColumn<QString>("hours");  // Monday as stored, "start-end" in hours
        QTest::addColumn<QString>("message");
        QTest::newRow("9a to 5p") << "\t9a\t5p" << "9-17" << "";
        QTest::newRow("17:00 to 22:00") << "\t17:00\t22:00" << "17-22" << "";
        QTest::newRow("10:00 PM to midnight") << "\t10:00 PM\t12:00 AM" << "22-24" << "";
        QTest::newRow("not available") << " " << "12-12" << "";
        QTest::newRow("5p to 9a") << "\t5p\t9a" << "0-24"
                                  << "On Monday the available hours must end after they begin (5:00 PM to 9:00 AM).";
        QTest::newRow("noon") << "\tnoon" << "0-24" << "On Monday, \"noon\" is not a time of day.";
    }
    void weeklyAvailabilityIsTypedPerDay()
    {
        QFETCH(QString, keys);
        QFETCH(QString, hours);
        QFETCH(QString, message);
        DataFolder data;
        const qint32 ann = annAndBob(data);
        auto window = openOn<frmEmployeeInfo>(data);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_V, Qt::AltModifier);
        QCOMPARE(child<QTabWidget>(window.get(), "SSTab1")->currentIndex(), int(ctlUserInfo::TabAvailability));
        child<QWidget>(window.get(), "chkNotAvailable1")->setFocus();
        typeIntoFocus(window.get(), keys);
        clickRow(list(window.get()), 1);

        std::array<double, 7> starts{}, ends{};
        data.reloaded()->EmployeeGetAvalTimes(ann, starts, ends);
        QCOMPARE(QStringLiteral("%1-%2").arg(qRound(starts[1] * 24)).arg(qRound(ends[1] * 24)), hours);
        QCOMPARE(ends[0], 1.0);   // Sunday untouched: all day
        QCOMPARE(data.prompt.messages(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty())
            return;
        // Shown again as stored.
        clickRow(list(window.get()), 0);
        QCOMPARE(child<QCheckBox>(window.get(), "chkNotAvailable1")->isChecked(), hours == "12-12");
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
        QCOMPARE(child<TimeBox>(again.get(), "dtpStart1")->time(), QTime(6, 0));
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
        auto *dob = child<DateBox>(window.get(), "dtpDOB");
        dob->setFocus();
        QTest::keyClick(dob->lineEdit(), Qt::Key_Down, Qt::AltModifier);
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
            // The text part of a date or time box stands for the box.
            const bool part = at->objectName().startsWith("qt_") || at->objectName().endsWith("Text");
            visited << (part ? at->parentWidget()->objectName() : at->objectName());
        }
        QCOMPARE(visited.join(' '), QStringLiteral("txtMiddleName txtLastName txtScheduleName txtSSNumber txtDescCode "
                                                   "SSTab1 dtpDOB dtpHireDate optMale txtPhoneNumber txtSpouse "
                                                   "txtEmergencyContact txtEmergencyPhone txtHourlyRate txtAddressLine1 txtAddressLine2 "
                                                   "txtCity txtState txtZip txtFilter lisEmployeeList cmdAddEmployee "
                                                   "cmdDelete cmdClose cmdImport txtFirstName"));
    }

    // Typing in the box above the list shows only the matching employees, and nobody when none
    // matches; narrowing the window keeps the boxes readable.
    void filterAndMinimumSize()
    {
        DataFolder data;
        annAndBob(data);
        auto window = openOn<frmEmployeeInfo>(data);
        QTest::keyClicks(child<QLineEdit>(window.get(), "txtFilter"), QStringLiteral("ra"));
        QCOMPARE(texts(list(window.get())), QStringList{"Bob Ray"});
        QCOMPARE(text(window.get(), "txtFirstName"), QStringLiteral("Bob"));

        // A filter that matches nobody leaves the editor empty and disabled.
        QTest::keyClicks(child<QLineEdit>(window.get(), "txtFilter"), QStringLiteral("zz"));
        QVERIFY(texts(list(window.get())).isEmpty());
        QCOMPARE(text(window.get(), "txtFirstName"), QString());
        QVERIFY(!child<QWidget>(window.get(), "ctlUserInfo1")->isEnabled());
        QVERIFY(!child<QWidget>(window.get(), "cmdDelete")->isEnabled());
        child<QLineEdit>(window.get(), "txtFilter")->clear();
        QCOMPARE(text(window.get(), "txtFirstName"), QStringLiteral("Ann"));
        QVERIFY(child<QWidget>(window.get(), "ctlUserInfo1")->isEnabled());
        QCOMPARE(texts(list(window.get())), (QStringList{"Ann Lee", "Bob Ray"}));

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

    // Ann's rate and her rate as COOK are saved with her record, whole or not at all: a failed
    // write of the rates leaves her record as it was, and the next save stores both.
    void ratesAreSavedWithTheEmployeeOrNotAtAll()
    {
        DataFolder data;
        data.info->JobInfoAdd(QStringLiteral("COOK"), 0, 255);
        const qint32 ann = annAndBob(data);
        auto window = openOn<frmEmployeeInfo>(data);
        retype(window.get(), "txtCity", QStringLiteral("Springfield"));
        retype(window.get(), "txtHourlyRate", QStringLiteral("12.5"));
        clickRow(child<QListView>(window.get(), "lisAvalibleJobs"), 0);
        retype(window.get(), "txtPositionRate", QStringLiteral("14"));
        const QByteArray employees = data.bytes(QStringLiteral("EmployeeInfo.dat"));
        ScheduleHelper::InjectWriteFailure(data.path(QStringLiteral("PayRates.csv")), QStringLiteral("No space left on device"));
        clickRow(list(window.get()), 1);
        QCOMPARE(data.prompt.messages().size(), 1);
        QVERIFY2(data.prompt.messages()[0].contains(QStringLiteral("PayRates.csv")), qPrintable(data.prompt.messages()[0]));
        QCOMPARE(data.bytes(QStringLiteral("EmployeeInfo.dat")), employees);
        QVERIFY(!QFile::exists(data.path(QStringLiteral("PayRates.csv"))));
        QCOMPARE(text(window.get(), "txtHourlyRate"), QStringLiteral("12.5"));

        ScheduleHelper::ClearInjectedWriteFailures();
        clickRow(list(window.get()), 1);
        QCOMPARE(stored(data, ann).city, QStringLiteral("Springfield"));
        const PayRates rates = PayRates::read(data.dir.path());
        QCOMPARE(rates.rateFor(ann, QStringLiteral("WAITER")).value_or(-1), 1250);
        QCOMPARE(rates.rateFor(ann, QStringLiteral("COOK")).value_or(-1), 1400);

        clickRow(list(window.get()), 0);   // back to Ann: her rates as saved
        QCOMPARE(text(window.get(), "txtHourlyRate"), MoneyText(1250));
        clickRow(child<QListView>(window.get(), "lisAvalibleJobs"), 0);
        QCOMPARE(text(window.get(), "txtPositionRate"), MoneyText(1400));
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
        QTest::addColumn<QStringList>("bad");       // line, name, column and reason of each bad row
        const QByteArray good = "First Name,Last Name,Birth Date,Departments\n"
                                "Cara,Diaz,1990-05-01,DELI\nAnn,Lee," + OleDate::isoDate(30000).toLatin1() + ",\n";
        const QByteArray bad = "First Name,Last Name,Birth Date\nCara,Diaz,1990-05-01\nDan,Eve,1990-13-01\n";
        const QByteArray missing = "First Name,Last Name,Departments\nCara,Diaz,BAR\n";
        const QStringList before{"Lee"}, after{"Diaz", "Lee"};
        const QStringList badDate{"3|Dan Eve|Birth Date|not a date (YYYY-MM-DD): 1990-13-01"};
        const QStringList noBar{"2|Cara Diaz|Departments|no department named \"BAR\" (create it with \"Create missing "
                                "departments and positions\")"};
        QTest::newRow("good file") << good << QStringList() << "cmdImport" << QStringList{"Add", "Already there"} << after << QStringList();
        QTest::newRow("cancelled") << good << QStringList() << "cmdCancel" << QStringList{"Add", "Already there"} << before << QStringList();
        QTest::newRow("a bad row stops all") << bad << QStringList() << "cmdImport" << QStringList{"Add", "Bad row"} << before << badDate;
        QTest::newRow("bad row skipped") << bad << QStringList{"chkSkipBad"} << "cmdImport" << QStringList{"Add", "Bad row"} << after << badDate;
        QTest::newRow("missing department") << missing << QStringList() << "cmdImport" << QStringList{"Bad row"} << before << noBar;
        QTest::newRow("missing department created") << missing << QStringList{"chkCreateMissing"} << "cmdImport"
                                                    << QStringList{"Add"} << after << QStringList();
    }

    void importShowsTheChangesAndAddsOnlyWhatWasAccepted()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, ticked);
        QFETCH(QString, button);
        QFETCH(QStringList, changes);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, bad);
        DataFolder data;
        data.info->AddDepartment(QStringLiteral("DELI"));
        addEmployee(data, QStringLiteral("Ann"), QStringLiteral("Lee"));
        QFile file(data.path("people.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size());
        file.close();
        auto window = openOn<frmEmployeeInfo>(data);
        data.prompt.queueOpenFile(file.fileName());
        QStringList shownChanges, badRows;
        data.dialogs.queue([&](QDialog *dialog) {
            auto *table = child<QTableWidget>(dialog, "tblPreview");
            for (const QString &box : ticked)
                click(dialog, box);
            for (int row = 0; row < table->rowCount(); ++row) {
                shownChanges << table->item(row, 0)->text();
                if (shownChanges.last() == "Bad row")   // who, where and why, each in its column
                    badRows << QStringList{table->item(row, 1)->text(), table->item(row, 2)->text(),
                                           table->item(row, 6)->text(), table->item(row, 7)->text()}.join('|');
            }
            click(dialog, button);
        });
        click(window.get(), "cmdImport");
        QCOMPARE(data.dialogs.shown(), QStringList{"frmImportEmployees"});
        QCOMPARE(shownChanges, changes);
        QCOMPARE(badRows, bad);
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
