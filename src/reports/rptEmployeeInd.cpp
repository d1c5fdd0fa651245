#include "rptEmployeeInd.h"

#include "ReportStyle.h"
#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"
#include "schedule/HourTotals.h"

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

    c.line = ShiftLine::add(detail(), QStringLiteral("FldDepartment"), QStringLiteral("fldHours"));
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
    pageHeader().set(m_controls.title, title);
    group(0).header.setVisible(m_controls.positionCaption, m_showPosition);
    detail().setVisible(m_controls.line.position, m_showPosition);
}

QString rptEmployeeInd::breakValue(int, int row) const
{
    return QString::number(m_rows.at(row).employee);
}

void rptEmployeeInd::formatPageHeader(ReportSection &section, int page)
{
    section.set(m_controls.pageOf, pageOf(page));
}

void rptEmployeeInd::formatGroupHeader(int, ReportSection &section, int row)
{
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

void rptEmployeeInd::formatGroupFooter(int, ReportSection &section, int row)
{
    section.set(m_controls.totalHours,
                QStringLiteral("Total Hours ") + OleDate::hoursTextFromSeconds(m_employeeSeconds.value(m_rows.at(row).employee)));
}
