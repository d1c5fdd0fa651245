#pragma once

#include "RecordList.h"

#include <QList>
#include <QString>
#include <QStringList>

struct Membership {
    qint32 employee = 0;
    QString department;   // the name field, trimmed
};

// The department memberships of "EmployeeDept.dat" (36-byte records), held byte for byte in
// file order, which is the order of a department's schedule rows. Changes stay in memory until
// save().
class MembershipRecords
{
public:
    void load(const QString &path) { m_records.load(path); }
    void save(const QString &path) const { m_records.save(path); }

    // The members of the department as a caller names it (see StoredName::lookupField).
    QList<qint32> employeesIn(const QString &department) const;
    // The members of the department whose stored name is exactly the given one.
    QList<qint32> employeesInExactly(const QString &department) const;
    QStringList departmentsOf(qint32 employee) const;

    // Replaces the employee's memberships by one per department, appended in the given order.
    void setAll(qint32 employee, const QStringList &departments);
    // Appends the membership unless the employee has it; true when it was appended.
    bool add(const QString &department, qint32 employee);
    // Removes the employee's membership of the department; employee 0: every member's.
    void remove(const QString &department, qint32 employee);
    void removeEmployee(qint32 employee);
    // Removes the memberships of a department stored exactly under the name; true when any went.
    bool removeDepartmentExactly(const QString &department);

    QList<Membership> list() const;

private:
    RecordList m_records{36};
};
