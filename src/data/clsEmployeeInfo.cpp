#include "clsEmployeeInfo.h"

#include "CodePage.h"
#include "EmployeeFieldTable.h"
#include "EmployeeInfoTarget.h"
#include "FileError.h"
#include "MultiFileCommit.h"
#include "ScheduleHelper.h"
#include "StoredName.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>

clsEmployeeInfo::clsEmployeeInfo(const QString &dataPath, Access access)
    : m_dataPath(dataPath), m_access(access)
{
    LoadAll();
}

QString clsEmployeeInfo::path(const char *fileName) const
{
    return m_dataPath + u'/' + QLatin1String(fileName);
}

void clsEmployeeInfo::requireWritable() const
{
    if (m_access == Access::ReadOnly)
        throw FileError(QStringLiteral("WriteFileBytes"), m_dataPath,
                        QCoreApplication::translate("clsEmployeeInfo", "the data folder was opened for reading only"), FileError::Kind::Write);
}

void clsEmployeeInfo::beginBatch()
{
    ++m_batchDepth;
}

void clsEmployeeInfo::endBatch()
{
    if (m_batchDepth == 0 || --m_batchDepth > 0)
        return;
    const int dirty = std::exchange(m_dirty, 0);
    MultiFileCommit together(m_dataPath);   // the batch reaches the disk whole, or not at all
    if (dirty & DirtyDepartments) writeDepartments();
    if (dirty & DirtyPositions) writePositions();
    if (dirty & DirtyEmployees) writeEmployees();
    if (dirty & DirtyMemberships) writeMemberships();
    if (dirty & DirtyAssignments) writeAssignments();
    if (dirty & DirtyDefaultShifts)
        writeDefaultShifts();
    together.commit();
    if (dirty & DirtyDefaultShifts)
        m_shifts.load(path(kDefaultShiftsFile));
}

void clsEmployeeInfo::cancelBatch()
{
    m_batchDepth = 0;
    m_dirty = 0;
    LoadAll();
    Q_EMIT reloaded();
}

bool clsEmployeeInfo::deferred(DirtyFile file)
{
    requireWritable();
    if (m_batchDepth == 0)
        return false;
    m_dirty |= file;
    return true;
}

void clsEmployeeInfo::writeDepartments()
{
    if (!deferred(DirtyDepartments))
        m_departments.save(path(kDepartmentsFile));
}

void clsEmployeeInfo::writeEmployees()
{
    if (!deferred(DirtyEmployees))
        m_employees.save(path(kEmployeesFile));
}

void clsEmployeeInfo::writeMemberships()
{
    if (!deferred(DirtyMemberships))
        m_memberships.save(path(kMembershipsFile));
}

void clsEmployeeInfo::writePositions()
{
    if (!deferred(DirtyPositions))
        m_positions.save(path(kPositionsFile));
}

void clsEmployeeInfo::writeAssignments()
{
    if (!deferred(DirtyAssignments))
        m_assignments.save(path(kAssignmentsFile));
}

void clsEmployeeInfo::writeDefaultShifts()
{
    if (!deferred(DirtyDefaultShifts))
        m_shifts.save(path(kDefaultShiftsFile));
}

void clsEmployeeInfo::LoadAll()
{
    m_addresses.load(path(kAddressesFile));
    m_contacts.load(path(kContactsFile));
    m_employees.load(path(kEmployeesFile));
    LoadDepartmentEmployees();
    LoadDepartmentList();
    openBarNames();
    m_positions.load(path(kPositionsFile));
    m_assignments.load(path(kAssignmentsFile));
    m_shifts.load(path(kDefaultShiftsFile));
}

void clsEmployeeInfo::Refresh()
{
    LoadAll();
    Q_EMIT reloaded();
}

void clsEmployeeInfo::openBarNames()
{
    // The file carries nothing we use; it is created when absent, as the older program did.
    const QString file = path(kBarNamesFile);
    if (m_access == Access::ReadOnly || QFile::exists(file))
        return;
    QFile created(file);
    if (!created.open(QIODevice::WriteOnly))
        throw FileError(QStringLiteral("ReadFileBytes"), file, created.errorString(), FileError::Kind::Read);
}

// ---- Departments ----------------------------------------------------------------------------

void clsEmployeeInfo::LoadDepartmentList()
{
    m_departments.load(path(kDepartmentsFile));
}

void clsEmployeeInfo::AddDepartment(const QString &name)
{
    CodePage::RequireEncodable(name);
    const int i = m_departments.add(name);
    try {
        writeDepartments();
    } catch (const FileError &) {
        // What is not on disk is not kept in memory either.
        m_departments.removeAt(i);
        throw;
    }
    Q_EMIT departmentsChanged();
}

void clsEmployeeInfo::DeleteDepartment(const QString &name)
{
    MultiFileCommit together(m_dataPath);   // every file of the delete, or none
    m_departments.removeNamed(name);
    DeleteEmployeeFromDept(name, 0);
    DeleteShiftsFromDept(name);
    writeDefaultShifts();
    writeDepartments();
    together.commit();
    Q_EMIT departmentsChanged();
    Q_EMIT shiftsChanged();
}

