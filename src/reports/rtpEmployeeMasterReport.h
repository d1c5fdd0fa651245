#pragma once

#include "EmployeeListLayout.h"

#include <array>

// The master list: every field of each employee's record in a block.
class rtpEmployeeMasterReport : public EmployeeListLayout
{
public:
    explicit rtpEmployeeMasterReport(const clsEmployeeInfo &info);

protected:
    void formatDetail(ReportSection &section, int row) override;

private:
    static constexpr size_t kCellCount = 18;   // captions with their fields
    std::array<ReportSection::Control, kCellCount> m_fields;
};
