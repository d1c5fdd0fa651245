#pragma once

#include "EmployeeFields.h"

#include <span>

// The single-valued fields of the employee record, in the order of EmployeeFieldTable::fields().
enum class EmployeeField {
    Number, FirstName, MiddleName, LastName, ScheduleName, Dob, HireDate, SSNumber, DescCode, Phone,
    EmergencyPhone, Address1, Address2, City, State, PostalCode, Spouse, EmergencyContact, Male,
    BarNumber, PositionPick
};

// One field: where the record holds it, what the master-data export and the employee import
// call it, and the member of EmployeeFields that carries it.
struct EmployeeFieldEntry {
    enum class Kind {
        Key,        // the employee number, 32-bit; drawn when the employee is added, never changed
        Text,       // `width` characters of the code page, padded with blanks
        Phone,      // a text field of digits, shown formatted
        Day,        // 32-bit whole days since 30 December 1899
        Whole,      // 32-bit number
        Flag,       // bit 0 of a byte
        Unused16,   // 16-bit value that no operation writes
    };

    EmployeeField id;
    Kind kind;
    const char *key;      // name in the master-data export; nullptr: not exported
    const char *column;   // heading in the employee import; nullptr: not imported
    int offset;           // in the 732-byte record
    int width;            // bytes; a text field holds as many characters
    QString EmployeeFields::*text = nullptr;   // Text, Phone
    qint32 EmployeeFields::*whole = nullptr;   // Key, Day, Whole
    qint16 EmployeeFields::*small = nullptr;   // Unused16
    bool EmployeeFields::*flag = nullptr;      // Flag

    bool isText() const { return kind == Kind::Text || kind == Kind::Phone; }
    // What the employee editor changes: everything but the number and the unused values.
    bool edited() const { return kind != Kind::Key && kind != Kind::Unused16; }

    void read(const char *record, EmployeeFields &fields) const;
    // A text longer than the field is cut to it; the flag's other bits stay.
    void write(char *record, const EmployeeFields &fields) const;
};

namespace EmployeeFieldTable {
// Every field, in the order the master-data export writes them.
std::span<const EmployeeFieldEntry> fields();
const EmployeeFieldEntry &entry(EmployeeField id);
} // namespace EmployeeFieldTable
