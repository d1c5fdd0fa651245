#include "CopyCommand.h"

#include "CommandSupport.h"
#include "CommandTable.h"
#include "data/DataFolderLock.h"
#include "data/FileError.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "schedule/ScheduleCopy.h"
#include "schedule/clsScheduleData.h"

#include <QCoreApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>
#include <QStringList>

namespace CopyCommand {

namespace {

Result wrongRequest(const QString &reason) { return {2, {}, reason}; }

QString dayText(double day) { return OleDate::format(day, QStringLiteral("ddd mmm dd,yyyy")); }

QString rangeText(double first, int days)
{
    return days == 1 ? dayText(first) : QCoreApplication::translate("CopyCommand", "the week of %1").arg(dayText(first));
}

} // namespace

Result run(const Request &request)
{
    if (request.day == request.week)
        return wrongRequest(QCoreApplication::translate("CopyCommand", "copy needs either --day or --week"));
    if (request.department.trimmed().isEmpty())
        return wrongRequest(QCoreApplication::translate("CopyCommand", "copy needs --department NAME"));
    const QDate from = QDate::fromString(request.from, Qt::ISODate);
    const QDate to = QDate::fromString(request.to, Qt::ISODate);
    if (!from.isValid())
        return wrongRequest(QCoreApplication::translate("CopyCommand", "copy needs --from YYYY-MM-DD, a real date"));
    if (!to.isValid())
        return wrongRequest(QCoreApplication::translate("CopyCommand", "copy needs --to YYYY-MM-DD, a real date"));
    const QString folder = ScheduleHelper::ResolveDataFolder(request.dataFolder, false);
    if (!QFileInfo(folder).isDir())
        return wrongRequest(QCoreApplication::translate("CopyCommand", "data folder not found: %1").arg(folder));

    // A copy writes day files: no other copy of the program may write the folder meanwhile.
    DataFolderLock lock(folder);
    const DataFolderLock::Result taken = lock.tryTake();
    switch (taken) {
    case DataFolderLock::Result::Taken:
    case DataFolderLock::Result::TakenOverStale:
        for (const QString &notice : lock.notices(taken))
            std::fprintf(stderr, "shiftgrid: %s\n", qPrintable(notice));
        break;
    case DataFolderLock::Result::Held:
        return {1, {}, QCoreApplication::translate("CopyCommand", "the data folder %1 is in use by %2").arg(folder, lock.holder().text())};
    case DataFolderLock::Result::Failed:
        return {1, {}, QCoreApplication::translate("CopyCommand", "cannot lock the data folder: %1").arg(lock.failure())};
    }

    try {
        clsEmployeeInfo info(folder, clsEmployeeInfo::Access::ReadOnly);
        const std::optional<QStringList> named = info.DepartmentsNamed({request.department});
        if (!named)
            return wrongRequest(QCoreApplication::translate("CopyCommand", "no department named \"%1\"").arg(request.department.trimmed()));
        const QString department = named->first();

        const int days = request.week ? 7 : 1;
        double source = OleDate::fromDate(from), target = OleDate::fromDate(to);
        if (request.week) {
            source = clsScheduleData::WeekStart(info, department, source);
            target = clsScheduleData::WeekStart(info, department, target);
        }

        clsOptions options(ScheduleHelper::SettingsFilePath(folder));
        clsScheduleData schedule(info, options);
        ScheduleCopy copy(schedule, department);
        const QList<double> occupied = copy.occupiedDays(target, days);
        if (!occupied.isEmpty() && !request.replace) {
            QStringList names;
            for (double day : occupied)
                names << dayText(day);
            return {1, {},
                    QCoreApplication::translate("CopyCommand", "shifts are already scheduled on %1; nothing was copied (--replace replaces them)")
                        .arg(names.join(QStringLiteral(", ")))};
        }
        copy.copy(source, target, days);
        return {0,
                QStringLiteral("Copied %1 to %2 in %3\n")
                    .arg(rangeText(source, days), rangeText(target, days), department),
                {}};
    } catch (const FileError &error) {
        return {1, {}, error.userText()};
    }
}

} // namespace CopyCommand

namespace {

int runCopy(const CommandCall &call)
{
    const QCommandLineParser &parser = call.parser;
    const CopyCommand::Result result = CopyCommand::run(
        {call.data, parser.value(QStringLiteral("department")), parser.isSet(QStringLiteral("day")),
         parser.isSet(QStringLiteral("week")), parser.value(QStringLiteral("from")), parser.value(QStringLiteral("to")),
         parser.isSet(QStringLiteral("replace"))});
    CommandSupport::print(result.output);
    if (!result.error.isEmpty())
        std::fprintf(stderr, "shiftgrid: %s\n", qPrintable(result.error));
    return result.exitCode;
}

} // namespace

Command Commands::copy()
{
    return {{QStringLiteral("copy")}, false,
            "copy --data DIR --department NAME (--day|--week) --from YYYY-MM-DD\n"
            "                      --to YYYY-MM-DD [--replace]\n"
            "                                              copy a day or a week of shifts; refuses\n"
            "                                              when the target holds shifts, unless --replace\n",
            runCopy};
}