QList<DepartmentInfo> clsEmployeeInfo::Departments() const
{
    return m_departments.list();
}

QStringList clsEmployeeInfo::DepartmentNames() const
{
    return m_departments.names();
}

std::optional<QStringList> clsEmployeeInfo::DepartmentsNamed(const QStringList &typed, QString *unknown) const
{
    return m_departments.named(typed, unknown);
}

qint16 clsEmployeeInfo::GetDepartmentFirstDay(const QString &name) const
{
    return m_departments.firstDay(name);
}

void clsEmployeeInfo::SaveDepartmentFirstDay(const QString &name, qint16 day)
{
    if (!m_departments.setFirstDay(name, day))
        return;
    writeDepartments();
    Q_EMIT departmentsChanged();
}

void clsEmployeeInfo::OverTimeDepartmentset(const QString &name, bool weekly, quint8 hours)
{
    m_departments.setLimit(name, weekly, hours);
    writeDepartments();
    Q_EMIT departmentsChanged();
}

quint8 clsEmployeeInfo::OverTimeDepartmentGet(const QString &name, bool weekly) const
{
    return m_departments.limit(name, weekly);
}

// ---- Positions ------------------------------------------------------------------------------

void clsEmployeeInfo::JobInfoAdd(const QString &name, qint32 textColor, qint32 backColor)
{
    CodePage::RequireEncodable(name);
    m_positions.setColours(name, textColor, backColor);
    writePositions();
    Q_EMIT positionsChanged();
}

void clsEmployeeInfo::JobDelete(const QString &name)
{
    m_positions.removeNamed(name);
    MultiFileCommit together(m_dataPath);   // the position and its memberships go together
    writePositions();

    // Memberships of a department that bears exactly the position's name go with it, as the older
    // program did; the employees' assignments to the position stay. The older program rewrote
    // EmployeeDept.dat even when none went; every membership change is written at once, so that
    // rewrite would only repeat the bytes on disk. Skipping it keeps a copy changed by another
    // program and cannot fail a delete that changed no membership.
    if (m_memberships.removeDepartmentExactly(StoredName::key(name)))
        writeMemberships();
    together.commit();
    Q_EMIT positionsChanged();
}

void clsEmployeeInfo::JobNameInfoGet(const QString &name, qint32 &textColor, qint32 &backColor) const
{
    m_positions.colours(name, textColor, backColor);
}

QStringList clsEmployeeInfo::JobNamesGetAll() const
{
    return m_positions.names();
}

QStringList clsEmployeeInfo::PositionsInDept(const QStringList &departments) const
{
    QStringList result;
    for (const QString &department : departments)
        for (qint32 employee : GetEmployeeInDept(department))
            for (const QString &position : JobEmpAvalGet(employee))
                if (!result.contains(position))
                    result << position;
    return result;
}

// ---- Employees ------------------------------------------------------------------------------

qint32 clsEmployeeInfo::AddEmployee(const EmployeeFields &fields)
{
    requireWritable();
    for (const EmployeeFieldEntry &f : EmployeeFieldTable::fields())
        if (f.edited() && f.isText())
            CodePage::RequireEncodable(fields.*f.text);
    const qint32 created = fields.number == 0 ? m_employees.addNew() : 0;
    m_employees.update(created ? created : fields.number, fields);
    try {
        writeEmployees();
    } catch (...) {
        if (created)   // the new record is not kept in memory when it could not be saved
            m_employees.removeNewest(created);
        throw;
    }
    Q_EMIT employeesChanged();
    return created;
}

void clsEmployeeInfo::DeleteUser(qint32 employee)
{
    MultiFileCommit together(m_dataPath);   // every file of the delete, or none
    m_employees.remove(employee);
    m_assignments.removeEmployee(employee);
    m_memberships.removeEmployee(employee);
    writeMemberships();
    writeAssignments();
    writeEmployees();
    together.commit();
    Q_EMIT employeesChanged();
}

bool clsEmployeeInfo::EmployeeExists(qint32 employee) const
{
    return m_employees.contains(employee);
}

void clsEmployeeInfo::PopulateInfoControl(EmployeeInfoTarget &control, qint32 employee) const
{
    control.SetPositions(JobEmpAvalGet(employee));
    control.SetDepartments(DeptEmployeeGetDepts(employee));
    const std::optional<EmployeeFields> found = m_employees.get(employee);
    if (!found)
        return;
    control.setFields(*found);
}

QString clsEmployeeInfo::ConvertNumberToName(qint32 employee, bool useScheduleName) const
{
    return m_employees.displayName(employee, useScheduleName);
}

QStringList clsEmployeeInfo::DistinctNames(const QList<qint32> &employees, bool useScheduleName) const
{
    return m_employees.distinctNames(employees, useScheduleName);
}

void clsEmployeeInfo::GetEmpNames(QStringList &names, QList<qint32> &numbers) const
{
    m_employees.names(names, numbers);
}

