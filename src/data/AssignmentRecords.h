#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct Assignment {
    qint32 employee = 0;
    QString position;
};

// The position assignments of "JobsAval.dat" (24-byte records), held decoded in file order;
// changes stay in memory until save().
class AssignmentRecords
{
public:
    void load(const QString &path);
    void save(const QString &path) const;

    QStringList positionsOf(qint32 employee) const;
    qsizetype countOf(qint32 employee) const { return placesOf(employee).size(); }
    // Replaces the employee's assignments by one per position, appended in the given order.
    void replace(qint32 employee, const QStringList &positions);
    // Appends the assignment unless the employee has it.
    void add(qint32 employee, const QString &position);
    void removeEmployee(qint32 employee);

    const QList<Assignment> &list() const { return m_assignments; }

private:
    const QList<qsizetype> &placesOf(qint32 employee) const;   // places in m_assignments, in order

    QList<Assignment> m_assignments;
    // Places by employee number, so that work over every employee stays linear. Rebuilt on
    // first use after it was dropped (a load or a removal); additions keep it.
    mutable QHash<qint32, QList<qsizetype>> m_index;
    mutable bool m_indexValid = false;
};
