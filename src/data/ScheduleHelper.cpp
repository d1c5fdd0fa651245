#include "ScheduleHelper.h"

#include "CodePage.h"
#include "FileError.h"
#include "MultiFileCommit.h"
#include "OleDate.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QRegularExpression>
#include <QRandomGenerator>
#include <QThread>
#include <cerrno>
#include <cmath>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// A file another program holds open may refuse us for a moment; try again for about a second.
// Only such a refusal is retried: a missing permission, a folder in the file's place or a
// missing parent folder will not pass on a second try and fails at once.
constexpr int kBusyRetries = 20;
constexpr int kBusyPauseMs = 50;

// The reasons the platform gives for a file that another program holds open or locked. Qt
// reports them only as text, so they are matched as the platform words them. POSIX systems
// have no such refusal (their locks are advisory).
bool isBusy(const QString &reason)
{
#ifdef Q_OS_WIN
    static const QString sharing = qt_error_string(32);   // ERROR_SHARING_VIOLATION
    static const QString lock = qt_error_string(33);      // ERROR_LOCK_VIOLATION
    return reason == sharing || reason == lock;
#else
    Q_UNUSED(reason);
    return false;
#endif
}

// The write faults a test has asked for (see InjectWriteFailure).
struct WriteFault {
    QString path;   // empty: every path
    QString reason;
    int times = 0;  // negative: until cleared
    bool busy = false;
};
QList<WriteFault> &writeFaults()
{
    static QList<WriteFault> faults;
    return faults;
}

// The renames a test has asked to fail (see InjectRenameFailure).
QList<WriteFault> &renameFaults()
{
    static QList<WriteFault> faults;
    return faults;
}

// Folders that a test has made count as mounted read-only (see InjectReadOnlyFileSystem).
QStringList &readOnlyFolders()
{
    static QStringList folders;
    return folders;
}

// Takes the next injected fault for the path, if any.
std::optional<WriteFault> takeWriteFault(const QString &path)
{
    QList<WriteFault> &faults = writeFaults();
    for (qsizetype i = 0; i < faults.size(); ++i) {
        WriteFault &f = faults[i];
        if (!f.path.isEmpty() && QFileInfo(f.path).absoluteFilePath() != QFileInfo(path).absoluteFilePath())
            continue;
        const WriteFault taken = f;
        if (f.times > 0 && --f.times == 0)
            faults.removeAt(i);
        return taken;
    }
    return std::nullopt;
}

// Writes the whole buffer into the opened file and makes sure every byte reached the file
// system: a short write, a failed flush or a size that does not match is a failure. Returns the
// reason on failure, with `busy` telling whether a retry may pass.
std::optional<QString> writeAll(QFileDevice &file, const QString &path, const QByteArray &buffer, bool &busy)
{
    busy = false;
    qint64 done = 0;
    while (done < buffer.size()) {
        const qint64 n = file.write(buffer.constData() + done, buffer.size() - done);
        if (n <= 0)
            break;
        done += n;
    }
    const bool complete = done == buffer.size() && file.flush() && file.error() == QFileDevice::NoError
                          && file.size() == buffer.size();
    if (!complete)
        return file.error() != QFileDevice::NoError
                   ? file.errorString()
                   : QCoreApplication::translate("ScheduleHelper", "only %1 of %2 bytes reached the disk").arg(file.size()).arg(buffer.size());
    if (const auto fault = takeWriteFault(path)) {
        busy = fault->busy;
        return fault->reason;
    }
    return std::nullopt;
}

// The same into the temporary file of a QSaveFile.
std::optional<QString> writeTemporary(QSaveFile &file, const QString &path, const QByteArray &buffer, bool &busy)
{
    busy = false;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        busy = isBusy(file.errorString());
        return file.errorString();
    }
    return writeAll(file, path, buffer, busy);
}

// Six letters or digits, the suffix that QSaveFile also gives its temporary files, so that one
// rule recognises what an interrupted save of either kind left.
QString temporarySuffix()
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
    return suffix;
}

// Makes the bytes of an open file and its size durable before anything names it in a journal,
// without the times that a full sync also writes.
bool syncFileData(QFileDevice &file)
{
#if defined(Q_OS_LINUX)
    return ::fdatasync(file.handle()) == 0;
#elif defined(Q_OS_UNIX)
    return ::fsync(file.handle()) == 0;
#else
    Q_UNUSED(file);
    return true;
#endif
}

