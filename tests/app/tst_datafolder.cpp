// The data folder as a whole: one writer at a time (the demo command and the windowed start),
// a killed demo, and the check command over a hand-made folder full of faults.

#include "app/commands/CheckCommand.h"
#include "FolderChecks.h"
#include "ScriptedDialogs.h"
#include "ScriptedPrompt.h"
#include "data/DataFolderLock.h"
#include "data/OleDate.h"
#include "ui/shell/ProgramStart.h"
#include "ui/shell/mdiSchedule.h"

#include <QAction>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <limits>
#include <sys/stat.h>

namespace {
const double kMon = OleDate::fromDate(QDate(2001, 3, 5));
constexpr double H = 1.0 / 24;

QString shiftgrid() { return QCoreApplication::applicationDirPath() + "/../src/app/shiftgrid"; }

bool waitFor(const std::function<bool()> &condition, int ms = 20000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < ms)
        QThread::msleep(5);
    return condition();
}
} // namespace

class TestDataFolder : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_tmp;
    QString file(const QString &name) const { return m_tmp->filePath(name); }

private Q_SLOTS:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
    }

    void secondDemoOnTheSameFolderRefusesNamingTheFirst()
    {
        const QString folder = file("business");
        QProcess first;
        first.start(shiftgrid(), {"demo", "--data", folder, "--employees", "400", "--weeks", "40"});
        QVERIFY(first.waitForStarted());
        QVERIFY(waitFor([&] { return QFile::exists(folder + "/" + DataFolderLock::fileName()); }));

        QProcess second;
        second.start(shiftgrid(), {"demo", "--data", folder});
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitCode(), 1);
        const QString refusal = QString::fromUtf8(second.readAllStandardError());
        QVERIFY2(refusal.contains("in use by process " + QString::number(first.processId())), qPrintable(refusal));
        QVERIFY(first.state() == QProcess::Running);   // the refusal came while the first was working

        QVERIFY(first.waitForFinished(120000));
        QCOMPARE(first.exitCode(), 0);
        QVERIFY(QFile::exists(folder + "/Dept.dat"));
        QVERIFY(!QFile::exists(folder + "/" + DataFolderLock::fileName()));
        QCOMPARE(QDir(m_tmp->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"business"});
    }

    void killedDemoLeavesNoHalfBuiltFolder()
    {
        const QString folder = file("business");
        QProcess demo;
        demo.start(shiftgrid(), {"demo", "--data", folder, "--employees", "400", "--weeks", "40"});
        QVERIFY(demo.waitForStarted());
        QVERIFY(waitFor([&] { return QFile::exists(folder + "/" + DataFolderLock::fileName()); }));
        QThread::msleep(300);
        demo.kill();
        QVERIFY(demo.waitForFinished());
        // Only the dead copy's lock is left in the folder; a new demo takes it over and fills it.
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{DataFolderLock::fileName()});
        QCOMPARE(QDir(m_tmp->path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden).size(), 2);
        QProcess again;
        again.start(shiftgrid(), {"demo", "--data", folder, "--employees", "5", "--weeks", "1"});
        QVERIFY(again.waitForFinished(60000));
        QCOMPARE(again.exitCode(), 0);
        QVERIFY(QFile::exists(folder + "/Dept.dat"));
        // The killed run's half-built folder beside the target is gone too.
        QCOMPARE(QDir(m_tmp->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"business"});
    }

    // The windowed start: a held folder opens read-only or not at all, as the user answers.
    void heldFolderOpensReadOnlyOrQuits_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("access");
        QTest::newRow("read-only") << true << int(FolderAccess::ReadOnly);
        QTest::newRow("quit") << false << int(FolderAccess::Quit);
    }
    void heldFolderOpensReadOnlyOrQuits()
    {
        QFETCH(bool, yes);
        QFETCH(int, access);
        DataFolderLock holder(m_tmp->path());
        QCOMPARE(holder.tryTake(), DataFolderLock::Result::Taken);
        ScriptedPrompt prompt;
        prompt.queueYesNo(yes);
        DataFolderLock second(m_tmp->path());
        QCOMPARE(int(chooseFolderAccess(second, m_tmp->path(), prompt)), access);
        QCOMPARE(prompt.texts().size(), 1);
        QVERIFY2(prompt.texts()[0].contains("process " + QString::number(QCoreApplication::applicationPid())),
                 qPrintable(prompt.texts()[0]));
        QVERIFY(!second.isTaken());

        if (access == int(FolderAccess::ReadOnly)) {
            ScriptedDialogs dialogs;
            const auto before = snapshot(m_tmp->path());
            {
                mdiSchedule window(m_tmp->path(), prompt, dialogs, nullptr, true);
                QVERIFY(window.windowTitle().contains("(read-only)"));
                for (const char *id : {"toolDepartments", "toolPositions", "toolWorkShifts", "toolEmployees",
                                       "toolScheduleWork", "toolTimeOffSchedules"})
                    QVERIFY2(!window.tool(id)->isEnabled(), id);
                QVERIFY(window.tool("toolWorkSchedules")->isEnabled());   // reports only read
                prompt.clear();
                window.ToolClick("toolScheduleWork");   // as the wizard's button asks
                QVERIFY(prompt.messages().value(0).contains("only reads it"));
                QVERIFY(dialogs.shown().isEmpty());
                window.ToolClick("toolHelpWizard");
                window.close();
            }
            // Not one file created or changed, BarNames.dat included.
            QCOMPARE(snapshot(m_tmp->path()), before);
        }
    }

    void checkListsEveryFault()
    {
        const QString tmp = m_tmp->path();
        QDir().mkpath(file("KITCHEN"));
        QDir().mkpath(file("STORAGE"));
        HandMade::write(file("Dept.dat"), HandMade::department("KITCHEN", 1, 40, 8) + HandMade::department("BAR", 5));
        HandMade::write(file("Jobs.dat"), HandMade::position("COOK", 0, 255) + HandMade::position("HOST", 0, 65535));
        HandMade::write(file("EmployeeInfo.dat"), HandMade::employee(17, "Ann", "Lee") + HandMade::employee(23, "Bo", "Ek"));
        HandMade::write(file("EmployeeContact.dat"), QByteArray(150, ' '));
        HandMade::write(file("EmployeeDept.dat"), HandMade::membership(17, "KITCHEN") + HandMade::membership(99, "KITCHEN")
                                                      + HandMade::membership(23, "GONE"));
        HandMade::write(file("JobsAval.dat"), HandMade::assignment(17, "COOK") + HandMade::assignment(23, "WAITER")
                                                  + HandMade::assignment(44, "HOST"));
        HandMade::write(file("Shifts.dat"), HandMade::defaultShift("KITCHEN", 6 * H, 14 * H)
                                                + HandMade::defaultShift("KITCHEN", std::nan(""), 14 * H));
        const double nan = std::numeric_limits<double>::quiet_NaN();
        HandMade::write(file("KITCHEN/20010305.KELSCD"),
                        HandMade::shift(17, kMon + 8 * H, kMon + 18 * H, "COOK")
                            + HandMade::shift(17, kMon + 12 * H, kMon + 14 * H, "COOK")      // overlaps the first
                            + HandMade::shift(23, kMon + 18 * H, kMon + 10 * H, "HOST")      // ends before it begins
                            + HandMade::shift(55, kMon + 9 * H, kMon + 10 * H, "COOK")       // nobody
                            + HandMade::shift(23, kMon + 6 * H, kMon + 7 * H, "CHEF")        // no such position
                            + HandMade::shift(23, nan, kMon + 7 * H, "HOST")
                            + HandMade::shift(23, kMon + 1e6, kMon + 1e6, "HOST")
                            + HandMade::shift(17, kMon + 1 + 8 * H, kMon + 1 + 9 * H, "COOK")); // Tuesday's
        HandMade::write(file("KITCHEN/20010304.KELSCD"), HandMade::shift(17, kMon - 1 + 22 * H, kMon + 6 * H, "COOK"));
        QCOMPARE(::mkfifo(QFile::encodeName(file("KITCHEN/20010306.KELSCD")).constData(), 0600), 0);
        QVERIFY(QFile::link("/dev/null", file("KITCHEN/20010307.KELSCD")));
        HandMade::write(file("17.KELOFF"), HandMade::timeOff(17, kMon + 2, kMon + 4, "Trip")
                                               + HandMade::timeOff(17, kMon + 4, kMon + 3, "Backwards"));
        HandMade::write(file("88.KELOFF"), HandMade::timeOff(88, kMon, kMon + 1, "Gone"));
        HandMade::write(file("Dept.dat.Ab12Cd"), "half a save");
        const auto before = snapshot(tmp);

        const CheckCommand::Result result = CheckCommand::run(tmp);
        QCOMPARE(snapshot(tmp), before);
        QCOMPARE(result.exitCode, 1);
        QVERIFY(matchesGolden(result.lines.join('\n') + '\n', "check-faults.txt"));

        // A clean folder and a missing one.
        QTemporaryDir clean;
        HandMade::write(clean.filePath("Dept.dat"), HandMade::department("KITCHEN"));
        QCOMPARE(CheckCommand::run(clean.path()).exitCode, 0);
        QCOMPARE(CheckCommand::run(file("nowhere")).exitCode, 2);
    }
};

QTEST_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
