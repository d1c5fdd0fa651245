// The main window: its menus, which commands are available, single list windows, the help and
// about windows, the window list, the saved layout and the order of shutting down.

#include "EmployeeNamed.h"
#include "ShellTestSupport.h"

#include "HandMadeRecords.h"
#include "data/clsEmployeeInfo.h"
#include "ui/reporting/frmPrint.h"
#include "ui/scheduling/frmSchedule.h"
#include "ui/common/WindowHelpers.h"
#include "ui/shell/ProgramStart.h"
#include "ui/shell/frmInitialSetup.h"
#include "ui/shell/frmHelp.h"

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

} // namespace

class tst_mainwindow : public QObject
{
    Q_OBJECT

    // The window list's entries for the open windows: those after its commands.
    static QList<QAction *> windowEntries(QMenu *list)
    {
        QList<QAction *> entries = list->actions();
        while (!entries.isEmpty() && !entries.takeFirst()->isSeparator()) {}
        return entries;
    }

private Q_SLOTS:
    // Every command is reachable from the menu bar. Those not yet available are off, say why and
    // do nothing, also when asked directly; nor does one that opens a menu. An unknown command
    // names itself.
    void menusAndWhichCommandsAreOff()
    {
        ShellRun run;
        mdiSchedule &main = run.start();
        QStringList reachable;
        const std::function<void(const QList<QAction *> &)> walk = [&](const QList<QAction *> &actions) {
            for (const QAction *action : actions) {
                reachable << action->objectName();
                if (action->menu())
                    walk(action->menu()->actions());
            }
        };
        walk(main.menuBar()->actions());
        for (const char *id : {"toolExit", "toolScheduleWork", "toolTimeOffSchedules", "toolDepartments", "toolPositions",
                               "toolWorkShifts", "toolEmployees", "toolContents", "toolSupportWebSite",
                               "toolProductInformation", "toolHelpWizard", "toolAbout", "toolTile", "toolCloseAll"})
            QVERIFY2(reachable.contains(QLatin1String(id)), id);
        QVERIFY(!main.tool(QStringLiteral("toolTest"))->isVisible());
        for (const char *id : {"toolOptions"}) {
            QVERIFY2(!main.tool(QLatin1String(id))->isEnabled(), id);
            QVERIFY2(main.tool(QLatin1String(id))->toolTip().startsWith("Not available yet"), id);
            main.ToolClick(QLatin1String(id));
        }
        main.ToolClick(QStringLiteral("toolSetup"));
        QCOMPARE(run.openWindows(), QList<QMdiSubWindow *>{main.wizardWindow()});
        QVERIFY(run.prompt.shown().isEmpty());
        main.ToolClick(QStringLiteral("toolNoSuchThing"));
        QCOMPARE(run.prompt.messages(), QStringList{QStringLiteral("toolNoSuchThing")});
    }

    // The employee editor's Print opens the employee reports; the scheduler's Print saves the
    // week and opens the schedule reports for its department and days, inside the scheduler.
    void reportsOpenFromTheEditorAndTheScheduler()
    {
        ShellRun run;
        HandMade::write(run.dir.filePath("Dept.dat"), HandMade::department("KITCHEN", 1));
        mdiSchedule &main = run.start(kWizardHidden);
        main.ToolClick(QStringLiteral("toolEmployees"));
        auto *editor = main.childWindow(QStringLiteral("toolEmployees"))->widget();
        auto *print = editor->findChild<QPushButton *>(QStringLiteral("cmdPrint"));
        QVERIFY(print->isEnabled());
        print->click();
        QVERIFY(main.childWindow(QStringLiteral("toolsubEmployeeReports")));

        QString department;
        QDate first, last;
        run.dialogs.queue([&](QDialog *scheduler) {
            scheduler->findChild<QPushButton *>(QStringLiteral("cmdPrint"))->click();
            auto *reports = scheduler->findChild<frmPrint *>();
            QVERIFY(reports && reports->isVisible());
            first = reports->dtpFirstDate->date();
            last = reports->dtpLastDate->date();
            department = qobject_cast<frmSchedule *>(scheduler)->department();
            scheduler->close();
        });
        main.ToolClick(QStringLiteral("toolScheduleWork"));
        QCOMPARE(department, QStringLiteral("KITCHEN"));
        QCOMPARE(first.daysTo(last), 6);
        QCOMPARE(first.dayOfWeek(), 1);
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
        QTest::newRow("schedule reports") << "toolWorkSchedules" << "frmPrint";
        QTest::newRow("employee reports") << "toolsubEmployeeReports" << "frmEmployeeReports";
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
        QVERIFY(!first->windowIcon().isNull());

        // Another window comes in front, cascaded below and right of the first; the command
        // again brings the same window back.
        const QString other = tool == QLatin1String("toolPositions") ? QStringLiteral("toolDepartments")
                                                                      : QStringLiteral("toolPositions");
        main.tool(other)->trigger();
        QMdiSubWindow *second = main.childWindow(other);
        QVERIFY(second->pos().x() > first->pos().x() && second->pos().y() > first->pos().y());
        main.tool(tool)->trigger();
        QCOMPARE(main.childWindow(tool), first);
        QCOMPARE(run.openWindows(), (QList<QMdiSubWindow *>{main.wizardWindow(), second, first}));

        // The window list names the open windows in the order they were opened, the active one
        // checked; choosing one brings it to the front.
        QMenu *list = main.band(QStringLiteral("bandWindowList"));
        Q_EMIT list->aboutToShow();
        const QList<QAction *> entries = windowEntries(list);
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
        QCOMPARE(windowEntries(list).size(), 2);
        main.tool(tool)->trigger();
        QVERIFY(main.childWindow(tool));
        QVERIFY(run.prompt.messages().isEmpty());
    }

