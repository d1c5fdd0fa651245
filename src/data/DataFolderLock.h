#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <QStringList>

#include "MultiFileCommit.h"

// One writer per data folder: a lock file in the folder, taken by the windowed program and by
// every command that writes, and held until the object goes. Commands that only read never take
// it. The lock names its holder (process, host, program) so that a refused copy can say who
// has the folder.
class DataFolderLock
{
public:
    enum class Result {
        Taken,          // the folder is ours
        TakenOverStale, // ours, but a copy that ended without releasing it held it (see previous())
        Held,           // another running copy holds it (see holder())
        Failed,         // no lock could be made (see failure()): a read-only folder, for example
    };

    struct Holder {
        qint64 process = 0;
        QString host;
        QString program;
        QDateTime since;   // when the holder took the lock; invalid when unknown
        // "process 4242 (shiftgrid) on host kitchen-pc, since 2026-12-07 09:15"; for a lock file
        // that names nobody: "an unknown copy (the lock file names no process), since ..."
        QString text() const;
    };

    explicit DataFolderLock(const QString &dataPath);
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock &) = delete;
    DataFolderLock &operator=(const DataFolderLock &) = delete;

    // Tries once, without waiting. Once the folder is ours, an operation that a killed writer left
    // half committed is finished or rolled back before anything else (see recovery()).
    Result tryTake();
    void release();
    bool isTaken() const { return m_lock.isLocked(); }

    // The copy that holds the folder, after Held.
    const Holder &holder() const { return m_holder; }
    // The copy whose lock was taken over, after TakenOverStale.
    const Holder &previous() const { return m_holder; }
    const QString &failure() const { return m_failure; }
    // What a command says on standard error after taking the folder with `result`: a lock taken
    // over, an interrupted save finished or rolled back. Empty when there is nothing to say.
    QStringList notices(Result result) const;
    // What was found of an interrupted multi-file save when the lock was taken.
    const MultiFileCommit::Recovery &recovery() const { return m_recovery; }

    // A lock file that names no holder (left empty by a kill between its creation and its first
    // write) is taken over once it is this old.
    static constexpr int kUnreadableLockSeconds = 60;

    // The lock file's name inside the data folder.
    static QString fileName();

private:
    Holder readHolder() const;
    Result taken(Result result);

    QString m_path;
    QLockFile m_lock;
    Holder m_holder;
    QString m_failure;
    MultiFileCommit::Recovery m_recovery;
};
