#include "SetupTestKit.h"
#include "setup/frmDepartmentList.h"
#include "setup/frmDepartmentSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QTimeEdit>

class DepartmentWindows : public QObject
{
    Q_OBJECT

    static QStringList listed(QWidget *window)
    {
        QStringList names;
        auto *list = child<QListWidget>(window, "lisDepartments");
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }

private Q_SLOTS:
    void firstDepartmentIsAskedForAtOnceAndStoredTrimmedUpperCase()
    {
        DataFolder data;
        data.prompt.queueInput(QStringLiteral("  bakery "));
        QString caption;
        whenModal([&](QWidget *dialog) {
            caption = dialog->windowTitle();
            click(dialog, "cmdCancel");
        });
        frmDepartmentList window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);

        QCOMPARE(data.prompt.shown().value(0).title, QStringLiteral("Add Department"));
        QCOMPARE(data.prompt.shown().value(0).text, QStringLiteral("Enter Department Name"));
        QCOMPARE(caption, QStringLiteral("Department Settings - BAKERY"));
        QCOMPARE(listed(&window), QStringList{QStringLiteral("BAKERY")});
        // Cancel leaves the new department with its initial values: Sunday, no limits.
        const QList<DepartmentInfo> stored = data.reloaded()->Departments();
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored[0].name, QStringLiteral("BAKERY"));
        QCOMPARE(stored[0].firstDay, qint16(0));
        QCOMPARE(stored[0].weekLimit, quint8(0));
        QCOMPARE(stored[0].dayLimit, quint8(0));
    }

    void cancelledOrBlankNameAddsNothing_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::newRow("cancel") << std::optional<QString>();
        QTest::newRow("blanks") << std::optional<QString>(QStringLiteral("   "));
    }
    void cancelledOrBlankNameAddsNothing()
    {
        QFETCH(std::optional<QString>, answer);
        DataFolder data;
        data.prompt.queueInput(answer);
        bool dialogOpened = false;
        whenModal([](QWidget *) {}, &dialogOpened);
        frmDepartmentList window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        QVERIFY(!dialogOpened);
        QVERIFY(listed(&window).isEmpty());
        QVERIFY(data.prompt.messages().isEmpty());
        QVERIFY(data.reloaded()->Departments().isEmpty());
    }

    void unsafeFolderNamesAreRefusedWithTheReason_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("slash") << "north/south" << "/";
        QTest::newRow("backslash") << "a\\b" << "\\";
        QTest::newRow("colon") << "c:" << ":";
        QTest::newRow("parent") << ".." << "..";
        QTest::newRow("device") << "con" << "CON";
        QTest::newRow("period where the name is cut") << QString(29, u'X') + ".Y" << "period";
    }
    void unsafeFolderNamesAreRefusedWithTheReason()
    {
        QFETCH(QString, name);
        QFETCH(QString, mentions);
        DataFolder data;
        data.info->AddDepartment(QStringLiteral("DELI"));
        data.info->GetDepartmentList();
        const QByteArray before = data.bytes("Dept.dat");
        frmDepartmentList window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);

        data.prompt.queueInput(name);
        bool dialogOpened = false;
        whenModal([](QWidget *) {}, &dialogOpened);
        click(&window, "cmdAdd");
        QTest::qWait(20);

        QVERIFY(!dialogOpened);
        QCOMPARE(data.prompt.messages().size(), 1);
        QVERIFY2(data.prompt.messages()[0].contains(mentions), qPrintable(data.prompt.messages()[0]));
        QCOMPARE(listed(&window), QStringList{QStringLiteral("DELI")});
        QCOMPARE(data.bytes("Dept.dat"), before);
    }

    void aNameAlreadyListedIsNotAddedTwice()
    {
        DataFolder data;
        data.info->AddDepartment(QStringLiteral("DELI"));
        data.info->AddDepartment(QStringLiteral("BAKERY"));
        frmDepartmentList window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        data.prompt.queueInput(QStringLiteral(" Bakery"));
        click(&window, "cmdAdd");
        QCOMPARE(listed(&window), (QStringList{QStringLiteral("DELI"), QStringLiteral("BAKERY")}));
        QCOMPARE(child<QListWidget>(&window, "lisDepartments")->currentRow(), 1);
        QCOMPARE(data.reloaded()->Departments().size(), 2);
    }

    void hourBoxesStoreWholeHoursWithinAByte_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("45") << "45" << 45;
        QTest::newRow("above a byte") << "300" << 0;
        QTest::newRow("not a number") << "abc" << 0;
        QTest::newRow("rounded up") << "7.5" << 8;
        QTest::newRow("half to even") << "8.5" << 8;
        QTest::newRow("leading number") << " 12 hours" << 12;
        QTest::newRow("negative") << "-3" << 0;
        QTest::newRow("largest") << "255" << 255;
    }
    void hourBoxesStoreWholeHoursWithinAByte()
    {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        DataFolder data;
        data.info->AddDepartment(QStringLiteral("DELI"));
        frmDepartmentList window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        whenModal([&](QWidget *dialog) {
            retype(dialog, "txtWeekHours", typed);
            retype(dialog, "txtDayHours", typed);
            click(dialog, "cmdSave");
        });
        click(&window, "cmdEditDepartment");
        auto reloaded = data.reloaded();
        QCOMPARE(int(reloaded->OverTimeDepartmentGet(QStringLiteral("DELI"), true)), stored);
        QCOMPARE(int(reloaded->OverTimeDepartmentGet(QStringLiteral("DELI"), false)), stored);
    }

    void saveStoresEverySettingAndTheDialogShowsThemAgain()
    {
        DataFolder data;
        data.info->AddDepartment(QStringLiteral("DELI"));
        frmDepartmentList window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        whenModal([&](QWidget *dialog) {
            child<QComboBox>(dialog, "comFirstDayofWeek")->setCurrentIndex(5);
            retype(dialog, "txtDayHours", QStringLiteral("9"));
            retype(dialog, "txtWeekHours", QStringLiteral("40"));
            child<QTimeEdit>(dialog, "dtpDisplayStartTime")->setTime(QTime(7, 30));
            click(dialog, "chkForceJosDisplayAlways");
            QTest::keyClick(dialog, Qt::Key_Return);   // Save is the default button
        });
        click(&window, "cmdEditDepartment");

        auto reloaded = data.reloaded();
        auto options = data.reloadedOptions();
        QCOMPARE(reloaded->GetDepartmentFirstDay(QStringLiteral("DELI")), qint16(5));
        QCOMPARE(int(reloaded->OverTimeDepartmentGet(QStringLiteral("DELI"), false)), 9);
        QCOMPARE(int(reloaded->OverTimeDepartmentGet(QStringLiteral("DELI"), true)), 40);
        QCOMPARE(qRound(options->GetScheduleStartTime(QStringLiteral("DELI")) * 24 * 60), 7 * 60 + 30);
        QVERIFY(options->ForceJobDisplayForSingleJobGet(QStringLiteral("DELI")));

        frmDepartmentSettings again(*reloaded, *options, data.prompt);
        again.DisplayForm(QStringLiteral("DELI"));
        QCOMPARE(child<QComboBox>(&again, "comFirstDayofWeek")->currentText(), QStringLiteral("Friday"));
        QCOMPARE(child<QLineEdit>(&again, "txtDayHours")->text(), QStringLiteral("9"));
        QCOMPARE(child<QLineEdit>(&again, "txtWeekHours")->text(), QStringLiteral("40"));
        QCOMPARE(child<QTimeEdit>(&again, "dtpDisplayStartTime")->time(), QTime(7, 30));
        QVERIFY(child<QCheckBox>(&again, "chkForceJosDisplayAlways")->isChecked());
    }

    void escapeLeavesTheSettingsUnchanged()
    {
        DataFolder data;
        data.info->AddDepartment(QStringLiteral("DELI"));
        data.info->OverTimeDepartmentset(QStringLiteral("DELI"), true, 40);
        frmDepartmentList window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        whenModal([&](QWidget *dialog) {
            retype(dialog, "txtWeekHours", QStringLiteral("12"));
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        click(&window, "cmdEditDepartment");
        QCOMPARE(int(data.reloaded()->OverTimeDepartmentGet(QStringLiteral("DELI"), true)), 40);
    }

    void aStoredFirstDayOutsideTheWeekShowsSunday()
    {
        DataFolder data;
        data.info->AddDepartment(QStringLiteral("DELI"));
        data.info->SaveDepartmentFirstDay(QStringLiteral("DELI"), 9);
        frmDepartmentSettings dialog(*data.info, *data.options, data.prompt);
        dialog.DisplayForm(QStringLiteral("DELI"));
        QCOMPARE(child<QComboBox>(&dialog, "comFirstDayofWeek")->currentText(), QStringLiteral("Sunday"));
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("no") << false << QStringList{"DELI", "BAKERY"};
        QTest::newRow("yes") << true << QStringList{"BAKERY"};
    }
    void deleteAsksFirst()
    {
        QFETCH(bool, yes);
        QFETCH(QStringList, left);
        DataFolder data;
        data.info->AddDepartment(QStringLiteral("DELI"));
        data.info->AddDepartment(QStringLiteral("BAKERY"));
        frmDepartmentList window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        data.prompt.queueYesNo(yes);
        click(&window, "cmdDelete");
        QCOMPARE(data.prompt.shown().last().text, QStringLiteral("Are you sure?"));
        QCOMPARE(data.prompt.shown().last().title, QStringLiteral("Delete Department"));
        QCOMPARE(listed(&window), left);
        QStringList stored;
        for (const DepartmentInfo &d : data.reloaded()->Departments())
            stored << d.name;
        QCOMPARE(stored, left);
    }

    void aFailedSaveIsToldAndTheDialogKeepsTheEntries()
    {
        DataFolder data;
        data.info->AddDepartment(QStringLiteral("DELI"));
        frmDepartmentList window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        data.breakFile("Dept.dat");
        bool stillOpen = false;
        QString keptText;
        whenModal([&](QWidget *dialog) {
            retype(dialog, "txtWeekHours", QStringLiteral("38"));
            click(dialog, "cmdSave");
            stillOpen = dialog->isVisible();
            keptText = child<QLineEdit>(dialog, "txtWeekHours")->text();
            data.repairFile("Dept.dat");
            click(dialog, "cmdSave");
        });
        click(&window, "cmdEditDepartment");

        QVERIFY(stillOpen);
        QCOMPARE(keptText, QStringLiteral("38"));
        QVERIFY(!data.prompt.messages().isEmpty());
        QVERIFY2(data.prompt.messages().last().contains(QStringLiteral("Dept.dat")), qPrintable(data.prompt.messages().last()));
        QCOMPARE(data.prompt.shown().last().kind, ScriptedPrompt::Shown::Message);
        QCOMPARE(int(data.reloaded()->OverTimeDepartmentGet(QStringLiteral("DELI"), true)), 38);
    }
};

QTEST_MAIN(DepartmentWindows)
#include "tst_departments.moc"
