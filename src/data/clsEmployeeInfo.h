#pragma once

#include "AssignmentRecords.h"
#include "DefaultShiftRecords.h"
#include "DepartmentRecords.h"
#include "EmployeeFields.h"
#include "EmployeeRecords.h"
#include "MembershipRecords.h"
#include "PositionRecords.h"
#include "RecordList.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class EmployeeInfoTarget;

// The master data: every record file of the data folder, held in memory by one class a file
// (DepartmentRecords, EmployeeRecords, ...). This class ties them together: each changing
// operation rewrites the affected files whole (together where there are several); a failed write
// throws FileError to the caller.
// Lists are 0-based; the order of their entries is the record order of the files.
// Text that Windows-1252 cannot hold is refused with CodePage::UnencodableText before anything
// changes. Every change is announced by a signal, so windows that show master data follow
// changes made in other windows.
class clsEmployeeInfo : public QObject
{
    Q_OBJECT

public:
    enum class Access { ReadWrite, ReadOnly };

    // Loads every file of the folder. ReadOnly never creates a file (BarNames.dat included)
    // and refuses every write.
    explicit clsEmployeeInfo(const QString &dataPath, Access access = Access::ReadWrite);

    const QString &DataPath() const { return m_dataPath; }

    // Between beginBatch() and endBatch() changed files are written once, at endBatch(), instead
    // of after every operation: for bulk work such as filling a new data folder.
    void beginBatch();
    void endBatch();
    // Ends a batch without writing anything: the files are read again, so that memory and disk
    // agree as before the batch began.
    void cancelBatch();
    // Reloads everything from disk; unsaved in-memory changes are lost.
    void Refresh();

    // Departments
    void AddDepartment(const QString &name);
    void DeleteDepartment(const QString &name);
    void LoadDepartmentList();
    qint16 GetDepartmentFirstDay(const QString &name) const;
    void SaveDepartmentFirstDay(const QString &name, qint16 day);
    void OverTimeDepartmentset(const QString &name, bool weekly, quint8 hours);
    quint8 OverTimeDepartmentGet(const QString &name, bool weekly) const;
    QList<DepartmentInfo> Departments() const;   // read-only view of every record, writes nothing
    // The departments' names in record order, each name once: old files may hold two records of
    // one name, which every lookup resolves to the first, so a list or an output that walks the
    // departments must not meet the name twice. Writes nothing.
    QStringList DepartmentNames() const;
    // The stored names of the departments a user typed (a command's --department), in the order
    // given and each once: letter case (as the code page upper-cases) and white space around a
    // name do not matter. Nothing when a typed name matches no department; `unknown` then
    // receives the first such name, as typed.
    std::optional<QStringList> DepartmentsNamed(const QStringList &typed, QString *unknown = nullptr) const;

    // Positions
    void JobInfoAdd(const QString &name, qint32 textColor, qint32 backColor);
    void JobDelete(const QString &name);
    void JobNameInfoGet(const QString &name, qint32 &textColor, qint32 &backColor) const;
    QStringList JobNamesGetAll() const;
    QStringList PositionsInDept(const QStringList &departments) const;
    const QList<PositionInfo> &Positions() const { return m_positions.list(); }

    // Employees
    // With fields.number 0 adds an employee under a new number and returns it; otherwise
    // overwrites what the editor edits (see EmployeeFieldEntry::edited) in the record of that
    // number and returns 0.
    qint32 AddEmployee(const EmployeeFields &fields);
    void DeleteUser(qint32 employee);
    bool EmployeeExists(qint32 employee) const;
    void PopulateInfoControl(EmployeeInfoTarget &control, qint32 employee) const;
    QString ConvertNumberToName(qint32 employee, bool useScheduleName) const;
    // The names of the employees as ConvertNumberToName gives them, told apart where they are
    // equal: by the other name (full or schedule name), else by the employee number.
    QStringList DistinctNames(const QList<qint32> &employees, bool useScheduleName) const;
    void GetEmpNames(QStringList &names, QList<qint32> &numbers) const;
    QString EmpInfoPhoneGet(qint32 employee, bool emergency) const;
    std::optional<EmployeeFields> GetEmployee(qint32 employee) const;  // first record with the number
    QList<EmployeeFields> Employees() const;                           // every record, in order

