#include "rptTotalHoursSummary.h"

#include "ReportStyle.h"
#include "data/Budgets.h"
#include "data/CodePage.h"
#include "data/Money.h"
#include "data/OleDate.h"
#include "data/PayRates.h"
#include "data/clsEmployeeInfo.h"
#include "schedule/HourTotals.h"
#include "schedule/ShiftCosts.h"
#include "schedule/clsScheduleData.h"

#include <algorithm>

using namespace ReportStyle;

rptTotalHoursSummary::rptTotalHoursSummary()
{
    const PageHeader header = addPageHeader(pageHeader(), QStringLiteral("labReportName"), false);
    m_title = header.title;
    m_pageOf = header.pageOf;

    // The whole report as one group: its footer is the grand total.
    ReportGroup &all = addGroup(QStringLiteral("GroupAllHead"), 0, QStringLiteral("GroupAllFoot"), 36);
    m_grandBudget = all.footer.addField(QStringLiteral("fldGrandBudget"), QRectF(0, 5, 250, 14));
    m_grandTotal = addTotal(all.footer, all.footer.addField(QStringLiteral("fldGrandTotalHours"), QRectF(260, 5, 190, 14)));
    m_grandCost = addTotal(all.footer, all.footer.addField(QStringLiteral("fldGrandTotalCost"), QRectF(454, 5, 69, 14)));
    m_costLegend = all.footer.addField(QStringLiteral("fldCostLegend"), QRectF(0, 21, kWidth, 12));

    ReportGroup &group = addGroup(QStringLiteral("GroupDepartmentHead"), 24, QStringLiteral("GroupDepartmentFoot"), 26);
    group.repeatHeader = true;
    m_groupName = addHeading(group.header, group.header.addField(QStringLiteral("fldDepartment"), QRectF(0, 5, 250, 16)));
    group.continuedMark = m_groupName;
    m_otherCaption = addCaption(group.header, QStringLiteral("labPositionHeader"), QRectF(260, 7, 120, kLine), QString());
    addCaption(group.header, QStringLiteral("labHours"), QRectF(384, 7, 66, kLine), QStringLiteral("Hours"),
               Qt::AlignRight | Qt::AlignVCenter);
    addCaption(group.header, QStringLiteral("labCost"), QRectF(454, 7, 69, kLine), QStringLiteral("Cost"),
               Qt::AlignRight | Qt::AlignVCenter);
    m_groupBudget = group.footer.addField(QStringLiteral("fldBudgetForDept"), QRectF(0, 3, 250, 14));
    m_groupTotal = addTotal(group.footer, group.footer.addField(QStringLiteral("fldTotalHoursForDept"), QRectF(260, 3, 190, 14)));
    m_groupCost = addTotal(group.footer, group.footer.addField(QStringLiteral("fldTotalCostForDept"), QRectF(454, 3, 69, 14)));
    group.footer.addLine(QRectF(0, 21, kWidth, 0));

    detail().setHeight(kLine);
    m_otherName = addLineField(detail(), QStringLiteral("fldPosition"), 260, 120);
    m_hours = addLineField(detail(), QStringLiteral("fldPositionHours"), 384, 66, Qt::AlignRight | Qt::AlignVCenter);
    m_cost = addLineField(detail(), QStringLiteral("fldPositionCost"), 454, 69, Qt::AlignRight | Qt::AlignVCenter);
}

