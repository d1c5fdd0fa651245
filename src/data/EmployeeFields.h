#pragma once

#include <QString>
#include <array>

// One employee record, decoded.
struct EmployeeFields {
    qint32 number = 0;
    QString firstName, middleName, lastName;
    qint32 dob = 0;               // whole days since 30 December 1899
    QString scheduleName;
    qint32 ssNumber = 0;
    QString descCode;
    qint32 hireDate = 0;
    qint16 barNumber = 0;
    qint16 positionPick = 0;
    std::array<double, 7> availabilityStart{};   // Sunday first, as stored
    std::array<double, 7> availabilityEnd{};
    QString phone, address1, address2, city, state, postalCode, spouse, emergencyContact, emergencyPhone;
    bool male = false;

    // First name, a blank when it is not empty, and the last name, trimmed.
    QString fullName() const;
};
