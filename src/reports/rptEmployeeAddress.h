#pragma once

#include "EmployeeListLayout.h"

// The mailing list: one address block per employee.
class rptEmployeeAddress : public EmployeeListLayout
{
public:
    explicit rptEmployeeAddress(const clsEmployeeInfo &info);

protected:
    void formatDetail(ReportSection &section, int row) override;

private:
    ReportSection::Control m_firstName, m_lastName, m_address1, m_address2, m_city, m_state, m_postal;
};