// Opens `file` as a new file without a name in the folder of `path` (Linux's O_TMPFILE). Until
// linkUnnamed names it, an interrupted write leaves nothing behind; and the file system is not
// asked to make a new name durable on its own for each file (ext4 syncs the folder with every
// new named file), since the caller syncs the folder once for all. False, with `file` closed,
// where the system or the file system has no such files.
bool openUnnamed(QFile &file, const QString &path)
{
#ifdef Q_OS_LINUX
    // The file is named through its link in /proc, which a container may lack.
    static const bool canName = QFileInfo(QStringLiteral("/proc/self/fd")).isDir();
    if (!canName)
        return false;
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    if (file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
#else
    Q_UNUSED(file);
    Q_UNUSED(path);
#endif
    return false;
}

// Names the unnamed file "<path>.<six letters or digits>"; the name, or empty with errno set.
QString linkUnnamed(QFile &file, const QString &path)
{
#ifdef Q_OS_LINUX
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(file.handle());
    for (int names = 0; names < 100; ++names) {
        const QString temporary = path + u'.' + temporarySuffix();
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, QFile::encodeName(temporary).constData(), AT_SYMLINK_FOLLOW) == 0)
            return temporary;
        if (errno != EEXIST)
            break;
    }
#else
    Q_UNUSED(file);
    Q_UNUSED(path);
    errno = ENOTSUP;
#endif
    return {};
}

// Renames `from` over `to`, replacing it in one step. Returns the reason on failure.
std::optional<QString> renameOver(const QString &from, const QString &to)
{
#ifdef Q_OS_WIN
    if (MoveFileExW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(from).utf16()),
                    reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(to).utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return std::nullopt;
    return qt_error_string(int(GetLastError()));
#else
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return std::nullopt;
    return qt_error_string(errno);
#endif
}

QString notRegular() { return QCoreApplication::translate("ScheduleHelper", "it is not a regular file (a folder, pipe, device or other special file)"); }
QString tooLarge()
{
    return QCoreApplication::translate("ScheduleHelper", "it is larger than %1 MiB, more than any data folder holds")
        .arg(ScheduleHelper::kMaxFileBytes / (1024 * 1024));
}
// Opens the file for reading without ever waiting: a pipe put in a data file's place would
// block a plain open until some writer appears. What was opened must be a regular file; when it
// is not, the file is left closed and `notRegularFile` set.
bool openForReading(QFile &file, bool &notRegularFile)
{
    notRegularFile = false;
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return file.open(QIODevice::ReadOnly);   // let Qt word the platform's reason
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        notRegularFile = true;
        return false;
    }
    if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
#else
    return file.open(QIODevice::ReadOnly);
#endif
}

// The steps a test asked to see (see RecordDurabilitySteps).
QStringList *&recordedSteps()
{
    static QStringList *steps = nullptr;
    return steps;
}

