// Proves that saves survive being killed. Runs shiftgrid-soak-writer over a data folder, kills it
// with SIGKILL at a random moment, lets the folder's next writer finish or undo what the kill
// interrupted (as the program and every writing command do when they take the folder), and
// checks the files. Repeats for a number of trials per kind of work and prints the figures.
//
//     shiftgrid-soak [--trials N] [--seed S] [--work files,week,copy,import]   (200 trials each)
//     shiftgrid-soak --full-disk DIR [--trials N] [--work week,copy,import]
//
// With --full-disk the operations run to their end in DIR, a small file system of its own (a
// tmpfs of a few MiB, see scripts/fulldisk.sh), filled each trial up to a random amount of free
// space below what the operation needs, instead of being killed.
//
// files:  two versions of a business saved one file at a time: every file must hold one version
//         whole (a folder that mixes versions between files is expected here and counted).
// week, copy, import: one operation that writes several files, started from the same folder
//         each trial: afterwards either no file changed or every file the operation changes
//         holds its new bytes (for the deterministic week save and copy: exactly the bytes of
//         an uninterrupted run; the import numbers new employees at random, so there the folder
//         must read back with every new employee's memberships and positions).

#include "app/commands/DemoBusiness.h"
#include "data/FileError.h"
#include "data/DataFolderLock.h"
#include "data/MultiFileCommit.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"

#include <QCommandLineParser>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

namespace {

using Folder = QMap<QString, QByteArray>;

// The folder's data files: the lock is not data, and temporaries of killed saves are cleared
// first, as the one writer does at start.
Folder readFolder(const QString &folder)
{
    Folder files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(folder).relativeFilePath(path);
        if (name != DataFolderLock::fileName())
            files.insert(name, ScheduleHelper::ReadFileBytes(path));
    }
    return files;
}

void writeFolder(const QString &folder, const Folder &files)
{
    QDir(folder).removeRecursively();
    for (auto it = files.begin(); it != files.end(); ++it) {
        const QString path = QDir(folder).filePath(it.key());
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size())
            throw std::runtime_error("cannot restore " + path.toStdString());
    }
}

// A believable business: master data and weeks of shifts.
Folder makeBusiness(const QString &folder, quint32 seed, int weeks)
{
    DemoBusiness::Options options;
    options.employees = 16;
    options.weeks = weeks;
    options.today = OleDate::fromDate(QDate(2026, 3, 4));
    options.seed = seed;
    const QString refusal = DemoBusiness::create(folder, options);
    if (!refusal.isEmpty())
        throw std::runtime_error(refusal.toStdString());
    return readFolder(folder);
}

struct Figures {
    int trials = 0, torn = 0, halfDone = 0, unreadable = 0, mixed = 0, finished = 0, rolledBack = 0, staleFiles = 0,
        failedStarts = 0, untouched = 0, whole = 0;
    qint64 filesChecked = 0;
    double seconds = 0;
    bool ok() const { return torn == 0 && halfDone == 0 && unreadable == 0 && failedStarts == 0; }
};

// Starts the writer, waits for its "ready", kills it after `delayUs`. False when it did not start.
bool runAndKill(const QString &writer, const QStringList &arguments, int delayUs, bool waitForEnd = false)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(writer, arguments);
    if (!child.waitForStarted() || !child.waitForReadyRead(60000)) {
        child.kill();
        child.waitForFinished();
        return false;
    }
    if (waitForEnd) {
        child.waitForFinished(60000);
        return child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    }
    QThread::usleep(delayUs);
    child.kill();   // SIGKILL: no clean-up of any kind
    child.waitForFinished();
    return true;
}

// What the next writer of the folder does first.
MultiFileCommit::Recovery takeOver(const QString &data, Figures &figures)
{
    DataFolderLock lock(data);
    lock.tryTake();
    figures.staleFiles += int(ScheduleHelper::RemoveStaleTemporaryFiles(data, 0).size());
    return lock.recovery();
}

bool readsBack(const QString &data, int trial, Figures &figures, int *employees = nullptr)
{
    try {
        const clsEmployeeInfo info(data, clsEmployeeInfo::Access::ReadOnly);
        if (employees)
            *employees = int(info.Employees().size());
        return true;
    } catch (const FileError &e) {
        ++figures.unreadable;
        std::fprintf(stderr, "trial %d: the folder does not read back: %s\n", trial, qPrintable(e.userText()));
        return false;
    }
}

