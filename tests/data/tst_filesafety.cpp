// What the whole-file routines refuse (special files, links out of the folder, huge files),
// the stale temporary files of interrupted saves, saves of several files that are whole or
// absent, the one-writer lock of a data folder, and how a failed write on a read-only file
// system is told.

#include "HandMadeRecords.h"
#include "data/DataFolderLock.h"
#include "data/FileError.h"
#include "data/MultiFileCommit.h"
#include "data/ScheduleHelper.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

using namespace ScheduleHelper;
using Outcome = MultiFileCommit::Recovery::Outcome;

namespace {
// The three files of an operation in the recovery cases, with their old and new bytes.
const QStringList kFiles = {"Dept.dat", "Jobs.dat", "KITCHEN/20010305.KELSCD"};
QByteArray oldBytes(int i) { return QByteArray("old bytes of file ") + QByteArray::number(i); }
QByteArray newBytes(int i) { return QByteArray("the new, longer bytes of file ") + QByteArray::number(i); }
QString temporaryOf(const QString &file) { return file + ".Zz9Yy8"; }
// A journal line as the format is documented: quoted file and temporary, size, SHA-256 in hex.
QByteArray journalLine(const QString &file, const QByteArray &bytes)
{
    return "\"" + file.toUtf8() + "\",\"" + temporaryOf(file).toUtf8() + "\"," + QByteArray::number(bytes.size()) + ","
           + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() + "\n";
}
const QByteArray kJournalHeader = "File,Temporary,Bytes,SHA-256\n";
} // namespace

class TestFileSafety : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_tmp;   // holds "data" and an "outside" folder beside it
    QString data(const QString &name = {}) const { return m_tmp->filePath(name.isEmpty() ? "data" : "data/" + name); }
    QString outside(const QString &name) const { return m_tmp->filePath("outside/" + name); }

