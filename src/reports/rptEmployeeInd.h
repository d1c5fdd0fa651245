#pragma once

#include "ReportTexts.h"
#include "ShiftLine.h"
#include "clsPrintschedule.h"
#include "reports/engine/BandedReport.h"

#include "schedule/HourTotals.h"

#include <QHash>

class clsEmployeeInfo;

// The individual employee schedule: shift rows grouped by employee, with each employee's total.
class rptEmployeeInd : public BandedReport
{
public:
    rptEmployeeInd(const clsEmployeeInfo &info, bool showPosition);

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
        ReportSection::Control title, pageOf, employeeName, positionCaption, totalHours, weekTotal;
        ShiftLine line;
    };

    const clsEmployeeInfo &m_info;
    Controls m_controls;
    ReportTexts m_texts;
    bool m_showPosition;
    QList<ReportShiftRow> m_rows;
    QHash<qint32, qint64> m_employeeSeconds;
    // Weekly subtotals: each row's week (employee and first day), and each week's hours.
    struct Week {
        double first = 0;
        int limit = 0;
        HourTotals totals{0, 0, {}};
    };
    void totalWeeks();
    QStringList m_weekKeys;
    QHash<QString, Week> m_weeks;
};
