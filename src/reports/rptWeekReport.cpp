#include "rptWeekReport.h"

#include "ReportStyle.h"
#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"
#include "schedule/HourTotals.h"

#include <cmath>

using namespace ReportStyle;

namespace {
enum { GroupAll, GroupDept, GroupDay };

QString dayKey(const ReportShiftRow &row)
{
    return row.department + u'\n' + QString::number(qint64(std::floor(row.start)));
}
} // namespace

rptWeekReport::rptWeekReport(const clsEmployeeInfo &info, bool showPosition)
    : m_info(info), m_texts(info), m_showPosition(showPosition)
{
    Controls &c = m_controls;
    const PageHeader header = addPageHeader(pageHeader(), QStringLiteral("labReportHeader"));
    c.title = header.title;
    c.pageOf = header.pageOf;

    // The whole report is one group, for the grand total at its end.
    ReportGroup &all = addGroup(QStringLiteral("GroupAll"), 0, QStringLiteral("GroupFooter0"), 24);
    all.header.setVisible(false);
    all.footer.addLine(QRectF(273, 3, 250, 0));
    c.grandTotal = addTotal(all.footer, all.footer.addField(QStringLiteral("fldGrandTotal"), QRectF(273, 6, 250, 15)));

    ReportGroup &dept = addGroup(QStringLiteral("GroupDept"), 26, QStringLiteral("GroupFooter1"), 24);
    dept.repeatHeader = true;
    dept.header.addLine(QRectF(0, 4, kWidth, 0));
    c.departmentName =
        addHeading(dept.header, dept.header.addLabel(QStringLiteral("labDepartmentHeader"), QRectF(0, 7, kWidth, 16), QString()));
    dept.continuedMark = c.departmentName;
    c.departmentTotal = addTotal(dept.footer, dept.footer.addField(QStringLiteral("fldGrandTotalHours"), QRectF(273, 4, 250, 15)));

    ReportGroup &day = addGroup(QStringLiteral("GroupDay"), 18, QStringLiteral("GroupFooter2"), 20);
    day.repeatHeader = true;
    c.positionCaption = ShiftLine::addCaptions(day.header, 3, QStringLiteral("labName"), QStringLiteral("Name"));
    day.footer.addLine(QRectF(323, 2, 200, 0));
    c.dayTotal = day.footer.addField(QStringLiteral("fldTotalHoursForDay"), QRectF(323, 4, 200, kLine));
    day.footer[c.dayTotal].alignment = Qt::AlignRight | Qt::AlignVCenter;

    c.line = ShiftLine::add(detail(), QStringLiteral("FldName"), QStringLiteral("fldShiftHours"));
    dept.header.setColumn(c.departmentName, QStringLiteral("Department"));
    detail().setColumn(c.line.name, QStringLiteral("Name"));
}

void rptWeekReport::SetupData(const QString &title, const QList<ReportShiftRow> &rows)
{
    m_title = title;
    m_rows = rows;
    m_departmentSeconds.clear();
    m_daySeconds.clear();
    m_allSeconds = 0;
    m_dayKeys.clear();
    m_dayKeys.reserve(rows.size());
    for (const ReportShiftRow &row : rows) {
        const qint64 seconds = row.countedSeconds();
        m_dayKeys << dayKey(row);
        m_departmentSeconds[row.department] += seconds;
        m_allSeconds += seconds;
        m_daySeconds[m_dayKeys.last()] += seconds;
    }
    QList<qint32> employees;
    for (const ReportShiftRow &row : rows)
        employees << row.employee;
    m_texts.distinguish(employees);
    pageHeader().set(m_controls.title, title);
    group(GroupDay).header.setVisible(m_controls.positionCaption, m_showPosition);
    detail().setVisible(m_controls.line.position, m_showPosition);
}

QString rptWeekReport::breakValue(int group, int row) const
{
    const ReportShiftRow &r = m_rows.at(row);
    if (group == GroupAll)
        return {};
    return group == GroupDept ? r.department : m_dayKeys.at(row);
}

void rptWeekReport::formatPageHeader(ReportSection &section, int page)
{
    section.set(m_controls.pageOf, pageOf(page));
}

void rptWeekReport::formatGroupHeader(int group, ReportSection &section, int row)
{
    if (group == GroupDept)
        section.set(m_controls.departmentName, m_rows.at(row).department);
}

void rptWeekReport::formatDetail(ReportSection &section, int row)
{
    const ReportShiftRow &r = m_rows.at(row);
    const QString date = m_texts.date(r.start);
    // The date shows on the first line of a day, of a department and of a page.
    const bool showDate = row == 0 || detailStartsPage() || breakValue(GroupDay, row) != breakValue(GroupDay, row - 1)
                          || date != m_texts.date(m_rows.at(row - 1).start);
    m_controls.line.set(section, m_texts, r, m_texts.name(r.employee), showDate);
}

void rptWeekReport::formatGroupFooter(int group, ReportSection &section, int row)
{
    const ReportShiftRow &r = m_rows.at(row);
    if (group == GroupAll)
        section.set(m_controls.grandTotal, QStringLiteral("Grand Total Hours ") + OleDate::hoursTextFromSeconds(m_allSeconds));
    else if (group == GroupDept)
        section.set(m_controls.departmentTotal,
                    QStringLiteral("Total Hours ") + OleDate::hoursTextFromSeconds(m_departmentSeconds.value(r.department)));
    else
        section.set(m_controls.dayTotal,
                    QStringLiteral("Hours ") + OleDate::hoursTextFromSeconds(m_daySeconds.value(m_dayKeys.at(row))));
}
