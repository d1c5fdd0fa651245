#pragma once

#include "EmployeeFields.h"

#include <QStringList>

// What PopulateInfoControl fills: the employee editor's control implements it, so the data
// store can hand one employee over without knowing any widget.
class EmployeeInfoTarget
{
public:
    virtual ~EmployeeInfoTarget() = default;

    virtual void SetPositions(const QStringList &positions) = 0;
    virtual void SetDepartments(const QStringList &departments) = 0;
    // The employee's record as stored: texts as read from their fields, phones as digits.
    virtual void setFields(const EmployeeFields &fields) = 0;
};
