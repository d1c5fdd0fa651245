#include "AssignmentRecords.h"

#include "CodePage.h"
#include "DecodedRecords.h"
#include "StoredName.h"

using StoredName::key;

namespace {
// The record and its offsets.
constexpr int Size = 24, Employee = 0, Position = 4, PositionWidth = 20;
} // namespace

void AssignmentRecords::load(const QString &path)
{
    m_assignments = DecodedRecords::load(path, Size, [](const char *r) {
        return Assignment{Field::i32(r + Employee), CodePage::toUpper(CodePage::FieldToText(r + Position, PositionWidth))};
    });
    m_indexValid = false;
}

void AssignmentRecords::save(const QString &path) const
{
    DecodedRecords::save(path, Size, m_assignments, [](char *r, const Assignment &a) {
        Field::setI32(r + Employee, a.employee);
        CodePage::TextToField(r + Position, PositionWidth, key(a.position));
    });
}

const QList<qsizetype> &AssignmentRecords::placesOf(qint32 employee) const
{
    if (!m_indexValid) {
        m_index.clear();
        for (qsizetype i = 0; i < m_assignments.size(); ++i)
            m_index[m_assignments[i].employee].append(i);
        m_indexValid = true;
    }
    static const QList<qsizetype> none;
    const auto it = m_index.constFind(employee);
    return it == m_index.cend() ? none : *it;
}

QStringList AssignmentRecords::positionsOf(qint32 employee) const
{
    QStringList positions;
    for (qsizetype i : placesOf(employee))
        positions << CodePage::trimBlanks(m_assignments[i].position);
    return positions;
}

void AssignmentRecords::replace(qint32 employee, const QStringList &positions)
{
    removeEmployee(employee);
    for (const QString &position : positions)
        m_assignments.append({employee, key(position)});
}

void AssignmentRecords::add(qint32 employee, const QString &position)
{
    const QString k = key(position);
    if (positionsOf(employee).contains(k))
        return;
    m_assignments.append({employee, k});
    if (m_indexValid)
        m_index[employee].append(m_assignments.size() - 1);
}

void AssignmentRecords::removeEmployee(qint32 employee)
{
    removeAllMovingLast(m_assignments, [&](const Assignment &a) { return a.employee == employee; });
    m_indexValid = false;
}
