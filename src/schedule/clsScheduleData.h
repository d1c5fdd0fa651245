#pragma once

#include "data/FileError.h"
#include "data/RecordList.h"
#include "HourTotals.h"
#include "WeekCost.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// A shift of an employee in another department than the one shown.
struct OtherDepartmentShift {
    QString department;
    double begin = 0;
    double end = 0;
};

// An employee's hours in one department over the shown days.
struct DepartmentHours {
    QString department;
    qint64 seconds = 0;
};

// The words of the marks on shifts that overlap another department's; the windows give them.
struct OtherDepartmentWording {
    // A block's warning, from the shifts in other departments it overlaps.
    std::function<QString(const QList<OtherDepartmentShift> &)> overlaps;
    // The hours column's tip: the shown department first, then each other one with hours, and
    // the total of them all.
    std::function<QString(const QList<DepartmentHours> &, qint64 totalSeconds)> hours;
};

class clsEmployeeInfo;
class clsOptions;
class PayRates;
class TimeGridModel;

// A stored shift that a reload refused because it collides with another block of its row.
struct RefusedShift {
    qint32 employee = 0;
    double begin = 0;
    double end = 0;
    QString position;
    QByteArray record;   // the stored record as read, so that a save writes it back unchanged
};

// A stored period of time off that a reload refused because it collides with another block of
// its row; it stays in its file.
struct RefusedTimeOff {
    qint32 employee = 0;
    double begin = 0;
    double end = 0;
};

// Binds one department's shifts for a range of days to a time-bar grid: defines the bar styles
// from the positions, fills one row per employee, lays shifts and time off as blocks, keeps the
// hours column, and writes the grid back to the day files.
//
// Call order: setScheduleControl, (setFilterEmployee), SetDate, SetDepartment, Reload; then
// edits, and SaveSchedule. Between a reload and the next save the grid is the only copy of the
// user's edits. Failed writes throw FileError; the grid keeps its blocks.
class clsScheduleData
{
public:
    enum HoursMode { WeekHours = 0, DayHours = 1, DaysWorked = 2 };

    clsScheduleData(clsEmployeeInfo &info, clsOptions &options);

    // ---- Set-up
    void setScheduleControl(TimeGridModel *grid);
    void SetDate(double firstDay, double lastDay);
    void SetDepartment(const QString &department);
    void setFilterEmployee(qint32 employee);
    void Reload();
    // A read-only schedule never creates a folder or writes a file (for exports).
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    // A read-only schedule reads the other departments' shifts too (a plan must avoid them).
    void setReadsOtherDepartments(bool reads) { m_readsOtherDepartments = reads; }

    double FirstDay() const { return m_firstDay; }
    double LastDay() const { return m_lastDay; }
    const QString &Department() const { return m_department; }
    const QString &dataPath() const { return m_dataPath; }
    qint32 FilterEmployee() const { return m_filterEmployee; }
    TimeGridModel *grid() const { return m_grid; }
    int weekLimit() const { return m_weekLimit; }
    int dayLimit() const { return m_dayLimit; }
    // The shifts the last reload refused as collisions, in load order.
    const QList<RefusedShift> &refusedShifts() const { return m_refused; }
    // The time off the last reload refused as collisions, in load order.
    const QList<RefusedTimeOff> &refusedTimeOff() const { return m_refusedTimeOff; }
    // Day and time-off files that exist but could not be read at the last reload. The grid shows
    // nothing of them, so a save never replaces them.
    const QList<FileError> &unreadableFiles() const { return m_unreadable; }
    // Stored shifts and time off the last reload ignored because their times are not plausible
    // dates (damaged records).
    int damagedRecords() const { return m_damaged; }

    // The first day of the department's week that holds the date: the department's first
    // weekday on or before it.
    static double WeekStart(const clsEmployeeInfo &info, const QString &department, double date);

    // ---- Shift files
    // Fills `records` with the shifts of the days first..last (see the widening rules), in file
    // order. A day file that exists but cannot be read throws FileError, unless `unreadable` is
    // given: then the day contributes nothing and its error is appended there.
    void LoadSchedule(RecordList &records, const QString &department, double firstDay, double lastDay,
                      qint32 employee, bool exactRange, QList<FileError> *unreadable = nullptr) const;
    // Writes every day of the range from the grid. A day whose file could not be read at the last
    // reload is left as it is, and FileError names it after the other days are written. Stored
    // shifts the reload refused are written back to their day unchanged, after the grid's.
    void SaveSchedule();
    bool AreShiftsScheduled(double day, const QString &department) const;
    void CopySchedule(double sourceDay, double targetDay, const QString &department);

    // ---- Time off
    // The employee's periods in file order; a file that exists but cannot be read throws
    // FileError, so that nobody edits and saves an empty list over it.
    void TimeOffLoad(qint32 employee, RecordList &records) const;
    // Throws FileError for a file the last reload could not read.
    void TimeOffSave(qint32 employee, const RecordList &records);

