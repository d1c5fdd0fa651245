// The setup wizard: when it opens, how closing it and the Help Wizard command are remembered
// from one start to the next, and its place behind and inside the other windows.

#include "ShellTestSupport.h"

#include "data/clsEmployeeInfo.h"
#include "ui/common/WindowHelpers.h"
#include "ui/shell/frmInitialSetup.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>

class tst_wizard : public QObject
{
    Q_OBJECT

    static bool wizardChecked(const mdiSchedule &main) { return main.tool(QStringLiteral("toolHelpWizard"))->isChecked(); }

private Q_SLOTS:
    // The stored setting at start, what the user does to the wizard during the run (its close box,
    // or the Help Wizard command some times), the settings file after the exit and the next start.
    void settingCarriesToNextStart_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<int>("commands");
        QTest::addColumn<bool>("shownAfter");
        QTest::addColumn<QByteArray>("stored");
        const QByteArray kept("; mine\r\n[Wizard]\r\nHelpWizardHide=0\r\n[X]\r\nA=1\r\n");
        const QByteArray shown("[Wizard]\r\nHelpWizardHide=0\r\n");
        const QByteArray eleven("[Wizard]\r\nHelpWizardHide=11\r\n");
        // Exit with the wizard as the start left it: the file is never touched.
        QTest::newRow("no settings file") << QByteArray() << false << 0 << true << QByteArray();
        QTest::newRow("shown, file kept") << kept << false << 0 << true << kept;
        QTest::newRow("hidden") << kWizardHidden << false << 0 << false << kWizardHidden;
        QTest::newRow("not exactly one") << eleven << false << 0 << true << eleven;
        // The user's choice is written at once and holds for the next start.
        QTest::newRow("close box") << QByteArray() << true << 0 << false << kWizardHidden;
        QTest::newRow("command hides it") << QByteArray() << false << 1 << false << kWizardHidden;
        QTest::newRow("command shows it") << kWizardHidden << false << 1 << true << shown;
        QTest::newRow("hidden and shown again") << QByteArray() << false << 2 << true << shown;
    }
    void settingCarriesToNextStart()
    {
        QFETCH(QByteArray, settings);
        QFETCH(bool, closeBox);
        QFETCH(int, commands);
        QFETCH(bool, shownAfter);
        QFETCH(QByteArray, stored);
        ShellRun run;
        mdiSchedule &main = run.start(settings);
        if (closeBox)
            QVERIFY(main.wizardWindow()->close());
        for (int i = 0; i < commands; ++i)
            main.tool(QStringLiteral("toolHelpWizard"))->trigger();
        QCOMPARE(main.wizard() != nullptr, shownAfter);
        QCOMPARE(wizardChecked(main), shownAfter);
        QCOMPARE(run.openWindows().size(), shownAfter ? 1 : 0);   // the wizard is all a start opens
        QVERIFY(run.prompt.shown().isEmpty());
        QVERIFY(run.exit());
        QCOMPARE(readFile(run.settingsFile()), stored);

        mdiSchedule &again = run.start();
        QCOMPARE(again.wizard() != nullptr, shownAfter);
        QCOMPARE(wizardChecked(again), shownAfter);
    }

    // The wizard's buttons open the list windows in front of it, one of each; activating the
    // wizard (a click on it, Ctrl+Tab) does not bring it over them.
    void listWindowsStayInFrontOfWizard_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("tool");
        QTest::newRow("departments") << "cmdSetupDepartment" << "toolDepartments";
        QTest::newRow("days off") << "Command1" << "toolTimeOffSchedules";
        QTest::newRow("reports") << "cmdOpenReports" << "toolWorkSchedules";
    }
    void listWindowsStayInFrontOfWizard()
    {
        QFETCH(QString, button);
        QFETCH(QString, tool);
        ShellRun run;
        mdiSchedule &main = run.start();
        auto *pushed = main.wizard()->findChild<QPushButton *>(button);
        QVERIFY(pushed);
        for (int click = 0; click < 2; ++click) {
            QTest::mouseClick(pushed, Qt::LeftButton);
            QMdiSubWindow *list = main.childWindow(tool);
            QVERIFY(list);
            QCOMPARE(run.openWindows(), (QList<QMdiSubWindow *>{main.wizardWindow(), list}));
            main.mdiArea()->setActiveSubWindow(main.wizardWindow());
            QCOMPARE(run.openWindows(), (QList<QMdiSubWindow *>{main.wizardWindow(), list}));
        }
    }

    // On an empty folder the wizard offers a demo business; it is made in a folder of its own and
    // the program starts again over it. A folder with data is not offered one.
    void demoBusinessOpensInItsOwnFolder()
    {
        ShellRun run;
        mdiSchedule &main = run.start();
        QStringList made;
        main.setDemoBusinessMaker([&](const QString &folder) {
            made << folder;
            return QString();
        });
        auto *open = main.wizard()->findChild<QPushButton *>(QStringLiteral("cmdOpenDemo"));
        QVERIFY(open->isVisible());
        QTest::mouseClick(open, Qt::LeftButton);
        QCOMPARE(made, QStringList{run.dir.path() + QStringLiteral("-demo")});
        QCOMPARE(main.nextDataFolder(), made.value(0));
        QVERIFY(!main.isVisible());
        QVERIFY(!QFile::exists(run.dir.filePath(QStringLiteral("Dept.dat"))));

        ShellRun withData;
        withData.start().setDemoBusinessMaker([](const QString &) { return QString(); });
        QVERIFY(withData.main->wizard()->findChild<QPushButton *>(QStringLiteral("cmdOpenDemo"))->isVisible());
        withData.main->GetEmployeeCLASS().JobInfoAdd(QStringLiteral("COOK"), 0, 255);
        QVERIFY(!withData.main->wizard()->findChild<QPushButton *>(QStringLiteral("cmdOpenDemo"))->isVisible());
    }

    void wizardFollowsMainWindowSize()
    {
        ShellRun run;
        mdiSchedule &main = run.start();
        for (const QSize size : {QSize(1280, 800), QSize(420, 300)}) {
            main.resize(size);
            QTRY_COMPARE(main.size(), size);
            const QSize area = main.mdiArea()->viewport()->size();
            const QRect wizard = main.wizardWindow()->geometry();
            QCOMPARE(wizard.topLeft(), PlacementInMainWindow(wizard.size(), area, 0));
            if (size.width() >= 1280)
                QVERIFY2(wizard.width() <= area.width() && wizard.height() <= area.height(), "the wizard does not fit");
        }
    }
};

QTEST_MAIN(tst_wizard)
#include "tst_wizard.moc"
