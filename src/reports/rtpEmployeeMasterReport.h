#pragma once

#include "EmployeeListLayout.h"

// The master list: every field of each employee's record in a block.
class rtpEmployeeMasterReport : public EmployeeListLayout
{
public:
    explicit rtpEmployeeMasterReport(const clsEmployeeInfo &info);

protected:
    void formatDetail(ReportSection &section, int row) override;
};
