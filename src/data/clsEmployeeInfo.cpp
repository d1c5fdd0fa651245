#include "clsEmployeeInfo.h"

#include "CodePage.h"
#include "EmployeeInfoTarget.h"
#include "FileError.h"
#include "OleDate.h"
#include "MultiFileCommit.h"
#include "ScheduleHelper.h"

#include <QCoreApplication>
#include <QHash>
#include <QFile>
#include <QSet>
#include <QRandomGenerator>

using CodePage::FieldToText;
using CodePage::TextToField;
using CodePage::trimBlanks;

namespace {

// Department record (530 bytes).
namespace Dept {
constexpr int Name = 0, NameWidth = 30, FirstDay = 30, WeekLimit = 32, DayLimit = 33;
}
// Position record (328 bytes).
namespace Job {
constexpr int Size = 328, Name = 0, NameWidth = 20, TextColor = 20, BackColor = 24;
}
// Employee record (732 bytes).
namespace Emp {
constexpr int Number = 0, FirstName = 4, MiddleName = 54, LastName = 104, Dob = 156, ScheduleName = 160,
              SSNumber = 212, DescCode = 216, HireDate = 268, Bar = 332, PositionPick = 334,
              AvailStart = 336, AvailEnd = 392, Phone = 448, Address1 = 458, Address2 = 488, City = 518,
              State = 548, PostalCode = 568, Spouse = 578, EmergencyContact = 598, EmergencyPhone = 618,
              Flags = 628;
constexpr int NameWidth = 50, PhoneWidth = 10, AddressWidth = 30, StateWidth = 20, PostalWidth = 10,
              SpouseWidth = 20, ContactWidth = 20;
}
// Membership record (36 bytes).
namespace Member {
constexpr int Employee = 0, Dept = 4, DeptWidth = 30;
}
// Assignment record (24 bytes).
namespace Assign {
constexpr int Size = 24, Employee = 0, Position = 4, PositionWidth = 20;
}
// Default shift record (248 bytes).
namespace Shift {
constexpr int Size = 248, Dept = 0, DeptWidth = 30, Start = 32, End = 40;
}

QByteArray field(const QString &text, int width)
{
    QByteArray bytes(width, ' ');
    TextToField(bytes.data(), width, text);
    return bytes;
}

QString key(const QString &name) { return CodePage::toUpper(trimBlanks(name)); }

// The field a department name given by a caller is looked up with: leading blanks do not
// matter, the name is cut to the field's width, and a name that still ends in a blank (or
// differs in letter case) matches no stored name. Empty when nothing can match.
std::optional<QByteArray> lookupField(const QString &name, int width)
{
    qsizetype first = 0;
    while (first < name.size() && name.at(first) == u' ')
        ++first;
    const QString cut = name.mid(first, width);
    if (cut.endsWith(u' '))
        return std::nullopt;
    return field(cut, width);
}

bool fieldMatches(const char *stored, const std::optional<QByteArray> &wanted, int width)
{
    return wanted && std::memcmp(stored, wanted->constData(), size_t(width)) == 0;
}

EmployeeFields decodeEmployee(const char *r)
{
    EmployeeFields e;
    e.number = Field::i32(r + Emp::Number);
    e.firstName = FieldToText(r + Emp::FirstName, Emp::NameWidth);
    e.middleName = FieldToText(r + Emp::MiddleName, Emp::NameWidth);
    e.lastName = FieldToText(r + Emp::LastName, Emp::NameWidth);
    e.dob = Field::i32(r + Emp::Dob);
    e.scheduleName = FieldToText(r + Emp::ScheduleName, Emp::NameWidth);
    e.ssNumber = Field::i32(r + Emp::SSNumber);
    e.descCode = FieldToText(r + Emp::DescCode, Emp::NameWidth);
    e.hireDate = Field::i32(r + Emp::HireDate);
    e.barNumber = Field::i16(r + Emp::Bar);
    e.positionPick = Field::i16(r + Emp::PositionPick);
    for (int d = 0; d < 7; ++d) {
        e.availabilityStart[d] = Field::f64(r + Emp::AvailStart + 8 * d);
        e.availabilityEnd[d] = Field::f64(r + Emp::AvailEnd + 8 * d);
    }
    e.phone = FieldToText(r + Emp::Phone, Emp::PhoneWidth);
    e.address1 = FieldToText(r + Emp::Address1, Emp::AddressWidth);
    e.address2 = FieldToText(r + Emp::Address2, Emp::AddressWidth);
    e.city = FieldToText(r + Emp::City, Emp::AddressWidth);
    e.state = FieldToText(r + Emp::State, Emp::StateWidth);
    e.postalCode = FieldToText(r + Emp::PostalCode, Emp::PostalWidth);
    e.spouse = FieldToText(r + Emp::Spouse, Emp::SpouseWidth);
    e.emergencyContact = FieldToText(r + Emp::EmergencyContact, Emp::ContactWidth);
    e.emergencyPhone = FieldToText(r + Emp::EmergencyPhone, Emp::PhoneWidth);
    e.male = ScheduleHelper::BitIsSet(Field::u8(r + Emp::Flags), 0);
    return e;
}

} // namespace

