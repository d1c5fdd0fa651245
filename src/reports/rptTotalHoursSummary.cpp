#include "rptTotalHoursSummary.h"

#include "ReportStyle.h"
#include "data/CodePage.h"
#include "data/OleDate.h"
#include "schedule/HourTotals.h"

#include <algorithm>

using namespace ReportStyle;

rptTotalHoursSummary::rptTotalHoursSummary()
{
    const PageHeader header = addPageHeader(pageHeader(), QStringLiteral("labReportName"), false);
    m_title = header.title;
    m_pageOf = header.pageOf;

    ReportGroup &group = addGroup(QStringLiteral("GroupDepartmentHead"), 24, QStringLiteral("GroupDepartmentFoot"), 26);
    group.repeatHeader = true;
    m_groupName = addHeading(group.header, group.header.addField(QStringLiteral("fldDepartment"), QRectF(0, 5, 250, 16)));
    group.continuedMark = m_groupName;
    m_otherCaption = addCaption(group.header, QStringLiteral("labPositionHeader"), QRectF(260, 7, 160, kLine), QString());
    addCaption(group.header, QStringLiteral("labHours"), QRectF(424, 7, 99, kLine), QStringLiteral("Hours"),
               Qt::AlignRight | Qt::AlignVCenter);
    m_groupTotal = addTotal(group.footer, group.footer.addField(QStringLiteral("fldTotalHoursForDept"), QRectF(260, 3, 263, 14)));
    group.footer.addLine(QRectF(0, 21, kWidth, 0));

    detail().setHeight(kLine);
    m_otherName = addLineField(detail(), QStringLiteral("fldPosition"), 260, 160);
    m_hours = addLineField(detail(), QStringLiteral("fldPositionHours"), 424, 99, Qt::AlignRight | Qt::AlignVCenter);
}

void rptTotalHoursSummary::SetupData(const QString &title, const QList<ReportShiftRow> &rows, bool byPosition)
{
    m_byPosition = byPosition;
    m_rows.clear();
    m_groupSeconds.clear();
    QHash<QString, qsizetype> pairs;
    for (const ReportShiftRow &row : rows) {
        if (row.conflict)
            continue;   // refused by the scheduler: no hours anywhere
        const QString pair = row.department + u'\n' + row.position;
        auto it = pairs.find(pair);
        if (it == pairs.end()) {
            it = pairs.insert(pair, m_rows.size());
            m_rows.append({row.department, row.position, 0});
        }
        m_rows[*it].seconds += HourTotals::countedSeconds(row.start, row.end);
    }
    // Sorted by the group name, then the other name, each cut to 30 characters, letter case aside.
    auto key = [byPosition](const HoursSummaryRow &r) {
        const QString &first = byPosition ? r.position : r.department;
        const QString &second = byPosition ? r.department : r.position;
        return CodePage::encode(CodePage::toUpper(first.leftJustified(30, u' ', true) + second.leftJustified(30, u' ', true)));
    };
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [&key](const HoursSummaryRow &a, const HoursSummaryRow &b) { return key(a) < key(b); });
    for (int row = 0; row < m_rows.size(); ++row)
        m_groupSeconds[breakValue(0, row)] += m_rows[row].seconds;

    pageHeader().set(m_title, title);
    group(0).header.set(m_otherCaption, byPosition ? QStringLiteral("Department") : QStringLiteral("Position"));
    group(0).header.setColumn(m_groupName, byPosition ? QStringLiteral("Position") : QStringLiteral("Department"));
    detail().setColumn(m_otherName, byPosition ? QStringLiteral("Department") : QStringLiteral("Position"));
    detail().setColumn(m_hours, QStringLiteral("Hours"));
}

QString rptTotalHoursSummary::breakValue(int, int row) const
{
    const HoursSummaryRow &r = m_rows.at(row);
    return m_byPosition ? r.position : r.department;
}

void rptTotalHoursSummary::formatPageHeader(ReportSection &section, int page)
{
    section.set(m_pageOf, pageOf(page, false));
}

void rptTotalHoursSummary::formatGroupHeader(int, ReportSection &section, int row)
{
    section.set(m_groupName, breakValue(0, row));
}

void rptTotalHoursSummary::formatDetail(ReportSection &section, int row)
{
    section.set(m_otherName, otherName(m_rows.at(row)));
    section.set(m_hours, OleDate::hoursTextFromSeconds(m_rows.at(row).seconds));
}

void rptTotalHoursSummary::formatGroupFooter(int, ReportSection &section, int row)
{
    section.set(m_groupTotal,
                QStringLiteral("Total Hours ") + OleDate::hoursTextFromSeconds(m_groupSeconds.value(breakValue(0, row))));
}