    // The keys the help names work: Ctrl+W and Ctrl+F4 close the window in front, Ctrl+Q quits.
    // The window list tiles, cascades and closes all windows but the wizard.
    void windowKeysAndCommands()
    {
        ShellRun run;
        mdiSchedule &main = run.start();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        for (const char *id : {"toolDepartments", "toolPositions", "toolWorkShifts", "toolEmployees"})
            main.ToolClick(QLatin1String(id));   // each asks for a first record; the asking is cancelled
        QTRY_COMPARE(main.openChildren().size(), 3);   // the work shifts need a department
        QTest::keyClick(&main, Qt::Key_W, Qt::ControlModifier);
        QTRY_COMPARE(main.openChildren().size(), 2);
        main.mdiArea()->setActiveSubWindow(main.openChildren().last());
        QTest::keyClick(&main, Qt::Key_F4, Qt::ControlModifier);
        QTRY_COMPARE(main.openChildren().size(), 1);
        main.ToolClick(QStringLiteral("toolPositions"));
        const QList<QMdiSubWindow *> two = main.openChildren();
        const auto places = [&] { return QList<QPoint>{two[0]->pos(), two[1]->pos()}; };
        main.tool(QStringLiteral("toolTile"))->trigger();
        const QList<QPoint> tiled = places();
        QVERIFY(tiled[0] != tiled[1]);
        main.tool(QStringLiteral("toolCascade"))->trigger();
        QVERIFY(places() != tiled);
        QVERIFY(places()[0] != places()[1]);
        main.tool(QStringLiteral("toolCloseAll"))->trigger();
        QTRY_VERIFY(main.openChildren().isEmpty());
        QVERIFY(main.wizardWindow());
        QTest::keyClick(&main, Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(!main.isVisible());
    }

    // Every control of the setup windows has an accessible name and description; every button
    // has a mnemonic, and no two mnemonics of a window (labels included) nor of the menu bar clash.
    void setupWindowsAreNamedAndHaveMnemonics()
    {
        ShellRun run;
        mdiSchedule &main = run.start();
        main.GetEmployeeCLASS().AddDepartment(QStringLiteral("DELI"));
        main.GetEmployeeCLASS().AddEmployee(employeeNamed("Ann", "Lee"));
        for (const char *id : {"toolDepartments", "toolPositions", "toolWorkShifts", "toolEmployees", "wizard"}) {
            QWidget *window = main.wizard();
            if (QLatin1String(id) != QLatin1String("wizard")) {
                main.ToolClick(QLatin1String(id));
                window = main.childWindow(QLatin1String(id))->widget();
            }
            QSet<QChar> letters;   // the menu bar's own come first, each its own letter
            QStringList menus;
            for (const QAction *menu : main.menuBar()->actions()) {
                letters.insert(menu->text().at(menu->text().indexOf('&') + 1).toLower());
                menus << menu->text();
            }
            QVERIFY2(letters.size() == menus.size(), qPrintable(menus.join(' ')));
            QStringList captions;
            for (QWidget *w : window->findChildren<QWidget *>()) {
                // Parts of other controls (a drop-down's pop-up, a spin box's text) speak through them.
                if (w->focusPolicy() == Qt::NoFocus || w->objectName().startsWith("qt_") || w->window() != window->window())
                    continue;
                QVERIFY2(!w->accessibleName().isEmpty() && !w->accessibleDescription().isEmpty(),
                         qPrintable(QString::fromLatin1(id) + ' ' + w->objectName() + ' ' + w->metaObject()->className()));
                if (const auto *button = qobject_cast<QPushButton *>(w))
                    QVERIFY2(button->text().contains('&'), qPrintable(button->text()));
            }
            for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
                captions << button->text();
            for (const QLabel *label : window->findChildren<QLabel *>())
                captions << (label->buddy() ? label->text() : QString());
            for (const QString &caption : captions) {
                const qsizetype amp = caption.indexOf('&');
                if (amp < 0 || amp + 1 >= caption.size())
                    continue;
                QVERIFY2(!letters.contains(caption.at(amp + 1).toLower()), qPrintable(QString::fromLatin1(id) + ": " + caption));
                letters.insert(caption.at(amp + 1).toLower());
            }
        }
    }

    // A data folder that cannot be created is named with the reason, not a file inside it.
    void dataFolderProblemsAreNamed()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("plain")), "x");
        const QString problem = PrepareDataFolder(dir.filePath(QStringLiteral("plain/data")));
        QVERIFY2(problem.contains("cannot be created: \"" + dir.filePath("plain") + "\" is a file"), qPrintable(problem));
        QCOMPARE(PrepareDataFolder(dir.filePath(QStringLiteral("new/data"))), QString());
    }

    // A layout saved on a larger screen is fitted to this one.
    void restoredLayoutFitsTheScreen()
    {
        ShellRun run;
        mdiSchedule &first = run.start();
        const QRect free = first.screen()->availableGeometry();
        first.setGeometry(QRect(free.topLeft() + QPoint(300, 200), free.size() * 2));
        QVERIFY(run.exit());
        mdiSchedule again(run.dir.path(), run.prompt, run.dialogs);
        QVERIFY(again.layoutRestored());
        QVERIFY2(free.contains(again.frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(again.x()).arg(again.y()).arg(again.width()).arg(again.height())));
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
        EmployeeFields anna = employeeNamed(QStringLiteral("Anna"), QStringLiteral("Berg"), false);
        anna.scheduleName = QStringLiteral("ANNA");
        const qint32 number = main.GetEmployeeCLASS().AddEmployee(anna);
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