void record(const QString &step, const QString &path)
{
    if (QStringList *steps = recordedSteps())
        steps->append(step + u' ' + QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

// Makes the names inside a folder durable: on Linux a rename or a new name is only on the disk
// once its folder is synced, so a power cut after a commit could otherwise bring back the old
// file.
void syncFolderAt(const QString &folder)
{
    record(QStringLiteral("synced"), folder);
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}

// The same for the folder a file was renamed into.
void syncFolderOf(const QString &path)
{
    const QString folder = QFileInfo(path).canonicalPath();
    syncFolderAt(folder.isEmpty() ? QFileInfo(path).absolutePath() : folder);
}

// The folder whose inside a file may reach through links: the data folder.
QString dataFolderOf(const QString &path)
{
    const QFileInfo info(path);
    QString folder = info.absolutePath();
    if (info.fileName().endsWith(QLatin1String(".KELSCD"), Qt::CaseInsensitive))
        folder = QFileInfo(folder).absolutePath();
    return folder;
}

bool isInside(const QString &path, const QString &folder)
{
    return path.startsWith(folder.endsWith(u'/') ? folder : folder + u'/');
}

const QRegularExpression &ownTemporaryName(bool inDepartmentFolder)
{
    // QSaveFile writes "<name>.<six letters or digits>" and renames it to <name>.
    static const QRegularExpression top(
        QStringLiteral("^(Dept\\.dat|Jobs\\.dat|EmployeeInfo\\.dat|EmployeeContact\\.dat|EmployeeAddress\\.dat"
                       "|EmployeeDept\\.dat|JobsAval\\.dat|Shifts\\.dat|BarNames\\.dat|Schedule\\.ini"
                       "|MenuCustom\\.bin|PayRates\\.csv|Budgets\\.csv|Shiftgrid\\.journal|-?[0-9]{1,10}\\.KELOFF)\\.[A-Za-z0-9]{6}$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression day(QStringLiteral("^[0-9]{8}\\.KELSCD\\.[A-Za-z0-9]{6}$"),
                                        QRegularExpression::CaseInsensitiveOption);
    return inDepartmentFolder ? day : top;
}

} // namespace

namespace ScheduleHelper {

// What no write of a data file may replace or become: a special file, a link out of the folder,
// more bytes than any data file holds. Throws FileError naming it.
static void refuseUnwritable(const QString &path, const QByteArray &buffer)
{
    QString problem = FileProblem(path);
    if (problem.isEmpty() && buffer.size() > kMaxFileBytes)
        problem = tooLarge();
    if (!problem.isEmpty())
        throw FileError(QStringLiteral("WriteFileBytes"), path, problem, FileError::Kind::Write);
}

QString FileProblem(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    const QString folder = QFileInfo(dataFolderOf(path)).canonicalFilePath();
    if (!folder.isEmpty()) {
        // canonicalFilePath() is empty for a link to nothing; its target is then checked as written.
        QString target = info.canonicalFilePath();
        if (target.isEmpty() && info.isSymLink())
            target = QDir::cleanPath(QFileInfo(info.symLinkTarget()).absoluteFilePath());
        if (!target.isEmpty() && !isInside(target, folder))
            return QCoreApplication::translate("ScheduleHelper", "it is a link to %1, outside the data folder").arg(target);
    }
    if (!info.exists())
        return {};
    if (!info.isFile())
        return notRegular();
    if (info.size() > kMaxFileBytes)
        return tooLarge();
    return {};
}

bool IsStaleTemporaryName(const QString &fileName, bool inDepartmentFolder)
{
    return ownTemporaryName(inDepartmentFolder).match(fileName).hasMatch();
}

QStringList StaleTemporaryFiles(const QString &dataPath)
{
    QStringList found;
    const QDir top(dataPath);
    const QDir::Filters entries = QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks;
    for (const QString &name : top.entryList(entries, QDir::Name))
        if (IsStaleTemporaryName(name, false))
            found << top.filePath(name);
    for (const QString &sub : top.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name)) {
        const QDir department(top.filePath(sub));
        for (const QString &name : department.entryList(entries, QDir::Name))
            if (IsStaleTemporaryName(name, true))
                found << department.filePath(name);
    }
    return found;
}

QStringList RemoveStaleTemporaryFiles(const QString &dataPath, int minimumAgeSeconds)
{
    QStringList removed;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const QString &file : StaleTemporaryFiles(dataPath)) {
        // A younger one may belong to a save that is still running in an older copy that took
        // no lock; it is left for the next start.
        if (QFileInfo(file).lastModified().toUTC().secsTo(now) < minimumAgeSeconds)
            continue;
        if (QFile::remove(file))
            removed << file;
    }
    return removed;
}

QByteArray ReadFileBytes(const QString &path)
{
    if (const MultiFileCommit *operation = MultiFileCommit::openFor(path))
        if (const QByteArray *prepared = operation->prepared(path))
            return *prepared;
    for (int attempt = 0;; ++attempt) {
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink())
            return {};
        auto refuse = [&](const QString &reason) {
            return FileError(QStringLiteral("ReadFileBytes"), path, reason, FileError::Kind::Read);
        };
        if (const QString problem = FileProblem(path); !problem.isEmpty())
            throw refuse(problem);
        if (!info.exists())
            return {};   // a link to a place inside the folder where nothing is yet
        QFile file(path);
        bool special = false;
        if (openForReading(file, special)) {
            // Read to the end, but never more than one byte past the limit: that byte tells a
            // file that grew past it since the check. (read(n) reserves n bytes at once, so the
            // first read asks only for the size the file had.)
            QByteArray bytes = file.read(qMin(file.size(), kMaxFileBytes) + 1);
            while (bytes.size() <= kMaxFileBytes) {
                const QByteArray more = file.read(qMin<qint64>(1 << 16, kMaxFileBytes + 1 - bytes.size()));
                if (more.isEmpty())
                    break;
                bytes += more;
            }
            if (bytes.size() > kMaxFileBytes)
                throw refuse(tooLarge());
            if (file.error() == QFileDevice::NoError)
                return bytes;
        }
        if (special)
            throw refuse(notRegular());
        if (attempt >= kBusyRetries || !isBusy(file.errorString()))
            throw refuse(file.errorString());
        QThread::msleep(kBusyPauseMs);
    }
}

