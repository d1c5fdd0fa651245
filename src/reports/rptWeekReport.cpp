#include "rptWeekReport.h"

#include "ReportStyle.h"
#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"
#include "schedule/HourTotals.h"

#include <cmath>

using namespace ReportStyle;

namespace {
enum { GroupDept, GroupDay };

QString dayKey(const ReportShiftRow &row)
{
    return row.department + u'\n' + QString::number(qint64(std::floor(row.start)));
}
} // namespace

rptWeekReport::rptWeekReport(const clsEmployeeInfo &info, bool showPosition)
    : m_info(info), m_texts(info), m_showPosition(showPosition)
{
    addPageHeader(pageHeader(), QStringLiteral("labReportHeader"));

    ReportGroup &dept = addGroup(QStringLiteral("GroupDept"), 26, QStringLiteral("GroupFooter1"), 24);
    dept.repeatHeader = true;
    dept.header.addLine(QRectF(0, 4, kWidth, 0));
    ReportControl &name = dept.header.addLabel(QStringLiteral("labDepartmentHeader"), QRectF(0, 7, kWidth, 16), QString());
    name.pointSize = 11;
    name.bold = true;
    ReportControl &grand = dept.footer.addField(QStringLiteral("fldGrandTotalHours"), QRectF(273, 4, 250, 15));
    grand.alignment = Qt::AlignRight | Qt::AlignVCenter;
    grand.bold = true;

    ReportGroup &day = addGroup(QStringLiteral("GroupDay"), 18, QStringLiteral("GroupFooter2"), 20);
    day.repeatHeader = true;
    addCaption(day.header, QStringLiteral("labDay"), QRectF(0, 3, 80, kLine), QStringLiteral("Day"));
    addCaption(day.header, QStringLiteral("labFrom"), QRectF(84, 3, 52, kLine), QStringLiteral("From"));
    addCaption(day.header, QStringLiteral("labTo"), QRectF(140, 3, 52, kLine), QStringLiteral("To"));
    addCaption(day.header, QStringLiteral("labName"), QRectF(196, 3, 170, kLine), QStringLiteral("Name"));
    addCaption(day.header, QStringLiteral("labPosition"), QRectF(370, 3, 100, kLine), QStringLiteral("Position"));
    addCaption(day.header, QStringLiteral("labHours"), QRectF(474, 3, 49, kLine), QStringLiteral("Hours"),
               Qt::AlignRight | Qt::AlignVCenter);
    day.footer.addLine(QRectF(323, 2, 200, 0));
    day.footer.addField(QStringLiteral("fldTotalHoursForDay"), QRectF(323, 4, 200, kLine)).alignment =
        Qt::AlignRight | Qt::AlignVCenter;

    detail().setHeight(kLine);
    addLineField(detail(), QStringLiteral("fldDateNumber"), 0, 46);
    addLineField(detail(), QStringLiteral("fldDateDayofWeek"), 48, 32);
    addLineField(detail(), QStringLiteral("fldFrom"), 84, 52);
    addLineField(detail(), QStringLiteral("FldTo"), 140, 52);
    addLineField(detail(), QStringLiteral("FldName"), 196, 170);
    addLineField(detail(), QStringLiteral("fldPosition"), 370, 100);
    addLineField(detail(), QStringLiteral("fldShiftHours"), 474, 49, Qt::AlignRight | Qt::AlignVCenter);
}

void rptWeekReport::SetupData(const QString &title, const QList<ReportShiftRow> &rows)
{
    m_title = title;
    m_rows = rows;
    m_departmentSeconds.clear();
    m_daySeconds.clear();
    m_dayKeys.clear();
    m_dayKeys.reserve(rows.size());
    for (const ReportShiftRow &row : rows) {
        const qint64 seconds = row.countedSeconds();
        m_dayKeys << dayKey(row);
        m_departmentSeconds[row.department] += seconds;
        m_daySeconds[m_dayKeys.last()] += seconds;
    }
    pageHeader().setText(QStringLiteral("labReportHeader"), title);
    group(GroupDay).header.setControlVisible(QStringLiteral("labPosition"), m_showPosition);
    detail().setControlVisible(QStringLiteral("fldPosition"), m_showPosition);
}

QString rptWeekReport::breakValue(int group, int row) const
{
    const ReportShiftRow &r = m_rows.at(row);
    return group == GroupDept ? r.department : m_dayKeys.at(row);
}

void rptWeekReport::formatPageHeader(ReportSection &section, int page)
{
    section.setText(QStringLiteral("labPageof"), pageOf(page));
}

void rptWeekReport::formatGroupHeader(int group, ReportSection &section, int row)
{
    if (group == GroupDept)
        section.setText(QStringLiteral("labDepartmentHeader"), m_rows.at(row).department);
}

void rptWeekReport::formatDetail(ReportSection &section, int row)
{
    const ReportShiftRow &r = m_rows.at(row);
    const QString date = m_texts.date(r.start);
    // The date shows on the first line of a day, of a department and of a page.
    const bool showDate = row == 0 || detailStartsPage() || breakValue(GroupDay, row) != breakValue(GroupDay, row - 1)
                          || date != m_texts.date(m_rows.at(row - 1).start);
    section.setControlVisible(QStringLiteral("fldDateNumber"), showDate);
    section.setControlVisible(QStringLiteral("fldDateDayofWeek"), showDate);
    section.setText(QStringLiteral("fldDateNumber"), date);
    section.setText(QStringLiteral("fldDateDayofWeek"), m_texts.weekday(r.start));
    section.setText(QStringLiteral("fldFrom"), m_texts.clock(r.start));
    section.setText(QStringLiteral("FldTo"), m_texts.clock(r.end));
    section.setText(QStringLiteral("FldName"), m_texts.name(r.employee));
    section.setText(QStringLiteral("fldPosition"), r.position);
    // A shift the scheduler refuses is listed as what it is and counted nowhere.
    section.setText(QStringLiteral("fldShiftHours"), r.conflict ? QStringLiteral("Conflict")
                                                                 : OleDate::hoursTextFromSeconds(r.countedSeconds()));
}

void rptWeekReport::formatGroupFooter(int group, ReportSection &section, int row)
{
    const ReportShiftRow &r = m_rows.at(row);
    if (group == GroupDept)
        section.setText(QStringLiteral("fldGrandTotalHours"),
                        QStringLiteral("Total Hours ") + OleDate::hoursTextFromSeconds(m_departmentSeconds.value(r.department)));
    else
        section.setText(QStringLiteral("fldTotalHoursForDay"),
                        QStringLiteral("Hours ") + OleDate::hoursTextFromSeconds(m_daySeconds.value(m_dayKeys.at(row))));
}
