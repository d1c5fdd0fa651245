#include "ShiftLine.h"

#include "ReportStyle.h"
#include "ReportTexts.h"
#include "clsPrintschedule.h"
#include "data/OleDate.h"

using namespace ReportStyle;

ReportSection::Control ShiftLine::addCaptions(ReportSection &section, qreal top, const QString &nameControl,
                                              const QString &nameCaption)
{
    addCaption(section, QStringLiteral("labDay"), QRectF(0, top, 80, kLine), QStringLiteral("Day"));
    addCaption(section, QStringLiteral("labFrom"), QRectF(84, top, 52, kLine), QStringLiteral("From"));
    addCaption(section, QStringLiteral("labTo"), QRectF(140, top, 52, kLine), QStringLiteral("To"));
    addCaption(section, nameControl, QRectF(196, top, 170, kLine), nameCaption);
    const ReportSection::Control position =
        addCaption(section, QStringLiteral("labPosition"), QRectF(370, top, 100, kLine), QStringLiteral("Position"));
    addCaption(section, QStringLiteral("labHours"), QRectF(474, top, 49, kLine), QStringLiteral("Hours"),
               Qt::AlignRight | Qt::AlignVCenter);
    return position;
}

ShiftLine ShiftLine::add(ReportSection &detail, const QString &nameControl, const QString &hoursControl)
{
    ShiftLine line;
    detail.setHeight(kLine);
    line.date = addLineField(detail, QStringLiteral("fldDateNumber"), 0, 46);
    line.weekday = addLineField(detail, QStringLiteral("fldDateDayofWeek"), 48, 32);
    line.from = addLineField(detail, QStringLiteral("fldFrom"), 84, 52);
    line.to = addLineField(detail, QStringLiteral("FldTo"), 140, 52);
    line.name = addLineField(detail, nameControl, 196, 170);
    line.position = addLineField(detail, QStringLiteral("fldPosition"), 370, 100);
    line.hours = addLineField(detail, hoursControl, 474, 49, Qt::AlignRight | Qt::AlignVCenter);
    detail.setColumn(line.date, QStringLiteral("Date"));
    detail.setColumn(line.weekday, QStringLiteral("Day"));
    detail.setColumn(line.from, QStringLiteral("From"));
    detail.setColumn(line.to, QStringLiteral("To"));
    detail.setColumn(line.position, QStringLiteral("Position"));
    detail.setColumn(line.hours, QStringLiteral("Hours"));
    return line;
}

void ShiftLine::set(ReportSection &section, ReportTexts &texts, const ReportShiftRow &row, const QString &name,
                    bool showDate) const
{
    section.setVisible(date, showDate);
    section.setVisible(weekday, showDate);
    section.set(date, texts.date(row.start));
    section.set(weekday, texts.weekday(row.start));
    section.set(from, texts.clock(row.start));
    section.set(to, texts.clock(row.end));
    section.set(this->name, name);
    section.set(position, row.position);
    // A shift the scheduler refuses is listed as what it is and counted nowhere.
    section.set(hours, row.conflict ? QStringLiteral("Conflict") : OleDate::hoursTextFromSeconds(row.countedSeconds()));
}