void WriteFileBytes(const QString &path, const QByteArray &buffer)
{
    if (MultiFileCommit *operation = MultiFileCommit::openFor(path)) {
        operation->prepare(path, buffer);
        return;
    }
    refuseUnwritable(path, buffer);
    for (int attempt = 0;; ++attempt) {
        QSaveFile file(path);
        bool busy = false;
        std::optional<QString> failure = writeTemporary(file, path, buffer, busy);
        if (!failure) {
            if (file.commit()) {
                syncFolderOf(path);
                return;
            }
            failure = file.errorString();
            busy = isBusy(*failure);
        }
        // Nothing of the failed attempt stays behind: the old file keeps its bytes.
        file.cancelWriting();
        if (attempt >= kBusyRetries || !busy)
            throw FileError(QStringLiteral("WriteFileBytes"), path, WriteFailureReason(path, *failure), FileError::Kind::Write);
        QThread::msleep(kBusyPauseMs);
    }
}

QString WriteTemporaryFile(const QString &path, const QByteArray &buffer)
{
    auto refuse = [&](const QString &reason) {
        return FileError(QStringLiteral("WriteFileBytes"), path, reason, FileError::Kind::Write);
    };
    refuseUnwritable(path, buffer);
    const QFileInfo target(path);
    for (int attempt = 0;; ++attempt) {
        QFile file;
        QString temporary;
        // An unnamed file first: it is named only when its bytes are on the disk.
        const bool unnamed = openUnnamed(file, path);
        for (int names = 0; names < 100 && !unnamed && !file.isOpen(); ++names) {
            temporary = path + u'.' + temporarySuffix();
            file.setFileName(temporary);
            if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered) && !QFileInfo::exists(temporary))
                break;   // not a name taken by chance: the folder refuses
        }
        bool busy = false;
        std::optional<QString> failure;
        if (!file.isOpen()) {
            failure = file.errorString();
            busy = isBusy(*failure);
        } else {
            failure = writeAll(file, path, buffer, busy);
            if (!failure && !syncFileData(file))
                failure = qt_error_string(errno);
            if (!failure && unnamed) {
                temporary = linkUnnamed(file, path);
                if (temporary.isEmpty())
                    failure = qt_error_string(errno);
            }
            file.close();
            if (!failure) {
                // The new file keeps the old one's permissions, as a QSaveFile does.
                if (target.exists())
                    QFile::setPermissions(temporary, target.permissions());
                record(QStringLiteral("wrote"), temporary);
                return temporary;
            }
            if (!unnamed)
                QFile::remove(temporary);
        }
        if (attempt >= kBusyRetries || !busy)
            throw refuse(WriteFailureReason(path, *failure));
        QThread::msleep(kBusyPauseMs);
    }
}

void ReplaceFile(const QString &temporary, const QString &path)
{
    for (qsizetype i = 0; i < renameFaults().size(); ++i)
        if (QFileInfo(renameFaults()[i].path).absoluteFilePath() == QFileInfo(path).absoluteFilePath()) {
            const QString reason = renameFaults().takeAt(i).reason;
            throw FileError(QStringLiteral("ReplaceFile"), path, reason, FileError::Kind::Write);
        }
    if (const auto failure = renameOver(temporary, path))
        throw FileError(QStringLiteral("ReplaceFile"), path, WriteFailureReason(path, *failure), FileError::Kind::Write);
    record(QStringLiteral("replaced"), path);
}

