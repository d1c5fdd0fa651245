#pragma once

#include "EmployeeListLayout.h"

// The mailing list: one address block per employee.
class rptEmployeeAddress : public EmployeeListLayout
{
public:
    explicit rptEmployeeAddress(const clsEmployeeInfo &info);

protected:
    void formatDetail(ReportSection &section, int row) override;
};
