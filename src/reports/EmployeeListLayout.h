#pragma once

#include "data/clsEmployeeInfo.h"
#include "reports/engine/BandedReport.h"

// What the employee list layouts share: the records (one detail per record, in the given
// order), the page header with title and page count, column captions under the title.
class EmployeeListLayout : public BandedReport
{
public:
    void setupReport(const QList<EmployeeFields> &records) { m_records = records; }
    // Social Security numbers whole instead of their last four digits.
    void setFullIds(bool full) { m_fullIds = full; }

    // A Social Security number as printed: "***-**-1234", or whole as plain digits; empty for 0.
    static QString idText(qint32 number, bool full);

protected:
    EmployeeListLayout(const clsEmployeeInfo &info, const QString &title);

    int rowCount() const override { return int(m_records.size()); }
    void reportStart() override;
    void formatPageHeader(ReportSection &section, int page) override;

    const EmployeeFields &record(int row) const { return m_records.at(row); }
    bool fullIds() const { return m_fullIds; }
    // A column of one detail line: its caption in the row under the title (named "lab" and the
    // field's name without "fld") and its field; returns the field. The columns share the width
    // by what their captions and widest texts need, `width` being the least a column gets
    // while there is room.
    ReportSection::Control addColumn(const QString &field, qreal x, qreal width, const QString &caption);
    // A stored day number as mm/dd/yyyy; empty when no date was entered (0).
    static QString dateText(qint32 day);

    const clsEmployeeInfo &m_info;

private:
    struct Column {
        ReportSection::Control caption, field;
        qreal width;
    };
    // Gives the columns the widths their texts need, as far as the page allows.
    void fitColumns();

    ReportSection::Control m_pageOf;
    QList<EmployeeFields> m_records;
    QList<Column> m_columns;
    bool m_fullIds = false;
};
