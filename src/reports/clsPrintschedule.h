#pragma once

#include "ReportCatalog.h"
#include "data/FileError.h"
#include "reports/engine/BandedReport.h"

#include <QHash>
#include <QList>
#include <QPageLayout>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>

class clsEmployeeInfo;
class clsOptions;
class clsScheduleData;

// One stored shift as the schedule reports print it.
struct ReportShiftRow {
    qint32 employee = 0;
    double start = 0;
    double end = 0;
    QString position;     // trimmed, as stored
    QString department;   // the department the shift was read under
    bool conflict = false; // the scheduler refuses it (it collides with a shift or time off): listed, never counted

    // The seconds the shift adds to a total: none for a conflict.
    qint64 countedSeconds() const;
};

// One time-off period, whole, listed once: on the day it begins, or on the report's first day
// when it began earlier.
struct TimeOffRow {
    qint32 employee = 0;
    double start = 0;
    double end = 0;
    QString reason;       // trimmed
    double day = 0;       // the whole day it is listed under
};

// Turns stored shifts and time off into sorted report rows for a date range and a selection of
// departments, positions and employees; ReportCatalog::build makes the reports over them. It
// only reads: master data from clsEmployeeInfo, shifts and time off through a read-only
// clsScheduleData.
//
// Calling order: FirstDate, Lastdate, the filters and sets, then ReportCatalog::build once per
// report.
class clsPrintschedule
{
public:
    clsPrintschedule(clsEmployeeInfo &info, clsOptions &options);
    ~clsPrintschedule();

    void FirstDate(double day);   // whole days; a time part is dropped
    void Lastdate(double day);
    void DepartmentFilter(bool on) { m_departmentFilter = on; }
    void DepartmentSet(const QStringList &departments) { m_departments = departments; }
    void JobFilter(bool on) { m_jobFilter = on; }
    void JobsSet(const QStringList &positions) { m_positions = positions; }
    void EmployeeFilter(bool on) { m_employeeFilter = on; }
    void EmployeeFilterEmployees(const QList<qint32> &employees) { m_employees = employees; }
    // The page size and margins of the reports made from now on.
    void setPageLayout(const QPageLayout &layout) { m_pageLayout = layout; }
    // Told how the layout of each report made from now on comes along (see
    // BandedReport::setProgress); a report whose layout it stops is not returned. The returned
    // report no longer holds it.
    void setProgress(BandedReport::Progress progress) { m_progress = std::move(progress); }
    // Where the week posting gets each department week's needs from.
    void setWeekNeeds(WeekNeedsSource source) { m_weekNeeds = std::move(source); }
    const WeekNeedsSource &weekNeeds() const { return m_weekNeeds; }

    clsEmployeeInfo &info() const { return m_info; }
    clsOptions &options() const { return m_options; }
    double firstDay() const { return m_first; }
    double lastDay() const { return m_last; }
    // The chosen departments, positions and employees; empty when that filter is off.
    QStringList chosenDepartments() const { return m_departmentFilter ? m_departments : QStringList(); }
    QStringList chosenPositions() const { return m_jobFilter ? m_positions : QStringList(); }
    QList<qint32> chosenEmployees() const { return m_employeeFilter ? m_employees : QList<qint32>(); }
    const QPageLayout &pageLayout() const { return m_pageLayout; }
    const BandedReport::Progress &progress() const { return m_progress; }

    // The shifts of the chosen departments beginning on the days of the range, grouped by
    // department, then day, then file order.
    QList<ReportShiftRow> LoadReportdata();
    // The time off of the chosen employees (or of every member of the chosen departments, each
    // once) that overlaps the range, each period whole.
    QList<TimeOffRow> LoadTimeOffData();

    // The orders the reports print rows in: the individual employee report by employee name,
    // the others by department.
    void sortShiftRows(QList<ReportShiftRow> &rows, ReportId report) const;
    void sortTimeOffRows(QList<TimeOffRow> &rows) const;

    // Files of the last loads that exist but could not be read (they contributed nothing), and
    // stored records with impossible dates that were left out.
    const QList<FileError> &unreadableFiles() const { return m_unreadable; }
    int damagedRecords() const { return m_damaged; }

private:
    // The shifts (their employee, begin and end bytes) that the scheduler refuses among a
    // department's stored shifts beginning on the report's days, each key as often as refused.
    QHash<QByteArray, int> refusedShifts(const QString &department, const QList<QByteArray> &stored);
    // The employee's time-off periods (begin, end), read once per report data.
    const QList<QPair<double, double>> &timeOffSpans(qint32 employee);

    QStringList departmentList() const;
    QList<qint32> employeeList() const;

    clsEmployeeInfo &m_info;
    clsOptions &m_options;
    std::unique_ptr<clsScheduleData> m_schedule;
    QHash<qint32, QList<QPair<double, double>>> m_timeOffSpans;   // by employee, read once per report data
    QPageLayout m_pageLayout;
    BandedReport::Progress m_progress;
    WeekNeedsSource m_weekNeeds;

    double m_first = 0;
    double m_last = 0;
    bool m_departmentFilter = false;
    bool m_jobFilter = false;
    bool m_employeeFilter = false;
    QStringList m_departments;
    QStringList m_positions;
    QList<qint32> m_employees;

    QList<FileError> m_unreadable;
    int m_damaged = 0;
};
