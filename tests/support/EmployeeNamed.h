#pragma once

#include "data/EmployeeFields.h"

// A record of names and gender alone, for AddEmployee; number 0 adds a new employee.
inline EmployeeFields employeeNamed(const QString &first, const QString &last, bool male = true, qint32 number = 0)
{
    EmployeeFields e;
    e.number = number;
    e.firstName = first;
    e.lastName = last;
    e.male = male;
    return e;
}
