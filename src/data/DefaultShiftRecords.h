#pragma once

#include <QList>
#include <QString>

struct DefaultShift {
    QString department;
    double start = 0;
    double end = 0;
};

// The default work shifts of every department, "Shifts.dat" (248-byte records), held decoded
// in file order; a department's list is its entries in that order. Changes stay in memory until
// save().
class DefaultShiftRecords
{
public:
    void load(const QString &path);
    void save(const QString &path) const;

    // The entries whose trimmed name is exactly the department.
    QList<DefaultShift> of(const QString &department) const;
    // Removes the department's entries and appends the given ones in their order.
    void replace(const QString &department, const QList<DefaultShift> &shifts);
    void remove(const QString &department);

    const QList<DefaultShift> &list() const { return m_shifts; }

private:
    QList<DefaultShift> m_shifts;
};
