#include "rptEmployeeInd.h"

#include "ReportStyle.h"
#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"
#include "schedule/HourTotals.h"
#include "schedule/clsScheduleData.h"

using namespace ReportStyle;

rptEmployeeInd::rptEmployeeInd(const clsEmployeeInfo &info, bool showPosition)
    : m_info(info), m_texts(info), m_showPosition(showPosition)
{
    Controls &c = m_controls;
    const PageHeader header = addPageHeader(pageHeader(), QStringLiteral("labReportName"));
    c.title = header.title;
    c.pageOf = header.pageOf;

    ReportGroup &employee = addGroup(QStringLiteral("GroupEmployee"), 38, QStringLiteral("GroupEmployeeFooter"), 24);
    employee.repeatHeader = true;
    c.employeeName = addHeading(employee.header, employee.header.addLabel(QStringLiteral("labEmployeeNameHeader"),
                                                                          QRectF(0, 4, kWidth, 16), QString()));
    employee.continuedMark = c.employeeName;
    c.positionCaption = ShiftLine::addCaptions(employee.header, 23, QStringLiteral("labDepartment"), QStringLiteral("Department"));
    employee.footer.addLine(QRectF(0, 3, kWidth, 0));
    c.totalHours = addTotal(employee.footer, employee.footer.addField(QStringLiteral("fldTotalHours"), QRectF(273, 6, 250, 14)));

    // Each week's subtotal, the weeks beginning on the first weekday of the employee's department.
    ReportGroup &week = addGroup(QStringLiteral("GroupWeek"), 0, QStringLiteral("GroupWeekFooter"), 16);
    week.header.setVisible(false);
    c.weekTotal = week.footer.addField(QStringLiteral("fldWeekHours"), QRectF(223, 1, 300, 14));
    week.footer[c.weekTotal].alignment = Qt::AlignRight | Qt::AlignVCenter;

    c.line = ShiftLine::add(detail(), QStringLiteral("FldDepartment"), QStringLiteral("fldHours"));
    employee.header.setColumn(c.employeeName, QStringLiteral("Employee"));
    detail().setColumn(c.line.name, QStringLiteral("Department"));
}

void rptEmployeeInd::SetupData(const QString &title, const QList<ReportShiftRow> &rows)
{
    m_rows = rows;
    m_employeeSeconds.clear();
    for (const ReportShiftRow &row : rows)
        m_employeeSeconds[row.employee] += row.countedSeconds();
    QList<qint32> employees;
    for (const ReportShiftRow &row : rows)
        employees << row.employee;
    m_texts.distinguish(employees);
    totalWeeks();
    pageHeader().set(m_controls.title, title);
    group(0).header.setVisible(m_controls.positionCaption, m_showPosition);
    detail().setVisible(m_controls.line.position, m_showPosition);
}

void rptEmployeeInd::totalWeeks()
{
    // The first department an employee's shifts are listed under sets the weeks and the limit.
    m_weekKeys.clear();
    m_weekKeys.reserve(m_rows.size());
    m_weeks.clear();
    QHash<qint32, QString> homes;
    for (const ReportShiftRow &row : std::as_const(m_rows)) {
        if (!homes.contains(row.employee))
            homes.insert(row.employee, row.department);
        const QString home = homes.value(row.employee);
        const double week = clsScheduleData::WeekStart(m_info, home, row.start);
        const QString key = QString::number(row.employee) + u'\n' + QString::number(qint64(week));
        m_weekKeys.append(key);
        auto it = m_weeks.find(key);
        if (it == m_weeks.end())
            it = m_weeks.insert(key, {week, m_info.OverTimeDepartmentGet(home, true),
                                      HourTotals(week, week + 6, {m_info.OverTimeDepartmentGet(home, true), 0})});
        if (!row.conflict)
            it->totals.add(row.start, row.end);
    }
}

QString rptEmployeeInd::breakValue(int group, int row) const
{
    return group == 0 ? QString::number(m_rows.at(row).employee) : m_weekKeys.at(row);
}

void rptEmployeeInd::formatPageHeader(ReportSection &section, int page)
{
    section.set(m_controls.pageOf, pageOf(page));
}

void rptEmployeeInd::formatGroupHeader(int group, ReportSection &section, int row)
{
    if (group != 0)
        return;
    section.set(m_controls.employeeName, m_texts.name(m_rows.at(row).employee));
}

void rptEmployeeInd::formatDetail(ReportSection &section, int row)
{
    const ReportShiftRow &r = m_rows.at(row);
    const QString date = m_texts.date(r.start);
    // The date shows on an employee's first line, on a page's first line and when it changes.
    const bool showDate = row == 0 || detailStartsPage() || r.employee != m_rows.at(row - 1).employee
                          || date != m_texts.date(m_rows.at(row - 1).start);
    m_controls.line.set(section, m_texts, r, r.department, showDate);
}

void rptEmployeeInd::formatGroupFooter(int group, ReportSection &section, int row)
{
    if (group != 0) {
        const Week &week = m_weeks[m_weekKeys.at(row)];
        const QString hours = week.totals.weekText().isEmpty() ? QStringLiteral("0:00") : week.totals.weekText();
        QString text = QStringLiteral("Week %1 - %2  Hours %3").arg(m_texts.date(week.first), m_texts.date(week.first + 6), hours);
        if (week.totals.weekOver())
            text += QStringLiteral(" OT (over %1)").arg(week.limit);
        section.set(m_controls.weekTotal, text);
        return;
    }
    section.set(m_controls.totalHours,
                QStringLiteral("Total Hours ") + OleDate::hoursTextFromSeconds(m_employeeSeconds.value(m_rows.at(row).employee)));
}
