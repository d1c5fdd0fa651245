#include "SetupTestKit.h"
#include "ui/common/Translations.h"
#include "ui/setup/frmDepartmentList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include "ui/widgets/TimeBox.h"

class DepartmentWindows : public QObject
{
    Q_OBJECT

    static std::unique_ptr<frmDepartmentList> open(DataFolder &data, const QStringList &departments = {"DELI"})
    {
        for (const QString &name : departments)
            data.info->AddDepartment(name);
        return openOn<frmDepartmentList>(data);
    }
    static QStringList listed(QWidget *window) { return texts(child<QListView>(window, "lisDepartments")); }
    // Opens the selected department's settings and lets `answer` work the dialog.
    static void edit(DataFolder &data, QWidget *window, ScriptedDialogs::Answer answer)
    {
        data.dialogs.queue(answer);
        click(window, "cmdEditDepartment");
    }
    static QStringList storedNames(const DataFolder &data)
    {
        QStringList names;
        for (const DepartmentInfo &d : data.reloaded()->Departments())
            names << d.name;
        return names;
    }
    static int hours(const DataFolder &data, bool week)
    {
        return data.reloaded()->OverTimeDepartmentGet(QStringLiteral("DELI"), week);
    }

private Q_SLOTS:
    // Counted texts take their English plural forms from the English translation, as in the program.
    void initTestCase() { Translations::install(*QCoreApplication::instance()); }
    void firstDepartmentIsAskedForAtOnceAndStoredTrimmedUpperCase()
    {
        DataFolder data;
        data.prompt.queueInput(QStringLiteral("  bakery "));
        QString caption;
        data.dialogs.queue([&](QWidget *dialog) {
            caption = dialog->windowTitle();
            click(dialog, "cmdCancel");
        });
        auto window = open(data, {});

        QCOMPARE(data.prompt.shown().size(), 1);
        QCOMPARE(lastShown(data.prompt), QStringLiteral("Add Department: Enter Department Name"));
        QCOMPARE(caption, QStringLiteral("Department Settings - BAKERY"));
        QCOMPARE(listed(window.get()), QStringList{QStringLiteral("BAKERY")});
        QCOMPARE(storedNames(data), QStringList{QStringLiteral("BAKERY")});
    }

    // Nothing is added; a reason is given unless the name was cancelled or blank.
    void namesThatAreNotAdded_data()
    {
        QTest::addColumn<std::optional<QString>>("name");
        QTest::addColumn<QString>("mentions");
        QTest::addColumn<int>("selected");
        QTest::newRow("cancel") << std::optional<QString>() << QString() << 0;
        QTest::newRow("blanks") << std::optional<QString>("   ") << QString() << 0;
        QTest::newRow("slash") << std::optional<QString>("north/south") << "/" << 0;
        QTest::newRow("parent") << std::optional<QString>("..") << ".." << 0;
        QTest::newRow("longer than the field") << std::optional<QString>(QString(40, u'X')) << "at most 30" << 0;
        QTest::newRow("outside the code page") << std::optional<QString>("Łódź") << "\"Ł\", \"ź\"" << 0;
        QTest::newRow("already listed: shown instead") << std::optional<QString>(" Bakery") << "BAKERY" << 1;
    }
    void namesThatAreNotAdded()
    {
        QFETCH(std::optional<QString>, name);
        QFETCH(QString, mentions);
        QFETCH(int, selected);
        DataFolder data;
        auto window = open(data, {"DELI", "BAKERY"});
        const QByteArray before = data.bytes("Dept.dat");

        data.prompt.queueInput(name);
        click(window.get(), "cmdAdd");
        QVERIFY(data.dialogs.shown().isEmpty());
        QCOMPARE(data.prompt.messages().size(), mentions.isEmpty() ? 0 : 1);
        if (!mentions.isEmpty())
            QVERIFY2(data.prompt.messages()[0].contains(mentions), qPrintable(data.prompt.messages()[0]));
        QCOMPARE(listed(window.get()), (QStringList{"DELI", "BAKERY"}));
        QCOMPARE(currentRow(child<QListView>(window.get(), "lisDepartments")), selected);
        QCOMPARE(data.bytes("Dept.dat"), before);
    }

