#include "DefaultShiftRecords.h"

#include "CodePage.h"
#include "DecodedRecords.h"

using CodePage::trimBlanks;

namespace {
// The record and its offsets.
constexpr int Size = 248, Dept = 0, DeptWidth = 30, Start = 32, End = 40;
} // namespace

void DefaultShiftRecords::load(const QString &path)
{
    m_shifts = DecodedRecords::load(path, Size, [](const char *r) {
        return DefaultShift{CodePage::FieldToText(r + Dept, DeptWidth), Field::f64(r + Start), Field::f64(r + End)};
    });
}

void DefaultShiftRecords::save(const QString &path) const
{
    DecodedRecords::save(path, Size, m_shifts, [](char *r, const DefaultShift &s) {
        CodePage::TextToField(r + Dept, DeptWidth, s.department);
        Field::setF64(r + Start, s.start);
        Field::setF64(r + End, s.end);
    });
}

QList<DefaultShift> DefaultShiftRecords::of(const QString &department) const
{
    QList<DefaultShift> shifts;
    for (const DefaultShift &s : m_shifts)
        if (trimBlanks(s.department) == department)
            shifts << s;
    return shifts;
}

void DefaultShiftRecords::replace(const QString &department, const QList<DefaultShift> &shifts)
{
    removeAllMovingLast(m_shifts, [&](const DefaultShift &s) { return trimBlanks(s.department) == department; });
    m_shifts.append(shifts);
}

void DefaultShiftRecords::remove(const QString &department)
{
    const QString name = trimBlanks(department);
    removeAllMovingLast(m_shifts, [&](const DefaultShift &s) { return trimBlanks(s.department) == name; });
}