    // ---- Placement
    // Adds a shift or time-off block; the new block's number, or -1 when begin equals end or the
    // block collides with another block of the row (the caller decides what to tell).
    int AddScheduleTime(int row, double begin, double end, const QString &position, bool isTimeOff);
    // Adds a block that was already checked, without asking anything; its label and the row's
    // hours follow. -1 when begin equals end.
    int placeBlock(int row, double begin, double end, const QString &position, bool isTimeOff, int id = 0);
    // True when a block of the row other than `ignoredBlock` touches or overlaps begin..end.
    bool IsOverlapping(double begin, double end, int row, int ignoredBlock = -1) const;
    // The first such block, or -1.
    int overlappingBlock(double begin, double end, int row, int ignoredBlock = -1) const;
    void ChangeJob(int block, const QString &position);
    void TBDelete(int block);
    void FormatTimeBlockText(int block, double begin = 0, double end = 0);
    // The bar of a position name: 1..n for the positions, 0 ("None") when none matches.
    int BarForPosition(const QString &position) const;
    int OffBar() const { return int(m_positions.size()) + 1; }
    // Time off is the blocks on the "Off" bar; this is the one place that decides it.
    bool isTimeOffBlock(int block) const;

    // ---- Hours column
    void ScheduleDisplayHours(int mode);
    void SetDayView(double day);
    void formatTotalHours(int row, int block);
    int hoursMode() const { return m_hoursMode; }
    double chosenDay() const { return m_chosenDay; }
    // The hours-column text of a row in a mode (the chosen day for day hours) and whether it is
    // over the department's limit.
    QString hoursText(int row, int mode, double day, bool *over = nullptr) const;
    // The hour totals of a row's blocks over the current range.
    HourTotals rowTotals(int row) const;
    // What a row's shifts of the current week cost at these rates; `blocks` receives the
    // row's shift blocks in the order of the cost's shift indexes.
    WeekCost rowCost(int row, const PayRates &rates, qint64 multiplierHundredths, QList<int> *blocks = nullptr) const;

    // ---- Other departments
    // The employee's shifts in the other departments that overlap begin..end (touching is no
    // overlap), from the shifts read at the last reload: the shown days and one day either side.
    // Each department keeps its own collision rule; these are only told and marked.
    QList<OtherDepartmentShift> otherDepartmentOverlaps(qint32 employee, double begin, double end) const;
    // The words of the marks. Without them a marked block's warning lists the departments only
    // (so that it is still marked), and the hours column has no tip.
    void setOtherDepartmentWording(OtherDepartmentWording wording) { m_wording = std::move(wording); }
    // Marks the row's blocks that overlap a shift in another department (TBWarning) and gives
    // the hours column the employee's hours in every department (ResourceInfoTip).
    void markOtherDepartments(int row);

    // ---- Rows
    qint32 FindEmployeeNumberFromResorce(int row) const;
    // The employee a row's shifts are saved under: the filtered employee in a one-employee view.
    qint32 employeeOfRow(int row) const;
    int findEmployeeRow(qint32 employee) const;   // -2 when no row holds the employee

private:
    void defineBars();
    int addEmployeeRow(qint32 employee, const QString &caption);
    void SaveScheduleDay(const QString &department, const RecordList &records, double day);
    void reloadAll();
    void reloadSingleEmployee();
    // The shifts stored in the days' buffers, in order, each placed in its row (row 0 when
    // `singleRow`) or refused.
    void placeStoredShifts(const QList<QByteArray> &days, bool singleRow);
    struct StoredAt {
        int day;             // in m_storedDays
        qsizetype offset;    // of the record in that day's bytes
    };
    void placeStoredShift(const char *record, StoredAt at, bool singleRow);
    // The files of the days first..last, each as whole records; see LoadSchedule.
    QList<QByteArray> readDays(const QString &department, double firstDay, double lastDay,
                               QList<FileError> *unreadable) const;
    bool isUnreadable(const QString &file) const;
    void setColumnCaption();
    // Reads the employees' shifts in the other departments; the rows are marked as their hours
    // are counted.
    void loadOtherDepartments();

    clsEmployeeInfo &m_info;
    clsOptions &m_options;
    QString m_dataPath;
    TimeGridModel *m_grid = nullptr;

    QString m_department;
    double m_firstDay = 0;
    double m_lastDay = 0;
    double m_chosenDay = 0;
    int m_hoursMode = WeekHours;
    int m_weekLimit = 0;
    int m_dayLimit = 0;
    qint32 m_filterEmployee = 0;
    bool m_readOnly = false;
    bool m_readsOtherDepartments = false;
    QStringList m_positions;
    QHash<qint32, int> m_rowOfEmployee;   // first row of each employee number
    // The stored records the last reload read, as read, and for each block placed from one of
    // them (by block id) where its record is there, rather than a copy per block.
    QList<QByteArray> m_storedDays;
    // The records of each day as last saved, kept for their memory: a week of a large staff is
    // megabytes, and memory taken anew costs the system a fault per page at every save.
    QList<RecordList> m_savedDays;
    QHash<int, StoredAt> m_storedRecords;
    QHash<int, QString> m_timeLabels;   // block labels by begin and end minute of the day
    QList<RefusedShift> m_refused;
    QList<RefusedTimeOff> m_refusedTimeOff;
    QHash<qint32, QList<OtherDepartmentShift>> m_otherDepartments;   // by employee, read at reload
    OtherDepartmentWording m_wording;
    QList<FileError> m_unreadable;
    int m_damaged = 0;
    // While a reload places blocks no row's hours are counted; the reload counts every row once
    // when it ends instead of once per block placed.
    bool m_totalsDeferred = false;
};
