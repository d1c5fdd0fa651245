#include "rptEmployeeInd.h"

#include "ReportStyle.h"
#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"
#include "schedule/HourTotals.h"

using namespace ReportStyle;

rptEmployeeInd::rptEmployeeInd(const clsEmployeeInfo &info, bool showPosition)
    : m_info(info), m_texts(info), m_showPosition(showPosition)
{
    addPageHeader(pageHeader(), QStringLiteral("labReportName"));

    ReportGroup &employee = addGroup(QStringLiteral("GroupEmployee"), 38, QStringLiteral("GroupEmployeeFooter"), 24);
    employee.repeatHeader = true;
    ReportControl &name = employee.header.addLabel(QStringLiteral("labEmployeeNameHeader"), QRectF(0, 4, kWidth, 16), QString());
    name.pointSize = 11;
    name.bold = true;
    addCaption(employee.header, QStringLiteral("labDay"), QRectF(0, 23, 80, kLine), QStringLiteral("Day"));
    addCaption(employee.header, QStringLiteral("labFrom"), QRectF(84, 23, 52, kLine), QStringLiteral("From"));
    addCaption(employee.header, QStringLiteral("labTo"), QRectF(140, 23, 52, kLine), QStringLiteral("To"));
    addCaption(employee.header, QStringLiteral("labDepartment"), QRectF(196, 23, 170, kLine), QStringLiteral("Department"));
    addCaption(employee.header, QStringLiteral("labPosition"), QRectF(370, 23, 100, kLine), QStringLiteral("Position"));
    addCaption(employee.header, QStringLiteral("labHours"), QRectF(474, 23, 49, kLine), QStringLiteral("Hours"),
               Qt::AlignRight | Qt::AlignVCenter);
    employee.footer.addLine(QRectF(0, 3, kWidth, 0));
    ReportControl &total = employee.footer.addField(QStringLiteral("fldTotalHours"), QRectF(273, 6, 250, 14));
    total.alignment = Qt::AlignRight | Qt::AlignVCenter;
    total.bold = true;

    detail().setHeight(kLine);
    addLineField(detail(), QStringLiteral("fldDateNumber"), 0, 46);
    addLineField(detail(), QStringLiteral("fldDateDayofWeek"), 48, 32);
    addLineField(detail(), QStringLiteral("fldFrom"), 84, 52);
    addLineField(detail(), QStringLiteral("FldTo"), 140, 52);
    addLineField(detail(), QStringLiteral("FldDepartment"), 196, 170);
    addLineField(detail(), QStringLiteral("fldPosition"), 370, 100);
    addLineField(detail(), QStringLiteral("fldHours"), 474, 49, Qt::AlignRight | Qt::AlignVCenter);
}

void rptEmployeeInd::SetupData(const QString &title, const QList<ReportShiftRow> &rows)
{
    m_rows = rows;
    m_employeeSeconds.clear();
    for (const ReportShiftRow &row : rows)
        m_employeeSeconds[row.employee] += row.countedSeconds();
    pageHeader().setText(QStringLiteral("labReportName"), title);
    group(0).header.setControlVisible(QStringLiteral("labPosition"), m_showPosition);
    detail().setControlVisible(QStringLiteral("fldPosition"), m_showPosition);
}

QString rptEmployeeInd::breakValue(int, int row) const
{
    return QString::number(m_rows.at(row).employee);
}

void rptEmployeeInd::formatPageHeader(ReportSection &section, int page)
{
    section.setText(QStringLiteral("labPageof"), pageOf(page));
}

void rptEmployeeInd::formatGroupHeader(int, ReportSection &section, int row)
{
    section.setText(QStringLiteral("labEmployeeNameHeader"), m_texts.name(m_rows.at(row).employee));
}

void rptEmployeeInd::formatDetail(ReportSection &section, int row)
{
    const ReportShiftRow &r = m_rows.at(row);
    const QString date = m_texts.date(r.start);
    // The date shows on an employee's first line, on a page's first line and when it changes.
    const bool showDate = row == 0 || detailStartsPage() || r.employee != m_rows.at(row - 1).employee
                          || date != m_texts.date(m_rows.at(row - 1).start);
    section.setControlVisible(QStringLiteral("fldDateNumber"), showDate);
    section.setControlVisible(QStringLiteral("fldDateDayofWeek"), showDate);
    section.setText(QStringLiteral("fldDateNumber"), date);
    section.setText(QStringLiteral("fldDateDayofWeek"), m_texts.weekday(r.start));
    section.setText(QStringLiteral("fldFrom"), m_texts.clock(r.start));
    section.setText(QStringLiteral("FldTo"), m_texts.clock(r.end));
    section.setText(QStringLiteral("FldDepartment"), r.department);
    section.setText(QStringLiteral("fldPosition"), r.position);
    // A shift the scheduler refuses is listed as what it is and counted nowhere.
    section.setText(QStringLiteral("fldHours"), r.conflict ? QStringLiteral("Conflict")
                                                           : OleDate::hoursTextFromSeconds(r.countedSeconds()));
}

void rptEmployeeInd::formatGroupFooter(int, ReportSection &section, int row)
{
    section.setText(QStringLiteral("fldTotalHours"),
                    QStringLiteral("Total Hours ")
                        + OleDate::hoursTextFromSeconds(m_employeeSeconds.value(m_rows.at(row).employee)));
}
