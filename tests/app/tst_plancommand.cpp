// `shiftgrid plan` and `shiftgrid export coverage` as a user runs them: what is written, what a
// dry run leaves, which requests are refused before anything is read.

#include "../planning/PlanningFolder.h"
#include "data/DataFolderLock.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace PlanningFolder;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out, err;
};

Run shiftgrid(const QStringList &arguments)
{
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../src/app/shiftgrid"), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// Every file of the folder with a digest of its bytes.
QStringList snapshot(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files << QDir(root).relativeFilePath(path) + ' '
                     + QCryptographicHash::hash(HandMade::read(path), QCryptographicHash::Sha1).toHex();
    }
    files.sort();
    return files;
}

// Ann and Bo cook; Monday needs two cooks 8-16, Tuesday one, Wednesday a host nobody is.
Business kitchen()
{
    Business b;
    b.addEmployee(17, "Ann", {"COOK"});
    b.addEmployee(23, "Bo", {"COOK"});
    b.defaultShifts = HandMade::defaultShift("KITCHEN", 8 * H, 16 * H);
    b.addNeed("KITCHEN,Mon,COOK,08:00,16:00,2,");
    b.addNeed("KITCHEN,Tue,COOK,08:00,16:00,1,");
    b.addNeed("KITCHEN,Wed,HOST,10:00,12:00,1,");
    b.addShift("KITCHEN", monday() + 1 + 8 * H, monday() + 1 + 16 * H, "COOK", 23);
    return b;
}

} // namespace

class TestPlanCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plansAndWritesTheWeek()
    {
        QTemporaryDir dir;
        kitchen().write(dir.path());
        const QStringList before = snapshot(dir.path());
        const QStringList request{"plan", "--data", dir.path(), "--department", "kitchen", "--date", "2001-03-07"};

        const Run dry = shiftgrid(request + QStringList{"--dry-run"});
        QCOMPARE(dry.exitCode, 0);
        QCOMPARE(snapshot(dir.path()), before);
        const QJsonObject plan = QJsonDocument::fromJson(dry.out).object();
        QCOMPARE(plan["added"].toArray().size(), 2);
        QCOMPARE(plan["added"][0]["name"].toString(), "Ann Lee");
        QCOMPARE(plan["added"][0]["begin"].toString(), "2001-03-05T08:00:00");
        QCOMPARE(plan["added"][0]["end"].toString(), "2001-03-05T16:00:00");
        QCOMPARE(plan["added"][0]["position"].toString(), "COOK");
        QCOMPARE(plan["added"][1]["employee"].toInt(), 23);
        QCOMPARE(plan["unmet"].toArray().size(), 1);
        QCOMPARE(plan["unmet"][0]["weekday"].toString(), "Wed");
        QCOMPARE(plan["unmet"][0]["from"].toString(), "10:00");
        QCOMPARE(plan["unmet"][0]["to"].toString(), "12:00");
        QCOMPARE(plan["unmet"][0]["missing"].toInt(), 1);
        QCOMPARE(plan["unmet"][0]["reason"].toString(), "nobodyHoldsPosition");
        QCOMPARE(plan["unmetMinutes"].toInt(), 120);
        QCOMPARE(plan["proven"].toBool(), true);
        QVERIFY(plan["seconds"].isDouble());

        // Written: the coverage of the week then shows Monday met; planning again adds nothing.
        const Run written = shiftgrid(request);
        QCOMPARE(written.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(written.out).object()["written"].toBool(), true);
        const Run coverage = shiftgrid({"export", "coverage", "--data", dir.path(), "--department", "KITCHEN", "--date", "2001-03-05"});
        QCOMPARE(coverage.exitCode, 0);
        QCOMPARE(QString::fromUtf8(coverage.out),
                 "Position,Weekday,From,To,Needed,Scheduled,Short\r\n"
                 "COOK,Mon,08:00,16:00,2,2,0\r\n"
                 "COOK,Tue,08:00,16:00,1,1,0\r\n"
                 "HOST,Wed,10:00,12:00,1,0,1\r\n");
        const Run again = shiftgrid(request);
        QCOMPARE(QJsonDocument::fromJson(again.out).object()["added"].toArray().size(), 0);
    }

    void refusesBadRequests_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        QTest::newRow("no department") << QStringList{"--date", "2001-03-05"} << 2 << "plan needs --department NAME";
        QTest::newRow("unknown department") << QStringList{"--department", "BAR", "--date", "2001-03-05"} << 2
                                            << "no department named \"BAR\"";
        QTest::newRow("no date") << QStringList{"--department", "KITCHEN"} << 2 << "plan needs --date YYYY-MM-DD";
        QTest::newRow("date 2001-02-30") << QStringList{"--department", "KITCHEN", "--date", "2001-02-30"} << 2
                                         << "plan needs --date YYYY-MM-DD";
        QTest::newRow("time limit 0") << QStringList{"--department", "KITCHEN", "--date", "2001-03-05", "--time-limit", "0"} << 2
                                      << "--time-limit needs a number of seconds above 0";
        QTest::newRow("time limit ten") << QStringList{"--department", "KITCHEN", "--date", "2001-03-05", "--time-limit", "ten"}
                                        << 2 << "--time-limit needs a number of seconds above 0";
    }
    void refusesBadRequests()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        QTemporaryDir dir;
        kitchen().write(dir.path());
        const QStringList before = snapshot(dir.path());
        const Run run = shiftgrid(QStringList{"plan", "--data", dir.path()} + arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(QString::fromUtf8(run.err).contains(error), run.err.constData());
        QCOMPARE(snapshot(dir.path()), before);
    }

    // Another copy of the program holds the folder: nothing is planned or written; a dry run
    // still answers.
    void waitsForNoOtherWriter()
    {
        QTemporaryDir dir;
        kitchen().write(dir.path());
        DataFolderLock other(dir.path());
        QCOMPARE(other.tryTake(), DataFolderLock::Result::Taken);
        const QStringList before = snapshot(dir.path());
        const QStringList request{"plan", "--data", dir.path(), "--department", "KITCHEN", "--date", "2001-03-05"};
        const Run held = shiftgrid(request);
        QCOMPARE(held.exitCode, 1);
        QVERIFY2(held.err.contains("in use by"), held.err.constData());
        QCOMPARE(snapshot(dir.path()), before);
        QCOMPARE(shiftgrid(request + QStringList{"--dry-run"}).exitCode, 0);
    }
};

QTEST_GUILESS_MAIN(TestPlanCommand)
#include "tst_plancommand.moc"
