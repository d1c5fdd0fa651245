#include "rptEmployeeSchedule.h"

#include "ReportStyle.h"
#include "ScheduleDays.h"
#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"
#include "schedule/HourTotals.h"
#include "schedule/clsScheduleData.h"

using namespace ReportStyle;

namespace {
enum { GroupEmployee, GroupWeek };

QString weekKey(const EmployeeScheduleLine &line)
{
    return QString::number(line.employee) + u'\n' + QString::number(qint64(line.week));
}
} // namespace

rptEmployeeSchedule::rptEmployeeSchedule(const clsEmployeeInfo &info) : m_info(info)
{
    const PageHeader header = addPageHeader(pageHeader(), QStringLiteral("labReportName"));
    m_title = header.title;
    m_pageOf = header.pageOf;

    ReportGroup &employee = addGroup(QStringLiteral("GroupEmployee"), 26, QStringLiteral("GroupEmployeeFooter"), 0);
    employee.repeatHeader = true;
    employee.startsPage = true;
    m_employee = addHeading(employee.header, employee.header.addLabel(QStringLiteral("labEmployee"), QRectF(0, 4, kWidth, 18), QString()));
    employee.header[m_employee].pointSize = 13;
    employee.header.setColumn(m_employee, QStringLiteral("Employee"));

    ReportGroup &week = addGroup(QStringLiteral("GroupWeek"), 34, QStringLiteral("GroupWeekFooter"), 24);
    week.repeatHeader = true;
    m_week = week.header.addLabel(QStringLiteral("labWeek"), QRectF(0, 4, kWidth, 14), QString());
    week.header[m_week].bold = true;
    addCaption(week.header, QStringLiteral("labDay"), QRectF(0, 20, 80, kLine), QStringLiteral("Day"));
    addCaption(week.header, QStringLiteral("labTimes"), QRectF(84, 20, 146, kLine), QStringLiteral("Shift or Time Off"));
    addCaption(week.header, QStringLiteral("labDepartment"), QRectF(234, 20, 116, kLine), QStringLiteral("Department"));
    addCaption(week.header, QStringLiteral("labPosition"), QRectF(354, 20, 116, kLine), QStringLiteral("Position"));
    addCaption(week.header, QStringLiteral("labHours"), QRectF(474, 20, 49, kLine), QStringLiteral("Hours"),
               Qt::AlignRight | Qt::AlignVCenter);
    week.footer.addLine(QRectF(0, 3, kWidth, 0));
    m_weekTotal = addTotal(week.footer, week.footer.addField(QStringLiteral("fldWeekHours"), QRectF(223, 6, 300, 14)));

    ReportSection &line = detail();
    line.setHeight(kLine);
    m_date = line.setColumn(addLineField(line, QStringLiteral("fldDate"), 0, 46), QStringLiteral("Date"));
    m_weekday = line.setColumn(addLineField(line, QStringLiteral("fldWeekday"), 48, 32), QStringLiteral("Day"));
    m_times = line.setColumn(addLineField(line, QStringLiteral("fldTimes"), 84, 146), QStringLiteral("Shift or Time Off"));
    m_department = line.setColumn(addLineField(line, QStringLiteral("fldDepartment"), 234, 116), QStringLiteral("Department"));
    m_position = line.setColumn(addLineField(line, QStringLiteral("fldPosition"), 354, 116), QStringLiteral("Position"));
    m_hours = line.setColumn(addLineField(line, QStringLiteral("fldHours"), 474, 49, Qt::AlignRight | Qt::AlignVCenter),
                             QStringLiteral("Hours"));
}