void SyncFolder(const QString &folder)
{
    syncFolderAt(folder);
}

void RecordDurabilitySteps(QStringList *steps)
{
    recordedSteps() = steps;
}

void InjectWriteFailure(const QString &path, const QString &reason, int times, bool busy)
{
    writeFaults().append({path, reason, times, busy});
}

void InjectRenameFailure(const QString &path, const QString &reason)
{
    renameFaults().append({path, reason, 1, false});
}

void ClearInjectedWriteFailures()
{
    writeFaults().clear();
    renameFaults().clear();
    readOnlyFolders().clear();
}

bool TruncateFile(const QString &path, qint64 length)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    return file.resize(length);
}

void MakeDirectory(const QString &path)
{
    QDir().mkpath(path);
}

int RecordCount(qint64 bytes, int recordSize)
{
    if (bytes <= 0 || recordSize <= 0)
        return 0;
    // Halves go to the even number.
    return int(std::nearbyint(double(bytes) / double(recordSize)));
}

QByteArray RecordsFromFileBytes(const QByteArray &bytes, int recordSize)
{
    const int count = RecordCount(bytes.size(), recordSize);
    const qsizetype total = qsizetype(count) * recordSize;
    if (bytes.size() == total)
        return bytes;
    QByteArray records = bytes.left(total);
    records.append(total - records.size(), '\0');
    return records;
}

bool BitIsSet(int value, int bit)
{
    return bit >= 0 && bit <= 15 && (value & (1 << bit)) != 0;
}

int SetBit(int value, int bit)
{
    return bit >= 0 && bit <= 15 ? value | (1 << bit) : value;
}

int ClearBit(int value, int bit)
{
    return bit >= 0 && bit <= 15 ? value & ~(1 << bit) : value;
}

QString FormatPhone(const QString &text)
{
    QString phone = CodePage::trimBlanks(text);
    phone.remove(QChar(0));
    phone = CodePage::trimBlanks(phone);
    auto tenDigits = [](const QString &t) {
        return u'(' + t.left(3) + QStringLiteral(") ") + t.mid(3, 3) + u'-' + t.mid(6, 4);
    };
    switch (phone.size()) {
    case 1:
        return phone == QLatin1String("0") ? QString() : phone;
    case 7:
        return phone.left(3) + u'-' + phone.mid(3, 4);
    case 10:
        return tenDigits(phone);
    case 11:
        return phone.startsWith(u'1') ? tenDigits(phone.mid(1)) : phone;
    default:
        return phone;
    }
}

double SnapTime(double time, qint16 &snapMinutes)
{
    if (snapMinutes == 0)
        snapMinutes = 1;
    const int step = snapMinutes;
    const double oneMinute = 1.0 / OleDate::kMinutesPerDay;
    auto minuteOfHour = [](double t) { return OleDate::toTime(t).minute(); };

    const int m = minuteOfHour(time);
    const int remainder = ((m % step) + step) % step;
    const double direction = double(remainder) / step < 0.5 ? -1.0 : 1.0;
    // Whole minutes are added or taken away; the seconds stay as they were.
    int guard = 0;
    while (minuteOfHour(time) % step != 0 && guard++ < 120)
        time += direction * oneMinute;
    return time;
}

double SnapTime(const QString &timeText, qint16 &snapMinutes)
{
    double time = 0;
    OleDate::parse(timeText, &time);
    return SnapTime(time, snapMinutes);
}

QString FormatHourTotal(double duration)
{
    return OleDate::hoursText(duration);
}

void SortIndexByKeys(QList<qint32> &index, QStringList &keys, bool upperCaseFirst)
{
    const qsizetype n = index.size();
    if (n == 0)
        return;
    if (upperCaseFirst)
        for (qsizetype i = 0; i < n && i < keys.size(); ++i)
            keys[i] = CodePage::toUpper(keys[i]);

    auto key = [&](qint32 i) -> const QString & { return keys.at(i); };
    // Binary comparison of UTF-16 code units, as the original sort compared the keys.
    auto greater = [&](qint32 a, qint32 b) { return QString::compare(key(a), key(b), Qt::CaseSensitive) > 0; };

    qsizetype gap = 1;
    while (gap * 3 + 1 <= n)
        gap = gap * 3 + 1;
    for (; gap >= 1; gap /= 3) {
        for (qsizetype i = gap; i < n; ++i) {
            const qint32 value = index[i];
            qsizetype j = i;
            while (j >= gap && greater(index[j - gap], value)) {
                index[j] = index[j - gap];
                j -= gap;
            }
            index[j] = value;
        }
    }
}

