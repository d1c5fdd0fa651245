#pragma once

#include "EmployeeListLayout.h"

// The mailing list: one address label per employee, on a standard sheet of labels (3 x 10 on
// Letter, 3 x 8 on A4).
class rptEmployeeAddress : public EmployeeListLayout
{
public:
    explicit rptEmployeeAddress(const clsEmployeeInfo &info);

protected:
    // Fits the page and the labels to the label sheet of the paper size.
    void reportStart() override;
    void formatDetail(ReportSection &section, int row) override;

private:
    ReportSection::Control m_firstName, m_lastName, m_address1, m_address2, m_city, m_state, m_postal;
    qreal m_textWidth = 0;
};
