// What the whole-file routines refuse (special files, links out of the folder, huge files),
// the stale temporary files of interrupted saves, the one-writer lock of a data folder, and how
// a failed write on a read-only file system is told.

#include "HandMadeRecords.h"
#include "data/DataFolderLock.h"
#include "data/FileError.h"
#include "data/ScheduleHelper.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

using namespace ScheduleHelper;

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
