#include "DefaultShiftRecords.h"

#include "CodePage.h"
#include "RecordList.h"

using CodePage::trimBlanks;

namespace {
// The record and its offsets.
constexpr int Size = 248, Dept = 0, DeptWidth = 30, Start = 32, End = 40;
} // namespace

void DefaultShiftRecords::load(const QString &path)
{
    RecordList records(Size);
    records.load(path);
    m_shifts.clear();
    m_shifts.reserve(records.count());
    for (int i = 1; i <= records.count(); ++i) {
        const char *r = records.record(i);
        m_shifts.append({CodePage::FieldToText(r + Dept, DeptWidth), Field::f64(r + Start), Field::f64(r + End)});
    }
}

void DefaultShiftRecords::save(const QString &path) const
{
    RecordList records(Size);
    for (const DefaultShift &s : m_shifts) {
        char *r = records.record(records.append());
        CodePage::TextToField(r + Dept, DeptWidth, s.department);
        Field::setF64(r + Start, s.start);
        Field::setF64(r + End, s.end);
    }
    records.save(path);
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
