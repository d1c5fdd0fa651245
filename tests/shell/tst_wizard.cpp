// The setup wizard: when it opens, how closing it is remembered, the Help Wizard command,
// and its place behind and inside the other windows.

#include "ShellTestSupport.h"

#include "data/clsInifile.h"
#include "setup/WindowHelpers.h"
#include "shell/frmInitialSetup.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>

class tst_wizard : public QObject
{
    Q_OBJECT

private:
    static QString wizardSetting(const ShellRun &run)
    {
        return clsInifile::kelVBGetPrivateProfileString(QStringLiteral("Wizard"), QStringLiteral("HelpWizardHide"),
                                                       run.settingsFile());
    }
    static bool wizardChecked(const mdiSchedule &main)
    {
        return main.tool(QStringLiteral("toolHelpWizard"))->isChecked();
    }

private Q_SLOTS:
    void firstStartShowsWizardBehindEverything()
    {
        ShellRun run;
        mdiSchedule &main = run.start();
        QVERIFY(main.wizard());
        QCOMPARE(main.wizardWindow()->windowTitle(), QStringLiteral("Help Wizard"));
        QVERIFY(wizardChecked(main));
        QVERIFY(main.HelpWizardShown());
        // The wizard is the only window a start opens.
        QCOMPARE(run.openWindows().size(), 1);
        // Nothing is written just by starting.
        QVERIFY(!QFile::exists(run.settingsFile()));
    }