    void hourBoxesStoreWholeHoursWithinAByte_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("said");   // beside the box, when a key was refused
        const QString range = QStringLiteral("Only whole numbers from 0 to 255 fit here.");
        QTest::newRow("45") << "45" << 45 << "";
        QTest::newRow("300: the last digit is refused") << "300" << 30 << range;
        QTest::newRow("not a number") << "abc" << 0 << range;
        QTest::newRow("largest") << "255" << 255 << "";
    }
    void hourBoxesStoreWholeHoursWithinAByte()
    {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        QFETCH(QString, said);
        DataFolder data;
        auto window = open(data);
        edit(data, window.get(), [&](QWidget *dialog) {
            retype(dialog, "txtWeekHours", typed);
            retype(dialog, "txtDayHours", typed);
            QCOMPARE(child<QWidget>(dialog, "txtDayHours")->property("refusalText").toString(), said);
            click(dialog, "cmdSave");
        });
        QCOMPARE(hours(data, true), stored);
        QCOMPARE(hours(data, false), stored);
    }

    // The budget and the multiplier are stored as typed in Budgets.csv, or refused naming the box
    // (the dialog then stays open and nothing is written).
    void budgetAndMultiplierAreStoredOrRefused_data()
    {
        QTest::addColumn<QString>("budget");
        QTest::addColumn<QString>("multiplier");
        QTest::addColumn<QByteArray>("file");   // Budgets.csv after Save
        QTest::addColumn<QString>("said");
        const QByteArray header = "Department,Weekly Budget,Overtime Multiplier\r\n";
        const QString amount = QStringLiteral("The Weekly Budget \"%1\" is not an amount. Please type it like 2500.00, or leave it empty.");
        const QString factor = QStringLiteral("The Overtime Multiplier \"%1\" is not a number from 1 to 10. Please type it like 1.50.");
        QTest::newRow("2500 and 1.5") << "2500" << "1.5" << header + "DELI,2500.00,\r\n" << "";
        QTest::newRow("no budget, double pay") << "" << "2" << header + "DELI,,2.00\r\n" << "";
        QTest::newRow("nothing: no file") << "" << "" << QByteArray() << "";
        QTest::newRow("budget 2.500,00") << "2.500,00" << "1.5" << QByteArray() << amount.arg("2.500,00");
        QTest::newRow("multiplier 0.5") << "100" << "0.5" << QByteArray() << factor.arg("0.5");
        QTest::newRow("multiplier 11") << "100" << "11" << QByteArray() << factor.arg("11");
    }
    void budgetAndMultiplierAreStoredOrRefused()
    {
        QFETCH(QString, budget);
        QFETCH(QString, multiplier);
        QFETCH(QString, said);
        DataFolder data;
        auto window = open(data);
        bool stayed = false;
        edit(data, window.get(), [&](QWidget *dialog) {
            QCOMPARE(child<QLineEdit>(dialog, "txtOvertimeMultiplier")->text(), QStringLiteral("1.50"));
            retype(dialog, "txtWeeklyBudget", budget);
            retype(dialog, "txtOvertimeMultiplier", multiplier);
            click(dialog, "cmdSave");
            stayed = dialog->isVisible();
            if (stayed)
                click(dialog, "cmdCancel");
        });
        QCOMPARE(data.prompt.messages(), said.isEmpty() ? QStringList() : QStringList{said});
        QCOMPARE(stayed, !said.isEmpty());
        QTEST(data.bytes("Budgets.csv"), "file");
    }

    // Save stores every setting; opened again, the dialog shows them, and Escape keeps them.
    void saveStoresEverySettingAndEscapeKeepsThem()
    {
        DataFolder data;
        auto window = open(data);
        const auto change = [](QWidget *dialog, int day, const QString &dayHours, const QString &weekHours, const QString &start) {
            child<QComboBox>(dialog, "comFirstDayofWeek")->setCurrentIndex(day);
            retype(dialog, "txtDayHours", dayHours);
            retype(dialog, "txtWeekHours", weekHours);
            retype(dialog, "dtpDisplayStartTime", start);
            click(dialog, "chkForceJosDisplayAlways");
        };
        edit(data, window.get(), [&](QWidget *dialog) {
            change(dialog, 5, QStringLiteral("3"), QStringLiteral("38"), QStringLiteral("7:30a"));
            QTest::keyClick(dialog, Qt::Key_Return);   // Save is the default button
        });
        clsOptions options(ScheduleHelper::SettingsFilePath(data.dir.path()));
        QCOMPARE(data.reloaded()->GetDepartmentFirstDay(QStringLiteral("DELI")), qint16(5));
        QCOMPARE(hours(data, false), 3);
        QCOMPARE(hours(data, true), 38);
        QCOMPARE(qRound(options.GetScheduleStartTime(QStringLiteral("DELI")) * 24 * 60), 7 * 60 + 30);
        QVERIFY(options.ForceJobDisplayForSingleJobGet(QStringLiteral("DELI")));

        const QByteArray saved = data.bytes("Dept.dat");
        QStringList shown;
        edit(data, window.get(), [&](QWidget *dialog) {
            shown << child<QComboBox>(dialog, "comFirstDayofWeek")->currentText()
                  << QString::number(child<QSpinBox>(dialog, "txtDayHours")->value())
                  << QString::number(child<QSpinBox>(dialog, "txtWeekHours")->value())
                  << child<TimeBox>(dialog, "dtpDisplayStartTime")->time().toString()
                  << QString::number(child<QCheckBox>(dialog, "chkForceJosDisplayAlways")->isChecked());
            change(dialog, 1, QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("p"));
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QCOMPARE(shown, (QStringList{"Friday", "3", "38", "07:30:00", "1"}));
        QCOMPARE(data.bytes("Dept.dat"), saved);
        QVERIFY(data.options->ForceJobDisplayForSingleJobGet(QStringLiteral("DELI")));

        data.info->SaveDepartmentFirstDay(QStringLiteral("DELI"), 9);   // outside the week: shown as Sunday
        edit(data, window.get(), [&](QWidget *dialog) { shown = {child<QComboBox>(dialog, "comFirstDayofWeek")->currentText()}; });
        QCOMPARE(shown, QStringList{"Sunday"});
    }

    // The question names the department and what goes with it; No is the default answer.
    void deleteAsksFirst()
    {
        DataFolder data;
        auto window = open(data, {"DELI", "BAKERY"});
        data.info->AddEmployeeToDept(QStringLiteral("DELI"), 7);
        data.info->ShiftSaveAll(QStringLiteral("DELI"), {{QStringLiteral("DELI"), 0.25, 0.5}});
        for (bool yes : {false, true}) {
            data.prompt.queueYesNo(yes);
            click(window.get(), "cmdDelete");
            QCOMPARE(lastShown(data.prompt),
                     QStringLiteral("Delete Department: Delete the department DELI? Its 1 employee membership and 1 "
                                    "default shift are deleted with it. The employees themselves and the schedules "
                                    "already made stay."));
            QCOMPARE(data.prompt.shown().last().offered, QVariant(true));
            const QStringList left = yes ? QStringList{"BAKERY"} : QStringList{"DELI", "BAKERY"};
            QCOMPARE(listed(window.get()), left);
            QCOMPARE(storedNames(data), left);
        }
        // With the list empty, there is nothing to edit or delete.
        data.prompt.queueYesNo(true);
        click(window.get(), "cmdDelete");
        QCOMPARE(listed(window.get()), QStringList());
        QVERIFY(!child<QWidget>(window.get(), "cmdDelete")->isEnabled());
        QVERIFY(!child<QWidget>(window.get(), "cmdEditDepartment")->isEnabled());
    }
};

QTEST_MAIN(DepartmentWindows)
#include "tst_departments.moc"
