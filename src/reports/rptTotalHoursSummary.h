#pragma once

#include "clsPrintschedule.h"
#include "reports/engine/BandedReport.h"

#include <QMap>
#include <optional>

class clsEmployeeInfo;

// Hours and cost of one department and position pair.
struct HoursSummaryRow {
    QString department;
    QString position;
    qint64 seconds = 0;
    qint64 cents = 0;
    int unrated = 0;   // shifts without a rate, counted as 0
};

// Scheduled hours and their cost totalled per department and position, grouped by department (or
// by position), with a grand total at the end. A department's footer sets its cost against its
// budget for the weeks of the range; the grand total against the budgets of the departments shown.
class rptTotalHoursSummary : public BandedReport
{
public:
    rptTotalHoursSummary();

    // Totals the shift rows per department and position and sorts the totals by the group
    // name, then the other name. Costs come from the data folder's PayRates.csv and Budgets.csv
    // (throws FileError when they cannot be read), overtime from the departments' limits.
    void SetupData(const QString &title, const QList<ReportShiftRow> &rows, bool byPosition,
                   const clsEmployeeInfo &info, double firstDay, double lastDay);
    const QList<HoursSummaryRow> &summaryRows() const { return m_rows; }

protected:
    int rowCount() const override { return int(m_rows.size()); }
    QString breakValue(int group, int row) const override;
    void formatPageHeader(ReportSection &section, int page) override;
    void formatGroupHeader(int group, ReportSection &section, int row) override;
    void formatDetail(ReportSection &section, int row) override;
    void formatGroupFooter(int group, ReportSection &section, int row) override;

private:
    const QString &otherName(const HoursSummaryRow &row) const { return m_byPosition ? row.department : row.position; }
    // "Budget 5000.00 for 1 week", or empty without a budget.
    static QString budgetText(std::optional<qint64> cents, int weeks);
    static QString costText(qint64 cents, int unrated);

    ReportSection::Control m_title, m_pageOf, m_groupName, m_otherCaption, m_groupTotal, m_groupCost, m_groupBudget,
        m_otherName, m_hours, m_cost, m_grandTotal, m_grandCost, m_grandBudget, m_costLegend;
    bool m_byPosition = false;
    QList<HoursSummaryRow> m_rows;
    struct Sum {
        qint64 seconds = 0;
        qint64 cents = 0;
        int unrated = 0;
    };
    QHash<QString, Sum> m_groups;
    Sum m_all;
    QMap<QString, std::optional<qint64>> m_budgetOf;   // department -> its budget for the range's weeks
    QMap<QString, int> m_weeksOf;                      // department -> weeks of the range
};