void rptEmployeeSchedule::SetupData(const QString &title, const QList<qint32> &employees, double first, double last,
                                    const QList<ReportShiftRow> &shifts, const QList<TimeOffRow> &timeOff)
{
    pageHeader().set(m_title, title);
    m_lines.clear();
    m_weekTotals.clear();
    const ScheduleDays days(shifts, timeOff);
    for (qint32 e : employees) {
        // Weeks and the limit come from the employee's first department of the report (the
        // first of all when the report takes every department).
        const QStringList memberOf = m_info.DeptEmployeeGetDepts(e);
        QString home = memberOf.value(0);
        for (const QString &department : memberOf)
            if (m_departments.contains(department, Qt::CaseInsensitive)) {
                home = department;
                break;
            }
        const int limit = home.isEmpty() ? 0 : m_info.OverTimeDepartmentGet(home, true);
        const QString name = m_info.ConvertNumberToName(e, false);
        double week = -1;
        std::optional<HourTotals> totals;
        auto closeWeek = [&] {
            if (!totals)
                return;
            QString text = QStringLiteral("Week Hours ") + (totals->weekText().isEmpty() ? QStringLiteral("0:00") : totals->weekText());
            if (totals->weekOver())
                text += QStringLiteral(" OT (over %1)").arg(limit);
            m_weekTotals.insert(QString::number(e) + u'\n' + QString::number(qint64(week)), text);
        };
        for (double day = first; day <= last; ++day) {
            const double start = home.isEmpty() ? day - OleDate::toDate(day).dayOfWeek() % 7
                                                : clsScheduleData::WeekStart(m_info, home, day);
            if (start != week) {
                closeWeek();
                week = start;
                totals.emplace(week, week + 6, HourTotals::Limits{limit, 0});
            }
            qsizetype before = m_lines.size();
            for (const ReportShiftRow &shift : days.shifts(e, day)) {
                if (!shift.conflict)
                    totals->add(shift.start, shift.end);
                m_lines.append({e, name, week, day, ScheduleDays::shiftText(shift, false), shift.department, shift.position,
                                shift.conflict ? QStringLiteral("Conflict") : OleDate::hoursTextFromSeconds(shift.countedSeconds())});
            }
            const QString off = days.timeOff(e, day);
            if (!off.isEmpty())
                m_lines.append({e, name, week, day, off, {}, {}, {}});
            if (m_lines.size() == before)
                m_lines.append({e, name, week, day, {}, {}, {}, {}});   // a free day keeps its line
        }
        closeWeek();
    }
}

QString rptEmployeeSchedule::breakValue(int group, int row) const
{
    const EmployeeScheduleLine &l = m_lines.at(row);
    return group == GroupEmployee ? QString::number(l.employee) : weekKey(l);
}

void rptEmployeeSchedule::formatPageHeader(ReportSection &section, int page)
{
    section.set(m_pageOf, pageOf(page));
}

void rptEmployeeSchedule::formatGroupHeader(int group, ReportSection &section, int row)
{
    const EmployeeScheduleLine &l = m_lines.at(row);
    if (group == GroupEmployee)
        section.set(m_employee, l.name);
    else
        section.set(m_week, QStringLiteral("Week of %1").arg(OleDate::format(l.week, QStringLiteral("ddd m/d/yy"))));
}

void rptEmployeeSchedule::formatDetail(ReportSection &section, int row)
{
    const EmployeeScheduleLine &l = m_lines.at(row);
    // The date shows on a day's first line and on a page's first line.
    const bool showDate = row == 0 || detailStartsPage() || m_lines.at(row - 1).day != l.day
                          || m_lines.at(row - 1).employee != l.employee;
    section.setVisible(m_date, showDate);
    section.setVisible(m_weekday, showDate);
    section.set(m_date, OleDate::format(l.day, QStringLiteral("m/d/yy")));
    section.set(m_weekday, OleDate::format(l.day, QStringLiteral("ddd")));
    section.set(m_times, l.times);
    section.set(m_department, l.department);
    section.set(m_position, l.position);
    section.set(m_hours, l.hours);
}

void rptEmployeeSchedule::formatGroupFooter(int group, ReportSection &section, int row)
{
    if (group == GroupWeek)
        section.set(m_weekTotal, m_weekTotals.value(weekKey(m_lines.at(row))));
}
