#pragma once

#include "ReportTexts.h"
#include "ShiftLine.h"
#include "clsPrintschedule.h"
#include "reports/engine/BandedReport.h"

#include <QHash>

class clsEmployeeInfo;

// The weekly schedule: shift rows grouped by department and by day, with day and department
// hour totals.
class rptWeekReport : public BandedReport
{
public:
    rptWeekReport(const clsEmployeeInfo &info, bool showPosition);

    // Keeps the rows (already in print order) and the title.
    void SetupData(const QString &title, const QList<ReportShiftRow> &rows);

protected:
    int rowCount() const override { return int(m_rows.size()); }
    QString breakValue(int group, int row) const override;
    void formatPageHeader(ReportSection &section, int page) override;
    void formatGroupHeader(int group, ReportSection &section, int row) override;
    void formatDetail(ReportSection &section, int row) override;
    void formatGroupFooter(int group, ReportSection &section, int row) override;

private:
    struct Controls {
        ReportSection::Control title, pageOf, departmentName, departmentTotal, positionCaption, dayTotal, grandTotal;
        ShiftLine line;
    };

    const clsEmployeeInfo &m_info;
    Controls m_controls;
    ReportTexts m_texts;
    bool m_showPosition;
    QString m_title;
    QList<ReportShiftRow> m_rows;
    QHash<QString, qint64> m_departmentSeconds;
    qint64 m_allSeconds = 0;
    QStringList m_dayKeys;                 // per row: department and day number
    QHash<QString, qint64> m_daySeconds;   // per day key
};
