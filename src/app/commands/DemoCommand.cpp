// `shiftgrid demo`: fills an empty folder with a demo business, built beside it and moved in
// whole.

#include "CommandSupport.h"
#include "CommandTable.h"
#include "DemoBusiness.h"
#include "data/DataFolderLock.h"
#include "data/ScheduleHelper.h"

#include <QCoreApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace CommandSupport;

namespace {

int positiveNumber(const QString &text, const QString &option, int fallback)
{
    if (text.isEmpty())
        return fallback;
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 1)
        fail(QCoreApplication::translate("DemoCommand", "%1 needs a positive whole number").arg(option));
    return n;
}

// Moves the finished folder `built` into the place of the empty `target` in one rename, so that
// an interrupted run leaves the target empty or whole. When the target cannot be replaced (it
// is a link, say), its entries are moved one by one.
void moveInto(QTemporaryDir &built, const QString &target)
{
    const QFileInfo targetInfo(target);
    if (!targetInfo.isSymLink() && QDir().rmdir(target) && QDir().rename(built.path(), target)) {
        built.setAutoRemove(false);
        return;
    }
    QDir().mkpath(target);
    const QDir from(built.path());
    for (const QString &entry : from.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        if (!QDir().rename(from.filePath(entry), QDir(target).filePath(entry)))
            fail(QCoreApplication::translate("DemoCommand", "could not move %1 into %2").arg(entry, target));
}

int run(const CommandCall &call)
{
    if (call.data.isEmpty())
        fail(QCoreApplication::translate("DemoCommand", "demo needs --data DIR"));
    DemoBusiness::Options options;
    options.employees = positiveNumber(call.parser.value(QStringLiteral("employees")), QStringLiteral("--employees"), options.employees);
    options.weeks = positiveNumber(call.parser.value(QStringLiteral("weeks")), QStringLiteral("--weeks"), options.weeks);
    const QString folder = ScheduleHelper::ResolveDataFolder(call.data, false);
    if (!QDir().mkpath(folder)) {
        const QString reason = ScheduleHelper::WriteFailureReason(folder, {});
        fail(QCoreApplication::translate("DemoCommand", "cannot create the data folder %1%2").arg(folder, reason.isEmpty() ? QString() : QStringLiteral(": ") + reason));
    }
    {
        DataFolderLock lock(folder);
        takeForWriting(lock, folder);
        // A demo killed while building left its folder beside the target; whoever holds the
        // target's lock may remove it, as no running demo can be building for this target.
        const QString buildPrefix = QStringLiteral(".%1.demo-").arg(QFileInfo(folder).fileName());
        QDir parent = QFileInfo(folder).absoluteDir();
        for (const QString &left : parent.entryList({buildPrefix + QStringLiteral("??????")}, QDir::Dirs | QDir::Hidden | QDir::NoSymLinks))
            QDir(parent.filePath(left)).removeRecursively();
        const QStringList present = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        if (present != QStringList{DataFolderLock::fileName()})
            fail(QCoreApplication::translate("DemoCommand", "the folder %1 already holds data; the demo needs an empty folder").arg(folder));
        // Built beside the target, then moved in whole: a killed run leaves no half-built folder.
        QTemporaryDir built(parent.filePath(buildPrefix + QStringLiteral("XXXXXX")));
        if (!built.isValid())
            fail(QCoreApplication::translate("DemoCommand", "cannot create a folder beside %1: %2")
                     .arg(folder, ScheduleHelper::WriteFailureReason(parent.path(), built.errorString())));
        const QString refusal = DemoBusiness::create(built.path(), options);
        if (!refusal.isEmpty())
            fail(refusal);
        lock.release();
        moveInto(built, folder);
    }
    print(QCoreApplication::translate("DemoCommand", "Created a demo business with %1 employees and %2 weeks of shifts in %3\n")
              .arg(options.employees).arg(options.weeks).arg(folder));
    return 0;
}

} // namespace

Command Commands::demo()
{
    return {{QStringLiteral("demo")}, false,
            "demo --data DIR [--employees N] [--weeks W]\n"
            "                                              fill an empty folder with a demo business\n",
            run};
}
