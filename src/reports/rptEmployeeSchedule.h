#pragma once

#include "clsPrintschedule.h"
#include "reports/engine/BandedReport.h"

#include <QList>

class clsEmployeeInfo;

// One line of an employee's schedule: a shift, a time off, or a free day.
struct EmployeeScheduleLine {
    qint32 employee = 0;
    QString name;
    double week = 0;       // the first day of the week the day belongs to
    double day = 0;
    QString times;         // "9:00a-5:00p", "Off", "Off 1:00p-3:00p"; empty on a free day
    QString department;
    QString position;
    QString hours;
};

// "My schedule", for handing out: a page (or more) per employee with every day of the range,
// each day's shifts and time off, and the hours of each week (from the first weekday of the
// employee's first department) marked when over that department's limit.
class rptEmployeeSchedule : public BandedReport
{
public:
    explicit rptEmployeeSchedule(const clsEmployeeInfo &info);

    // The departments the report was asked for (empty: every one); an employee's weeks follow
    // the first of them the employee belongs to.
    void setDepartments(const QStringList &departments) { m_departments = departments; }
    // The employees in the given order (each on pages of their own) over first..last.
    void SetupData(const QString &title, const QList<qint32> &employees, double first, double last,
                   const QList<ReportShiftRow> &shifts, const QList<TimeOffRow> &timeOff);
    const QList<EmployeeScheduleLine> &lines() const { return m_lines; }

protected:
    int rowCount() const override { return int(m_lines.size()); }
    QString breakValue(int group, int row) const override;
    void formatPageHeader(ReportSection &section, int page) override;
    void formatGroupHeader(int group, ReportSection &section, int row) override;
    void formatDetail(ReportSection &section, int row) override;
    void formatGroupFooter(int group, ReportSection &section, int row) override;

private:
    const clsEmployeeInfo &m_info;
    ReportSection::Control m_title, m_pageOf, m_employee, m_week, m_weekTotal;
    ReportSection::Control m_date, m_weekday, m_times, m_department, m_position, m_hours;
    QList<EmployeeScheduleLine> m_lines;
    QHash<QString, QString> m_weekTotals;   // by the week's break value
    QStringList m_departments;
};