QString EmployeeFields::fullName() const
{
    QString name = trimBlanks(firstName);
    if (!name.isEmpty())
        name += u' ';
    name += trimBlanks(lastName);
    return trimBlanks(name);
}

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
        loadDefaultShifts();
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

void clsEmployeeInfo::LoadAll()
{
    m_addresses.load(path(kAddressesFile));
    m_contacts.load(path(kContactsFile));
    m_employees.load(path(kEmployeesFile));
    m_employeeIndexValid = false;
    LoadDepartmentEmployees();
    LoadDepartmentList();
    openBarNames();
    loadPositions();
    loadAssignments();
    loadDefaultShifts();
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

int clsEmployeeInfo::FindDepartmentIndex(const QString &name) const
{
    const auto wanted = lookupField(name, Dept::NameWidth);
    for (int i = 1; i <= m_departments.count(); ++i)
        if (fieldMatches(m_departments.record(i) + Dept::Name, wanted, Dept::NameWidth))
            return i;
    return 0;
}

void clsEmployeeInfo::writeDepartments()
{
    if (deferred(DirtyDepartments))
        return;
    m_departments.save(path(kDepartmentsFile));
}

void clsEmployeeInfo::LoadDepartmentList()
{
    m_departments.load(path(kDepartmentsFile));
}

void clsEmployeeInfo::AddDepartment(const QString &name)
{
    CodePage::RequireEncodable(name);
    const int i = m_departments.append();
    TextToField(m_departments.record(i) + Dept::Name, Dept::NameWidth, key(name));
    try {
        writeDepartments();
    } catch (const FileError &) {
        // What is not on disk is not kept in memory either.
        m_departments.removeMovingLast(i);
        throw;
    }
    Q_EMIT departmentsChanged();
}

void clsEmployeeInfo::DeleteDepartment(const QString &name)
{
    MultiFileCommit together(m_dataPath);   // every file of the delete, or none
    const auto wanted = lookupField(name, Dept::NameWidth);
    m_departments.removeAllMovingLast(
        [&](const char *r) { return fieldMatches(r + Dept::Name, wanted, Dept::NameWidth); });
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
    QList<DepartmentInfo> list;
    list.reserve(m_departments.count());
    for (int i = 1; i <= m_departments.count(); ++i) {
        const char *r = m_departments.record(i);
        list.append({CodePage::toUpper(FieldToText(r + Dept::Name, Dept::NameWidth)),
                     Field::i16(r + Dept::FirstDay), Field::u8(r + Dept::WeekLimit), Field::u8(r + Dept::DayLimit)});
    }
    return list;
}

QStringList clsEmployeeInfo::DepartmentNames() const
{
    QStringList names;
    for (const DepartmentInfo &d : Departments())
        if (!names.contains(d.name))   // a handful of departments: a linear look is enough
            names << d.name;
    return names;
}

std::optional<QStringList> clsEmployeeInfo::DepartmentsNamed(const QStringList &typed, QString *unknown) const
{
    const QStringList known = DepartmentNames();
    QStringList names;
    for (const QString &name : typed) {
        // Cut to the field's width, as every lookup of a stored name cuts what it is given.
        const QString stored = key(name.trimmed()).left(Dept::NameWidth);
        if (stored.isEmpty() || !known.contains(stored)) {
            if (unknown)
                *unknown = name;
            return std::nullopt;
        }
        if (!names.contains(stored))
            names << stored;
    }
    return names;
}

qint16 clsEmployeeInfo::GetDepartmentFirstDay(const QString &name) const
{
    const int i = FindDepartmentIndex(name);
    return i ? Field::i16(m_departments.record(i) + Dept::FirstDay) : qint16(0);
}

void clsEmployeeInfo::SaveDepartmentFirstDay(const QString &name, qint16 day)
{
    const int i = FindDepartmentIndex(name);
    if (!i)
        return;
    Field::setI16(m_departments.record(i) + Dept::FirstDay, day);
    writeDepartments();
    Q_EMIT departmentsChanged();
}

void clsEmployeeInfo::OverTimeDepartmentset(const QString &name, bool weekly, quint8 hours)
{
    if (const int i = FindDepartmentIndex(name))
        Field::setU8(m_departments.record(i) + (weekly ? Dept::WeekLimit : Dept::DayLimit), hours);
    writeDepartments();
    Q_EMIT departmentsChanged();
}

quint8 clsEmployeeInfo::OverTimeDepartmentGet(const QString &name, bool weekly) const
{
    const int i = FindDepartmentIndex(name);
    return i ? Field::u8(m_departments.record(i) + (weekly ? Dept::WeekLimit : Dept::DayLimit)) : quint8(0);
}

// ---- Positions ------------------------------------------------------------------------------

void clsEmployeeInfo::loadPositions()
{
    RecordList records(Job::Size);
    records.load(path(kPositionsFile));
    m_positions.clear();
    m_positions.reserve(records.count());
    for (int i = 1; i <= records.count(); ++i) {
        const char *r = records.record(i);
        m_positions.append({CodePage::toUpper(FieldToText(r + Job::Name, Job::NameWidth)),
                            Field::i32(r + Job::TextColor), Field::i32(r + Job::BackColor)});
    }
}

void clsEmployeeInfo::writePositions()
{
    if (deferred(DirtyPositions))
        return;
    RecordList records(Job::Size);
    for (const PositionInfo &p : std::as_const(m_positions)) {
        char *r = records.record(records.append());
        TextToField(r + Job::Name, Job::NameWidth, key(p.name));
        Field::setI32(r + Job::TextColor, p.textColor);
        Field::setI32(r + Job::BackColor, p.backColor);
    }
    records.save(path(kPositionsFile));
}

void clsEmployeeInfo::JobInfoAdd(const QString &name, qint32 textColor, qint32 backColor)
{
    CodePage::RequireEncodable(name);
    const QString k = key(name);
    auto it = std::find_if(m_positions.begin(), m_positions.end(),
                           [&](const PositionInfo &p) { return trimBlanks(p.name) == k; });
    if (it != m_positions.end()) {
        it->textColor = textColor;
        it->backColor = backColor;
    } else {
        m_positions.append({k, textColor, backColor});
    }
    writePositions();
    Q_EMIT positionsChanged();
}

void clsEmployeeInfo::JobDelete(const QString &name)
{
    const QString k = key(name);
    removeAllMovingLast(m_positions, [&](const PositionInfo &p) { return key(p.name) == k; });
    MultiFileCommit together(m_dataPath);   // the position and its memberships go together
    writePositions();

    // Memberships of a department that bears exactly the position's name go with it, as the older
    // program did; the employees' assignments to the position stay. The older program rewrote
    // EmployeeDept.dat even when none went; every membership change is written at once, so that
    // rewrite would only repeat the bytes on disk. Skipping it keeps a copy changed by another
    // program and cannot fail a delete that changed no membership.
    if (m_memberships.removeAllMovingLast(
            [&](const char *r) { return FieldToText(r + Member::Dept, Member::DeptWidth) == k; }))
        writeMemberships();
    together.commit();
    Q_EMIT positionsChanged();
}

void clsEmployeeInfo::JobNameInfoGet(const QString &name, qint32 &textColor, qint32 &backColor) const
{
    textColor = 0;
    backColor = 65280;
    for (const PositionInfo &p : m_positions) {
        if (p.name == name) {
            textColor = p.textColor;
            backColor = p.backColor;
            return;
        }
    }
}

QStringList clsEmployeeInfo::JobNamesGetAll() const
{
    QStringList names;
    names.reserve(m_positions.size());
    for (const PositionInfo &p : m_positions)
        names << p.name;
    return names;
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

int clsEmployeeInfo::findEmployee(qint32 employee) const
{
    if (!m_employeeIndexValid) {
        m_employeeIndex.clear();
        m_employeeIndex.reserve(m_employees.count());
        for (int i = m_employees.count(); i >= 1; --i)   // backwards: the first record wins
            m_employeeIndex.insert(Field::i32(m_employees.record(i) + Emp::Number), i);
        m_employeeIndexValid = true;
    }
    return m_employeeIndex.value(employee, 0);
}

void clsEmployeeInfo::writeEmployees()
{
    if (deferred(DirtyEmployees))
        return;
    m_employees.save(path(kEmployeesFile));
}

qint32 clsEmployeeInfo::AddEmployee(const QString &FirstName, const QString &MiddleName, const QString &LastName,
                                    qint32 dob, qint32 HireDate, const QString &ScheduleName, qint32 SSNumber,
                                    const QString &DescCode, qint32 employeeNumber, const QString &PhoneNumber,
                                    const QString &Address1, const QString &Address2, const QString &City,
                                    const QString &State, const QString &PostalCode,
                                    const QString &EmergencyContact, const QString &EmergencyPhone,
                                    const QString &Spouse, bool GenderIsMale)
{
    requireWritable();
    for (const QString *text : {&FirstName, &MiddleName, &LastName, &ScheduleName, &DescCode, &PhoneNumber, &Address1,
                                &Address2, &City, &State, &PostalCode, &EmergencyContact, &EmergencyPhone, &Spouse})
        CodePage::RequireEncodable(*text);
    int index = 0;
    qint32 created = 0;
    if (employeeNumber == 0) {
        // A system-seeded generator: two employees added in the same second still differ.
        do {
            created = qint32(QRandomGenerator::global()->bounded(999999999u)) + 1;
        } while (findEmployee(created) != 0);
        index = m_employees.append();
        Field::setI32(m_employees.record(index) + Emp::Number, created);
        m_employeeIndex.insert(created, index);   // a new number: the index stays right
    } else {
        index = findEmployee(employeeNumber);
    }

    if (index) {
        char *r = m_employees.record(index);
        TextToField(r + Emp::FirstName, Emp::NameWidth, FirstName);
        TextToField(r + Emp::MiddleName, Emp::NameWidth, MiddleName);
        TextToField(r + Emp::LastName, Emp::NameWidth, LastName);
        Field::setI32(r + Emp::Dob, dob);
        TextToField(r + Emp::ScheduleName, Emp::NameWidth, ScheduleName);
        Field::setI32(r + Emp::SSNumber, SSNumber);
        TextToField(r + Emp::DescCode, Emp::NameWidth, DescCode);
        Field::setI32(r + Emp::HireDate, HireDate);
        TextToField(r + Emp::Phone, Emp::PhoneWidth, PhoneNumber);
        TextToField(r + Emp::Address1, Emp::AddressWidth, Address1);
        TextToField(r + Emp::Address2, Emp::AddressWidth, Address2);
        TextToField(r + Emp::City, Emp::AddressWidth, City);
        TextToField(r + Emp::State, Emp::StateWidth, State);
        TextToField(r + Emp::PostalCode, Emp::PostalWidth, PostalCode);
        TextToField(r + Emp::Spouse, Emp::SpouseWidth, Spouse);
        TextToField(r + Emp::EmergencyContact, Emp::ContactWidth, EmergencyContact);
        TextToField(r + Emp::EmergencyPhone, Emp::PhoneWidth, EmergencyPhone);
        const int flags = Field::u8(r + Emp::Flags);
        Field::setU8(r + Emp::Flags, quint8(GenderIsMale ? ScheduleHelper::SetBit(flags, 0)
                                                         : ScheduleHelper::ClearBit(flags, 0)));
    }
    try {
        writeEmployees();
    } catch (...) {
        if (created) {   // the new record is not kept in memory when it could not be saved
            m_employees.removeMovingLast(m_employees.count());
            m_employeeIndex.remove(created);
        }
        throw;
    }
    Q_EMIT employeesChanged();
    return created;
}

void clsEmployeeInfo::DeleteUser(qint32 employee)
{
    MultiFileCommit together(m_dataPath);   // every file of the delete, or none
    if (const int i = findEmployee(employee)) {
        m_employees.removeMovingLast(i);
        m_employeeIndexValid = false;
    }
    removeAllMovingLast(m_assignments, [&](const Assignment &a) { return a.employee == employee; });
    m_assignmentIndexValid = false;
    m_memberships.removeAllMovingLast([&](const char *r) { return Field::i32(r + Member::Employee) == employee; });
    writeMemberships();
    writeAssignments();
    writeEmployees();
    together.commit();
    Q_EMIT employeesChanged();
}

bool clsEmployeeInfo::EmployeeExists(qint32 employee) const
{
    return findEmployee(employee) != 0;
}

void clsEmployeeInfo::PopulateInfoControl(EmployeeInfoTarget &control, qint32 employee) const
{
    control.SetPositions(JobEmpAvalGet(employee));
    control.SetDepartments(DeptEmployeeGetDepts(employee));
    const int i = findEmployee(employee);
    if (!i)
        return;
    const EmployeeFields e = decodeEmployee(m_employees.record(i));
    control.setDescCode(e.descCode);
    control.setDob(e.dob);
    control.setFirstName(e.firstName);
    control.setHireDate(e.hireDate);
    control.setLastName(e.lastName);
    control.setMiddleName(e.middleName);
    control.setScheduleName(e.scheduleName);
    control.setSSNumber(e.ssNumber);
    control.setPhoneNumber(ScheduleHelper::FormatPhone(e.phone));
    control.setAddress1(e.address1);
    control.setAddress2(e.address2);
    control.setCity(e.city);
    control.setState(e.state);
    control.setPostalCode(e.postalCode);
    control.setEmergencyContact(e.emergencyContact);
    control.setEmergencyPhone(ScheduleHelper::FormatPhone(e.emergencyPhone));
    control.setSpouse(e.spouse);
    control.setGenderIsMale(e.male);
    for (int d = 1; d <= 7; ++d) {
        control.StartTimeSet(d, e.availabilityStart[d - 1]);
        control.EndTimeSet(d, e.availabilityEnd[d - 1]);
    }
}

QString clsEmployeeInfo::ConvertNumberToName(qint32 employee, bool useScheduleName) const
{
    const int i = findEmployee(employee);
    if (!i)
        return QString::number(employee);
    const char *r = m_employees.record(i);
    if (useScheduleName) {
        const QString scheduleName = FieldToText(r + Emp::ScheduleName, Emp::NameWidth);
        if (!scheduleName.isEmpty())
            return scheduleName;
    }
    // Only the two names: a reload names thousands of rows.
    EmployeeFields e;
    e.firstName = FieldToText(r + Emp::FirstName, Emp::NameWidth);
    e.lastName = FieldToText(r + Emp::LastName, Emp::NameWidth);
    return e.fullName();
}

QStringList clsEmployeeInfo::DistinctNames(const QList<qint32> &employees, bool useScheduleName) const
{
    QStringList names;
    for (qint32 employee : employees)
        names << ConvertNumberToName(employee, useScheduleName);
    QHash<QString, int> uses;
    for (const QString &name : std::as_const(names))
        ++uses[name];
    QStringList labels = names;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (uses.value(names[i]) < 2)
            continue;
        const QString other = ConvertNumberToName(employees[i], !useScheduleName);
        if (other != names[i])
            labels[i] = QStringLiteral("%1 (%2)").arg(names[i], other);
    }
    // Where the other name does not tell them apart either, the number does.
    QHash<QString, int> labelUses;
    for (const QString &label : std::as_const(labels))
        ++labelUses[label];
    for (qsizetype i = 0; i < labels.size(); ++i)
        if (labelUses.value(labels[i]) > 1)
            labels[i] = QStringLiteral("%1 (#%2)").arg(names[i]).arg(employees[i]);
    return labels;
}

void clsEmployeeInfo::GetEmpNames(QStringList &names, QList<qint32> &numbers) const
{
    names.clear();
    numbers.clear();
    for (int i = 1; i <= m_employees.count(); ++i) {
        const char *r = m_employees.record(i);
        EmployeeFields e;
        e.firstName = FieldToText(r + Emp::FirstName, Emp::NameWidth);
        e.lastName = FieldToText(r + Emp::LastName, Emp::NameWidth);
        names << e.fullName();
        numbers << Field::i32(r + Emp::Number);
    }
}

QString clsEmployeeInfo::EmpInfoPhoneGet(qint32 employee, bool emergency) const
{
    QString phone;
    for (int i = 1; i <= m_employees.count(); ++i) {   // the last record with the number counts
        const char *r = m_employees.record(i);
        if (Field::i32(r + Emp::Number) == employee)
            phone = ScheduleHelper::FormatPhone(
                FieldToText(r + (emergency ? Emp::EmergencyPhone : Emp::Phone), Emp::PhoneWidth));
    }
    return phone;
}

std::optional<EmployeeFields> clsEmployeeInfo::GetEmployee(qint32 employee) const
{
    const int i = findEmployee(employee);
    if (!i)
        return std::nullopt;
    return decodeEmployee(m_employees.record(i));
}

QList<EmployeeFields> clsEmployeeInfo::Employees() const
{
    QList<EmployeeFields> list;
    list.reserve(m_employees.count());
    for (int i = 1; i <= m_employees.count(); ++i)
        list.append(decodeEmployee(m_employees.record(i)));
    return list;
}

// ---- Department membership ------------------------------------------------------------------

void clsEmployeeInfo::LoadDepartmentEmployees()
{
    m_memberships.load(path(kMembershipsFile));
}

void clsEmployeeInfo::writeMemberships()
{
    if (deferred(DirtyMemberships))
        return;
    m_memberships.save(path(kMembershipsFile));
}

QList<qint32> clsEmployeeInfo::GetEmployeeInDept(const QString &department) const
{
    const auto wanted = lookupField(department, Member::DeptWidth);
    QList<qint32> employees;
    for (int i = 1; i <= m_memberships.count(); ++i) {
        const char *r = m_memberships.record(i);
        if (fieldMatches(r + Member::Dept, wanted, Member::DeptWidth))
            employees << Field::i32(r + Member::Employee);
    }
    return employees;
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
    QStringList departments;
    for (int i = 1; i <= m_memberships.count(); ++i) {
        const char *r = m_memberships.record(i);
        if (Field::i32(r + Member::Employee) == employee)
            departments << FieldToText(r + Member::Dept, Member::DeptWidth);
    }
    return departments;
}

void clsEmployeeInfo::DeptEmployeeSetAll(qint32 employee, const QStringList &departments)
{
    CodePage::RequireEncodable(departments.join(QString()));
    m_memberships.removeAllMovingLast([&](const char *r) { return Field::i32(r + Member::Employee) == employee; });
    for (const QString &department : departments) {
        char *r = m_memberships.record(m_memberships.append());
        Field::setI32(r + Member::Employee, employee);
        TextToField(r + Member::Dept, Member::DeptWidth, department);
    }
    writeMemberships();
    Q_EMIT employeesChanged();
}

void clsEmployeeInfo::AddEmployeeToDept(const QString &department, qint32 employee)
{
    CodePage::RequireEncodable(department);
    for (int i = 1; i <= m_memberships.count(); ++i) {
        const char *r = m_memberships.record(i);
        if (Field::i32(r + Member::Employee) == employee
            && CodePage::toUpper(FieldToText(r + Member::Dept, Member::DeptWidth)) == department)
            return;
    }
    char *r = m_memberships.record(m_memberships.append());
    Field::setI32(r + Member::Employee, employee);
    TextToField(r + Member::Dept, Member::DeptWidth, department);
    writeMemberships();
    Q_EMIT employeesChanged();
}

void clsEmployeeInfo::DeleteEmployeeFromDept(const QString &department, qint32 employee)
{
    const auto wanted = lookupField(department, Member::DeptWidth);
    m_memberships.removeAllMovingLast([&](const char *r) {
        return (employee == 0 || Field::i32(r + Member::Employee) == employee)
               && fieldMatches(r + Member::Dept, wanted, Member::DeptWidth);
    });
    writeMemberships();
}

qint16 clsEmployeeInfo::GetBarForEmployeeNumber(qint32 employee) const
{
    const int i = findEmployee(employee);
    return i ? Field::i16(m_employees.record(i) + Emp::Bar) : qint16(0);
}

QList<Membership> clsEmployeeInfo::Memberships() const
{
    QList<Membership> list;
    list.reserve(m_memberships.count());
    for (int i = 1; i <= m_memberships.count(); ++i) {
        const char *r = m_memberships.record(i);
        list.append({Field::i32(r + Member::Employee), FieldToText(r + Member::Dept, Member::DeptWidth)});
    }
    return list;
}

// ---- Position assignments and availability --------------------------------------------------

void clsEmployeeInfo::loadAssignments()
{
    RecordList records(Assign::Size);
    records.load(path(kAssignmentsFile));
    m_assignments.clear();
    m_assignmentIndexValid = false;
    m_assignments.reserve(records.count());
    for (int i = 1; i <= records.count(); ++i) {
        const char *r = records.record(i);
        m_assignments.append({Field::i32(r + Assign::Employee),
                              CodePage::toUpper(FieldToText(r + Assign::Position, Assign::PositionWidth))});
    }
}

void clsEmployeeInfo::writeAssignments()
{
    if (deferred(DirtyAssignments))
        return;
    RecordList records(Assign::Size);
    for (const Assignment &a : std::as_const(m_assignments)) {
        char *r = records.record(records.append());
        Field::setI32(r + Assign::Employee, a.employee);
        TextToField(r + Assign::Position, Assign::PositionWidth, key(a.position));
    }
    records.save(path(kAssignmentsFile));
}

const QList<qsizetype> &clsEmployeeInfo::assignmentsOf(qint32 employee) const
{
    if (!m_assignmentIndexValid) {
        m_assignmentIndex.clear();
        for (qsizetype i = 0; i < m_assignments.size(); ++i)
            m_assignmentIndex[m_assignments[i].employee].append(i);
        m_assignmentIndexValid = true;
    }
    static const QList<qsizetype> none;
    const auto it = m_assignmentIndex.constFind(employee);
    return it == m_assignmentIndex.cend() ? none : *it;
}

QStringList clsEmployeeInfo::JobEmpAvalGet(qint32 employee) const
{
    QStringList positions;
    for (qsizetype i : assignmentsOf(employee))
        positions << trimBlanks(m_assignments[i].position);
    return positions;
}

void clsEmployeeInfo::JobEmpAvalReplace(qint32 employee, const QStringList &positions)
{
    CodePage::RequireEncodable(positions.join(QString()));
    removeAllMovingLast(m_assignments, [&](const Assignment &a) { return a.employee == employee; });
    m_assignmentIndexValid = false;
    for (const QString &position : positions)
        m_assignments.append({employee, key(position)});
    writeAssignments();
    Q_EMIT employeesChanged();
}

void clsEmployeeInfo::JobEmpAvalAdd(qint32 employee, const QString &position)
{
    const QString k = key(position);
    if (JobEmpAvalGet(employee).contains(k))
        return;
    m_assignments.append({employee, k});   // memory only
    if (m_assignmentIndexValid)
        m_assignmentIndex[employee].append(m_assignments.size() - 1);
}

bool clsEmployeeInfo::JobEmployeeHasMultiple(qint32 employee) const
{
    return assignmentsOf(employee).size() >= 2;
}

qint16 clsEmployeeInfo::GetAvalJobs(qint32 employee) const
{
    const int i = findEmployee(employee);
    return i ? Field::i16(m_employees.record(i) + Emp::PositionPick) : qint16(0);
}

void clsEmployeeInfo::EmployeeGetAvalTimes(qint32 employee, std::array<double, 7> &starts,
                                           std::array<double, 7> &ends) const
{
    for (int i = 1; i <= m_employees.count(); ++i) {
        const char *r = m_employees.record(i);
        if (Field::i32(r + Emp::Number) != employee)
            continue;
        for (int d = 0; d < 7; ++d) {
            starts[d] = OleDate::timeOfDay(Field::f64(r + Emp::AvailStart + 8 * d));
            const double end = OleDate::timeOfDay(Field::f64(r + Emp::AvailEnd + 8 * d));
            ends[d] = end == 0 ? 1.0 : end;
        }
    }
}

void clsEmployeeInfo::EmployeeSetAvalTimes(qint32 employee, const std::array<double, 7> &starts,
                                           const std::array<double, 7> &ends)
{
    for (int i = 1; i <= m_employees.count(); ++i) {
        char *r = m_employees.record(i);
        if (Field::i32(r + Emp::Number) != employee)
            continue;
        for (int d = 0; d < 7; ++d) {
            Field::setF64(r + Emp::AvailStart + 8 * d, starts[d]);
            Field::setF64(r + Emp::AvailEnd + 8 * d, ends[d]);
        }
    }
    writeEmployees();
}

QList<qint32> clsEmployeeInfo::EmployeeGetForDeptandPost(const QStringList &positions,
                                                         const QStringList &departments) const
{
    QList<qint32> result;
    QSet<qint32> found;
    for (const QString &department : departments) {
        for (int i = 1; i <= m_memberships.count(); ++i) {
            const char *r = m_memberships.record(i);
            if (FieldToText(r + Member::Dept, Member::DeptWidth) != department)
                continue;
            const qint32 employee = Field::i32(r + Member::Employee);
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

void clsEmployeeInfo::loadDefaultShifts()
{
    RecordList records(Shift::Size);
    records.load(path(kDefaultShiftsFile));
    m_shifts.clear();
    m_shifts.reserve(records.count());
    for (int i = 1; i <= records.count(); ++i) {
        const char *r = records.record(i);
        m_shifts.append({FieldToText(r + Shift::Dept, Shift::DeptWidth), Field::f64(r + Shift::Start),
                         Field::f64(r + Shift::End)});
    }
}

void clsEmployeeInfo::writeDefaultShifts()
{
    if (deferred(DirtyDefaultShifts))
        return;
    RecordList records(Shift::Size);
    for (const DefaultShift &s : std::as_const(m_shifts)) {
        char *r = records.record(records.append());
        TextToField(r + Shift::Dept, Shift::DeptWidth, s.department);
        Field::setF64(r + Shift::Start, s.start);
        Field::setF64(r + Shift::End, s.end);
    }
    records.save(path(kDefaultShiftsFile));
}

QList<DefaultShift> clsEmployeeInfo::ShiftAutoGetAll(const QString &department) const
{
    QList<DefaultShift> shifts;
    for (const DefaultShift &s : m_shifts)
        if (trimBlanks(s.department) == department)
            shifts << s;
    return shifts;
}

void clsEmployeeInfo::ShiftSaveAll(const QString &department, const QList<DefaultShift> &shifts)
{
    CodePage::RequireEncodable(department);
    removeAllMovingLast(m_shifts, [&](const DefaultShift &s) { return trimBlanks(s.department) == department; });
    m_shifts.append(shifts);
    writeDefaultShifts();
    if (m_batchDepth == 0)
        loadDefaultShifts();
    Q_EMIT shiftsChanged();
}

void clsEmployeeInfo::DeleteShiftsFromDept(const QString &department)
{
    const QString name = trimBlanks(department);
    removeAllMovingLast(m_shifts, [&](const DefaultShift &s) { return trimBlanks(s.department) == name; });
}
