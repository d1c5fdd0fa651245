#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Small shared routines of the data store: whole-file reads and writes, bit flags, and the
// text and time helpers that many windows use. Plain functions without state.
namespace ScheduleHelper {

// Reads the whole file. A missing file gives an empty buffer. Throws FileError on failure;
// only a file that another program holds open or locked is retried, for about a second.
// Only regular files of at most kMaxFileBytes are read; a link that leads out of the data
// folder is refused (see FileProblem).
QByteArray ReadFileBytes(const QString &path);
// Makes the buffer the whole content of the file, atomically: the old file or the new one
// survives a crash or a full disk, never a torn one. An empty buffer leaves a 0-byte file.
// Throws FileError when any byte could not be written; the old file is then unchanged. Inside
// an open MultiFileCommit of the file's data folder the new content is only prepared, and
// ReadFileBytes gives it back until the operation commits.
void WriteFileBytes(const QString &path, const QByteArray &buffer);

// Writes the buffer into a new temporary file beside `path` ("<path>.Ab12Cd"), synced to the
// disk, and returns its name; the file at `path` does not change. Throws FileError as
// WriteFileBytes does. The building block of MultiFileCommit.
QString WriteTemporaryFile(const QString &path, const QByteArray &buffer);
// Renames the temporary file over `path` in one step; throws FileError on failure.
void ReplaceFile(const QString &temporary, const QString &path);
// Makes the renames and new names inside the folder durable.
void SyncFolder(const QString &folder);

// Test seam: the next `times` writes of `path` (of every file when `path` is empty; `times`
// negative: until cleared) fail after the new bytes were written to the temporary file, as a
// failing disk would, with `reason`. `busy` makes the failure one that is retried (a file held
// open by another program). Used by tests only; nothing in the program calls it.
void InjectWriteFailure(const QString &path, const QString &reason, int times = 1, bool busy = false);
// Test seam: the next ReplaceFile over `path` fails with `reason` (a rename that the file system
// refuses after the new bytes were written), as a kill in the middle of a commit would leave it.
void InjectRenameFailure(const QString &path, const QString &reason);
// Test seam: the folder and everything inside it count as mounted read-only (for the wording of
// failures only: writes there are not refused by this). Cleared with the write failures.
void InjectReadOnlyFileSystem(const QString &folder);
void ClearInjectedWriteFailures();
// Test seam: appends to `steps` (null: stops) each step that decides what survives a power cut:
// "wrote <temporary>" once a temporary file is synced and named, "replaced <file>" after a
// rename over it, "synced <folder>" after a folder sync; paths absolute and clean.
void RecordDurabilitySteps(QStringList *steps);
// True when the file (or, when it is not there, the nearest folder above it that is) lies on a
// file system mounted read-only.
bool IsOnReadOnlyFileSystem(const QString &path);
// The reason every message about a failed write of a file gives: "read-only file system" when
// the file lies on one, whatever the platform said, otherwise the platform's `reason`.
QString WriteFailureReason(const QString &path, const QString &reason);
// No file of a data folder comes near this size; a larger one is refused unread.
constexpr qint64 kMaxFileBytes = qint64(256) * 1024 * 1024;
// Why the file cannot be read or written as a data file, or an empty text: not a regular file
// (a folder, a pipe, a device), larger than kMaxFileBytes, or reached through a link that leads
// out of the data folder. The data folder is the file's folder, or for a shift file
// ("*.KELSCD", inside a department folder) the folder above it; the data folder itself may be a
// link. A missing file has no problem.
QString FileProblem(const QString &path);

// Temporary files that an interrupted save leaves beside one of the program's own files
// ("Dept.dat.Ab12Cd"): in the data folder and in its department folders. Only names of the
// program's own files followed by the save's six-character suffix count.
QStringList StaleTemporaryFiles(const QString &dataPath);
bool IsStaleTemporaryName(const QString &fileName, bool inDepartmentFolder);
// Removes those last changed at least `minimumAgeSeconds` ago; returns the removed ones. Called
// at start by the one writer of the folder (see DataFolderLock).
QStringList RemoveStaleTemporaryFiles(const QString &dataPath, int minimumAgeSeconds = 60);

// Cuts or extends the file to the length (creating it when absent); true on success.
bool TruncateFile(const QString &path, qint64 length);
// Creates a folder (and its parents); errors, such as an existing folder, are ignored.
void MakeDirectory(const QString &path);

// Record count of a file of `bytes` bytes holding records of `recordSize` bytes: the quotient
// rounded to the nearest whole number, halves to the even number.
int RecordCount(qint64 bytes, int recordSize);
// The file's bytes laid over `count` zeroed records: never beyond the last record, and a record
// the bytes do not fill stays zero in its remaining bytes.
QByteArray RecordsFromFileBytes(const QByteArray &bytes, int recordSize);

bool BitIsSet(int value, int bit);
int SetBit(int value, int bit);
int ClearBit(int value, int bit);

// A stored phone number for display: 5551234 -> 555-1234, 8005551234 -> (800) 555-1234.
QString FormatPhone(const QString &text);
// Rounds a date-time to the nearest multiple of the snap minutes within its hour (seconds are
// kept). Snap minutes of 0 count as 1 and the caller's variable is set to 1.
double SnapTime(double time, qint16 &snapMinutes);
double SnapTime(const QString &timeText, qint16 &snapMinutes);
// A duration of days as whole hours, a colon and two-digit minutes: 8:30, 37:15, 42:00.
QString FormatHourTotal(double duration);
// Sorts `index` so that keys[index[i]] ascend (binary comparison; Shell sort, not stable).
// With upperCaseFirst the keys are upper-cased first (the caller's keys change).
void SortIndexByKeys(QList<qint32> &index, QStringList &keys, bool upperCaseFirst);

// Names that are safe to become a folder name of the data folder. Returns an empty text when
// the name is acceptable, otherwise a sentence that says what is not allowed.
QString FolderNameProblem(const QString &name);
inline bool IsSafeFolderName(const QString &name) { return FolderNameProblem(name).isEmpty(); }

// The data folder: the given one, else "data" beside the program when that place is writable,
// else the platform's application-data folder. Created when missing and `create` is set.
QString ResolveDataFolder(const QString &requested, bool create = true);
// The settings file of a data folder.
QString SettingsFilePath(const QString &dataPath);

} // namespace ScheduleHelper
