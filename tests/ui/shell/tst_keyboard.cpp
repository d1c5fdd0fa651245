// The main window by keyboard and on a small screen: Ctrl+Tab walks the windows that can be seen
// and comes back, Escape leaves a menu as Qt does elsewhere, and a first start fits the screen.

#include "EmployeeNamed.h"
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
        main.GetEmployeeCLASS().AddEmployee(employeeNamed("Ann", "Lee"));
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

    // The menu bar holds the keyboard after Alt+letter and one Escape (the menu closes, a second
    // Escape gives the keyboard back), and after Alt alone: its current title then looks chosen,
    // so the keys that follow are not typed into a bar that seems idle.
    void menuBarHoldingTheKeyboardShowsItsTitle_data()
    {
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("menu");
        QTest::newRow("wizard alone, File") << QString() << "bandFileMenu";
        QTest::newRow("wizard alone, Setup") << QString() << "bandSetup";
        QTest::newRow("employees, File") << "toolEmployees" << "bandFileMenu";
        QTest::newRow("employees, Window List") << "toolEmployees" << "bandWindowList";
    }
    void menuBarHoldingTheKeyboardShowsItsTitle()
    {
        QFETCH(QString, open);
        QFETCH(QString, menu);
        ShellRun run;
        mdiSchedule &main = run.start();
        addBusiness(main);
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        if (!open.isEmpty())
            main.ToolClick(open);
        QApplication::processEvents();
        QPointer<QWidget> before = QApplication::focusWidget();
        QVERIFY(before);
        QMenu *band = main.band(menu);
        const QRect title = main.menuBar()->actionGeometry(band->menuAction());
        const QImage idle = main.menuBar()->grab(title).toImage();
        // Alt alone enters the bar at its first title; the arrows walk to the menu's.
        QTest::keyPress(before, Qt::Key_Alt);
        QTest::keyRelease(before, Qt::Key_Alt);
        QTRY_COMPARE(QApplication::focusWidget(), main.menuBar());
        while (main.menuBar()->activeAction() != band->menuAction()) {
            QVERIFY(main.menuBar()->activeAction());
            QTest::keyClick(main.menuBar(), Qt::Key_Right);
        }
        QVERIFY2(main.menuBar()->grab(title).toImage() != idle, "the title holding the keyboard looks as the others");
        if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
            // With real pop-ups: the menu opens and its Escape comes back to the same state.
            QTest::keyClick(main.menuBar(), Qt::Key_Down);
            QTRY_VERIFY(band->isVisible());
            QTest::keyClick(band, Qt::Key_Escape);
            QTRY_VERIFY(!band->isVisible());
            QTRY_COMPARE(main.menuBar()->activeAction(), band->menuAction());
            QCOMPARE(QApplication::focusWidget(), main.menuBar());
            QVERIFY(main.menuBar()->grab(title).toImage() != idle);
        }
        QTest::keyClick(main.menuBar(), Qt::Key_Escape);
        QTRY_COMPARE(QApplication::focusWidget(), before.data());
        QCOMPARE(main.menuBar()->activeAction(), nullptr);
        QCOMPARE(main.menuBar()->grab(title).toImage(), idle);
    }

    // On a first start (no saved layout) the main window fits the screen, as a restored one does.
    void firstStartFitsTheScreen()
    {
        ShellRun run;
        mdiSchedule main(run.dir.path(), run.prompt, run.dialogs);
        QVERIFY(!main.layoutRestored());
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const QRect free = main.screen()->availableGeometry();
        QTRY_VERIFY2(free.contains(main.frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4 on %5x%6").arg(main.frameGeometry().x()).arg(main.frameGeometry().y())
                                .arg(main.frameGeometry().width()).arg(main.frameGeometry().height())
                                .arg(free.width()).arg(free.height())));
    }
};

QTEST_MAIN(tst_keyboard)
#include "tst_keyboard.moc"