Figures soakFiles(const QString &writer, const QString &work, int trials, QRandomGenerator &random)
{
    const QString first = QDir(work).filePath("first"), second = QDir(work).filePath("second"),
                  data = QDir(work).filePath("data");
    const Folder versions[2] = {makeBusiness(first, 1, 1), makeBusiness(second, 2, 1)};
    QStringList names = versions[0].keys() + versions[1].keys();
    names.removeDuplicates();
    writeFolder(data, versions[0]);

    Figures figures;
    QElapsedTimer clock;
    clock.start();
    for (int trial = 1; trial <= trials; ++trial) {
        // A whole round of saves takes some tens of milliseconds; the kill lands anywhere in it.
        if (!runAndKill(writer, {"files", data, first, second}, random.bounded(60000))) {
            ++figures.failedStarts;
            continue;
        }
        ++figures.trials;
        int seen[2] = {0, 0};
        const Folder now = readFolder(data);
        for (const QString &name : std::as_const(names)) {
            ++figures.filesChecked;
            const QByteArray bytes = now.value(name);
            if (bytes == versions[0].value(name) && bytes == versions[1].value(name))
                continue;
            if (bytes == versions[0].value(name))
                ++seen[0];
            else if (bytes == versions[1].value(name))
                ++seen[1];
            else {
                ++figures.torn;
                std::fprintf(stderr, "trial %d: %s is neither version (%lld bytes)\n", trial, qPrintable(name),
                             qint64(bytes.size()));
            }
        }
        if (seen[0] && seen[1])
            ++figures.mixed;
        readsBack(data, trial, figures);
        figures.staleFiles += int(ScheduleHelper::RemoveStaleTemporaryFiles(data, 0).size());
    }
    figures.seconds = clock.elapsed() / 1000.0;
    return figures;
}

// One operation over several files. `arguments` start the writer; `exact` says whether an
// uninterrupted run always gives the same bytes.
Figures soakOperation(const QString &writer, const QString &data, const Folder &before, const QStringList &arguments,
                      bool exact, int trials, QRandomGenerator &random, bool fullDisk)
{
    Figures figures;
    // An uninterrupted run: what it changes, its bytes and how long it takes from "ready" on.
    writeFolder(data, before);
    QElapsedTimer timer;
    timer.start();
    if (!runAndKill(writer, arguments, 0, true))
        throw std::runtime_error("the operation fails without a kill: " + arguments.join(' ').toStdString());
    const qint64 runUs = timer.nsecsElapsed() / 1000;
    const Folder after = readFolder(data);
    int employeesBefore = 0, employeesAfter = 0;
    readsBack(data, 0, figures, &employeesAfter);
    QStringList changed;
    for (auto it = after.begin(); it != after.end(); ++it)
        if (before.value(it.key()) != it.value() || !before.contains(it.key()))
            changed << it.key();
    if (changed.size() < 2)
        throw std::runtime_error("the operation changes fewer than two files: " + arguments.join(' ').toStdString());
    writeFolder(data, before);
    readsBack(data, 0, figures, &employeesBefore);

    QElapsedTimer clock;
    clock.start();
    qint64 needed = 0;   // what the new files take besides the old ones
    for (const QString &name : std::as_const(changed))
        needed += after.value(name).size();
    const QString filler = QFileInfo(data).absolutePath() + "/filler";
    for (int trial = 1; trial <= trials; ++trial) {
        writeFolder(data, before);
        if (fullDisk) {
            // Leave less free space than the operation needs: it fails somewhere in its middle.
            QFile::remove(filler);
            const qint64 free = QStorageInfo(data).bytesAvailable() - random.bounded(2 * needed + 65536);
            QFile fill(filler);
            if (free > 0 && (!fill.open(QIODevice::WriteOnly) || fill.write(QByteArray(free, 'x')) < 0))
                throw std::runtime_error("cannot fill the disk");
            fill.close();
            runAndKill(writer, arguments, 0, true);   // fails or succeeds: both are fine
            QFile::remove(filler);
        } else if (!runAndKill(writer, arguments, int(random.bounded(runUs + runUs / 10 + 1)))) {
            ++figures.failedStarts;
            continue;
        }
        ++figures.trials;
        const MultiFileCommit::Recovery recovery = takeOver(data, figures);
        figures.finished += recovery.outcome == MultiFileCommit::Recovery::Outcome::Finished;
        figures.rolledBack += recovery.outcome == MultiFileCommit::Recovery::Outcome::RolledBack;
        if (recovery.outcome == MultiFileCommit::Recovery::Outcome::Unreadable) {
            ++figures.unreadable;
            std::fprintf(stderr, "trial %d: %s\n", trial, qPrintable(recovery.text()));
        }
        const Folder now = readFolder(data);
        QStringList asBefore, asAfter, neither;
        for (const QString &name : std::as_const(changed)) {
            ++figures.filesChecked;
            const QByteArray bytes = now.value(name);
            if (bytes == before.value(name) && (before.contains(name) == now.contains(name)))
                asBefore << name;
            else if (!exact || bytes == after.value(name))
                asAfter << name;
            else
                neither << name;
        }
        for (auto it = now.begin(); it != now.end(); ++it)
            if (!changed.contains(it.key()) && before.value(it.key()) != it.value())
                neither << it.key();
        int employees = 0;
        const bool read = readsBack(data, trial, figures, &employees);
        if (!neither.isEmpty()) {
            ++figures.torn;
            std::fprintf(stderr, "trial %d: %s hold neither the old nor the new bytes\n", trial,
                         qPrintable(neither.join(", ")));
        }
        const bool whole = asBefore.isEmpty() && (!read || employees == employeesAfter);
        if (!asBefore.isEmpty() && !asAfter.isEmpty()) {
            ++figures.halfDone;
            std::fprintf(stderr, "trial %d: half done: %s changed, %s not (%s)\n", trial, qPrintable(asAfter.join(", ")),
                         qPrintable(asBefore.join(", ")), qPrintable(recovery.text()));
        } else if (asAfter.isEmpty()) {
            ++figures.untouched;
        } else if (whole) {
            ++figures.whole;
        } else {
            ++figures.halfDone;
            std::fprintf(stderr, "trial %d: %d employees where an import gives %d\n", trial, employees, employeesAfter);
        }
    }
    figures.seconds = clock.elapsed() / 1000.0;
    return figures;
}

