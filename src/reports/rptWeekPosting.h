#pragma once

#include "ReportCatalog.h"
#include "clsPrintschedule.h"
#include "reports/engine/BandedReport.h"

#include <QList>
#include <QStringList>
#include <array>

class clsEmployeeInfo;

// One employee's line of a posted department week.
struct PostingRow {
    QString department;
    double week = 0;                  // the week's first day
    qint32 employee = 0;
    QString name;
    std::array<QString, 7> days;      // shifts and time off of each day
    QString hours;                    // the week's hours, marked when over the limit
};

// The week posting for the notice board: one landscape page per department week, the employees
// down, the seven days across (each cell the shifts with their positions, and time off), the
// week's hours at the right, and the department's needs beside its staff at the foot when it has
// needs. Forty employees fit a page; more continue on the next under the same header.
class rptWeekPosting : public BandedReport
{
public:
    static constexpr int kRowsPerPage = 40;

    explicit rptWeekPosting(const clsEmployeeInfo &info);

    // The department weeks holding a day of first..last, of the departments in order; each week
    // lists the department's members (those of `employees` when it is not empty) and whoever
    // has a shift in it. A week without shifts is left out. `shifts` and `timeOff` cover the
    // whole weeks.
    void SetupData(const QString &title, const QStringList &departments, double first, double last,
                   const QList<qint32> &employees, bool onlyWithShifts, const QList<ReportShiftRow> &shifts,
                   const QList<TimeOffRow> &timeOff, const WeekNeedsSource &needs);
    const QList<PostingRow> &rows() const { return m_rows; }

protected:
    int rowCount() const override { return int(m_rows.size()); }
    void reportStart() override;
    QString breakValue(int group, int row) const override;
    void formatPageHeader(ReportSection &section, int page) override;
    void formatGroupHeader(int group, ReportSection &section, int row) override;
    void formatDetail(ReportSection &section, int row) override;
    void formatGroupFooter(int group, ReportSection &section, int row) override;

private:
    const clsEmployeeInfo &m_info;
    ReportSection::Control m_title, m_pageOf, m_department, m_week, m_name, m_hours;
    std::array<ReportSection::Control, 7> m_dayCaptions, m_days;
    struct NeedsLine {
        ReportSection::Control caption, total;
        std::array<ReportSection::Control, 7> days;
    };
    std::array<NeedsLine, 3> m_needsLines;   // needed, scheduled, short
    QList<PostingRow> m_rows;
    QHash<QString, WeekNeeds> m_needs;       // by break value
};
