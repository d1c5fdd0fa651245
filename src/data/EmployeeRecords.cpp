#include "EmployeeRecords.h"

#include "CodePage.h"
#include "EmployeeFieldTable.h"
#include "OleDate.h"
#include "ScheduleHelper.h"

#include <QRandomGenerator>

using CodePage::FieldToText;

namespace {

// The week of availability: seven starts, then seven ends, 64-bit date-times.
constexpr int AvailStart = 336, AvailEnd = 392;

const EmployeeFieldEntry &entryOf(EmployeeField field) { return EmployeeFieldTable::entry(field); }

qint32 numberOf(const char *r) { return Field::i32(r + entryOf(EmployeeField::Number).offset); }

QString textOf(const char *r, EmployeeField field)
{
    const EmployeeFieldEntry &f = entryOf(field);
    return FieldToText(r + f.offset, f.width);
}

EmployeeFields decodeEmployee(const char *r)
{
    EmployeeFields e;
    for (const EmployeeFieldEntry &f : EmployeeFieldTable::fields())
        f.read(r, e);
    for (int d = 0; d < 7; ++d) {
        e.availabilityStart[d] = Field::f64(r + AvailStart + 8 * d);
        e.availabilityEnd[d] = Field::f64(r + AvailEnd + 8 * d);
    }
    return e;
}

} // namespace

void EmployeeRecords::load(const QString &path)
{
    m_records.load(path);
    m_indexValid = false;
}

int EmployeeRecords::find(qint32 employee) const
{
    if (!m_indexValid) {
        m_index.clear();
        m_index.reserve(m_records.count());
        for (int i = m_records.count(); i >= 1; --i)   // backwards: the first record wins
            m_index.insert(numberOf(m_records.record(i)), i);
        m_indexValid = true;
    }
    return m_index.value(employee, 0);
}

std::optional<EmployeeFields> EmployeeRecords::get(qint32 employee) const
{
    const int i = find(employee);
    if (!i)
        return std::nullopt;
    return decodeEmployee(m_records.record(i));
}

QList<EmployeeFields> EmployeeRecords::list() const
{
    QList<EmployeeFields> list;
    list.reserve(m_records.count());
    for (int i = 1; i <= m_records.count(); ++i)
        list.append(decodeEmployee(m_records.record(i)));
    return list;
}

qint32 EmployeeRecords::addNew()
{
    qint32 number = 0;
    // A system-seeded generator: two employees added in the same second still differ.
    do {
        number = qint32(QRandomGenerator::global()->bounded(999999999u)) + 1;
    } while (find(number) != 0);
    const int index = m_records.append();
    Field::setI32(m_records.record(index) + entryOf(EmployeeField::Number).offset, number);
    m_index.insert(number, index);   // a new number: the index stays right
    return number;
}

void EmployeeRecords::removeNewest(qint32 employee)
{
    m_records.removeMovingLast(m_records.count());
    m_index.remove(employee);
}

void EmployeeRecords::update(qint32 employee, const EmployeeFields &fields)
{
    const int index = find(employee);
    if (!index)
        return;
    char *r = m_records.record(index);
    for (const EmployeeFieldEntry &f : EmployeeFieldTable::fields())
        if (f.edited())
            f.write(r, fields);
}

void EmployeeRecords::remove(qint32 employee)
{
    if (const int i = find(employee)) {
        m_records.removeMovingLast(i);
        m_indexValid = false;
    }
}

QString EmployeeRecords::displayName(qint32 employee, bool useScheduleName) const
{
    const int i = find(employee);
    if (!i)
        return QString::number(employee);
    const char *r = m_records.record(i);
    if (useScheduleName) {
        const QString scheduleName = textOf(r, EmployeeField::ScheduleName);
        if (!scheduleName.isEmpty())
            return scheduleName;
    }
    // Only the two names: a reload names thousands of rows.
    EmployeeFields e;
    e.firstName = textOf(r, EmployeeField::FirstName);
    e.lastName = textOf(r, EmployeeField::LastName);
    return e.fullName();
}

QStringList EmployeeRecords::distinctNames(const QList<qint32> &employees, bool useScheduleName) const
{
    QStringList names;
    for (qint32 employee : employees)
        names << displayName(employee, useScheduleName);
    QHash<QString, int> uses;
    for (const QString &name : std::as_const(names))
        ++uses[name];
    QStringList labels = names;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (uses.value(names[i]) < 2)
            continue;
        const QString other = displayName(employees[i], !useScheduleName);
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

void EmployeeRecords::names(QStringList &names, QList<qint32> &numbers) const
{
    names.clear();
    numbers.clear();
    for (int i = 1; i <= m_records.count(); ++i) {
        const char *r = m_records.record(i);
        EmployeeFields e;
        e.firstName = textOf(r, EmployeeField::FirstName);
        e.lastName = textOf(r, EmployeeField::LastName);
        names << e.fullName();
        numbers << numberOf(r);
    }
}

QString EmployeeRecords::phone(qint32 employee, bool emergency) const
{
    QString phone;
    for (int i = 1; i <= m_records.count(); ++i) {   // the last record with the number counts
        const char *r = m_records.record(i);
        if (numberOf(r) == employee)
            phone = ScheduleHelper::FormatPhone(
                textOf(r, emergency ? EmployeeField::EmergencyPhone : EmployeeField::Phone));
    }
    return phone;
}

void EmployeeRecords::availability(qint32 employee, std::array<double, 7> &starts, std::array<double, 7> &ends) const
{
    for (int i = 1; i <= m_records.count(); ++i) {
        const char *r = m_records.record(i);
        if (numberOf(r) != employee)
            continue;
        for (int d = 0; d < 7; ++d) {
            starts[d] = OleDate::timeOfDay(Field::f64(r + AvailStart + 8 * d));
            const double end = OleDate::timeOfDay(Field::f64(r + AvailEnd + 8 * d));
            ends[d] = end == 0 ? 1.0 : end;
        }
    }
}

void EmployeeRecords::setAvailability(qint32 employee, const std::array<double, 7> &starts,
                                      const std::array<double, 7> &ends)
{
    for (int i = 1; i <= m_records.count(); ++i) {
        char *r = m_records.record(i);
        if (numberOf(r) != employee)
            continue;
        for (int d = 0; d < 7; ++d) {
            Field::setF64(r + AvailStart + 8 * d, starts[d]);
            Field::setF64(r + AvailEnd + 8 * d, ends[d]);
        }
    }
}
