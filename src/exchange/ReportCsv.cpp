#include "ReportCsv.h"

#include "data/CsvWriter.h"

namespace ReportCsv {

QString text(const QStringList &header, const QList<QStringList> &rows)
{
    QString csv = CsvWriter::line(header);
    for (const QStringList &row : rows) {
        QStringList cells;
        cells.reserve(row.size());
        for (const QString &cell : row)
            cells << CsvWriter::inertText(cell);
        csv += CsvWriter::line(cells);
    }
    return csv;
}

} // namespace ReportCsv
