// The main window by keyboard and on a small screen: Ctrl+Tab walks the windows that can be seen
// and comes back, Escape leaves a menu as Qt does elsewhere, and a first start fits the screen.

#include "ShellTestSupport.h"

#include "data/clsEmployeeInfo.h"
#include "ui/shell/frmInitialSetup.h"

#include <QtTest>
#include <QtWidgets>

class tst_keyboard : public QObject
{
    Q_OBJECT

    static void addBusiness(mdiSchedule &main)
    {
        main.GetEmployeeCLASS().AddDepartment(QStringLiteral("DELI"));
        main.GetEmployeeCLASS().JobInfoAdd(QStringLiteral("COOK"), 0, 255);
        main.GetEmployeeCLASS().AddEmployee("Ann", {}, "Lee", 0, 0, {}, 0, {}, 0, {}, {}, {}, {}, {}, {}, {}, {}, {}, true);
    }

    static QString activeTitle(const mdiSchedule &main)
    {
        const QMdiSubWindow *active = main.mdiArea()->activeSubWindow();
        return active ? active->windowTitle() : QString();
    }

private Q_SLOTS:
    // The wizard lies behind the other windows: Ctrl+Tab and Ctrl+Shift+Tab pass over it, so the
    // keyboard never goes to a window that cannot be seen, and the walk comes back where it began.
    void ctrlTabPassesOverTheWizardBehind_data()
    {
        QTest::addColumn<QStringList>("open");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QStringList>("visited");
        const QString employees = QStringLiteral("Employee Information Manager");
        const QString positions = QStringLiteral("Positions List Manager");
        QTest::newRow("employees, Ctrl+Tab") << QStringList{"toolEmployees"} << false << QStringList{employees, employees};
        QTest::newRow("employees, Ctrl+Shift+Tab") << QStringList{"toolEmployees"} << true << QStringList{employees, employees};
        QTest::newRow("positions then employees, Ctrl+Tab")
            << QStringList{"toolPositions", "toolEmployees"} << false << QStringList{positions, employees, positions};
        QTest::newRow("positions then employees, Ctrl+Shift+Tab")
            << QStringList{"toolPositions", "toolEmployees"} << true << QStringList{positions, employees, positions};
    }
    void ctrlTabPassesOverTheWizardBehind()
    {
        QFETCH(QStringList, open);
        QFETCH(bool, backwards);
        QFETCH(QStringList, visited);
        ShellRun run;
        mdiSchedule &main = run.start();
        addBusiness(main);
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        for (const QString &tool : open)
            main.ToolClick(tool);
        QVERIFY(main.wizardWindow());
        QStringList walked;
        for (qsizetype step = 0; step < visited.size(); ++step) {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            QTest::keyClick(focus, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                            backwards ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
            QApplication::processEvents();
            walked << activeTitle(main);
            QVERIFY2(!main.wizard()->isAncestorOf(QApplication::focusWidget()), qPrintable(walked.join(" / ")));
        }
        QCOMPARE(walked, visited);
        QCOMPARE(run.openWindows().first(), main.wizardWindow());
    }

    // Alone, the wizard takes the keyboard as any window does.
    void ctrlTabReachesTheWizardAlone()
    {
        ShellRun run;
        mdiSchedule &main = run.start();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        main.mdiArea()->setActiveSubWindow(main.wizardWindow());
        QCOMPARE(main.mdiArea()->activeSubWindow(), main.wizardWindow());
    }

    // On a first start (no saved layout) the main window fits the screen, as a restored one does.
    void firstStartFitsTheScreen()
    {
        ShellRun run;
        mdiSchedule main(run.dir.path(), run.prompt, run.dialogs);
        QVERIFY(!main.layoutRestored());
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QApplication::processEvents();
        const QRect free = main.screen()->availableGeometry();
        QVERIFY2(free.contains(main.frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4 on %5x%6").arg(main.frameGeometry().x()).arg(main.frameGeometry().y())
                                .arg(main.frameGeometry().width()).arg(main.frameGeometry().height())
                                .arg(free.width()).arg(free.height())));
    }
};

QTEST_MAIN(tst_keyboard)
#include "tst_keyboard.moc"
