#include "EmployeeRecords.h"

#include "CodePage.h"
#include "OleDate.h"
#include "ScheduleHelper.h"

#include <QRandomGenerator>

using CodePage::FieldToText;
using CodePage::TextToField;

namespace {

// Offsets and widths in the record.
namespace Emp {
constexpr int Number = 0, FirstName = 4, MiddleName = 54, LastName = 104, Dob = 156, ScheduleName = 160,
              SSNumber = 212, DescCode = 216, HireDate = 268, Bar = 332, PositionPick = 334,
              AvailStart = 336, AvailEnd = 392, Phone = 448, Address1 = 458, Address2 = 488, City = 518,
              State = 548, PostalCode = 568, Spouse = 578, EmergencyContact = 598, EmergencyPhone = 618,
              Flags = 628;
constexpr int NameWidth = 50, PhoneWidth = 10, AddressWidth = 30, StateWidth = 20, PostalWidth = 10,
              SpouseWidth = 20, ContactWidth = 20;
}

EmployeeFields decodeEmployee(const char *r)
{
    EmployeeFields e;
    e.number = Field::i32(r + Emp::Number);
    e.firstName = FieldToText(r + Emp::FirstName, Emp::NameWidth);
    e.middleName = FieldToText(r + Emp::MiddleName, Emp::NameWidth);
    e.lastName = FieldToText(r + Emp::LastName, Emp::NameWidth);
    e.dob = Field::i32(r + Emp::Dob);
    e.scheduleName = FieldToText(r + Emp::ScheduleName, Emp::NameWidth);
    e.ssNumber = Field::i32(r + Emp::SSNumber);
    e.descCode = FieldToText(r + Emp::DescCode, Emp::NameWidth);
    e.hireDate = Field::i32(r + Emp::HireDate);
    e.barNumber = Field::i16(r + Emp::Bar);
    e.positionPick = Field::i16(r + Emp::PositionPick);
    for (int d = 0; d < 7; ++d) {
        e.availabilityStart[d] = Field::f64(r + Emp::AvailStart + 8 * d);
        e.availabilityEnd[d] = Field::f64(r + Emp::AvailEnd + 8 * d);
    }
    e.phone = FieldToText(r + Emp::Phone, Emp::PhoneWidth);
    e.address1 = FieldToText(r + Emp::Address1, Emp::AddressWidth);
    e.address2 = FieldToText(r + Emp::Address2, Emp::AddressWidth);
    e.city = FieldToText(r + Emp::City, Emp::AddressWidth);
    e.state = FieldToText(r + Emp::State, Emp::StateWidth);
    e.postalCode = FieldToText(r + Emp::PostalCode, Emp::PostalWidth);
    e.spouse = FieldToText(r + Emp::Spouse, Emp::SpouseWidth);
    e.emergencyContact = FieldToText(r + Emp::EmergencyContact, Emp::ContactWidth);
    e.emergencyPhone = FieldToText(r + Emp::EmergencyPhone, Emp::PhoneWidth);
    e.male = ScheduleHelper::BitIsSet(Field::u8(r + Emp::Flags), 0);
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
            m_index.insert(Field::i32(m_records.record(i) + Emp::Number), i);
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
    Field::setI32(m_records.record(index) + Emp::Number, number);
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
    TextToField(r + Emp::FirstName, Emp::NameWidth, fields.firstName);
    TextToField(r + Emp::MiddleName, Emp::NameWidth, fields.middleName);
    TextToField(r + Emp::LastName, Emp::NameWidth, fields.lastName);
    Field::setI32(r + Emp::Dob, fields.dob);
    TextToField(r + Emp::ScheduleName, Emp::NameWidth, fields.scheduleName);
    Field::setI32(r + Emp::SSNumber, fields.ssNumber);
    TextToField(r + Emp::DescCode, Emp::NameWidth, fields.descCode);
    Field::setI32(r + Emp::HireDate, fields.hireDate);
    TextToField(r + Emp::Phone, Emp::PhoneWidth, fields.phone);
    TextToField(r + Emp::Address1, Emp::AddressWidth, fields.address1);
    TextToField(r + Emp::Address2, Emp::AddressWidth, fields.address2);
    TextToField(r + Emp::City, Emp::AddressWidth, fields.city);
    TextToField(r + Emp::State, Emp::StateWidth, fields.state);
    TextToField(r + Emp::PostalCode, Emp::PostalWidth, fields.postalCode);
    TextToField(r + Emp::Spouse, Emp::SpouseWidth, fields.spouse);
    TextToField(r + Emp::EmergencyContact, Emp::ContactWidth, fields.emergencyContact);
    TextToField(r + Emp::EmergencyPhone, Emp::PhoneWidth, fields.emergencyPhone);
    const int flags = Field::u8(r + Emp::Flags);
    Field::setU8(r + Emp::Flags, quint8(fields.male ? ScheduleHelper::SetBit(flags, 0)
                                                   : ScheduleHelper::ClearBit(flags, 0)));
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
        const QString scheduleName = FieldToText(r + Emp::ScheduleName, Emp::NameWidth);
        if (!scheduleName.isEmpty())
            return scheduleName;
    }
    return decodeEmployee(r).fullName();
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
        e.firstName = FieldToText(r + Emp::FirstName, Emp::NameWidth);
        e.lastName = FieldToText(r + Emp::LastName, Emp::NameWidth);
        names << e.fullName();
        numbers << Field::i32(r + Emp::Number);
    }
}

QString EmployeeRecords::phone(qint32 employee, bool emergency) const
{
    QString phone;
    for (int i = 1; i <= m_records.count(); ++i) {   // the last record with the number counts
        const char *r = m_records.record(i);
        if (Field::i32(r + Emp::Number) == employee)
            phone = ScheduleHelper::FormatPhone(
                FieldToText(r + (emergency ? Emp::EmergencyPhone : Emp::Phone), Emp::PhoneWidth));
    }
    return phone;
}

void EmployeeRecords::availability(qint32 employee, std::array<double, 7> &starts, std::array<double, 7> &ends) const
{
    for (int i = 1; i <= m_records.count(); ++i) {
        const char *r = m_records.record(i);
        if (Field::i32(r + Emp::Number) != employee)
            continue;
        for (int d = 0; d < 7; ++d) {
            starts[d] = OleDate::timeOfDay(Field::f64(r + Emp::AvailStart + 8 * d));
            const double end = OleDate::timeOfDay(Field::f64(r + Emp::AvailEnd + 8 * d));
            ends[d] = end == 0 ? 1.0 : end;
        }
    }
}

void EmployeeRecords::setAvailability(qint32 employee, const std::array<double, 7> &starts,
                                      const std::array<double, 7> &ends)
{
    for (int i = 1; i <= m_records.count(); ++i) {
        char *r = m_records.record(i);
        if (Field::i32(r + Emp::Number) != employee)
            continue;
        for (int d = 0; d < 7; ++d) {
            Field::setF64(r + Emp::AvailStart + 8 * d, starts[d]);
            Field::setF64(r + Emp::AvailEnd + 8 * d, ends[d]);
        }
    }
}
