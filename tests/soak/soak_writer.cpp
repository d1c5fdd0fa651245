// The process that shiftgrid-soak kills. Prints "ready" just before the work it is to be killed
// in, so that the kill moments spread over that work and not over the start of the process.
//
//     shiftgrid-soak-writer files DATA FIRST SECOND
//         saves two versions of a data folder over it in turn, for ever, one file at a time
//         through the program's own whole-file save; a file one version lacks is saved empty
//     shiftgrid-soak-writer week DATA DEPARTMENT YYYY-MM-DD
//         opens the department's week as the scheduler does, deletes every other shift and
//         saves the week once
//     shiftgrid-soak-writer command ARGUMENTS...
//         runs one shiftgrid command (copy, import, ...) as the program would

#include "app/commands/CommandLine.h"
#include "WeekEdit.h"
#include "data/FileError.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QGuiApplication>
#include <QMap>
#include <cstdio>
#include <cstring>

namespace {

void ready()
{
    std::printf("ready\n");
    std::fflush(stdout);
}

QMap<QString, QByteArray> readVersion(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), ScheduleHelper::ReadFileBytes(path));
    }
    return files;
}

int saveFilesForEver(const QString &dataPath, const QString &first, const QString &second)
{
    const QDir data(dataPath);
    const QMap<QString, QByteArray> versions[2] = {readVersion(first), readVersion(second)};
    QStringList names = versions[0].keys() + versions[1].keys();
    names.removeDuplicates();
    for (const QString &name : std::as_const(names))
        QDir().mkpath(QFileInfo(data.filePath(name)).absolutePath());
    ready();
    for (int round = 1;; ++round)
        for (const QString &name : std::as_const(names))
            ScheduleHelper::WriteFileBytes(data.filePath(name), versions[round % 2].value(name));
}

int saveWeek(const QString &dataPath, const QString &department, const QString &date)
{
    WeekEdit::deleteEveryOtherShiftAndSave(dataPath, department, OleDate::fromDate(QDate::fromString(date, Qt::ISODate)),
                                           ready);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 2 && std::strcmp(argv[1], "command") == 0) {
        ready();
        argv[1] = argv[0];
        return CommandLine::run(argc - 1, argv + 1);
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == QLatin1String("files"))
        return saveFilesForEver(args[2], args[3], args[4]);
    if (args.size() == 5 && args[1] == QLatin1String("week")) {
        try {
            return saveWeek(args[2], args[3], args[4]);
        } catch (const FileError &error) {
            std::fprintf(stderr, "shiftgrid-soak-writer: %s\n", qPrintable(error.userText()));
            return 1;
        }
    }
    std::fprintf(stderr, "usage: shiftgrid-soak-writer files DATA FIRST SECOND | week DATA DEPARTMENT DATE | command ARGS...\n");
    return 2;
}
