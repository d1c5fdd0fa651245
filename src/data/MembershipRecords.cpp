#include "MembershipRecords.h"

#include "CodePage.h"
#include "StoredName.h"

using CodePage::FieldToText;
using StoredName::fieldMatches;
using StoredName::lookupField;

namespace {
// Offsets in the record.
constexpr int Employee = 0, Dept = 4, DeptWidth = 30;
} // namespace

QList<qint32> MembershipRecords::employeesIn(const QString &department) const
{
    const auto wanted = lookupField(department, DeptWidth);
    QList<qint32> employees;
    for (int i = 1; i <= m_records.count(); ++i) {
        const char *r = m_records.record(i);
        if (fieldMatches(r + Dept, wanted, DeptWidth))
            employees << Field::i32(r + Employee);
    }
    return employees;
}

QList<qint32> MembershipRecords::employeesInExactly(const QString &department) const
{
    QList<qint32> employees;
    for (int i = 1; i <= m_records.count(); ++i) {
        const char *r = m_records.record(i);
        if (FieldToText(r + Dept, DeptWidth) == department)
            employees << Field::i32(r + Employee);
    }
    return employees;
}

QStringList MembershipRecords::departmentsOf(qint32 employee) const
{
    QStringList departments;
    for (int i = 1; i <= m_records.count(); ++i) {
        const char *r = m_records.record(i);
        if (Field::i32(r + Employee) == employee)
            departments << FieldToText(r + Dept, DeptWidth);
    }
    return departments;
}

void MembershipRecords::setAll(qint32 employee, const QStringList &departments)
{
    removeEmployee(employee);
    for (const QString &department : departments) {
        char *r = m_records.record(m_records.append());
        Field::setI32(r + Employee, employee);
        CodePage::TextToField(r + Dept, DeptWidth, department);
    }
}

bool MembershipRecords::add(const QString &department, qint32 employee)
{
    for (int i = 1; i <= m_records.count(); ++i) {
        const char *r = m_records.record(i);
        if (Field::i32(r + Employee) == employee && CodePage::toUpper(FieldToText(r + Dept, DeptWidth)) == department)
            return false;
    }
    char *r = m_records.record(m_records.append());
    Field::setI32(r + Employee, employee);
    CodePage::TextToField(r + Dept, DeptWidth, department);
    return true;
}

void MembershipRecords::remove(const QString &department, qint32 employee)
{
    const auto wanted = lookupField(department, DeptWidth);
    m_records.removeAllMovingLast([&](const char *r) {
        return (employee == 0 || Field::i32(r + Employee) == employee) && fieldMatches(r + Dept, wanted, DeptWidth);
    });
}

void MembershipRecords::removeEmployee(qint32 employee)
{
    m_records.removeAllMovingLast([&](const char *r) { return Field::i32(r + Employee) == employee; });
}

bool MembershipRecords::removeDepartmentExactly(const QString &department)
{
    return m_records.removeAllMovingLast([&](const char *r) { return FieldToText(r + Dept, DeptWidth) == department; });
}

QList<Membership> MembershipRecords::list() const
{
    QList<Membership> list;
    list.reserve(m_records.count());
    for (int i = 1; i <= m_records.count(); ++i) {
        const char *r = m_records.record(i);
        list.append({Field::i32(r + Employee), FieldToText(r + Dept, DeptWidth)});
    }
    return list;
}
