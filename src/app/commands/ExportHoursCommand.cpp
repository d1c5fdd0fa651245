// `shiftgrid export hours`: scheduled minutes per employee and day as CSV.

#include "CommandSupport.h"
#include "CommandTable.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "exchange/ExportHours.h"

#include <QCommandLineParser>

using namespace CommandSupport;

namespace {

int run(const CommandCall &call)
{
    const QString out = call.parser.value(QStringLiteral("out"));
    const double first = OleDate::fromDate(isoDateOption(call.parser.value(QStringLiteral("from")), QStringLiteral("--from")));
    const double last = OleDate::fromDate(isoDateOption(call.parser.value(QStringLiteral("to")), QStringLiteral("--to")));
    const QString folder = existingDataFolder(call.data);
    refuseOutputInDataFolder(QStringLiteral("--out"), out, folder);
    clsEmployeeInfo info(folder, clsEmployeeInfo::Access::ReadOnly);
    clsOptions options(ScheduleHelper::SettingsFilePath(folder));
    const ExportHours::Result result =
        ExportHours::run(info, options, first, last, call.parser.values(QStringLiteral("department")));
    if (!result.error.isEmpty())
        fail(result.error);
    writeOutput(result.csv.toUtf8(), out);
    return 0;
}

} // namespace

Command Commands::exportHours()
{
    return {{QStringLiteral("export"), QStringLiteral("hours")}, false,
            "export hours --data DIR --from YYYY-MM-DD --to YYYY-MM-DD\n"
            "                              [--department NAME]... [--out FILE]\n"
            "                                              scheduled minutes per employee and day as CSV\n",
            run};
}
