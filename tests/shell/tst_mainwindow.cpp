// The main window: its menus, which commands are available, single list windows, the help and
// about windows, the window list, the saved layout and the order of shutting down.

#include "ShellTestSupport.h"

#include "data/clsEmployeeInfo.h"
#include "setup/WindowHelpers.h"
#include "shell/frmHelp.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// A child window that notes what the program looked like when it was asked to close.
struct ProbeWindow : QWidget {
    ProbeWindow(const mdiSchedule &main, bool refuse) : main(main), refuse(refuse) {}
    const mdiSchedule &main;
    bool refuse;
    bool layoutExistedAtClose = true, appClosingAtClose = false;

    void closeEvent(QCloseEvent *event) override
    {
        layoutExistedAtClose = QFile::exists(main.layoutFilePath());
        appClosingAtClose = main.AppClosing();
        event->setAccepted(!refuse);
    }
};

// "id=caption", ">submenu" when it opens one, then " (hidden)" or " (off)" (disabled); "-" for a separator.
QStringList captionsOf(const QWidget *menu)
{
    QStringList captions;
    for (const QAction *action : menu->actions())
        captions << (action->isSeparator() ? QStringLiteral("-")
                     : action->objectName() + QLatin1Char('=') + action->text()
                           + (action->menu() ? QLatin1Char('>') + action->menu()->objectName() : QString())
                           + (!action->isVisible()  ? QStringLiteral(" (hidden)")
                              : !action->isEnabled() ? QStringLiteral(" (off)")
                                                     : QString()));
    return captions;
}

} // namespace

