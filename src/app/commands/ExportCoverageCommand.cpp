// `shiftgrid export coverage`: a department week's staff on shift against the staffing needs.

#include "CommandSupport.h"
#include "CommandTable.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "planning/Coverage.h"
#include "planning/DepartmentWeek.h"
#include "planning/StaffingNeeds.h"

#include <QCoreApplication>
#include <QCommandLineParser>
#include <cstdio>

using namespace CommandSupport;

namespace {

int run(const CommandCall &call)
{
    const QString typed = call.parser.value(QStringLiteral("department"));
    if (typed.trimmed().isEmpty())
        fail(QCoreApplication::translate("ExportCoverageCommand", "export coverage needs --department NAME"), 2);
    const QDate date = QDate::fromString(call.parser.value(QStringLiteral("date")), Qt::ISODate);
    if (!date.isValid())
        fail(QCoreApplication::translate("ExportCoverageCommand", "export coverage needs --date YYYY-MM-DD"), 2);
    const QString folder = existingDataFolder(call.data);
    clsEmployeeInfo info(folder, clsEmployeeInfo::Access::ReadOnly);
    const std::optional<QStringList> named = info.DepartmentsNamed({typed});
    if (!named)
        fail(QCoreApplication::translate("ExportCoverageCommand", "no department named \"%1\"").arg(typed.trimmed()), 2);
    clsOptions options(ScheduleHelper::SettingsFilePath(folder));
    const StaffingNeeds needs = StaffingNeeds::read(folder);
    for (const CsvProblem &problem : needs.problems())
        std::fprintf(stderr, "shiftgrid: %s: %s\n", StaffingNeeds::kFileName, qPrintable(problem.text()));
    DepartmentWeek week(info, options, named->first(), OleDate::fromDate(date), true);
    if (!week.schedule().unreadableFiles().isEmpty())
        throw week.schedule().unreadableFiles().first();   // the counts would be wrong
    print(Coverage(week.schedule(), needs.rowsOf(named->first())).csv());
    return 0;
}

} // namespace

Command Commands::exportCoverage()
{
    return {{QStringLiteral("export"), QStringLiteral("coverage")}, false,
            "export coverage --data DIR --department NAME --date YYYY-MM-DD\n"
            "                                              print a department week's staff on shift\n"
            "                                              against its staffing needs as CSV\n",
            run};
}