private slots:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
        QVERIFY(QDir().mkpath(data("KITCHEN")));
        QVERIFY(QDir().mkpath(m_tmp->filePath("outside")));
    }
    void cleanup()
    {
        ClearInjectedWriteFailures();
        RecordDurabilitySteps(nullptr);
    }

    // Each case lays one entry at `file` (relative to the data folder); `refused` is a part of
    // the reason, empty when the bytes "inside" are read. Reading and writing answer the same,
    // at once: nothing waits on a pipe or reads a device.
    void specialFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("refused");
        QTest::newRow("pipe") << "fifo" << "Dept.dat" << "not a regular file";
        QTest::newRow("link to a device") << "dev-zero" << "Jobs.dat" << "outside the data folder";
        QTest::newRow("folder in a file's place") << "folder" << "Jobs.dat" << "not a regular file";
        QTest::newRow("link out of the folder") << "link-out" << "EmployeeInfo.dat" << "outside the data folder";
        QTest::newRow("link to nothing outside") << "dangling-out" << "EmployeeInfo.dat" << "outside the data folder";
        QTest::newRow("link within the folder") << "link-in" << "EmployeeInfo.dat" << "";
        QTest::newRow("day file, folder linked out") << "department-out" << "PARTY/20010305.KELSCD" << "outside the data folder";
        QTest::newRow("day file, link to the folder above") << "day-up" << "KITCHEN/20010305.KELSCD" << "";
        QTest::newRow("data folder itself a link") << "linked-data" << "Dept.dat" << "";
        QTest::newRow("larger than any data folder") << "sparse" << "Shifts.dat" << "larger than 256 MiB";
    }
    void specialFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, file);
        QFETCH(QString, refused);
        QString folder = data();
        const QString path = data(file);
        if (kind == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == "dev-zero") {
            QVERIFY(QFile::link("/dev/zero", path));
        } else if (kind == "folder") {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == "link-out") {
            HandMade::write(outside("passwd"), "root:x:0:0");
            QVERIFY(QFile::link(outside("passwd"), path));
        } else if (kind == "dangling-out") {
            QVERIFY(QFile::link(outside("nothing-yet"), path));
        } else if (kind == "link-in") {
            HandMade::write(data("employees.keep"), "inside");
            QVERIFY(QFile::link("employees.keep", path));
        } else if (kind == "department-out") {
            HandMade::write(outside("20010305.KELSCD"), "inside");
            QVERIFY(QFile::link(m_tmp->filePath("outside"), data("PARTY")));
        } else if (kind == "day-up") {
            HandMade::write(data("shared.keep"), "inside");
            QVERIFY(QFile::link("../shared.keep", path));
        } else if (kind == "linked-data") {
            HandMade::write(path, "inside");
            folder = m_tmp->filePath("link-to-data");
            QVERIFY(QFile::link(data(), folder));
        } else if (kind == "sparse") {
            QFile big(path);
            QVERIFY(big.open(QIODevice::WriteOnly));
            QVERIFY(big.resize(kMaxFileBytes + 1));
        }
        const QString target = folder + "/" + file;

        QElapsedTimer clock;
        clock.start();
        QString readFailure, writeFailure;
        QByteArray bytes;
        try {
            bytes = ReadFileBytes(target);
        } catch (const FileError &e) {
            readFailure = e.reason();
        }
        try {
            WriteFileBytes(target, "new");
        } catch (const FileError &e) {
            writeFailure = e.reason();
        }
        QVERIFY(clock.elapsed() < 5000);
        if (refused.isEmpty()) {
            QVERIFY2(readFailure.isEmpty() && writeFailure.isEmpty(), qPrintable(readFailure + writeFailure));
            QCOMPARE(bytes, QByteArray("inside"));
            QCOMPARE(ReadFileBytes(target), QByteArray("new"));
        } else {
            QVERIFY2(readFailure.contains(refused), qPrintable(readFailure));
            QVERIFY2(writeFailure.contains(refused), qPrintable(writeFailure));
            QCOMPARE(FileProblem(target).isEmpty(), false);
        }
        // Nothing outside the folder was read or changed.
        QCOMPARE(HandMade::read(outside("passwd")), QByteArray(kind == "link-out" ? "root:x:0:0" : ""));
        QVERIFY(!QFile::exists(outside("nothing-yet")));
    }

    void staleTemporaryFiles()
    {
        const QDateTime old = QDateTime::currentDateTime().addSecs(-120);
        struct Entry {
            const char *name;
            bool ours;
            bool isOld;
        };
        const Entry entries[] = {
            {"Dept.dat.Ab12Cd", true, true},       {"Schedule.ini.q1W2e3", true, true},
            {"17.KELOFF.zzzzzz", true, true},      {"KITCHEN/20010305.KELSCD.x1Y2z3", true, true},
            {"Jobs.dat.young1", true, false},      {"notes.txt.abcdef", false, true},
            {"Dept.dat.abc", false, true},         {"Dept.dat.Ab12Cd.bak", false, true},
            {"KITCHEN/Dept.dat.Ab12Cd", false, true}, {"20010305.KELSCD.x1Y2z3", false, true},
        };
        QStringList ours;
        for (const Entry &e : entries) {
            HandMade::write(data(e.name), "partial");
            QFile f(data(e.name));
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(e.isOld ? old : QDateTime::currentDateTime(), QFileDevice::FileModificationTime));
            if (e.ours)
                ours << data(e.name);
        }
        ours.sort();
        QStringList found = StaleTemporaryFiles(data());
        found.sort();
        QCOMPARE(found, ours);

        QStringList removed = RemoveStaleTemporaryFiles(data(), 60);
        removed.sort();
        QStringList expected = ours;
        expected.removeAll(data("Jobs.dat.young1"));   // may be a save still running
        QCOMPARE(removed, expected);
        for (const Entry &e : entries)
            QCOMPARE(QFile::exists(data(e.name)), !(e.ours && e.isOld));
    }

    // A save of several files that a kill interrupted: the journal names every file; each file's
    // state is what the kill left. All new files complete: the operation is finished; one
    // missing or incomplete: every file not yet renamed keeps its old bytes.
    void interruptedSaveIsFinishedOrUndone_data()
    {
        QTest::addColumn<QStringList>("states");    // per file: pending, renamed, missing, truncated
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QStringList>("expected");  // per file: old or new
        const QStringList allNew = {"new", "new", "new"}, allOld = {"old", "old", "old"};
        QTest::newRow("killed after the journal") << QStringList{"pending", "pending", "pending"} << int(Outcome::Finished) << allNew;
        QTest::newRow("killed between two renames") << QStringList{"renamed", "renamed", "pending"} << int(Outcome::Finished) << allNew;
        QTest::newRow("killed before the journal went") << QStringList{"renamed", "renamed", "renamed"} << int(Outcome::Finished) << allNew;
        QTest::newRow("a new file missing") << QStringList{"pending", "missing", "pending"} << int(Outcome::RolledBack) << allOld;
        QTest::newRow("a new file cut short") << QStringList{"pending", "pending", "truncated"} << int(Outcome::RolledBack) << allOld;
    }
    void interruptedSaveIsFinishedOrUndone()
    {
        QFETCH(QStringList, states);
        QFETCH(int, outcome);
        QFETCH(QStringList, expected);
        QByteArray journal = kJournalHeader;
        for (int i = 0; i < kFiles.size(); ++i) {
            HandMade::write(data(kFiles[i]), states[i] == "renamed" ? newBytes(i) : oldBytes(i));
            if (states[i] == "pending")
                HandMade::write(data(temporaryOf(kFiles[i])), newBytes(i));
            if (states[i] == "truncated")
                HandMade::write(data(temporaryOf(kFiles[i])), newBytes(i).left(5));
            journal += journalLine(kFiles[i], newBytes(i));
        }
        HandMade::write(data(MultiFileCommit::journalFileName()), journal);

        // The next writer of the folder does it as it takes the lock.
        DataFolderLock lock(data());
        QCOMPARE(lock.tryTake(), DataFolderLock::Result::Taken);
        QCOMPARE(int(lock.recovery().outcome), outcome);
        QCOMPARE(lock.recovery().files, kFiles);
        QVERIFY(!lock.recovery().text().isEmpty());
        for (int i = 0; i < kFiles.size(); ++i) {
            QCOMPARE(ReadFileBytes(data(kFiles[i])), expected[i] == "new" ? newBytes(i) : oldBytes(i));
            QVERIFY(!QFile::exists(data(temporaryOf(kFiles[i]))));
        }
        QVERIFY(!QFile::exists(data(MultiFileCommit::journalFileName())));
        QCOMPARE(MultiFileCommit::FinishInterrupted(data()).outcome, Outcome::None);
    }

    // A journal that cannot be trusted is removed and nothing it names is touched.
    void untrustworthyJournalIsIgnored_data()
    {
        QTest::addColumn<QByteArray>("journal");
        const QByteArray line = journalLine("Dept.dat", newBytes(0));
        QTest::newRow("no header") << line;
        QTest::newRow("file outside the folder") << kJournalHeader + journalLine("../outside/Dept.dat", newBytes(0));
        QTest::newRow("absolute file") << kJournalHeader + journalLine(outside("Dept.dat"), newBytes(0));
        QTest::newRow("three folders deep") << kJournalHeader + journalLine("a/b/Dept.dat", newBytes(0));
        QTest::newRow("temporary of another name")
            << kJournalHeader + QByteArray(line).replace("\"Dept.dat.Zz9Yy8\"", "\"Jobs.dat.Zz9Yy8\"");
        QTest::newRow("open quote") << kJournalHeader + "\"Dept.dat,\"Dept.dat.Zz9Yy8\",1,00\n";
        QTest::newRow("short digest") << kJournalHeader + "\"Dept.dat\",\"Dept.dat.Zz9Yy8\",19,abc\n";
        QTest::newRow("negative size") << kJournalHeader + QByteArray(line).replace(",31,", ",-31,");
        QTest::newRow("a file twice") << kJournalHeader + line + line;
    }
    void untrustworthyJournalIsIgnored()
    {
        QFETCH(QByteArray, journal);
        HandMade::write(data("Dept.dat"), oldBytes(0));
        HandMade::write(data("Dept.dat.Zz9Yy8"), newBytes(0));
        HandMade::write(outside("Dept.dat.Zz9Yy8"), newBytes(0));
        HandMade::write(data(MultiFileCommit::journalFileName()), journal);
        const MultiFileCommit::Recovery recovery = MultiFileCommit::FinishInterrupted(data());
        QCOMPARE(recovery.outcome, Outcome::Unreadable);
        QVERIFY2(recovery.text().contains("no file was changed"), qPrintable(recovery.text()));
        QCOMPARE(ReadFileBytes(data("Dept.dat")), oldBytes(0));
        QVERIFY(!QFile::exists(outside("Dept.dat")));
        QVERIFY(QFile::exists(outside("Dept.dat.Zz9Yy8")));
        QVERIFY(!QFile::exists(data(MultiFileCommit::journalFileName())));
    }

    // Inside an operation the saves are only prepared: the old files stay until commit, the
    // operation reads back what it saved, a failure or no commit leaves every old file and no
    // temporary, and an inner operation over the same folder commits with the outer one.
    void operationIsWholeOrAbsent()
    {
        for (int i = 0; i < kFiles.size(); ++i)
            HandMade::write(data(kFiles[i]), oldBytes(i));
        auto folderIsOld = [&] {
            for (int i = 0; i < kFiles.size(); ++i)
                if (ReadFileBytes(data(kFiles[i])) != oldBytes(i))
                    return false;
            return StaleTemporaryFiles(data()).isEmpty() && !QFile::exists(data(MultiFileCommit::journalFileName()));
        };
        {
            MultiFileCommit together(data());
            WriteFileBytes(data(kFiles[0]), newBytes(0));
            QCOMPARE(ReadFileBytes(data(kFiles[0])), newBytes(0));
            QCOMPARE(QFileInfo(data(kFiles[0])).size(), oldBytes(0).size());
        }   // no commit
        QVERIFY(folderIsOld());

        InjectWriteFailure(data(kFiles[1]), "No space left on device");
        try {
            MultiFileCommit together(data());
            for (int i = 0; i < kFiles.size(); ++i)
                WriteFileBytes(data(kFiles[i]), newBytes(i));
            together.commit();
            QFAIL("the failing save went through");
        } catch (const FileError &error) {
            QCOMPARE(error.reason(), QString("No space left on device"));
        }
        QVERIFY(folderIsOld());

        {
            MultiFileCommit together(data());
            WriteFileBytes(data(kFiles[0]), newBytes(0));
            {
                MultiFileCommit inner(data());
                WriteFileBytes(data(kFiles[1]), newBytes(1));
                inner.commit();
            }
            QCOMPARE(ReadFileBytes(data(kFiles[1])), newBytes(1));
            QCOMPARE(QFileInfo(data(kFiles[1])).size(), oldBytes(1).size());   // not yet on disk
            WriteFileBytes(outside("report.pdf"), "not part of it");            // outside: written at once
            QCOMPARE(ReadFileBytes(outside("report.pdf")), QByteArray("not part of it"));
            together.commit();
        }
        QCOMPARE(ReadFileBytes(data(kFiles[0])), newBytes(0));
        QCOMPARE(ReadFileBytes(data(kFiles[1])), newBytes(1));
        QCOMPARE(ReadFileBytes(data(kFiles[2])), oldBytes(2));
        QVERIFY(StaleTemporaryFiles(data()).isEmpty());
    }

    // What a power cut can take back is what was not yet synced. Each new file's name is on the
    // disk before the journal that names it, and the journal before the first rename; every
    // folder with a rename is synced before the journal goes; a single file needs no journal.
    // The folder synced is the folder itself, not the one above it.
    void durableStepsComeInOrder()
    {
        for (int i = 0; i < kFiles.size(); ++i)
            HandMade::write(data(kFiles[i]), oldBytes(i));
        QStringList steps;
        RecordDurabilitySteps(&steps);
        auto clean = [](const QString &path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); };
        auto first = [&](const QString &step) { return steps.indexOf(step); };
        auto last = [&](const QString &step) { return steps.lastIndexOf(step); };
        {
            MultiFileCommit together(data());
            for (int i = 0; i < kFiles.size(); ++i)
                WriteFileBytes(data(kFiles[i]), newBytes(i));
            together.commit();
        }
        const QString journal = clean(data(MultiFileCommit::journalFileName()));
        const int journalNamed = first("replaced " + journal);
        QVERIFY2(journalNamed >= 0, qPrintable(steps.join('\n')));
        for (const QString &folder : {clean(data()), clean(data("KITCHEN"))}) {
            const int wroteLast = [&] {
                int at = -1;
                for (int i = 0; i < steps.size(); ++i)
                    if (steps[i].startsWith("wrote " + folder + "/") && !steps[i].mid(6 + folder.size() + 1).contains('/')
                        && !steps[i].contains(MultiFileCommit::journalFileName()))
                        at = i;
                return at;
            }();
            QVERIFY2(wroteLast >= 0, qPrintable(folder));
            const int syncedBefore = steps.indexOf("synced " + folder, wroteLast);
            QVERIFY2(syncedBefore >= 0 && syncedBefore < journalNamed, qPrintable(steps.join('\n')));
            QVERIFY2(last("synced " + folder) > journalNamed, qPrintable(steps.join('\n')));
        }
        for (const QString &file : kFiles)
            QVERIFY2(first("replaced " + clean(data(file))) > journalNamed, qPrintable(steps.join('\n')));
        QVERIFY(!steps.contains("synced " + clean(m_tmp->path())));   // the folder above the data

        steps.clear();
        {
            MultiFileCommit alone(data());
            WriteFileBytes(data(kFiles[2]), oldBytes(2));
            alone.commit();
        }
        RecordDurabilitySteps(nullptr);
        QCOMPARE(steps.size(), 3);
        QVERIFY(steps[0].startsWith("wrote " + clean(data(kFiles[2])) + "."));
        QCOMPARE(steps.mid(1), QStringList({"replaced " + clean(data(kFiles[2])), "synced " + clean(data("KITCHEN"))}));
    }

    // A commit stopped between two renames (a refused rename here; a kill in the kill trials)
    // leaves the journal it wrote, and the next writer finishes the operation from it.
    void commitStoppedBetweenRenamesIsFinishedFromItsJournal()
    {
        for (int i = 0; i < kFiles.size(); ++i)
            HandMade::write(data(kFiles[i]), oldBytes(i));
        InjectRenameFailure(data(kFiles[1]), "Input/output error");
        try {
            MultiFileCommit together(data());
            for (int i = 0; i < kFiles.size(); ++i)
                WriteFileBytes(data(kFiles[i]), newBytes(i));
            together.commit();
            QFAIL("the refused rename went unnoticed");
        } catch (const FileError &error) {
            QVERIFY2(error.reason().contains("finished when the data folder is next opened"), qPrintable(error.reason()));
        }
        QCOMPARE(ReadFileBytes(data(kFiles[0])), newBytes(0));
        QCOMPARE(ReadFileBytes(data(kFiles[1])), oldBytes(1));
        QVERIFY(QFile::exists(data(MultiFileCommit::journalFileName())));
        DataFolderLock lock(data());
        QCOMPARE(lock.tryTake(), DataFolderLock::Result::Taken);
        QCOMPARE(lock.recovery().outcome, Outcome::Finished);
        QCOMPARE(lock.recovery().files, kFiles);
        for (int i = 0; i < kFiles.size(); ++i)
            QCOMPARE(ReadFileBytes(data(kFiles[i])), newBytes(i));
        QVERIFY(StaleTemporaryFiles(data()).isEmpty());
    }

    // A lock file that names no process (a kill between its creation and its first line) is
    // left over once it is a minute old; younger, a copy may still be writing it.
    void lockThatNamesNobody_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("ageSeconds");
        QTest::addColumn<int>("result");
        QTest::newRow("empty, two minutes old") << QByteArray() << 120 << int(DataFolderLock::Result::TakenOverStale);
        QTest::newRow("garbage, two minutes old") << QByteArray("\x01\x02zz") << 120 << int(DataFolderLock::Result::TakenOverStale);
        QTest::newRow("empty, just made") << QByteArray() << 0 << int(DataFolderLock::Result::Held);
    }
    void lockThatNamesNobody()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, ageSeconds);
        QFETCH(int, result);
        const QString path = data(DataFolderLock::fileName());
        HandMade::write(path, content);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
        f.close();
        DataFolderLock lock(data());
        const DataFolderLock::Result taken = lock.tryTake();
        QCOMPARE(int(taken), result);
        QVERIFY2(lock.holder().text().contains("names no process"), qPrintable(lock.holder().text()));
        if (taken == DataFolderLock::Result::TakenOverStale)
            QVERIFY(lock.notices(taken).join(' ').contains("took over the lock"));
    }

    // A write refused by a read-only mount is told as such, not as a missing permission. Tests run
    // as root, who lacks no permission, so the mount is the seam's, the save's failure an
    // injected one, and the lock fails on a folder that is not there.
    void readOnlyFileSystemIsNamed_data()
    {
        QTest::addColumn<QString>("write");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("told");
        QTest::newRow("save, read-only mount") << "save" << true
                                               << QString("Could not save \"Dept.dat\" (in %1): read-only file system.");
        QTest::newRow("save, writable mount") << "save" << false
                                              << QString("Could not save \"Dept.dat\" (in %1): Permission denied.");
        QTest::newRow("lock, read-only mount") << "lock" << true
                                               << QString("no lock file can be made in %1/gone (read-only file system)");
    }
    void readOnlyFileSystemIsNamed()
    {
        QFETCH(QString, write);
        QFETCH(bool, readOnly);
        QFETCH(QString, told);
        if (readOnly)
            InjectReadOnlyFileSystem(data());
        QString text;
        if (write == "save") {
            InjectWriteFailure(data("Dept.dat"), "Permission denied");
            try {
                WriteFileBytes(data("Dept.dat"), "new");
            } catch (const FileError &error) {
                text = error.userText();
            }
        } else {
            DataFolderLock lock(data("gone"));
            if (lock.tryTake() == DataFolderLock::Result::Failed)
                text = lock.failure();
        }
        ClearInjectedWriteFailures();
        QCOMPARE(text, told.arg(data()));
        QVERIFY(!QFileInfo::exists(data("Dept.dat")));
    }

    void lockOfAFinishedCopyIsTakenOver()
    {
        // A lock file as a copy writes it that was killed: its process no longer runs.
        QProcess finished;
        finished.start("true");
        QVERIFY(finished.waitForStarted());
        const qint64 gone = finished.processId();
        QVERIFY(finished.waitForFinished());
        HandMade::write(data(DataFolderLock::fileName()),
                        QString("%1\nshiftgrid\n%2\n").arg(gone).arg(QSysInfo::machineHostName()).toUtf8());
        DataFolderLock lock(data());
        QCOMPARE(lock.tryTake(), DataFolderLock::Result::TakenOverStale);
        QCOMPARE(lock.previous().process, gone);
    }
};

QTEST_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