class tst_mainwindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menusAndWhichCommandsAreOff()
    {
        const QList<std::tuple<QString, QString, QStringList>> menus{
            {"bandMainMenu", "",
             {"toolFile=&File>bandFileMenu", "toolSchedule=&Schedules>bandSchedule", "toolReports=&Reports>bandReports",
              "toolSetup=&Setup>bandSetup", "toolHelp=&Help>bandHelp", "toolWindowList=&Window List>bandWindowList"}},
            {"bandFileMenu", "File Menu", {"toolOptions=&Options (off)", "-", "toolExit=&Exit", "-", "toolTest= (hidden)"}},
            {"bandSchedule", "",
             {"toolScheduleWork=&Employee Scheduler", "toolTimeOffSchedules=&Availability Scheduler"}},
            {"bandReports", "Reports",
             {"toolWorkSchedules=&Schedule Reports (off)", "toolsubEmployeeReports=&Employee Reports (off)"}},
            {"bandSetup", "Setup",
             {"toolDepartments=&Departments", "toolPositions=&Positions", "toolWorkShifts=Work &Shifts",
              "toolEmployees=&Employees"}},
            {"bandHelp", "HelpMenu",
             {"toolContents=&Contents", "toolOnlineSupport=&Online Support>bandOnlineSupport",
              "toolHelpWizard=Help &Wizard", "-", "toolAbout=&About"}},
            {"bandOnlineSupport", "Onlline Support",
             {"toolSupportWebSite=&Support Web Site", "toolProductInformation=&Product Information"}}};
        ShellRun run;
        mdiSchedule &main = run.start();
        for (const auto &[band, title, tools] : menus) {
            const QWidget *menu = main.findChild<QWidget *>(band);
            QVERIFY2(menu, qPrintable(band));
            QCOMPARE(captionsOf(menu), tools);
            if (!title.isEmpty())
                QCOMPARE(menu->windowTitle(), title);
            for (const QString &entry : tools)
                if (entry.endsWith(QLatin1String(" (off)")))
                    main.ToolClick(entry.section(QLatin1Char('='), 0, 0));
        }
        // The commands that are off do nothing, also when asked directly; nor does one that opens a
        // menu. An unknown command names itself.
        main.ToolClick(QStringLiteral("toolSetup"));
        QCOMPARE(run.openWindows(), QList<QMdiSubWindow *>{main.wizardWindow()});
        QVERIFY(run.prompt.shown().isEmpty());
        main.ToolClick(QStringLiteral("toolNoSuchThing"));
        QCOMPARE(run.prompt.messages(), QStringList{QStringLiteral("toolNoSuchThing")});
    }

    void listWindowsAreSingleInstances_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("form");
        QTest::newRow("departments") << "toolDepartments" << "frmDepartmentList";
        QTest::newRow("positions") << "toolPositions" << "frmJobSetup";
        QTest::newRow("work shifts") << "toolWorkShifts" << "frmShiftsSetup";
        QTest::newRow("employees") << "toolEmployees" << "frmEmployeeInfo";
        QTest::newRow("time off") << "toolTimeOffSchedules" << "frmTimeOffSetup";
        QTest::newRow("help") << "toolContents" << "frmHelp";
    }
    // One window per list command; the command and the window list bring it back to the front.
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
        QCOMPARE(first->pos(), PlacementInMainWindow(first->size(), main.mdiArea()->viewport()->size(), 0));

        // Another window comes in front; the command again brings the same window back.
        const QString other = tool == QLatin1String("toolPositions") ? QStringLiteral("toolDepartments")
                                                                      : QStringLiteral("toolPositions");
        main.tool(other)->trigger();
        QMdiSubWindow *second = main.childWindow(other);
        main.tool(tool)->trigger();
        QCOMPARE(main.childWindow(tool), first);
        QCOMPARE(run.openWindows(), (QList<QMdiSubWindow *>{main.wizardWindow(), second, first}));

        // The window list names the open windows in the order they were opened, the active one
        // checked; choosing one brings it to the front.
        QMenu *list = main.band(QStringLiteral("bandWindowList"));
        Q_EMIT list->aboutToShow();
        const QList<QAction *> entries = list->actions();
        QCOMPARE(entries.size(), 3);
        QVERIFY(entries.at(0)->text().endsWith(QStringLiteral("Help Wizard")));
        QVERIFY(entries.at(1)->text().endsWith(first->windowTitle()));
        QVERIFY(entries.at(1)->isChecked());
        entries.at(2)->trigger();
        QCOMPARE(run.openWindows().last(), second);

        // Once closed, it drops out of the list, and the command opens a fresh window.
        QVERIFY(first->close());
        QVERIFY(!main.childWindow(tool));
        Q_EMIT list->aboutToShow();
        QCOMPARE(list->actions().size(), 2);
        main.tool(tool)->trigger();
        QVERIFY(main.childWindow(tool));
        QVERIFY(run.prompt.messages().isEmpty());
    }

    void helpPageNamesFolderAndShowsSupportSection()
    {
        ShellRun run;
        mdiSchedule &main = run.start();
        main.ToolClick(QStringLiteral("toolContents"));
        auto *help = qobject_cast<frmHelp *>(main.childWindow(QStringLiteral("toolContents"))->widget());
        QVERIFY(help);
        QVERIFY(help->browser()->toPlainText().contains(QDir::toNativeSeparators(run.dir.path())));
        QCOMPARE(help->browser()->verticalScrollBar()->value(), 0);

        // Without a web site the two web commands show the help's support section.
        if (!main.webAddresses().first.isEmpty() || !main.webAddresses().second.isEmpty())
            QSKIP("web addresses are configured");
        for (const char *id : {"toolSupportWebSite", "toolProductInformation"}) {
            help->browser()->verticalScrollBar()->setValue(0);
            main.ToolClick(QLatin1String(id));
            QVERIFY2(help->browser()->verticalScrollBar()->value() > 0, id);
        }
        QVERIFY(run.prompt.shown().isEmpty());
    }

    void aboutWindowNamesVersionLicenceAndFolder()
    {
        ShellRun run;
        mdiSchedule &main = run.start();
        QStringList missing{"Shiftgrid", SHIFTGRID_VERSION, "MIT", QDir::toNativeSeparators(run.dir.path())};
        bool closedByKey = false;
        run.dialogs.queue([&](QDialog *dialog) {
            for (const QLabel *label : dialog->findChildren<QLabel *>())
                missing.removeIf([&](const QString &part) { return label->text().contains(part); });
            QTest::keyClick(dialog, Qt::Key_Return);
            closedByKey = !dialog->isVisible();
        });
        main.ToolClick(QStringLiteral("toolAbout"));
        QCOMPARE(run.dialogs.shown(), QStringList{QStringLiteral("frmAbout")});
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1String(", "))));
        QVERIFY2(closedByKey, "Enter does not close the about window");
    }

    // A child window that stays open cancels the exit; otherwise the exit closes every child window,
    // letting each save, before the layout is written.
    void shutdownUnloadsChildrenBeforeSavingLayout()
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
        QVERIFY(!QFile::exists(run.settingsFile()));

        probe->refuse = false;
        const qint32 number = main.GetEmployeeCLASS().AddEmployee(
            QStringLiteral("Anna"), {}, QStringLiteral("Berg"), 0, 0, QStringLiteral("ANNA"), 0, {}, 0, {}, {}, {},
            {}, {}, {}, {}, {}, {}, false);
        main.ToolClick(QStringLiteral("toolDepartments"));
        main.ToolClick(QStringLiteral("toolEmployees"));
        auto *firstName = main.childWindow(QStringLiteral("toolEmployees"))->findChild<QLineEdit *>(QStringLiteral("txtFirstName"));
        QVERIFY(firstName);
        QTRY_COMPARE(firstName->text(), QStringLiteral("Anna"));
        firstName->selectAll();
        QTest::keyClicks(firstName, QStringLiteral("Annika"));

        main.tool(QStringLiteral("toolExit"))->trigger();
        QVERIFY(!main.isVisible());
        QVERIFY(probe->appClosingAtClose);
        QVERIFY2(!probe->layoutExistedAtClose, "the layout was saved before the windows were unloaded");
        QVERIFY(run.openWindows().isEmpty());
        QVERIFY(QFile::exists(run.layoutFile()));
        QVERIFY(run.prompt.shown().isEmpty());
        const clsEmployeeInfo stored(run.dir.path(), clsEmployeeInfo::Access::ReadOnly);
        QVERIFY(stored.GetEmployee(number));
        QCOMPARE(stored.GetEmployee(number)->firstName, QStringLiteral("Annika"));
    }

    // A layout with the toolbar on the left comes back at the next start, unless it is damaged.
    void layoutIsKeptUnlessDamaged_data()
    {
        QTest::addColumn<QByteArray>("damage");
        QTest::newRow("intact") << QByteArray();
        QTest::newRow("empty") << QByteArray("empty");
        QTest::newRow("text") << QByteArray("this is not a layout\r\n");
        QTest::newRow("cut short") << QByteArray("truncate");
        QTest::newRow("trailing bytes") << QByteArray("append");
        QTest::newRow("bad state") << QByteArray("badstate");
    }
    void layoutIsKeptUnlessDamaged()
    {
        QFETCH(QByteArray, damage);
        ShellRun run;
        mdiSchedule &first = run.start();
        QVERIFY(!first.layoutRestored());
        first.addToolBar(Qt::LeftToolBarArea, first.mainToolBar());
        QVERIFY(run.exit());
        QByteArray bytes = readFile(run.layoutFile());
        if (damage == "empty")
            bytes.clear();
        else if (damage == "truncate")
            bytes.chop(9);
        else if (damage == "append")
            bytes += 'x';
        else if (damage == "badstate")
            bytes.replace(12, 28, QByteArray(28, char(0x5a)));
        else if (!damage.isEmpty())
            bytes = damage;
        writeFile(run.layoutFile(), bytes);

        mdiSchedule &main = run.start();
        QCOMPARE(main.layoutRestored(), damage.isEmpty());
        QCOMPARE(main.toolBarArea(main.mainToolBar()), damage.isEmpty() ? Qt::LeftToolBarArea : Qt::TopToolBarArea);
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
        QVERIFY(QDir(run.dir.path()).mkpath(QStringLiteral("MenuCustom.bin/inside")));
        mdiSchedule &main = run.start();
        QVERIFY(!main.layoutRestored());
        QVERIFY(run.prompt.shown().isEmpty());
        QVERIFY(main.close());
        const QList<ScriptedPrompt::Shown> shown = run.prompt.shown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().kind, ScriptedPrompt::Shown::Message);
        QVERIFY2(shown.first().text.contains(QLatin1String("MenuCustom.bin")), qPrintable(shown.first().text));
    }
};

QTEST_MAIN(tst_mainwindow)
#include "tst_mainwindow.moc"
