#pragma once

#include "EmployeeListLayout.h"

// The phone list: one line per employee with the phone number.
class rptEmployeeList : public EmployeeListLayout
{
public:
    explicit rptEmployeeList(const clsEmployeeInfo &info);

protected:
    void formatDetail(ReportSection &section, int row) override;

private:
    ReportSection::Control m_name, m_number;
};
