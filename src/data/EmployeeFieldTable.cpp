#include "EmployeeFieldTable.h"

#include "CodePage.h"
#include "RecordList.h"
#include "ScheduleHelper.h"

namespace {

using F = EmployeeField;
using Kind = EmployeeFieldEntry::Kind;
using E = EmployeeFields;

// A text or phone field, and a 32-bit one; the key and the heading as the export and the import
// have always named them.
constexpr EmployeeFieldEntry textField(F id, Kind kind, const char *key, const char *column, int offset, int width,
                                      QString E::*member)
{
    return {id, kind, key, column, offset, width, member};
}
constexpr EmployeeFieldEntry numberField(F id, Kind kind, const char *key, const char *column, int offset,
                                        qint32 E::*member)
{
    return {id, kind, key, column, offset, 4, nullptr, member};
}

constexpr EmployeeFieldEntry kFields[] = {
    numberField(F::Number, Kind::Key, "number", nullptr, 0, &E::number),
    textField(F::FirstName, Kind::Text, "firstName", "First Name", 4, 50, &E::firstName),
    textField(F::MiddleName, Kind::Text, "middleName", "Middle Name", 54, 50, &E::middleName),
    textField(F::LastName, Kind::Text, "lastName", "Last Name", 104, 50, &E::lastName),
    textField(F::ScheduleName, Kind::Text, "scheduleName", "Schedule Name", 160, 50, &E::scheduleName),
    numberField(F::Dob, Kind::Day, "dob", "Birth Date", 156, &E::dob),
    numberField(F::HireDate, Kind::Day, "hireDate", "Hire Date", 268, &E::hireDate),
    numberField(F::SSNumber, Kind::Whole, "ssNumber", nullptr, 212, &E::ssNumber),
    textField(F::DescCode, Kind::Text, "descCode", nullptr, 216, 50, &E::descCode),
    textField(F::Phone, Kind::Phone, "phone", "Phone", 448, 10, &E::phone),
    textField(F::EmergencyPhone, Kind::Phone, "emergencyPhone", "Emergency Phone", 618, 10, &E::emergencyPhone),
    textField(F::Address1, Kind::Text, "address1", "Address 1", 458, 30, &E::address1),
    textField(F::Address2, Kind::Text, "address2", "Address 2", 488, 30, &E::address2),
    textField(F::City, Kind::Text, "city", "City", 518, 30, &E::city),
    textField(F::State, Kind::Text, "state", "State", 548, 20, &E::state),
    textField(F::PostalCode, Kind::Text, "postalCode", "Postal Code", 568, 10, &E::postalCode),
    textField(F::Spouse, Kind::Text, "spouse", nullptr, 578, 20, &E::spouse),
    textField(F::EmergencyContact, Kind::Text, "emergencyContact", "Emergency Contact", 598, 20, &E::emergencyContact),
    {F::Male, Kind::Flag, "male", "Male", 628, 1, nullptr, nullptr, nullptr, &E::male},
    {F::BarNumber, Kind::Unused16, nullptr, nullptr, 332, 2, nullptr, nullptr, &E::barNumber},
    {F::PositionPick, Kind::Unused16, nullptr, nullptr, 334, 2, nullptr, nullptr, &E::positionPick},
};

// entry() finds a field by its place in the table.
constexpr bool inEnumOrder()
{
    for (std::size_t i = 0; i < std::size(kFields); ++i)
        if (kFields[i].id != F(i))
            return false;
    return std::size(kFields) == std::size_t(F::PositionPick) + 1;
}
static_assert(inEnumOrder());

} // namespace

void EmployeeFieldEntry::read(const char *record, EmployeeFields &fields) const
{
    const char *at = record + offset;
    switch (kind) {
    case Kind::Key:
    case Kind::Day:
    case Kind::Whole: fields.*whole = Field::i32(at); break;
    case Kind::Text:
    case Kind::Phone: fields.*text = CodePage::FieldToText(at, width); break;
    case Kind::Flag: fields.*flag = ScheduleHelper::BitIsSet(Field::u8(at), 0); break;
    case Kind::Unused16: fields.*small = Field::i16(at); break;
    }
}

void EmployeeFieldEntry::write(char *record, const EmployeeFields &fields) const
{
    char *at = record + offset;
    switch (kind) {
    case Kind::Key:
    case Kind::Day:
    case Kind::Whole: Field::setI32(at, fields.*whole); break;
    case Kind::Text:
    case Kind::Phone: CodePage::TextToField(at, width, fields.*text); break;
    case Kind::Flag: {
        const int bits = Field::u8(at);
        Field::setU8(at, quint8(fields.*flag ? ScheduleHelper::SetBit(bits, 0) : ScheduleHelper::ClearBit(bits, 0)));
        break;
    }
    case Kind::Unused16: Field::setI16(at, fields.*small); break;
    }
}

namespace EmployeeFieldTable {

std::span<const EmployeeFieldEntry> fields()
{
    return kFields;
}

const EmployeeFieldEntry &entry(EmployeeField id)
{
    return kFields[std::size_t(id)];
}

} // namespace EmployeeFieldTable
