#pragma once

#include "EmployeeListLayout.h"

// The identification list: employee ID, identification number and hire date.
class rptEmployeeIdList : public EmployeeListLayout
{
public:
    explicit rptEmployeeIdList(const clsEmployeeInfo &info);

protected:
    void formatDetail(ReportSection &section, int row) override;

private:
    ReportSection::Control m_name, m_id, m_ssNumber, m_hireDate;
};
