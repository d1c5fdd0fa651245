#pragma once

#include <QString>
#include <QStringList>

// What PopulateInfoControl fills: the employee editor's control implements it, so the data
// store can hand one employee over without knowing any widget.
class EmployeeInfoTarget
{
public:
    virtual ~EmployeeInfoTarget() = default;

    virtual void SetPositions(const QStringList &positions) = 0;
    virtual void SetDepartments(const QStringList &departments) = 0;
    virtual void setDescCode(const QString &text) = 0;
    virtual void setDob(qint32 day) = 0;
    virtual void setFirstName(const QString &text) = 0;
    virtual void setHireDate(qint32 day) = 0;
    virtual void setLastName(const QString &text) = 0;
    virtual void setMiddleName(const QString &text) = 0;
    virtual void setScheduleName(const QString &text) = 0;
    virtual void setSSNumber(qint32 number) = 0;
    virtual void setPhoneNumber(const QString &text) = 0;
    virtual void setAddress1(const QString &text) = 0;
    virtual void setAddress2(const QString &text) = 0;
    virtual void setCity(const QString &text) = 0;
    virtual void setState(const QString &text) = 0;
    virtual void setPostalCode(const QString &text) = 0;
    virtual void setEmergencyContact(const QString &text) = 0;
    virtual void setEmergencyPhone(const QString &text) = 0;
    virtual void setSpouse(const QString &text) = 0;
    virtual void setGenderIsMale(bool male) = 0;
    // Week day 1 (Sunday) to 7 (Saturday); the stored date-time value, unchanged.
    virtual void StartTimeSet(int day, double time) = 0;
    virtual void EndTimeSet(int day, double time) = 0;
};