QString FolderNameProblem(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return QCoreApplication::translate("ScheduleHelper", "The name cannot be empty.");
    if (trimmed == QLatin1String(".") || trimmed == QLatin1String(".."))
        return QCoreApplication::translate("ScheduleHelper", "The names \".\" and \"..\" are not allowed.");
    for (const QChar c : trimmed) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QCoreApplication::translate("ScheduleHelper", "The name cannot contain control characters.");
        if (QStringLiteral("/\\:*?\"<>|").contains(c))
            return QCoreApplication::translate("ScheduleHelper", "The name cannot contain any of these characters: / \\ : * ? \" < > |");
    }
    if (trimmed.endsWith(u'.'))
        return QCoreApplication::translate("ScheduleHelper", "The name cannot end with a period.");
    static const QStringList reserved = {
        QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"), QStringLiteral("NUL"),
        QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"), QStringLiteral("COM4"),
        QStringLiteral("COM5"), QStringLiteral("COM6"), QStringLiteral("COM7"), QStringLiteral("COM8"),
        QStringLiteral("COM9"), QStringLiteral("LPT1"), QStringLiteral("LPT2"), QStringLiteral("LPT3"),
        QStringLiteral("LPT4"), QStringLiteral("LPT5"), QStringLiteral("LPT6"), QStringLiteral("LPT7"),
        QStringLiteral("LPT8"), QStringLiteral("LPT9")};
    const QString base = trimmed.section(u'.', 0, 0).trimmed().toUpper();
    if (reserved.contains(base))
        return QCoreApplication::translate("ScheduleHelper", "The name \"%1\" is reserved by the system and cannot be used.").arg(base);
    return {};
}

namespace {
const char *const kDesktopEntry = "org.shiftgrid.Shiftgrid.desktop";
}

QString ResolveDataFolder(const QString &requested, bool create)
{
    QString folder = requested;
    if (folder.isEmpty()) {
        const QString beside = QCoreApplication::applicationDirPath();
        const QFileInfo besideInfo(beside);
        // An installed program (its desktop entry beside it in the prefix) never keeps data in
        // the system's program folder, even when the user could write there.
        const bool installed = QFileInfo::exists(beside + QStringLiteral("/../share/applications/") + kDesktopEntry);
        if (!beside.isEmpty() && !installed && besideInfo.isDir() && besideInfo.isWritable())
            folder = beside + QStringLiteral("/data");
        else
            folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/data");
    }
    folder = QDir::cleanPath(QDir(folder).absolutePath());
    if (create)
        QDir().mkpath(folder);
    return folder;
}

QString SettingsFilePath(const QString &dataPath)
{
    return dataPath + QStringLiteral("/Schedule.ini");
}

bool IsOnReadOnlyFileSystem(const QString &path)
{
    // The file, or even its folder, may not be there yet: ask about the nearest place that is.
    QString place = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    for (const QString &folder : std::as_const(readOnlyFolders()))
        if (place == folder || place.startsWith(folder + u'/'))
            return true;
    while (!QFileInfo::exists(place)) {
        const QString up = QFileInfo(place).absolutePath();
        if (up == place)
            return false;
        place = up;
    }
    const QStorageInfo volume(place);
    return volume.isValid() && volume.isReadOnly();
}

QString WriteFailureReason(const QString &path, const QString &reason)
{
    // The platform words a write refused by a read-only mount in many ways ("Permission
    // denied" from some calls); the user needs to know that no write there can succeed.
    return IsOnReadOnlyFileSystem(path) ? QCoreApplication::translate("ScheduleHelper", "read-only file system") : reason;
}

void InjectReadOnlyFileSystem(const QString &folder)
{
    readOnlyFolders().append(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
}

} // namespace ScheduleHelper
