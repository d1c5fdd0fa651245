// Saves two versions of a data folder over it in turn, for ever, through the program's own
// whole-file save; shiftgrid-soak kills it at random moments.
//
//     shiftgrid-soak-writer DATA FIRST SECOND
//
// FIRST and SECOND are folders holding the two versions; a file one of them lacks is saved
// empty. Prints "ready" once the versions are in memory.

#include "data/ScheduleHelper.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <cstdio>

namespace {
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
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: shiftgrid-soak-writer DATA FIRST SECOND\n");
        return 2;
    }
    const QDir data(args[1]);
    const QMap<QString, QByteArray> versions[2] = {readVersion(args[2]), readVersion(args[3])};
    QStringList names = versions[0].keys() + versions[1].keys();
    names.removeDuplicates();
    for (const QString &name : std::as_const(names))
        QDir().mkpath(QFileInfo(data.filePath(name)).absolutePath());
    std::printf("ready\n");
    std::fflush(stdout);
    for (int round = 1;; ++round)
        for (const QString &name : std::as_const(names))
            ScheduleHelper::WriteFileBytes(data.filePath(name), versions[round % 2].value(name));
}