QByteArray importFile(int rows)
{
    QByteArray csv = "First Name,Last Name,Birth Date,Departments,Positions\n";
    for (int i = 0; i < rows; ++i)
        csv += QStringLiteral("Soak,Person%1,%2,KITCHEN;SOAK DEPARTMENT,COOK;SOAK POSITION\n")
                   .arg(i, 4, 10, QLatin1Char('0'))
                   .arg(QDate(1970, 1, 1).addDays(i).toString(Qt::ISODate))
                   .toUtf8();
    return csv;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The writers say nothing but their own faults (not Qt's note about a missing runtime folder).
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid()) {
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    }
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption trialsOption("trials", "Number of kills per kind of work.", "N", "200");
    const QCommandLineOption seedOption("seed", "Seed of the kill moments.", "S", "1");
    const QCommandLineOption workOption("work", "Kinds of work, separated by commas: files, week, copy, import.",
                                        "LIST", "files,week,copy,import");
    const QCommandLineOption fullDiskOption("full-disk", "Run the operations to their end in DIR, a small file system "
                                            "of its own, filled up first.", "DIR");
    parser.addOptions({trialsOption, seedOption, workOption, fullDiskOption});
    parser.addHelpOption();
    parser.process(app);
    const int trials = parser.value(trialsOption).toInt();
    QRandomGenerator random(parser.value(seedOption).toUInt());
    const QStringList kinds = parser.value(workOption).split(u',', Qt::SkipEmptyParts);

    const QString writer = QCoreApplication::applicationDirPath() + "/shiftgrid-soak-writer";
    QTemporaryDir tmp;
    bool ok = true;
    try {
        Folder business;
        const bool fullDisk = parser.isSet(fullDiskOption);
        const QString data = fullDisk ? QDir(parser.value(fullDiskOption)).filePath("data") : tmp.filePath("data");
        if (kinds.size() > 1 || !kinds.contains("files"))
            business = makeBusiness(tmp.filePath("business"), 3, 2);
        const QString csv = tmp.filePath("import.csv");
        {
            QFile file(csv);
            if (!file.open(QIODevice::WriteOnly) || file.write(importFile(400)) < 0)
                throw std::runtime_error("cannot write the import file");
        }
        for (const QString &kind : kinds) {
            Figures f;
            if (kind == "files")
                f = soakFiles(writer, tmp.filePath("files"), trials, random);
            else if (kind == "week")
                f = soakOperation(writer, data, business, {"week", data, "KITCHEN", "2026-03-04"}, true, trials, random, fullDisk);
            else if (kind == "copy")
                f = soakOperation(writer, data, business,
                                  {"command", "copy", "--data", data, "--department", "KITCHEN", "--week", "--from",
                                   "2026-02-25", "--to", "2026-03-04", "--replace"},
                                  true, trials, random, fullDisk);
            else if (kind == "import")
                f = soakOperation(writer, data, business,
                                  {"command", "import", "employees", "--data", data, csv, "--create-missing"}, false,
                                  trials, random, fullDisk);
            else
                throw std::runtime_error("unknown kind of work: " + kind.toStdString());
            if (kind == "files")
                std::printf("files: %d kill trials in %.1f s: %lld files checked, %d torn, %d times the folder did not "
                            "read back, %d kills between two files of one round, %d stale temporary files removed, "
                            "%d writers that did not start\n",
                            f.trials, f.seconds, f.filesChecked, f.torn, f.unreadable, f.mixed, f.staleFiles,
                            f.failedStarts);
            else
                std::printf("%s: %d %s trials in %.1f s: %d half done, %d files neither old nor new, %d times the "
                            "folder did not read back; %d untouched, %d whole (%d finished by the next writer, %d "
                            "rolled back), %d stale temporary files removed, %d writers that did not start\n",
                            qPrintable(kind), f.trials, fullDisk ? "full-disk" : "kill", f.seconds, f.halfDone, f.torn, f.unreadable, f.untouched,
                            f.whole, f.finished, f.rolledBack, f.staleFiles, f.failedStarts);
            std::fflush(stdout);
            ok = ok && f.ok();
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "shiftgrid-soak: %s\n", e.what());
        return 2;
    }
    return ok ? 0 : 1;
}
