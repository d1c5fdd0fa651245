#pragma once

#include "EmployeeFields.h"
#include "RecordList.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <array>
#include <optional>

// The employees of "EmployeeInfo.dat" (732-byte records), held byte for byte in file order. An
// employee number finds the first record with it unless an operation says otherwise; changes
// stay in memory until save().
class EmployeeRecords
{
public:
    void load(const QString &path);
    void save(const QString &path) const { m_records.save(path); }

    bool contains(qint32 employee) const { return find(employee) != 0; }
    std::optional<EmployeeFields> get(qint32 employee) const;
    QList<EmployeeFields> list() const;

    // Appends a zero-filled record under a number no employee has, drawn at random from 1 to
    // 999,999,999; returns the number.
    qint32 addNew();
    // Takes back the record addNew() just appended.
    void removeNewest(qint32 employee);
    // Overwrites what the editor edits (names, dates, numbers, contact, gender) in the
    // employee's record; the number, the availability and the reserved bytes stay.
    void update(qint32 employee, const EmployeeFields &fields);
    void remove(qint32 employee);

    QString displayName(qint32 employee, bool useScheduleName) const;
    QStringList distinctNames(const QList<qint32> &employees, bool useScheduleName) const;
    void names(QStringList &names, QList<qint32> &numbers) const;
    // Of the last record with the number, formatted; empty when none has it.
    QString phone(qint32 employee, bool emergency) const;

    // Every record with the number counts, so the last one's times win.
    void availability(qint32 employee, std::array<double, 7> &starts, std::array<double, 7> &ends) const;
    void setAvailability(qint32 employee, const std::array<double, 7> &starts, const std::array<double, 7> &ends);

private:
    int find(qint32 employee) const;   // first record 1..n, 0 when none

    RecordList m_records{732};
    // The first record of each number, so that work over every employee stays linear. Rebuilt
    // on first use after it was dropped (a load or a removal); additions keep it.
    mutable QHash<qint32, int> m_index;
    mutable bool m_indexValid = false;
};
