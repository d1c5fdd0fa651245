#pragma once

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
class Prompt;

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
// departments, positions and employees, and builds the report of a type over them. It only
// reads: master data from clsEmployeeInfo, shifts and time off through a read-only
// clsScheduleData.
//
// Calling order: FirstDate, Lastdate, the filters and sets, then createReport once per type.
class clsPrintschedule
{
public:
    enum ReportType {
        IndividualEmployee = 0,
        Weekly = 1,
        PhoneList = 2,
        HoursByDepartment = 3,
        HoursByPosition = 4,
        ScheduledTimeOff = 5,
    };

    // `prompt` tells the user "No Data" and a reversed range.
    clsPrintschedule(clsEmployeeInfo &info, clsOptions &options, Prompt &prompt);
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

    // The shifts of the chosen departments beginning on the days of the range, grouped by
    // department, then day, then file order.
    QList<ReportShiftRow> LoadReportdata();
    // The time off of the chosen employees (or of every member of the chosen departments, each
    // once) that overlaps the range, each period whole.
    QList<TimeOffRow> LoadTimeOffData();

    // The laid-out report of a type with its rows sorted, ready to paint, print or preview. When
    // there is nothing to print the user is told ("No Data", or that the first date is after
    // the last) and the result is empty; an unknown type gives an empty result silently.
    std::unique_ptr<BandedReport> createReport(int type, const QString &title);
    // The title the report selection gives a type for the range: "Weekly Schedule 3/5/01 - 3/11/01".
    static QString defaultTitle(int type, double firstDay, double lastDay);

    // The orders the reports print rows in.
    void sortShiftRows(QList<ReportShiftRow> &rows, int type) const;
    void sortTimeOffRows(QList<TimeOffRow> &rows) const;

    // Files of the last loads that exist but could not be read (they contributed nothing), and
    // stored records with impossible dates that were left out.
    const QList<FileError> &unreadableFiles() const { return m_unreadable; }
    int damagedRecords() const { return m_damaged; }

    static constexpr const char *kNoData = "No Data";
    static constexpr const char *kReversedRange = "The first date is after the last date.";

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
    Prompt &m_prompt;
    std::unique_ptr<clsScheduleData> m_schedule;
    QHash<qint32, QList<QPair<double, double>>> m_timeOffSpans;   // by employee, read once per report data
    QPageLayout m_pageLayout;
    BandedReport::Progress m_progress;

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
