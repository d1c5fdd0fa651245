#include "rptTimeOff.h"

#include "ReportStyle.h"
#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"

#include <QSet>

#include <cmath>

using namespace ReportStyle;

rptTimeOff::rptTimeOff(const clsEmployeeInfo &info) : m_info(info)
{
    const PageHeader header = addPageHeader(pageHeader(), QStringLiteral("labReportName"));
    m_title = header.title;
    m_pageOf = header.pageOf;

    ReportGroup &date = addGroup(QStringLiteral("groupDateHead"), 22, QStringLiteral("groupDateFoot"), 8);
    date.repeatHeader = true;
    m_date = addHeading(date.header, date.header.addLabel(QStringLiteral("labDate"), QRectF(0, 5, 300, 15), QString()));
    date.continuedMark = m_date;
    date.footer.addLine(QRectF(0, 4, kWidth, 0));

    detail().setHeight(kLine);
    // The span of a period over several days takes up to "Wed 12/30/15 12:00a - Thu 12/31/15 11:58p".
    m_name = addLineField(detail(), QStringLiteral("fldName"), 14, 146);
    m_timeOff = addLineField(detail(), QStringLiteral("fldTimeOff"), 164, 204);
    m_reason = addLineField(detail(), QStringLiteral("fldReason"), 372, 151);
    date.header.setColumn(m_date, QStringLiteral("Date"));
    detail().setColumn(m_name, QStringLiteral("Name"));
    detail().setColumn(m_timeOff, QStringLiteral("Time Off"));
    detail().setColumn(m_reason, QStringLiteral("Reason"));
}

void rptTimeOff::SetupData(const QString &title, const QList<TimeOffRow> &rows)
{
    m_rows = rows;
    QList<qint32> employees;
    QSet<qint32> seen;
    for (const TimeOffRow &row : rows)
        if (!seen.contains(row.employee)) {
            seen.insert(row.employee);
            employees << row.employee;
        }
    const QStringList names = m_info.DistinctNames(employees, false);
    m_names.clear();
    for (qsizetype i = 0; i < employees.size(); ++i)
        m_names.insert(employees.at(i), names.at(i));
    pageHeader().set(m_title, title);
}

QString rptTimeOff::timeText(double start, double end)
{
    // A period covers its first day whole when it begins at midnight, and its last day whole
    // when it ends at the next midnight or at 11:59p.
    const bool startsAtMidnight = OleDate::durationSeconds(OleDate::timeOfDay(start)) == 0;
    const bool endsAtMidnight = OleDate::durationSeconds(OleDate::timeOfDay(end)) == 0;
    const bool wholeLastDay = endsAtMidnight || OleDate::format(end, QStringLiteral("hh:mma/p")) == QLatin1String("11:59p");
    const double firstDay = std::floor(start);
    const double lastDay = endsAtMidnight && end > start ? std::floor(end) - 1 : std::floor(end);
    const QString clock = QStringLiteral("h:mma/p");
    if (lastDay <= firstDay) {
        if (startsAtMidnight && wholeLastDay)
            return QStringLiteral("All Day");
        return OleDate::format(start, clock) + QStringLiteral(" - ") + OleDate::format(end, clock);
    }
    const QString date = QStringLiteral("ddd m/d/yy");
    return OleDate::format(start, startsAtMidnight ? date : date + u' ' + clock) + QStringLiteral(" - ")
           + OleDate::format(lastDay, date) + (wholeLastDay ? QString() : QStringLiteral(" ") + OleDate::format(end, clock));
}

QString rptTimeOff::breakValue(int, int row) const
{
    return QString::number(qint64(m_rows.at(row).day));
}

void rptTimeOff::formatPageHeader(ReportSection &section, int page)
{
    section.set(m_pageOf, pageOf(page));
}

void rptTimeOff::formatGroupHeader(int, ReportSection &section, int row)
{
    section.set(m_date, OleDate::format(m_rows.at(row).day, QStringLiteral("ddd mmm dd, yyyy")));
}

void rptTimeOff::formatDetail(ReportSection &section, int row)
{
    const TimeOffRow &r = m_rows.at(row);
    section.set(m_name, m_names.value(r.employee));
    section.set(m_timeOff, timeText(r.start, r.end));
    section.set(m_reason, r.reason);
}
