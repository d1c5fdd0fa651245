// Proves that saves survive being killed: runs shiftgrid-soak-writer over a data folder, kills
// it with SIGKILL at a random moment, and checks that every file holds one of its two versions
// whole and that the folder reads back. Repeats for a number of trials and prints the figures.
//
//     shiftgrid-soak [--trials N] [--seed S]      (200 trials by default)

#include "DemoBusiness.h"
#include "data/FileError.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"

#include <QCommandLineParser>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

namespace {

QMap<QString, QByteArray> readFolder(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), ScheduleHelper::ReadFileBytes(path));
    }
    return files;
}

// A believable business: master data and a week of shifts; the two versions differ in every file.
void makeVersion(const QString &folder, quint32 seed)
{
    DemoBusiness::Options options;
    options.employees = 16;
    options.weeks = 1;
    options.today = OleDate::fromDate(QDate(2026, 3, 4));
    options.seed = seed;
    const QString refusal = DemoBusiness::create(folder, options);
    if (!refusal.isEmpty())
        throw std::runtime_error(refusal.toStdString());
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption trialsOption("trials", "Number of kills.", "N", "200");
    const QCommandLineOption seedOption("seed", "Seed of the kill moments.", "S", "1");
    parser.addOptions({trialsOption, seedOption});
    parser.addHelpOption();
    parser.process(app);
    const int trials = parser.value(trialsOption).toInt();
    QRandomGenerator random(parser.value(seedOption).toUInt());

    QTemporaryDir tmp;
    const QString first = tmp.filePath("first"), second = tmp.filePath("second"), data = tmp.filePath("data");
    try {
        makeVersion(first, 1);
        makeVersion(second, 2);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "shiftgrid-soak: cannot make the versions: %s\n", e.what());
        return 2;
    }
    const QMap<QString, QByteArray> versions[2] = {readFolder(first), readFolder(second)};
    QStringList names = versions[0].keys() + versions[1].keys();
    names.removeDuplicates();
    for (const QString &name : std::as_const(names)) {
        QDir().mkpath(QFileInfo(QDir(data).filePath(name)).absolutePath());
        ScheduleHelper::WriteFileBytes(QDir(data).filePath(name), versions[0].value(name));
    }

    const QString writer = QCoreApplication::applicationDirPath() + "/shiftgrid-soak-writer";
    int torn = 0, unreadable = 0, mixed = 0, staleFiles = 0, failedStarts = 0;
    qint64 filesChecked = 0;
    QElapsedTimer clock;
    clock.start();
    for (int trial = 1; trial <= trials; ++trial) {
        QProcess child;
        child.start(writer, {data, first, second});
        if (!child.waitForStarted() || !child.waitForReadyRead(10000)) {
            ++failedStarts;
            child.kill();
            child.waitForFinished();
            continue;
        }
        // A whole round of saves takes some tens of milliseconds; the kill lands anywhere in it.
        QThread::usleep(random.bounded(60000));
        child.kill();   // SIGKILL: no clean-up of any kind
        child.waitForFinished();

        int seen[2] = {0, 0};
        const QMap<QString, QByteArray> now = readFolder(data);
        for (const QString &name : std::as_const(names)) {
            ++filesChecked;
            const QByteArray bytes = now.value(name);
            if (bytes == versions[0].value(name) && bytes == versions[1].value(name))
                continue;
            if (bytes == versions[0].value(name))
                ++seen[0];
            else if (bytes == versions[1].value(name))
                ++seen[1];
            else {
                ++torn;
                std::fprintf(stderr, "trial %d: %s is neither version (%lld bytes)\n", trial, qPrintable(name),
                             qint64(bytes.size()));
            }
        }
        if (seen[0] && seen[1])
            ++mixed;
        try {
            const clsEmployeeInfo info(data, clsEmployeeInfo::Access::ReadOnly);
            Q_UNUSED(info);
        } catch (const FileError &e) {
            ++unreadable;
            std::fprintf(stderr, "trial %d: the folder does not read back: %s\n", trial, qPrintable(e.userText()));
        }
        staleFiles += int(ScheduleHelper::RemoveStaleTemporaryFiles(data, 0).size());
    }

    std::printf("%d kill trials in %.1f s: %lld files checked, %d torn, %d times the folder did not read back, "
                "%d kills between two files of one round, %d stale temporary files removed, %d writers that did not start\n",
                trials, clock.elapsed() / 1000.0, filesChecked, torn, unreadable, mixed, staleFiles, failedStarts);
    return torn == 0 && unreadable == 0 && failedStarts == 0 ? 0 : 1;
}
