#pragma once

#include "data/clsEmployeeInfo.h"
#include "reports/engine/BandedReport.h"

// What the employee list layouts share: the records (one detail per record, in the given
// order), the page header with title and page count, column captions under the title.
class EmployeeListLayout : public BandedReport
{
public:
    void setupReport(const QList<EmployeeFields> &records) { m_records = records; }

protected:
    EmployeeListLayout(const clsEmployeeInfo &info, const QString &title);

    int rowCount() const override { return int(m_records.size()); }
    void formatPageHeader(ReportSection &section, int page) override;

    const EmployeeFields &record(int row) const { return m_records.at(row); }
    // A column of one detail line: its caption in the row under the title (named "lab" and the
    // field's name without "fld") and its field; returns the field.
    ReportSection::Control addColumn(const QString &field, qreal x, qreal width, const QString &caption);
    // A stored day number as mm/dd/yyyy; empty when no date was entered (0).
    static QString dateText(qint32 day);

    const clsEmployeeInfo &m_info;

private:
    ReportSection::Control m_pageOf;
    QList<EmployeeFields> m_records;
};
