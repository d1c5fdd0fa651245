#pragma once

#include "clsPrintschedule.h"
#include "reports/engine/BandedReport.h"

// Hours of one department and position pair.
struct HoursSummaryRow {
    QString department;
    QString position;
    qint64 seconds = 0;
};

// Scheduled hours totalled per department and position, grouped by department (or by position).
class rptTotalHoursSummary : public BandedReport
{
public:
    rptTotalHoursSummary();

    // Totals the shift rows per department and position and sorts the totals by the group
    // name, then the other name.
    void SetupData(const QString &title, const QList<ReportShiftRow> &rows, bool byPosition);
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

    ReportSection::Control m_title, m_pageOf, m_groupName, m_otherCaption, m_groupTotal, m_otherName, m_hours;
    bool m_byPosition = false;
    QList<HoursSummaryRow> m_rows;
    QHash<QString, qint64> m_groupSeconds;
};