    // Department membership
    void LoadDepartmentEmployees();
    QList<qint32> GetEmployeeInDept(const QString &department) const;
    QList<qint32> EmployeesInDept(const QStringList &departments) const;
    QStringList DeptEmployeeGetDepts(qint32 employee) const;
    void DeptEmployeeSetAll(qint32 employee, const QStringList &departments);
    void AddEmployeeToDept(const QString &department, qint32 employee);
    void DeleteEmployeeFromDept(const QString &department, qint32 employee);
    qint16 GetBarForEmployeeNumber(qint32 employee) const;
    QList<Membership> Memberships() const;

    // Position assignments and availability
    QStringList JobEmpAvalGet(qint32 employee) const;
    void JobEmpAvalReplace(qint32 employee, const QStringList &positions);
    void JobEmpAvalAdd(qint32 employee, const QString &position);
    bool JobEmployeeHasMultiple(qint32 employee) const;
    qint16 GetAvalJobs(qint32 employee) const;
    // Fills starts and ends (Sunday first) with the time-of-day parts, an end of 0 read as 1.0;
    // leaves them unchanged when no record has the number.
    void EmployeeGetAvalTimes(qint32 employee, std::array<double, 7> &starts, std::array<double, 7> &ends) const;
    void EmployeeSetAvalTimes(qint32 employee, const std::array<double, 7> &starts,
                              const std::array<double, 7> &ends);
    QList<qint32> EmployeeGetForDeptandPost(const QStringList &positions, const QStringList &departments) const;
    const QList<Assignment> &Assignments() const { return m_assignments.list(); }

    // Default work shifts
    QList<DefaultShift> ShiftAutoGetAll(const QString &department) const;
    void ShiftSaveAll(const QString &department, const QList<DefaultShift> &shifts);
    void DeleteShiftsFromDept(const QString &department);
    const QList<DefaultShift> &DefaultShifts() const { return m_shifts.list(); }

    // File names inside the data folder.
    static constexpr const char *kDepartmentsFile = "Dept.dat";
    static constexpr const char *kPositionsFile = "Jobs.dat";
    static constexpr const char *kEmployeesFile = "EmployeeInfo.dat";
    static constexpr const char *kContactsFile = "EmployeeContact.dat";
    static constexpr const char *kAddressesFile = "EmployeeAddress.dat";
    static constexpr const char *kMembershipsFile = "EmployeeDept.dat";
    static constexpr const char *kAssignmentsFile = "JobsAval.dat";
    static constexpr const char *kDefaultShiftsFile = "Shifts.dat";
    static constexpr const char *kBarNamesFile = "BarNames.dat";

Q_SIGNALS:
    // Departments were added, deleted or changed (memberships may have gone with them).
    void departmentsChanged();
    // Positions were added, deleted or recoloured.
    void positionsChanged();
    // Employees, their memberships or their positions changed.
    void employeesChanged();
    // Default work shifts changed.
    void shiftsChanged();
    // Every file was read again (Refresh, a cancelled batch): any list may have changed.
    void reloaded();

private:
    void LoadAll();
    QString path(const char *fileName) const;
    void requireWritable() const;
    void writeDepartments();
    void writeEmployees();
    void writeMemberships();
    void writePositions();
    void writeAssignments();
    void writeDefaultShifts();
    void openBarNames();

    enum DirtyFile { DirtyDepartments = 1, DirtyEmployees = 2, DirtyMemberships = 4, DirtyPositions = 8,
                     DirtyAssignments = 16, DirtyDefaultShifts = 32 };
    bool deferred(DirtyFile file);

    QString m_dataPath;
    Access m_access;
    int m_batchDepth = 0;
    int m_dirty = 0;
    DepartmentRecords m_departments;
    EmployeeRecords m_employees;
    RecordList m_contacts{108};    // read and kept, never interpreted
    RecordList m_addresses{380};
    MembershipRecords m_memberships;
    PositionRecords m_positions;
    AssignmentRecords m_assignments;
    DefaultShiftRecords m_shifts;
};
