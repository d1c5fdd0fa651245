// The main window: its menus, which commands are available, single list windows, the help and
// about windows, the window list, the saved layout and the order of shutting down.

#include "ShellTestSupport.h"

#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "shell/frmHelp.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

namespace {

// A child window that notes what the program looked like when it was asked to close.
class ProbeWindow : public QWidget
{
public:
    ProbeWindow(const mdiSchedule &main, bool refuse) : m_main(main), m_refuse(refuse) {}

    bool closed = false;
    bool layoutExistedAtClose = true;
    bool appClosingAtClose = false;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        layoutExistedAtClose = QFile::exists(m_main.layoutFilePath());
        appClosingAtClose = m_main.AppClosing();
        closed = !m_refuse;
        event->setAccepted(!m_refuse);
    }

private:
    const mdiSchedule &m_main;
    bool m_refuse;
};

QStringList captionsOf(const QWidget *menu)
{
    QStringList captions;
    for (const QAction *action : menu->actions())
        captions << (action->isSeparator() ? QStringLiteral("-")
                     : action->objectName() + QLatin1Char('=') + action->text()
                           + (action->menu() ? QLatin1Char('>') + action->menu()->objectName() : QString()));
    return captions;
}

} // namespace

class tst_mainwindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menusCarryTheirIdsAndCaptions_data()
    {
        QTest::addColumn<QString>("band");
        QTest::addColumn<QString>("bandCaption");
        QTest::addColumn<QStringList>("tools");
        QTest::newRow("menu bar") << "bandMainMenu" << ""
                                  << QStringList{"toolFile=&File>bandFileMenu", "toolSchedule=&Schedules>bandSchedule",
                                                 "toolReports=&Reports>bandReports", "toolSetup=&Setup>bandSetup",
                                                 "toolHelp=&Help>bandHelp", "toolWindowList=&Window List>bandWindowList"};
        QTest::newRow("file") << "bandFileMenu" << "File Menu"
                              << QStringList{"toolOptions=&Options", "-", "toolExit=&Exit", "-", "toolTest="};
        QTest::newRow("schedules") << "bandSchedule" << ""
                                   << QStringList{"toolScheduleWork=&Employee Scheduler",
                                                  "toolTimeOffSchedules=&Availability Scheduler"};
        QTest::newRow("reports") << "bandReports" << "Reports"
                                 << QStringList{"toolWorkSchedules=&Schedule Reports",
                                                "toolsubEmployeeReports=&Employee Reports"};
        QTest::newRow("setup") << "bandSetup" << "Setup"
                               << QStringList{"toolDepartments=&Departments", "toolPositions=&Positions",
                                              "toolWorkShifts=Work &Shifts", "toolEmployees=&Employees"};
        QTest::newRow("help") << "bandHelp" << "HelpMenu"
                              << QStringList{"toolContents=&Contents", "toolOnlineSupport=&Online Support>bandOnlineSupport",
                                             "toolHelpWizard=Help &Wizard", "-", "toolAbout=&About"};
        QTest::newRow("online support") << "bandOnlineSupport" << "Onlline Support"
                                        << QStringList{"toolSupportWebSite=&Support Web Site",
                                                       "toolProductInformation=&Product Information"};
    }
    void menusCarryTheirIdsAndCaptions()
    {
        QFETCH(QString, band);
        QFETCH(QString, bandCaption);
        QFETCH(QStringList, tools);
        ShellRun run;
        mdiSchedule &main = run.start();
        QWidget *menu = main.findChild<QWidget *>(band);
        QVERIFY(menu);
        QCOMPARE(captionsOf(menu), tools);
        if (!bandCaption.isEmpty())
            QCOMPARE(menu->windowTitle(), bandCaption);
    }

    void commandAvailability_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<bool>("enabled");
        for (const char *id : {"toolScheduleWork", "toolTimeOffSchedules", "toolWorkSchedules",
                               "toolsubEmployeeReports", "toolOptions"})
            QTest::newRow(id) << id << false;
        for (const char *id : {"toolDepartments", "toolEmployees", "toolContents", "toolExit"})
            QTest::newRow(id) << id << true;
    }
    void commandAvailability()
    {
        QFETCH(QString, tool);
        QFETCH(bool, enabled);
        ShellRun run;
        run.writeSettings("[Wizard]\r\nHelpWizardHide=1\r\n");
        mdiSchedule &main = run.start();
        QAction *action = main.tool(tool);
        QVERIFY(action);
        QCOMPARE(action->isEnabled(), enabled);
        QVERIFY(action->isVisible());
        if (!enabled) {
            // A command that is not available does nothing, also when asked directly.
            main.ToolClick(tool);
            QVERIFY(run.openWindows().isEmpty());
            QVERIFY(run.prompt.shown().isEmpty());
            QVERIFY(main.isVisible());
        }
        // The toolbar offers the same commands, in the same state.
        if (main.mainToolBar()->actions().contains(action))
            QCOMPARE(main.mainToolBar()->widgetForAction(action)->isEnabled(), enabled);
    }

    void hiddenAndUnknownCommands()
    {
        ShellRun run;
        mdiSchedule &main = run.start();
        QVERIFY(!main.tool(QStringLiteral("toolTest"))->isVisible());
        main.ToolClick(QStringLiteral("toolNoSuchThing"));
        QCOMPARE(run.prompt.messages(), QStringList{QStringLiteral("toolNoSuchThing")});
        run.prompt.clear();
        // Commands that open a menu do nothing more.
        main.ToolClick(QStringLiteral("toolSetup"));
        QVERIFY(run.prompt.shown().isEmpty());
        QCOMPARE(run.openWindows().size(), 1);
    }

    void listWindowsAreSingleInstances_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("form");
        QTest::newRow("departments") << "toolDepartments" << "frmDepartmentList";
        QTest::newRow("positions") << "toolPositions" << "frmJobSetup";
        QTest::newRow("work shifts") << "toolWorkShifts" << "frmShiftsSetup";
        QTest::newRow("employees") << "toolEmployees" << "frmEmployeeInfo";
        QTest::newRow("help") << "toolContents" << "frmHelp";
    }
    void listWindowsAreSingleInstances()
    {
        QFETCH(QString, tool);
        QFETCH(QString, form);
        ShellRun run;
        mdiSchedule &main = run.start();
        main.tool(tool)->trigger();
        QMdiSubWindow *first = main.childWindow(tool);
        QVERIFY(first);
        QCOMPARE(QString::fromLatin1(first->widget()->metaObject()->className()), form);
        const QRect area(QPoint(0, 0), main.mdiArea()->viewport()->size());
        QVERIFY2(area.contains(first->geometry()), "the window is not inside the work area");

        // Another window comes in front; the command again brings the same window back.
        const QString other = tool == QLatin1String("toolPositions") ? QStringLiteral("toolDepartments")
                                                                      : QStringLiteral("toolPositions");
        main.tool(other)->trigger();
        QCOMPARE(run.openWindows().last(), main.childWindow(other));
        main.tool(tool)->trigger();
        QCOMPARE(main.childWindow(tool), first);
        QCOMPARE(run.openWindows().last(), first);
        QCOMPARE(main.mdiArea()->activeSubWindow(), first);
        int sameKind = 0;
        for (QMdiSubWindow *window : run.openWindows())
            sameKind += window->widget()->metaObject()->className() == form;
        QCOMPARE(sameKind, 1);

        // Once closed, the command opens a fresh window.
        QVERIFY(first->close());
        QVERIFY(!main.childWindow(tool));
        main.tool(tool)->trigger();
        QVERIFY(main.childWindow(tool));
        QVERIFY(!main.childWindow(tool)->isHidden());
        QVERIFY(run.prompt.messages().isEmpty());
    }

    void windowListActivatesTheChosenWindow()
    {
        ShellRun run;
        mdiSchedule &main = run.start();
        main.ToolClick(QStringLiteral("toolDepartments"));
        main.ToolClick(QStringLiteral("toolPositions"));
        QMenu *list = main.band(QStringLiteral("bandWindowList"));
        Q_EMIT list->aboutToShow();
        QStringList texts;
        for (const QAction *action : list->actions())
            texts << action->text();
        QCOMPARE(texts.size(), 3);
        QVERIFY(texts.at(0).endsWith(QStringLiteral("Help Wizard")));
        QVERIFY(texts.at(1).endsWith(main.childWindow(QStringLiteral("toolDepartments"))->windowTitle()));
        QVERIFY(list->actions().at(2)->isChecked());

        list->actions().at(1)->trigger();
        QCOMPARE(main.mdiArea()->activeSubWindow(), main.childWindow(QStringLiteral("toolDepartments")));
        QCOMPARE(run.openWindows().last(), main.childWindow(QStringLiteral("toolDepartments")));

        // Closed windows drop out of the list.
        main.childWindow(QStringLiteral("toolPositions"))->close();
        Q_EMIT list->aboutToShow();
        QCOMPARE(list->actions().size(), 2);
    }

    void helpPageAndSupportSection()
    {
        ShellRun run;
        mdiSchedule &main = run.start();
        main.ToolClick(QStringLiteral("toolContents"));
        auto *help = qobject_cast<frmHelp *>(main.childWindow(QStringLiteral("toolContents"))->widget());
        QVERIFY(help);
        const QString text = help->browser()->toPlainText();
        for (const char *topic : {"Departments", "Positions", "Default work shifts", "Employees", "Scheduling shifts",
                                  "red", "Time off", "Copying a day or a week", "Printing reports", "Support"})
            QVERIFY2(text.contains(QLatin1String(topic)), topic);
        QVERIFY(text.contains(QDir::toNativeSeparators(run.folder())));
        QVERIFY(!text.contains(QLatin1String("@DATA_FOLDER@")));
        QCOMPARE(help->browser()->verticalScrollBar()->value(), 0);

        // Without a web site the two web commands show the help's support section.
        if (!main.webAddresses().first.isEmpty() || !main.webAddresses().second.isEmpty())
            QSKIP("web addresses are configured");
        for (const char *id : {"toolSupportWebSite", "toolProductInformation"}) {
            help->browser()->verticalScrollBar()->setValue(0);
            main.ToolClick(QLatin1String(id));
            QCOMPARE(main.childWindow(QStringLiteral("toolContents"))->widget(), help);
            QVERIFY2(help->browser()->verticalScrollBar()->value() > 0, id);
        }
        QVERIFY(run.prompt.shown().isEmpty());
    }

    void aboutWindowNamesVersionLicenceAndFolder()
    {
        ShellRun run;
        mdiSchedule &main = run.start();
        QString shown;
        bool closedByKey = false;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            for (const QLabel *label : dialog->findChildren<QLabel *>())
                shown += label->text() + QLatin1Char('\n');
            QTest::keyClick(dialog, Qt::Key_Return);
            closedByKey = !dialog->isVisible();
            if (!closedByKey)
                dialog->reject();
        });
        main.ToolClick(QStringLiteral("toolAbout"));
        QVERIFY(shown.contains(QLatin1String("Shiftgrid")));
        QVERIFY(shown.contains(QLatin1String(SHIFTGRID_VERSION)));
        QVERIFY(shown.contains(QLatin1String("MIT")));
        QVERIFY(shown.contains(QDir::toNativeSeparators(run.folder())));
        QVERIFY2(closedByKey, "Enter does not close the about window");
    }

    void shutdownUnloadsChildrenBeforeSavingLayout()
    {
        ShellRun run;
        mdiSchedule &main = run.start();
        main.ToolClick(QStringLiteral("toolDepartments"));
        main.ToolClick(QStringLiteral("toolPositions"));
        main.ToolClick(QStringLiteral("toolEmployees"));
        auto *probe = new ProbeWindow(main, false);
        main.mdiArea()->addSubWindow(probe)->show();
        QCOMPARE(run.openWindows().size(), 5);
        QVERIFY(!QFile::exists(run.layoutFile()));

        main.tool(QStringLiteral("toolExit"))->trigger();
        QVERIFY(!main.isVisible());
        QVERIFY(probe->closed);
        QVERIFY(probe->appClosingAtClose);
        QVERIFY2(!probe->layoutExistedAtClose, "the layout was saved before the windows were unloaded");
        QVERIFY(run.openWindows().isEmpty());
        QVERIFY(QFile::exists(run.layoutFile()));
        QVERIFY(run.prompt.shown().isEmpty());
    }

    void employeeEditsAreSavedAtExit()
    {
        ShellRun run;
        mdiSchedule &main = run.start();
        const qint32 number = main.GetEmployeeCLASS().AddEmployee(
            QStringLiteral("Anna"), {}, QStringLiteral("Berg"), 0, 0, QStringLiteral("ANNA"), 0, {}, 0, {}, {}, {},
            {}, {}, {}, {}, {}, {}, false);
        main.ToolClick(QStringLiteral("toolEmployees"));
        auto *firstName = main.childWindow(QStringLiteral("toolEmployees"))->findChild<QLineEdit *>(QStringLiteral("txtFirstName"));
        QVERIFY(firstName);
        QTRY_COMPARE(firstName->text(), QStringLiteral("Anna"));
        firstName->selectAll();
        QTest::keyClicks(firstName, QStringLiteral("Annika"));
        QCOMPARE(firstName->text(), QStringLiteral("Annika"));

        // The exit closes the editor, which stores the typed name before the program ends.
        QVERIFY(run.exit());
        const clsEmployeeInfo stored(run.folder(), clsEmployeeInfo::Access::ReadOnly);
        QVERIFY(stored.GetEmployee(number));
        QCOMPARE(stored.GetEmployee(number)->firstName, QStringLiteral("Annika"));
        QVERIFY(run.prompt.shown().isEmpty());
    }

    void windowThatStaysOpenCancelsShutdown()
    {
        ShellRun run;
        mdiSchedule &main = run.start();
        auto *probe = new ProbeWindow(main, true);
        main.mdiArea()->addSubWindow(probe)->show();
        QVERIFY(!main.close());
        QVERIFY(main.isVisible());
        QVERIFY(!main.AppClosing());
        QVERIFY(!QFile::exists(run.layoutFile()));
        // The wizard was unloaded by the attempt, but as part of a shutdown: its setting is kept.
        QVERIFY(run.settingsBytes().isEmpty());
    }

    void layoutIsKeptBetweenRuns()
    {
        ShellRun run;
        mdiSchedule &main = run.start();
        QVERIFY(!main.layoutRestored());
        QCOMPARE(main.toolBarArea(main.mainToolBar()), Qt::TopToolBarArea);
        main.addToolBar(Qt::LeftToolBarArea, main.mainToolBar());
        QVERIFY(run.exit());

        mdiSchedule &again = run.start();
        QVERIFY(again.layoutRestored());
        QCOMPARE(again.toolBarArea(again.mainToolBar()), Qt::LeftToolBarArea);
    }

    void damagedLayoutFallsBack_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("this is not a layout\r\n");
        QTest::newRow("cut short") << QByteArray("truncate");   // a valid file, cut below
        QTest::newRow("trailing bytes") << QByteArray("append");
        QTest::newRow("bad state") << QByteArray("badstate");
    }
    void damagedLayoutFallsBack()
    {
        QFETCH(QByteArray, bytes);
        ShellRun run;
        // A genuine layout with the toolbar on the left, to damage.
        run.start().addToolBar(Qt::LeftToolBarArea, run.main->mainToolBar());
        QVERIFY(run.exit());
        QFile file(run.layoutFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray good = file.readAll();
        file.close();
        if (bytes == "truncate")
            bytes = good.left(good.size() - 9);
        else if (bytes == "append")
            bytes = good + "x";
        else if (bytes == "badstate") {
            bytes = good;
            for (int i = 12; i < 40 && i < bytes.size(); ++i)
                bytes[i] = char(0x5a);
        }
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();

        mdiSchedule &main = run.start();
        QVERIFY(!main.layoutRestored());
        QCOMPARE(main.toolBarArea(main.mainToolBar()), Qt::TopToolBarArea);
        QVERIFY(main.mainToolBar()->isVisible());
        QVERIFY(run.prompt.shown().isEmpty());
        // The next exit writes a good layout again.
        QVERIFY(run.exit());
        QVERIFY(run.start().layoutRestored());
    }

    void unwritableLayoutIsReported()
    {
        ShellRun run;
        // A folder in the way of the layout file: it can be neither read nor replaced.
        QVERIFY(QDir(run.folder()).mkpath(QStringLiteral("MenuCustom.bin/inside")));
        mdiSchedule &main = run.start();
        QVERIFY(!main.layoutRestored());
        QVERIFY(run.prompt.shown().isEmpty());
        QVERIFY(main.close());
        const QStringList messages = run.prompt.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QLatin1String("MenuCustom.bin")), qPrintable(messages.first()));
        QCOMPARE(run.prompt.shown().first().kind, ScriptedPrompt::Shown::Message);
    }
};

QTEST_MAIN(tst_mainwindow)
#include "tst_mainwindow.moc"
