#include "CommandSupport.h"

#include "data/DataFolderLock.h"
#include "data/ScheduleHelper.h"
#include "exchange/OutputFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>
#include <cstdio>
#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace CommandSupport {

void fail(const QString &reason, int exitCode)
{
    throw CommandFailed(reason, exitCode);
}

void print(const QString &text)
{
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    out << text;
}

QString existingDataFolder(const QString &requested)
{
    const QString folder = ScheduleHelper::ResolveDataFolder(requested, false);
    if (!QFileInfo(folder).isDir())
        fail(QCoreApplication::translate("CommandSupport", "data folder not found: %1").arg(folder));
    return folder;
}

void refuseOutputInDataFolder(const QString &option, const QString &file, const QString &folder)
{
    if (file.isEmpty())
        return;
    if (const QString refusal = OutputFile::refusal(option, file, folder); !refusal.isEmpty())
        fail(refusal, 2);
}

QDate isoDateOption(const QString &text, const QString &option)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid())
        fail(QCoreApplication::translate("CommandSupport", "%1 needs a date, YYYY-MM-DD").arg(option));
    return date;
}

void writeOutput(const QByteArray &bytes, const QString &out)
{
    if (out.isEmpty()) {
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        return;
    }
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(QCoreApplication::translate("CommandSupport", "could not write %1: %2").arg(out, ScheduleHelper::WriteFailureReason(out, file.errorString())));
}

std::function<void(int, int)> terminalProgress(const QString &what)
{
    if (!isatty(fileno(stderr)))
        return {};
    return [what](int done, int total) {
        if (total < 200)
            return;
        if (done % 50 == 0 || done + 1 == total)
            std::fprintf(stderr, "\r%s: %d of %d%s", qPrintable(what), done + 1, total, done + 1 == total ? "\n" : "");
    };
}

void takeForWriting(DataFolderLock &lock, const QString &folder)
{
    const DataFolderLock::Result taken = lock.tryTake();
    switch (taken) {
    case DataFolderLock::Result::Taken:
    case DataFolderLock::Result::TakenOverStale:   // its holder no longer runs
        for (const QString &notice : lock.notices(taken))
            std::fprintf(stderr, "shiftgrid: %s\n", qPrintable(notice));
        return;
    case DataFolderLock::Result::Held:
        fail(QCoreApplication::translate("CommandSupport", "the data folder %1 is in use by %2").arg(folder, lock.holder().text()));
    case DataFolderLock::Result::Failed:
        break;
    }
    fail(QCoreApplication::translate("CommandSupport", "cannot lock the data folder: %1").arg(lock.failure()));
}

} // namespace CommandSupport
