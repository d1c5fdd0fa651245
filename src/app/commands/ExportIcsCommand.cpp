// `shiftgrid export ics`: shifts, and time off, as an iCalendar file.

#include "CommandSupport.h"
#include "CommandTable.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "exchange/ExportIcs.h"

#include <QCoreApplication>
#include <QCommandLineParser>
#include <cstdio>

using namespace CommandSupport;

namespace {

int run(const CommandCall &call)
{
    const QCommandLineParser &parser = call.parser;
    const QString timeZone = parser.value(QStringLiteral("time-zone"));
    const QString out = parser.value(QStringLiteral("out"));
    ExportIcs::Request request;
    request.firstDay = OleDate::fromDate(isoDateOption(parser.value(QStringLiteral("from")), QStringLiteral("--from")));
    request.lastDay = OleDate::fromDate(isoDateOption(parser.value(QStringLiteral("to")), QStringLiteral("--to")));
    for (const QString &text : parser.values(QStringLiteral("employee"))) {
        bool ok = false;
        request.employees << text.toInt(&ok);
        if (!ok)
            fail(QCoreApplication::translate("ExportIcsCommand", "--employee needs an employee number, not \"%1\"").arg(text));
    }
    request.timeOff = parser.isSet(QStringLiteral("time-off"));
    request.timeZone = timeZone;
    request.progress = terminalProgress(QCoreApplication::translate("ExportIcsCommand", "export ics: days read"));
    const QString folder = existingDataFolder(call.data);
    refuseOutputInDataFolder(QStringLiteral("--out"), out, folder);
    clsEmployeeInfo info(folder, clsEmployeeInfo::Access::ReadOnly);
    QString unknown;
    const std::optional<QStringList> named = info.DepartmentsNamed(parser.values(QStringLiteral("department")), &unknown);
    if (!named)
        fail(QCoreApplication::translate("ExportIcsCommand", "no department named \"%1\"").arg(unknown.trimmed()));
    request.departments = *named;
    clsOptions options(ScheduleHelper::SettingsFilePath(folder));
    const ExportIcs::Result result = ExportIcs::run(info, options, request);
    if (result.badTimeZone) {   // a wrong argument, like a bad date: nothing is written
        std::fprintf(stderr, "shiftgrid: %s%s\n", qPrintable(result.error),
                     timeZone.isEmpty() ? "; name the zone with --time-zone" : "");
        return 2;
    }
    if (!result.error.isEmpty())
        fail(result.error);
    for (const QString &shift : result.leftOut)
        std::fprintf(stderr, "shiftgrid: left out, the scheduler refuses it as a collision: %s\n", qPrintable(shift));
    writeOutput(result.ics, out);
    return 0;
}

} // namespace

Command Commands::exportIcs()
{
    return {{QStringLiteral("export"), QStringLiteral("ics")}, false,
            "export ics --data DIR --from YYYY-MM-DD --to YYYY-MM-DD [--department NAME]...\n"
            "                              [--employee NUMBER]... [--time-off] [--time-zone ZONE] [--out FILE]\n"
            "                                              shifts (and time off) as an iCalendar file\n",
            run};
}
