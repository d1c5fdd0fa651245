#include "DataFolderLock.h"

#include "FileError.h"
#include "ScheduleHelper.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString DataFolderLock::Holder::text() const
{
    QString text = process != 0 ? QCoreApplication::translate("DataFolderLock", "process %1").arg(process)
                                : QCoreApplication::translate("DataFolderLock", "an unknown copy (the lock file names no process)");
    if (!program.isEmpty())
        text += QStringLiteral(" (%1)").arg(program);
    if (!host.isEmpty())
        text += QCoreApplication::translate("DataFolderLock", " on host %1").arg(host);
    if (since.isValid())
        text += QCoreApplication::translate("DataFolderLock", ", since %1").arg(since.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    return text;
}

DataFolderLock::DataFolderLock(const QString &dataPath)
    : m_path(QDir(dataPath).filePath(fileName())), m_lock(m_path)
{
    // A live holder is never judged by age: over a shared folder another computer's copy may
    // keep the folder for days. QLockFile still takes over the lock of a process of this host
    // that no longer runs; tryTake() reports that as TakenOverStale.
    m_lock.setStaleLockTime(0);
}

DataFolderLock::~DataFolderLock() = default;

QString DataFolderLock::fileName()
{
    return QStringLiteral("Shiftgrid.lock");
}

DataFolderLock::Holder DataFolderLock::readHolder() const
{
    Holder holder;
    const QLockFile reader(m_path);
    if (!reader.getLockInfo(&holder.process, &holder.host, &holder.program))
        holder = {};
    if (QFileInfo::exists(m_path))
        holder.since = QFileInfo(m_path).lastModified();
    return holder;
}

DataFolderLock::Result DataFolderLock::tryTake()
{
    if (m_lock.isLocked())
        return Result::Taken;
    m_failure.clear();
    const Holder before = readHolder();
    if (m_lock.tryLock(0)) {
        m_holder = before;
        return taken(before.process != 0 ? Result::TakenOverStale : Result::Taken);
    }
    if (m_lock.error() == QLockFile::LockFailedError) {
        m_holder = readHolder();
        // A lock file that names nobody is never released by anyone: once it is old enough that
        // no copy can still be writing its first line, it is a leftover.
        const bool namesNobody = m_holder.process == 0;
        const bool old = m_holder.since.isValid()
                         && m_holder.since.secsTo(QDateTime::currentDateTime()) >= kUnreadableLockSeconds;
        if (namesNobody && old && m_lock.removeStaleLockFile() && m_lock.tryLock(0))
            return taken(Result::TakenOverStale);
        return Result::Held;
    }
    // QLockFile tells a read-only mount as a missing permission; the reason says which it is.
    const QString reason = ScheduleHelper::WriteFailureReason(
        m_path, m_lock.error() == QLockFile::PermissionError ? QCoreApplication::translate("DataFolderLock", "permission denied") : QString());
    m_failure = !reason.isEmpty() ? QCoreApplication::translate("DataFolderLock", "no lock file can be made in %1 (%2)").arg(QFileInfo(m_path).absolutePath(), reason)
                                  : QCoreApplication::translate("DataFolderLock", "the lock file %1 cannot be made").arg(m_path);
    return Result::Failed;
}

DataFolderLock::Result DataFolderLock::taken(Result result)
{
    try {
        m_recovery = MultiFileCommit::FinishInterrupted(QFileInfo(m_path).absolutePath());
    } catch (const FileError &error) {
        // A folder whose interrupted save cannot be finished must not be written over.
        m_lock.unlock();
        m_failure = QCoreApplication::translate("DataFolderLock", "an interrupted save could not be finished: %1").arg(error.userText());
        return Result::Failed;
    }
    return result;
}

QStringList DataFolderLock::notices(Result result) const
{
    QStringList lines;
    if (result == Result::TakenOverStale)
        lines << QCoreApplication::translate("DataFolderLock", "took over the lock of the data folder from %1, which no longer runs").arg(m_holder.text());
    if (const QString recovered = m_recovery.text(); !recovered.isEmpty())
        lines << recovered;
    return lines;
}

void DataFolderLock::release()
{
    m_lock.unlock();
}
