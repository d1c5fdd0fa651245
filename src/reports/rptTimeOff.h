#pragma once

#include "clsPrintschedule.h"
#include "engine/BandedReport.h"

class clsEmployeeInfo;

// Scheduled time off, grouped by the day each period begins.
class rptTimeOff : public BandedReport
{
public:
    explicit rptTimeOff(const clsEmployeeInfo &info);

    // Keeps the rows (already in print order) and the title.
    void SetupData(const QString &title, const QList<TimeOffRow> &rows);
    // "All Day", or the start and end times: "9:00a - 1:30p".
    static QString timeText(double start, double end);

protected:
    int rowCount() const override { return int(m_rows.size()); }
    QString breakValue(int group, int row) const override;
    void formatPageHeader(ReportSection &section, int page) override;
    void formatGroupHeader(int group, ReportSection &section, int row) override;
    void formatDetail(ReportSection &section, int row) override;

private:
    const clsEmployeeInfo &m_info;
    QList<TimeOffRow> m_rows;
};
