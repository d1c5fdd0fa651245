#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <future>

// Saves that belong together reach the disk together: a week of day files, a copy, an import,
// the files of a deleted employee. While an object of this class is open on a thread, every
// ScheduleHelper::WriteFileBytes of a file inside its data folder is only prepared: the new bytes
// go to a temporary file beside the old one ("Dept.dat.Ab12Cd") and are synced. commit() then
// writes a journal that names every replacement, renames the temporaries over their files and
// removes the journal. A crash before the journal leaves every old file as it was (the
// temporaries are cleared as stale ones); a crash after it is finished by the next writer of the
// folder (FinishInterrupted), so the operation is whole or absent, never half done.
//
//     MultiFileCommit together(dataPath);
//     ... the saves of the operation ...
//     together.commit();          // without it, the destructor drops what was prepared
//
// An object opened while another one over the same folder is open on the thread joins it: its
// saves are committed with the outer operation, and its own commit() does nothing.
class MultiFileCommit
{
public:
    explicit MultiFileCommit(const QString &dataPath);
    ~MultiFileCommit();
    MultiFileCommit(const MultiFileCommit &) = delete;
    MultiFileCommit &operator=(const MultiFileCommit &) = delete;

    // Replaces every prepared file. Throws FileError when a file cannot be replaced; the journal
    // then stays, and the next writer of the folder finishes the operation.
    void commit();

    // The journal's name in the data folder.
    static QString journalFileName();

    // What the writer found of an interrupted operation when it took the folder.
    struct Recovery {
        enum class Outcome {
            None,         // no journal: nothing was interrupted
            Finished,     // every new file was complete: the operation was finished
            RolledBack,   // a new file was missing or incomplete: the old files stand
            Unreadable,   // the journal could not be read or named files outside the folder: removed, nothing done
        };
        Outcome outcome = Outcome::None;
        QStringList files;   // the operation's files, relative to the data folder
        QString reason;      // why it was rolled back or unreadable
        // One sentence for the user or standard error; empty for None.
        QString text() const;
    };
    // Finishes or rolls back the operation that the journal of the folder names. Only the one
    // writer of the folder may call it (see DataFolderLock), before anything else reads or
    // writes there.
    static Recovery FinishInterrupted(const QString &dataPath);

    // ---- Used by ScheduleHelper's whole-file reads and writes ----------------------------------
    // The open operation on this thread whose data folder holds the file, or none.
    static MultiFileCommit *openFor(const QString &path);
    // Prepares the file's new content (throws FileError, leaving the old file as it is).
    void prepare(const QString &path, const QByteArray &bytes);
    // The prepared content of the file, so that the operation reads back what it saved.
    const QByteArray *prepared(const QString &path) const;

private:
    struct Entry {
        QString file;        // absolute
        QString temporary;   // absolute
        QByteArray bytes;
        std::shared_future<QByteArray> digest;   // of bytes, as the journal names it; started once a second file joins
    };
    QString relative(const QString &absolute) const;
    QByteArray journalText() const;
    void dropPrepared();

    QString m_dataPath;
    MultiFileCommit *m_outer = nullptr;    // the open operation before this one on the thread
    MultiFileCommit *m_joined = nullptr;   // the one this object joined, or none
    QList<Entry> m_entries;
    bool m_done = false;
};