    void startFollowsStoredSetting_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("shown");
        QTest::newRow("hidden") << QByteArray("[Wizard]\r\nHelpWizardHide=1\r\n") << false;
        QTest::newRow("shown") << QByteArray("[Wizard]\r\nHelpWizardHide=0\r\n") << true;
        QTest::newRow("empty value") << QByteArray("[Wizard]\r\nHelpWizardHide=\r\n") << true;
        QTest::newRow("other value") << QByteArray("[Wizard]\r\nHelpWizardHide=yes\r\n") << true;
        QTest::newRow("not exactly one") << QByteArray("[Wizard]\r\nHelpWizardHide=11\r\n") << true;
        QTest::newRow("blanks and case") << QByteArray("[WIZARD]\r\n helpwizardhide = 1 \r\n") << false;
        QTest::newRow("other section") << QByteArray("[Options]\r\nHelpWizardHide=1\r\n") << true;
    }
    void startFollowsStoredSetting()
    {
        QFETCH(QByteArray, settings);
        QFETCH(bool, shown);
        ShellRun run;
        run.writeSettings(settings);
        mdiSchedule &main = run.start();
        QCOMPARE(main.wizard() != nullptr, shown);
        QCOMPARE(wizardChecked(main), shown);
        QCOMPARE(main.HelpWizardSettingGet(), shown);
    }

    void closeBoxHidesWizardForLaterStarts()
    {
        ShellRun run;
        mdiSchedule &main = run.start();
        QVERIFY(main.wizardWindow()->close());
        QCOMPARE(wizardSetting(run), QStringLiteral("1"));
        QVERIFY(!wizardChecked(main));
        QVERIFY(!main.HelpWizardShown());
        QVERIFY(!main.wizard());
        QVERIFY(run.prompt.shown().isEmpty());
        QVERIFY(run.exit());

        mdiSchedule &again = run.start();
        QVERIFY(!again.wizard());
        QVERIFY(!wizardChecked(again));
        QVERIFY(run.openWindows().isEmpty());
    }

    void exitWithWizardOpenLeavesSettingAlone_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::newRow("no settings file") << QByteArray();
        QTest::newRow("shown, with comments") << QByteArray("; mine\r\n[Wizard]\r\nHelpWizardHide=0\r\n[X]\r\nA=1\r\n");
    }
    void exitWithWizardOpenLeavesSettingAlone()
    {
        QFETCH(QByteArray, settings);
        ShellRun run;
        if (!settings.isEmpty())
            run.writeSettings(settings);
        QVERIFY(run.start().wizard());
        QVERIFY(run.exit());
        QCOMPARE(run.settingsBytes(), settings);

        QVERIFY(run.start().wizard());
        QVERIFY(wizardChecked(*run.main));
    }

    void helpWizardCommandTogglesAndRemembers()
    {
        ShellRun run;
        run.writeSettings("[Wizard]\r\nHelpWizardHide=1\r\n");
        mdiSchedule &main = run.start();
        QVERIFY(!main.wizard());

        main.tool(QStringLiteral("toolHelpWizard"))->trigger();
        QVERIFY(main.wizard());
        QVERIFY(wizardChecked(main));
        QCOMPARE(wizardSetting(run), QStringLiteral("0"));
        QCOMPARE(run.openWindows().size(), 1);

        main.tool(QStringLiteral("toolHelpWizard"))->trigger();
        QVERIFY(!main.wizard());
        QVERIFY(!wizardChecked(main));
        QCOMPARE(wizardSetting(run), QStringLiteral("1"));
        QVERIFY(run.openWindows().isEmpty());

        // Shown again by the command, then left open at exit: shown at the next start.
        main.tool(QStringLiteral("toolHelpWizard"))->trigger();
        QVERIFY(run.exit());
        QVERIFY(run.start().wizard());
        QCOMPARE(run.settingsBytes(), QByteArray("[Wizard]\r\nHelpWizardHide=0\r\n"));
    }

    void listWindowsStayInFrontOfWizard()
    {
        ShellRun run;
        mdiSchedule &main = run.start();
        auto *button = main.wizard()->findChild<QPushButton *>(QStringLiteral("cmdSetupDepartment"));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QMdiSubWindow *list = main.childWindow(QStringLiteral("toolDepartments"));
        QVERIFY(list);
        QCOMPARE(run.openWindows().last(), list);

        // Activating the wizard (a click on it, Ctrl+Tab) does not bring it over the list.
        main.mdiArea()->setActiveSubWindow(main.wizardWindow());
        QCOMPARE(main.mdiArea()->activeSubWindow(), main.wizardWindow());
        QCOMPARE(run.openWindows().first(), main.wizardWindow());
        QCOMPARE(run.openWindows().last(), list);

        // A second click on the wizard's button brings the same list forward.
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(main.childWindow(QStringLiteral("toolDepartments")), list);
        QCOMPARE(run.openWindows().size(), 2);
    }

    void wizardFollowsMainWindowSize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("large") << QSize(1280, 800);
        QTest::newRow("narrow and short") << QSize(420, 300);
        QTest::newRow("medium") << QSize(1000, 640);
    }
    void wizardFollowsMainWindowSize()
    {
        QFETCH(QSize, size);
        ShellRun run;
        mdiSchedule &main = run.start();
        main.resize(size);
        QTRY_COMPARE(main.size(), size);
        const QSize area = main.mdiArea()->viewport()->size();
        const QRect wizard = main.wizardWindow()->geometry();
        QCOMPARE(wizard.topLeft(), PlacementInMainWindow(wizard.size(), area, 0));
        QVERIFY(wizard.left() >= 0);
        QVERIFY(wizard.top() >= 0);
        // Centred across whenever it fits.
        if (wizard.width() <= area.width())
            QVERIFY(qAbs(wizard.left() + wizard.width() / 2 - area.width() / 2) <= 1);
    }

    void wizardFitsTheScreen()
    {
        ShellRun run;
        mdiSchedule &main = run.start();
        main.resize(1280, 800);
        QTRY_COMPARE(main.size(), QSize(1280, 800));
        const QSize area = main.mdiArea()->viewport()->size();
        QVERIFY2(main.wizardWindow()->width() <= area.width() && main.wizardWindow()->height() <= area.height(),
                 "the wizard does not fit a 1280x800 main window");
    }
};

QTEST_MAIN(tst_wizard)
#include "tst_wizard.moc"
