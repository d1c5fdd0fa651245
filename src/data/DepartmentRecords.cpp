#include "DepartmentRecords.h"

#include "CodePage.h"
#include "StoredName.h"

using CodePage::FieldToText;
using StoredName::fieldMatches;
using StoredName::lookupField;

namespace {
// Offsets in the record.
constexpr int Name = 0, FirstDay = 30, WeekLimit = 32, DayLimit = 33;
constexpr int NameWidth = DepartmentRecords::kNameWidth;
} // namespace

int DepartmentRecords::find(const QString &name) const
{
    const auto wanted = lookupField(name, NameWidth);
    for (int i = 1; i <= m_records.count(); ++i)
        if (fieldMatches(m_records.record(i) + Name, wanted, NameWidth))
            return i;
    return 0;
}

int DepartmentRecords::add(const QString &name)
{
    const int i = m_records.append();
    CodePage::TextToField(m_records.record(i) + Name, NameWidth, StoredName::key(name));
    return i;
}

void DepartmentRecords::removeNamed(const QString &name)
{
    const auto wanted = lookupField(name, NameWidth);
    m_records.removeAllMovingLast([&](const char *r) { return fieldMatches(r + Name, wanted, NameWidth); });
}

qint16 DepartmentRecords::firstDay(const QString &name) const
{
    const int i = find(name);
    return i ? Field::i16(m_records.record(i) + FirstDay) : qint16(0);
}

bool DepartmentRecords::setFirstDay(const QString &name, qint16 day)
{
    const int i = find(name);
    if (!i)
        return false;
    Field::setI16(m_records.record(i) + FirstDay, day);
    return true;
}

quint8 DepartmentRecords::limit(const QString &name, bool weekly) const
{
    const int i = find(name);
    return i ? Field::u8(m_records.record(i) + (weekly ? WeekLimit : DayLimit)) : quint8(0);
}

void DepartmentRecords::setLimit(const QString &name, bool weekly, quint8 hours)
{
    if (const int i = find(name))
        Field::setU8(m_records.record(i) + (weekly ? WeekLimit : DayLimit), hours);
}

QList<DepartmentInfo> DepartmentRecords::list() const
{
    QList<DepartmentInfo> list;
    list.reserve(m_records.count());
    for (int i = 1; i <= m_records.count(); ++i) {
        const char *r = m_records.record(i);
        list.append({CodePage::toUpper(FieldToText(r + Name, NameWidth)), Field::i16(r + FirstDay),
                     Field::u8(r + WeekLimit), Field::u8(r + DayLimit)});
    }
    return list;
}

QStringList DepartmentRecords::names() const
{
    QStringList names;
    for (const DepartmentInfo &d : list())
        if (!names.contains(d.name))   // a handful of departments: a linear look is enough
            names << d.name;
    return names;
}

std::optional<QStringList> DepartmentRecords::named(const QStringList &typed, QString *unknown) const
{
    const QStringList known = names();
    QStringList result;
    for (const QString &name : typed) {
        // Cut to the field's width, as every lookup of a stored name cuts what it is given.
        const QString stored = StoredName::key(name.trimmed()).left(NameWidth);
        if (stored.isEmpty() || !known.contains(stored)) {
            if (unknown)
                *unknown = name;
            return std::nullopt;
        }
        if (!result.contains(stored))
            result << stored;
    }
    return result;
}
