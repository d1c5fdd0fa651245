#pragma once

#include "EmployeeListLayout.h"

// The contact list: phone, spouse and emergency contact of each employee.
class rptEmployeeContact : public EmployeeListLayout
{
public:
    explicit rptEmployeeContact(const clsEmployeeInfo &info);

protected:
    void formatDetail(ReportSection &section, int row) override;

private:
    ReportSection::Control m_name, m_phone, m_spouse, m_emergencyContact, m_emergencyPhone;
};
