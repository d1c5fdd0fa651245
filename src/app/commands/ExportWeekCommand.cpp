// `shiftgrid export week`: a department week as JSON, and painted into a PNG picture.

#include "CommandSupport.h"
#include "CommandTable.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "exchange/ExportWeek.h"
#include "planning/Coverage.h"
#include "planning/DepartmentWeek.h"
#include "planning/StaffingNeeds.h"

#include <QCoreApplication>
#include <QCommandLineParser>

using namespace CommandSupport;

namespace {

int run(const CommandCall &call)
{
    const QString department = call.parser.value(QStringLiteral("department"));
    const QString png = call.parser.value(QStringLiteral("png"));
    if (department.isEmpty())
        fail(QCoreApplication::translate("ExportWeekCommand", "export week needs --department NAME"));
    const QDate date = QDate::fromString(call.parser.value(QStringLiteral("date")), Qt::ISODate);
    if (!date.isValid())
        fail(QCoreApplication::translate("ExportWeekCommand", "export week needs --date YYYY-MM-DD"));
    const QString folder = existingDataFolder(call.data);
    refuseOutputInDataFolder(QStringLiteral("--png"), png, folder);
    clsEmployeeInfo info(folder, clsEmployeeInfo::Access::ReadOnly);
    clsOptions options(ScheduleHelper::SettingsFilePath(folder));
    // The picture shows the coverage strip when the department has staffing needs, or when asked.
    QList<CoverageStripRow> coverage;
    if (!png.isEmpty()) {
        const std::optional<QStringList> named = info.DepartmentsNamed({department});
        const QList<NeedRow> needs = named ? StaffingNeeds::read(folder).rowsOf(named->first()) : QList<NeedRow>();
        if (named && (!needs.isEmpty() || call.parser.isSet(QStringLiteral("coverage")))) {
            DepartmentWeek week(info, options, named->first(), OleDate::fromDate(date), true);
            coverage = Coverage(week.schedule(), needs).stripRows(60);
        }
    }
    const ExportWeek::Result result = ExportWeek::run(info, options, department, OleDate::fromDate(date), png, coverage);
    // What could be read is printed even when part of the week could not be.
    print(result.json);
    if (!result.error.isEmpty())
        fail(result.error);
    return 0;
}

} // namespace

Command Commands::exportWeek()
{
    return {{QStringLiteral("export"), QStringLiteral("week")}, false,
            "export week --data DIR --department NAME --date YYYY-MM-DD [--png FILE [--coverage]]\n"
            "                                              print a department week as JSON\n"
            "                                              (and paint it into a PNG picture)\n",
            run};
}
