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
    addLineField(detail(), QStringLiteral("fldName"), 14, 200);
    addLineField(detail(), QStringLiteral("fldTimeOff"), 220, 120);
    addLineField(detail(), QStringLiteral("fldReason"), 346, 177);
}

void rptTimeOff::SetupData(const QString &title, const QList<TimeOffRow> &rows)
{
    m_rows = rows;
    pageHeader().setText(QStringLiteral("labReportName"), title);
}

QString rptTimeOff::timeText(double start, double end)
{
    const bool startsAtMidnight = OleDate::durationSeconds(OleDate::timeOfDay(start)) == 0;
    const bool endsAtMidnight = OleDate::durationSeconds(OleDate::timeOfDay(end)) == 0;
    if (startsAtMidnight && (endsAtMidnight || OleDate::format(end, QStringLiteral("hh:mma/p")) == QLatin1String("11:59p")))
        return QStringLiteral("All Day");
    return OleDate::format(start, QStringLiteral("h:mma/p")) + QStringLiteral(" - ")
           + OleDate::format(end, QStringLiteral("h:mma/p"));
}

QString rptTimeOff::breakValue(int, int row) const
{
    return QString::number(qint64(std::floor(m_rows.at(row).start)));
}

void rptTimeOff::formatPageHeader(ReportSection &section, int page)
{
    section.setText(QStringLiteral("labPageof"), pageOf(page));
}

void rptTimeOff::formatGroupHeader(int, ReportSection &section, int row)
{
    section.setText(QStringLiteral("labDate"), OleDate::format(m_rows.at(row).start, QStringLiteral("ddd mmm dd, yyyy")));
}

void rptTimeOff::formatDetail(ReportSection &section, int row)
{
    const TimeOffRow &r = m_rows.at(row);
    section.setText(QStringLiteral("fldName"), m_info.ConvertNumberToName(r.employee, false));
    section.setText(QStringLiteral("fldTimeOff"), timeText(r.start, r.end));
    section.setText(QStringLiteral("fldReason"), r.reason);
}