QString clsEmployeeInfo::EmpInfoPhoneGet(qint32 employee, bool emergency) const
{
    return m_employees.phone(employee, emergency);
}

std::optional<EmployeeFields> clsEmployeeInfo::GetEmployee(qint32 employee) const
{
    return m_employees.get(employee);
}

QList<EmployeeFields> clsEmployeeInfo::Employees() const
{
    return m_employees.list();
}

// ---- Department membership ------------------------------------------------------------------

void clsEmployeeInfo::LoadDepartmentEmployees()
{
    m_memberships.load(path(kMembershipsFile));
}

QList<qint32> clsEmployeeInfo::GetEmployeeInDept(const QString &department) const
{
    return m_memberships.employeesIn(department);
}

QList<qint32> clsEmployeeInfo::EmployeesInDept(const QStringList &departments) const
{
    QList<qint32> result;
    QSet<qint32> seen;
    for (const QString &department : departments)
        for (qint32 employee : GetEmployeeInDept(department))
            if (!seen.contains(employee)) {
                seen.insert(employee);
                result << employee;
            }
    return result;
}

QStringList clsEmployeeInfo::DeptEmployeeGetDepts(qint32 employee) const
{
    return m_memberships.departmentsOf(employee);
}

void clsEmployeeInfo::DeptEmployeeSetAll(qint32 employee, const QStringList &departments)
{
    CodePage::RequireEncodable(departments.join(QString()));
    m_memberships.setAll(employee, departments);
    writeMemberships();
    Q_EMIT employeesChanged();
}

void clsEmployeeInfo::AddEmployeeToDept(const QString &department, qint32 employee)
{
    CodePage::RequireEncodable(department);
    if (!m_memberships.add(department, employee))
        return;
    writeMemberships();
    Q_EMIT employeesChanged();
}

void clsEmployeeInfo::DeleteEmployeeFromDept(const QString &department, qint32 employee)
{
    m_memberships.remove(department, employee);
    writeMemberships();
}

qint16 clsEmployeeInfo::GetBarForEmployeeNumber(qint32 employee) const
{
    const std::optional<EmployeeFields> e = m_employees.get(employee);
    return e ? e->barNumber : qint16(0);
}

QList<Membership> clsEmployeeInfo::Memberships() const
{
    return m_memberships.list();
}

// ---- Position assignments and availability --------------------------------------------------

QStringList clsEmployeeInfo::JobEmpAvalGet(qint32 employee) const
{
    return m_assignments.positionsOf(employee);
}

void clsEmployeeInfo::JobEmpAvalReplace(qint32 employee, const QStringList &positions)
{
    CodePage::RequireEncodable(positions.join(QString()));
    m_assignments.replace(employee, positions);
    writeAssignments();
    Q_EMIT employeesChanged();
}

void clsEmployeeInfo::JobEmpAvalAdd(qint32 employee, const QString &position)
{
    m_assignments.add(employee, position);   // memory only
}

bool clsEmployeeInfo::JobEmployeeHasMultiple(qint32 employee) const
{
    return m_assignments.countOf(employee) >= 2;
}

qint16 clsEmployeeInfo::GetAvalJobs(qint32 employee) const
{
    const std::optional<EmployeeFields> e = m_employees.get(employee);
    return e ? e->positionPick : qint16(0);
}

void clsEmployeeInfo::EmployeeGetAvalTimes(qint32 employee, std::array<double, 7> &starts,
                                           std::array<double, 7> &ends) const
{
    m_employees.availability(employee, starts, ends);
}

void clsEmployeeInfo::EmployeeSetAvalTimes(qint32 employee, const std::array<double, 7> &starts,
                                           const std::array<double, 7> &ends)
{
    m_employees.setAvailability(employee, starts, ends);
    writeEmployees();
}

QList<qint32> clsEmployeeInfo::EmployeeGetForDeptandPost(const QStringList &positions,
                                                         const QStringList &departments) const
{
    QList<qint32> result;
    QSet<qint32> found;
    for (const QString &department : departments) {
        for (qint32 employee : m_memberships.employeesInExactly(department)) {
            if (found.contains(employee))
                continue;
            const QStringList held = JobEmpAvalGet(employee);
            if (std::any_of(held.begin(), held.end(), [&](const QString &p) { return positions.contains(p); })) {
                found.insert(employee);
                result << employee;
            }
        }
    }
    return result;
}

// ---- Default work shifts --------------------------------------------------------------------

QList<DefaultShift> clsEmployeeInfo::ShiftAutoGetAll(const QString &department) const
{
    return m_shifts.of(department);
}

void clsEmployeeInfo::ShiftSaveAll(const QString &department, const QList<DefaultShift> &shifts)
{
    CodePage::RequireEncodable(department);
    m_shifts.replace(department, shifts);
    writeDefaultShifts();
    if (m_batchDepth == 0)
        m_shifts.load(path(kDefaultShiftsFile));
    Q_EMIT shiftsChanged();
}

void clsEmployeeInfo::DeleteShiftsFromDept(const QString &department)
{
    m_shifts.remove(department);
}
