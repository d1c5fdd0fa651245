#include "ExportWeek.h"

#include "JsonWriter.h"
#include "data/FileError.h"
#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"
#include "schedule/clsScheduleData.h"
#include "grid/TimeGridModel.h"
#include "schedule/WeekPicture.h"
#include <QCoreApplication>

namespace ExportWeek {

Result run(clsEmployeeInfo &info, clsOptions &options, const QString &departmentTyped, double date,
           const QString &pngFile, const QList<CoverageStripRow> &coverage)
{
    const std::optional<QStringList> named = info.DepartmentsNamed({departmentTyped});
    if (!named)
        return {{}, QCoreApplication::translate("ExportWeek", "no department named \"%1\"").arg(departmentTyped.trimmed())};
    const QString department = named->first();

    TimeGridModel model;
    clsScheduleData schedule(info, options);
    schedule.setReadOnly(true);
    const double first = clsScheduleData::WeekStart(info, department, date);
    schedule.setScheduleControl(&model);
    model.setDateScaleFormat(QStringLiteral("%a %d"));
    schedule.SetDate(first, first + 6);
    schedule.SetDepartment(department);
    schedule.Reload();
    schedule.ScheduleDisplayHours(clsScheduleData::WeekHours);

    JsonWriter json;
    json.beginObject();
    json.value(QStringLiteral("department"), department);
    json.value(QStringLiteral("firstDay"), OleDate::isoDate(schedule.FirstDay()));
    json.value(QStringLiteral("lastDay"), OleDate::isoDate(schedule.LastDay()));

    json.beginArray(QStringLiteral("rows"));
    for (int row = 0; row < model.ResourcesMax(); ++row) {
        json.beginObject();
        json.value(QStringLiteral("employee"), qint64(schedule.FindEmployeeNumberFromResorce(row)));
        json.value(QStringLiteral("caption"), model.ResourceTitle(row));
        bool over = false;
        json.value(QStringLiteral("weekHours"), schedule.hoursText(row, clsScheduleData::WeekHours, first, &over));
        json.value(QStringLiteral("weekOver"), over);
        QList<bool> dayOver;
        json.beginArray(QStringLiteral("dayHours"));
        for (int d = 0; d < 7; ++d) {
            json.element(schedule.hoursText(row, clsScheduleData::DayHours, first + d, &over));
            dayOver << over;
        }
        json.endArray();
        json.beginArray(QStringLiteral("dayOver"));
        for (bool o : std::as_const(dayOver))
            json.element(o);
        json.endArray();
        json.value(QStringLiteral("daysWorked"), schedule.hoursText(row, clsScheduleData::DaysWorked, first));
        json.endObject();
    }
    json.endArray();

    json.beginArray(QStringLiteral("blocks"));
    for (int block = 0; block < model.TBMax(); ++block) {
        json.beginObject();
        json.value(QStringLiteral("row"), model.TBResource(block));
        json.value(QStringLiteral("begin"), OleDate::isoDateTime(model.TBBeg(block)));
        json.value(QStringLiteral("end"), OleDate::isoDateTime(model.TBEnd(block)));
        json.value(QStringLiteral("bar"), model.TBBar(block));
        json.value(QStringLiteral("barCaption"), model.BarCaption(model.TBBar(block)));
        json.value(QStringLiteral("position"), model.TBTag(block));
        json.value(QStringLiteral("timeOff"), schedule.isTimeOffBlock(block));
        json.value(QStringLiteral("label"), model.TBText(block));
        json.value(QStringLiteral("note"), model.TBNote(block));
        json.endObject();
    }
    json.endArray();

    json.beginArray(QStringLiteral("refused"));
    for (const RefusedShift &r : schedule.refusedShifts()) {
        json.beginObject();
        json.value(QStringLiteral("employee"), qint64(r.employee));
        json.value(QStringLiteral("begin"), OleDate::isoDateTime(r.begin));
        json.value(QStringLiteral("end"), OleDate::isoDateTime(r.end));
        json.value(QStringLiteral("position"), r.position);
        json.endObject();
    }
    json.endArray();
    json.beginArray(QStringLiteral("unreadable"));
    for (const FileError &e : schedule.unreadableFiles()) {
        json.beginObject();
        json.value(QStringLiteral("file"), e.path());
        json.value(QStringLiteral("reason"), e.reason());
        json.endObject();
    }
    json.endArray();
    json.value(QStringLiteral("damagedRecords"), qint64(schedule.damagedRecords()));
    // One line for every stored block the reload refused as a collision (the list above names
    // the shifts among them).
    QStringList messages;
    const qsizetype collisions = schedule.refusedTimeOff().size() + schedule.refusedShifts().size();
    for (qsizetype i = 0; i < collisions; ++i)
        messages << QStringLiteral("This conflicts with a previously scheduled shift");
    json.stringArray(QStringLiteral("messages"), messages);
    json.endObject();

    Result result{json.text() + u'\n', {}};
    if (!schedule.unreadableFiles().isEmpty())
        result.error = QCoreApplication::translate("ExportWeek", "%n file(s) could not be read, so the week is incomplete: %1",
                                                   nullptr, int(schedule.unreadableFiles().size()))
                           .arg(schedule.unreadableFiles().first().userText());
    if (!pngFile.isEmpty() && !WeekPicture::write(schedule, pngFile, coverage))
        result.error = QCoreApplication::translate("ExportWeek", "could not write the picture %1").arg(pngFile);
    return result;
}

} // namespace ExportWeek
