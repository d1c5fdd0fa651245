// `shiftgrid plan`: fills a department week by its staffing needs.

#include "CommandSupport.h"
#include "CommandTable.h"
#include "data/DataFolderLock.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "exchange/JsonWriter.h"
#include "planning/DepartmentWeek.h"
#include "planning/StaffingNeeds.h"
#include "planning/WeekPlanner.h"

#include <QCoreApplication>
#include <QCommandLineParser>
#include <cstdio>

using namespace CommandSupport;

namespace {

const char *reasonWord(UnmetReason reason)
{
    switch (reason) {
    case UnmetReason::NoShiftCovers: return "noDefaultShift";
    case UnmetReason::NobodyHolds: return "nobodyHoldsPosition";
    case UnmetReason::TimeOff: return "timeOff";
    case UnmetReason::Unavailable: return "unavailable";
    case UnmetReason::Working: return "alreadyWorking";
    case UnmetReason::AtLimit: return "atHourLimit";
    }
    return "";
}

QString json(const PlanResult &plan, bool written)
{
    JsonWriter json;
    json.beginObject();
    json.beginArray(QStringLiteral("added"));
    for (const PlannedShift &s : plan.added) {
        json.beginObject();
        json.value(QStringLiteral("employee"), qint64(s.employee));
        json.value(QStringLiteral("name"), s.name);
        json.value(QStringLiteral("begin"), OleDate::isoDateTime(s.begin));
        json.value(QStringLiteral("end"), OleDate::isoDateTime(s.end));
        json.value(QStringLiteral("position"), s.position);
        json.endObject();
    }
    json.endArray();
    json.beginArray(QStringLiteral("unmet"));
    for (const UnmetNeed &u : plan.unmet) {
        json.beginObject();
        json.value(QStringLiteral("weekday"), StaffingNeeds::weekdayName((Availability::weekday(u.day) + 6) % 7));
        json.value(QStringLiteral("date"), OleDate::isoDate(u.day));
        json.value(QStringLiteral("position"), u.position);
        json.value(QStringLiteral("from"), StaffingNeeds::timeText(u.from));
        json.value(QStringLiteral("to"), StaffingNeeds::timeText(u.to));
        json.value(QStringLiteral("missing"), u.missing);
        json.value(QStringLiteral("reason"), reasonWord(u.reason));
        json.endObject();
    }
    json.endArray();
    json.value(QStringLiteral("unmetMinutes"), plan.unmetMinutes);
    json.value(QStringLiteral("overtimeMinutes"), plan.overtimeMinutes);
    json.value(QStringLiteral("aboveMostMinutes"), plan.aboveMostMinutes);
    json.value(QStringLiteral("proven"), plan.proven);
    json.value(QStringLiteral("written"), written);
    json.value(QStringLiteral("seconds"), plan.seconds, 3);
    json.endObject();
    return json.text() + u'\n';
}

int run(const CommandCall &call)
{
    const QCommandLineParser &parser = call.parser;
    const QString typed = parser.value(QStringLiteral("department"));
    if (typed.trimmed().isEmpty())
        fail(QCoreApplication::translate("PlanCommand", "plan needs --department NAME"), 2);
    const QDate date = QDate::fromString(parser.value(QStringLiteral("date")), Qt::ISODate);
    if (!date.isValid())
        fail(QCoreApplication::translate("PlanCommand", "plan needs --date YYYY-MM-DD"), 2);
    WeekPlanner::Options options;
    if (parser.isSet(QStringLiteral("time-limit"))) {
        bool ok = false;
        options.seconds = parser.value(QStringLiteral("time-limit")).toDouble(&ok);
        if (!ok || !(options.seconds > 0) || options.seconds > 86400)
            fail(QCoreApplication::translate("PlanCommand", "--time-limit needs a number of seconds above 0"), 2);
    }
    options.allowOvertime = parser.isSet(QStringLiteral("allow-overtime"));
    const bool dryRun = parser.isSet(QStringLiteral("dry-run"));
    const QString folder = existingDataFolder(call.data);

    // A plan that is written must be planned on what no other copy of the program changes meanwhile.
    DataFolderLock lock(folder);
    if (!dryRun)
        takeForWriting(lock, folder);
    clsEmployeeInfo info(folder, clsEmployeeInfo::Access::ReadOnly);
    const std::optional<QStringList> named = info.DepartmentsNamed({typed});
    if (!named)
        fail(QCoreApplication::translate("PlanCommand", "no department named \"%1\"").arg(typed.trimmed()), 2);
    const QString department = named->first();
    clsOptions settings(ScheduleHelper::SettingsFilePath(folder));
    const StaffingNeeds needs = StaffingNeeds::read(folder);
    for (const CsvProblem &problem : needs.problems())
        std::fprintf(stderr, "shiftgrid: %s: %s\n", StaffingNeeds::kFileName, qPrintable(problem.text()));
    DepartmentWeek week(info, settings, department, OleDate::fromDate(date), dryRun);
    if (!week.schedule().unreadableFiles().isEmpty())
        throw week.schedule().unreadableFiles().first();   // a plan beside shifts it cannot see would collide

    const PlanResult plan = WeekPlanner(info, week.schedule(), needs.rowsOf(department)).plan(options);
    if (!dryRun && !plan.added.isEmpty()) {
        clsScheduleData &schedule = week.schedule();
        for (const PlannedShift &s : plan.added)
            schedule.placeBlock(schedule.findEmployeeRow(s.employee), s.begin, s.end, s.position, false);
        schedule.SaveSchedule();   // the whole week in one operation
    }
    print(json(plan, !dryRun && !plan.added.isEmpty()));
    return 0;
}

} // namespace

Command Commands::plan()
{
    return {{QStringLiteral("plan")}, false,
            "plan --data DIR --department NAME --date YYYY-MM-DD [--dry-run]\n"
            "                      [--time-limit SECONDS] [--allow-overtime]\n"
            "                                              fill the week's open staffing needs with\n"
            "                                              the department's default shifts; prints JSON\n",
            run};
}