void rptTotalHoursSummary::SetupData(const QString &title, const QList<ReportShiftRow> &rows, bool byPosition,
                                     const clsEmployeeInfo &info, double firstDay, double lastDay)
{
    m_byPosition = byPosition;
    m_rows.clear();
    m_groups.clear();
    m_all = {};
    m_budgetOf.clear();
    m_weeksOf.clear();

    const PayRates rates = PayRates::read(info.DataPath());
    const Budgets budgets = Budgets::read(info.DataPath());
    QList<CostedShift> counted;
    QList<const ReportShiftRow *> countedRows;
    for (const ReportShiftRow &row : rows) {
        if (row.conflict)
            continue;   // refused by the scheduler: no hours anywhere
        counted << CostedShift{row.employee, row.department, row.position, row.start, row.end};
        countedRows << &row;
    }
    const QList<std::optional<qint64>> costs = shiftCosts(counted, rates, [&](const QString &department) {
        return OvertimeRules{clsScheduleData::WeekStart(info, department, firstDay),
                             {info.OverTimeDepartmentGet(department, true), info.OverTimeDepartmentGet(department, false)},
                             budgets.of(department).multiplierHundredths};
    });

    QHash<QString, qsizetype> pairs;
    for (qsizetype i = 0; i < countedRows.size(); ++i) {
        const ReportShiftRow &row = *countedRows[i];
        const QString pair = row.department + u'\n' + row.position;
        auto it = pairs.find(pair);
        if (it == pairs.end()) {
            it = pairs.insert(pair, m_rows.size());
            m_rows.append({row.department, row.position, 0, 0, 0});
        }
        HoursSummaryRow &sum = m_rows[*it];
        sum.seconds += HourTotals::countedSeconds(row.start, row.end);
        sum.cents += costs[i].value_or(0);
        sum.unrated += costs[i] ? 0 : 1;
        if (!m_weeksOf.contains(row.department)) {
            const double first = clsScheduleData::WeekStart(info, row.department, firstDay);
            const double last = clsScheduleData::WeekStart(info, row.department, lastDay);
            const int weeks = int((last - first) / 7) + 1;
            const std::optional<qint64> budget = budgets.of(row.department).weeklyCents;
            m_weeksOf.insert(row.department, weeks);
            m_budgetOf.insert(row.department, budget ? std::optional<qint64>(*budget * weeks) : std::nullopt);
        }
    }
    // Sorted by the group name, then the other name, each cut to 30 characters, letter case aside.
    auto key = [byPosition](const HoursSummaryRow &r) {
        const QString &first = byPosition ? r.position : r.department;
        const QString &second = byPosition ? r.department : r.position;
        return CodePage::encode(CodePage::toUpper(first.leftJustified(30, u' ', true) + second.leftJustified(30, u' ', true)));
    };
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [&key](const HoursSummaryRow &a, const HoursSummaryRow &b) { return key(a) < key(b); });
    for (int row = 0; row < m_rows.size(); ++row) {
        Sum &group = m_groups[breakValue(1, row)];
        for (Sum *sum : {&group, &m_all}) {
            sum->seconds += m_rows[row].seconds;
            sum->cents += m_rows[row].cents;
            sum->unrated += m_rows[row].unrated;
        }
    }

    pageHeader().set(m_title, title);
    group(1).header.set(m_otherCaption, byPosition ? QStringLiteral("Department") : QStringLiteral("Position"));
    group(1).header.setColumn(m_groupName, byPosition ? QStringLiteral("Position") : QStringLiteral("Department"));
    detail().setColumn(m_otherName, byPosition ? QStringLiteral("Department") : QStringLiteral("Position"));
    detail().setColumn(m_hours, QStringLiteral("Hours"));
    detail().setColumn(m_cost, QStringLiteral("Cost"));
}

QString rptTotalHoursSummary::breakValue(int group, int row) const
{
    if (group == 0)
        return QString();   // one group of every row
    const HoursSummaryRow &r = m_rows.at(row);
    return m_byPosition ? r.position : r.department;
}

void rptTotalHoursSummary::formatPageHeader(ReportSection &section, int page)
{
    section.set(m_pageOf, pageOf(page, false));
}

void rptTotalHoursSummary::formatGroupHeader(int group, ReportSection &section, int row)
{
    if (group == 1)
        section.set(m_groupName, breakValue(1, row));
}

QString rptTotalHoursSummary::costText(qint64 cents, int unrated)
{
    // A cost of shifts without a rate is not known: marked, so that nobody takes it for whole.
    return Money::text(cents) + (unrated > 0 ? QStringLiteral("*") : QString());
}

QString rptTotalHoursSummary::budgetText(std::optional<qint64> cents, int weeks)
{
    if (!cents)
        return QString();
    return weeks == 1 ? QStringLiteral("Budget %1 for 1 week").arg(Money::text(*cents))
                      : QStringLiteral("Budget %1 for %2 weeks").arg(Money::text(*cents)).arg(weeks);
}

void rptTotalHoursSummary::formatDetail(ReportSection &section, int row)
{
    const HoursSummaryRow &r = m_rows.at(row);
    section.set(m_otherName, otherName(r));
    section.set(m_hours, OleDate::hoursTextFromSeconds(r.seconds));
    section.set(m_cost, costText(r.cents, r.unrated));
}

void rptTotalHoursSummary::formatGroupFooter(int group, ReportSection &section, int row)
{
    if (group == 0) {
        section.set(m_grandTotal, QStringLiteral("Grand Total Hours ") + OleDate::hoursTextFromSeconds(m_all.seconds));
        section.set(m_grandCost, costText(m_all.cents, m_all.unrated));
        // The budgets of the departments shown, when each of them has one.
        qint64 budget = 0;
        bool whole = !m_budgetOf.isEmpty();
        for (const std::optional<qint64> &b : m_budgetOf) {
            whole = whole && b.has_value();
            budget += b.value_or(0);
        }
        section.set(m_grandBudget, whole ? QStringLiteral("Budget %1").arg(Money::text(budget)) : QString());
        section.set(m_costLegend, m_all.unrated > 0 ? QStringLiteral("* The cost leaves out shifts without an hourly rate.")
                                                    : QString());
        return;
    }
    const Sum sum = m_groups.value(breakValue(1, row));
    section.set(m_groupTotal, QStringLiteral("Total Hours ") + OleDate::hoursTextFromSeconds(sum.seconds));
    section.set(m_groupCost, costText(sum.cents, sum.unrated));
    const HoursSummaryRow &r = m_rows.at(row);
    section.set(m_groupBudget, m_byPosition ? QString() : budgetText(m_budgetOf.value(r.department), m_weeksOf.value(r.department)));
}
