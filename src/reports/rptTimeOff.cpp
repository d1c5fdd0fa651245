#include "rptTimeOff.h"

#include "ReportStyle.h"
#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"

#include <cmath>

using namespace ReportStyle;

rptTimeOff::rptTimeOff(const clsEmployeeInfo &info) : m_info(info)
{
    addPageHeader(pageHeader(), QStringLiteral("labReportName"));

    ReportGroup &date = addGroup(QStringLiteral("groupDateHead"), 22, QStringLiteral("groupDateFoot"), 8);
    date.repeatHeader = true;
    ReportControl &label = date.header.addLabel(QStringLiteral("labDate"), QRectF(0, 5, 300, 15), QString());
    label.pointSize = 11;
    label.bold = true;
    date.footer.addLine(QRectF(0, 4, kWidth, 0));

    detail().setHeight(kLine);
    // The span of a period over several days takes up to "Wed 12/30/15 12:00a - Thu 12/31/15 11:58p".
    addLineField(detail(), QStringLiteral("fldName"), 14, 146);
    addLineField(detail(), QStringLiteral("fldTimeOff"), 164, 204);
    addLineField(detail(), QStringLiteral("fldReason"), 372, 151);
}

void rptTimeOff::SetupData(const QString &title, const QList<TimeOffRow> &rows)
{
    m_rows = rows;
    pageHeader().setText(QStringLiteral("labReportName"), title);
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
    section.setText(QStringLiteral("labPageof"), pageOf(page));
}

void rptTimeOff::formatGroupHeader(int, ReportSection &section, int row)
{
    section.setText(QStringLiteral("labDate"), OleDate::format(m_rows.at(row).day, QStringLiteral("ddd mmm dd, yyyy")));
}

void rptTimeOff::formatDetail(ReportSection &section, int row)
{
    const TimeOffRow &r = m_rows.at(row);
    section.setText(QStringLiteral("fldName"), m_info.ConvertNumberToName(r.employee, false));
    section.setText(QStringLiteral("fldTimeOff"), timeText(r.start, r.end));
    section.setText(QStringLiteral("fldReason"), r.reason);
}
