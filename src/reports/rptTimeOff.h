#pragma once

#include "clsPrintschedule.h"
#include "reports/engine/BandedReport.h"

#include <QHash>

class clsEmployeeInfo;

// Scheduled time off, grouped by the day each period begins (or the report's first day, for
// periods that began before it), each period with its whole span.
class rptTimeOff : public BandedReport
{
public:
    explicit rptTimeOff(const clsEmployeeInfo &info);

    // Keeps the rows (already in print order) and the title.
    void SetupData(const QString &title, const QList<TimeOffRow> &rows);
    // The span of a period. Within one day: "All Day", or the start and end times "9:00a - 1:30p".
    // Over several days: the first and the last day, each with its time when the period does not
    // cover that day whole: "Sun 11/29/15 - Wed 12/2/15", "Tue 12/15/15 9:00a - Fri 12/18/15".
    static QString timeText(double start, double end);

protected:
    int rowCount() const override { return int(m_rows.size()); }
    QString breakValue(int group, int row) const override;
    void formatPageHeader(ReportSection &section, int page) override;
    void formatGroupHeader(int group, ReportSection &section, int row) override;
    void formatDetail(ReportSection &section, int row) override;

private:
    const clsEmployeeInfo &m_info;
    QHash<qint32, QString> m_names;   // equal names told apart
    ReportSection::Control m_title, m_pageOf, m_date, m_name, m_timeOff, m_reason;
    QList<TimeOffRow> m_rows;
};
