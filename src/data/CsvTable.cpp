#include "CsvTable.h"

#include "CsvReader.h"

QString CsvProblem::text() const
{
    const QString why = reasonText();
    if (line == 0)
        return why;
    if (column.isEmpty() || reason == Reason::MissingColumn)
        return tr("line %1: %2").arg(line).arg(why);
    return tr("line %1, column %2: %3").arg(line).arg(column, why);
}

QString CsvProblem::reasonText() const
{
    switch (reason) {
    case Reason::BadCsv: return tr("not readable as CSV: %1").arg(detail);
    case Reason::MissingColumn: return tr("the header has no column %1").arg(column);
    case Reason::FieldCount: return tr("has %1 fields, the header has %2").arg(detail).arg(expected);
    case Reason::Empty: return tr("is empty");
    case Reason::BadEmployee: return tr("\"%1\" is not an employee number").arg(detail);
    case Reason::BadAmount: return tr("\"%1\" is not an amount like 12.50").arg(detail);
    case Reason::BadMultiplier: return tr("\"%1\" is not a multiplier from 1 to 10 like 1.5").arg(detail);
    case Reason::Repeated: return tr("\"%1\" was given on an earlier line; that line counts").arg(detail);
    case Reason::BadWeekday: return tr("\"%1\" is not a weekday Mon..Sun").arg(detail);
    case Reason::BadTime: return tr("\"%1\" is not a time HH:MM").arg(detail);
    case Reason::BadCount: return tr("\"%1\" is not a number from 0 to 99").arg(detail);
    case Reason::MostBelowNeeded: return tr("%1 is less than Needed").arg(detail);
    }
    return {};
}

CsvTable::CsvTable(const QByteArray &bytes, const QStringList &columns, const QStringList &optional)
    : m_columns(columns)
{
    QString error;
    const QList<CsvReader::Record> records = CsvReader::parse(bytes, &error);
    if (!error.isEmpty()) {
        m_problems << CsvProblem{0, {}, CsvProblem::Reason::BadCsv, error};
        return;
    }
    if (records.isEmpty())
        return;
    const QStringList header = records.first().fields;
    m_headerSize = int(header.size());
    for (const QString &name : columns) {
        int at = -1;
        for (int i = 0; i < header.size() && at < 0; ++i)
            if (header[i].trimmed().compare(name, Qt::CaseInsensitive) == 0)
                at = i;
        if (at < 0 && !optional.contains(name))
            m_problems << CsvProblem{records.first().line, name, CsvProblem::Reason::MissingColumn, {}};
        m_at << at;
    }
    if (!m_problems.isEmpty())
        return;
    for (qsizetype r = 1; r < records.size(); ++r)
        m_rows << qMakePair(records[r].line, records[r].fields);
}

int CsvTable::line(int row) const { return m_rows[row].first; }

QString CsvTable::field(int row, int column) const
{
    const int at = m_at.value(column, -1);
    const QStringList &fields = m_rows[row].second;
    return at < 0 || at >= fields.size() ? QString() : fields[at].trimmed();
}

std::optional<CsvProblem> CsvTable::shapeProblem(int row) const
{
    if (m_rows[row].second.size() == m_headerSize)
        return std::nullopt;
    return CsvProblem{line(row), {}, CsvProblem::Reason::FieldCount, QString::number(m_rows[row].second.size()), m_headerSize};
}

CsvProblem CsvTable::problem(int row, int column, CsvProblem::Reason reason, const QString &detail) const
{
    return CsvProblem{line(row), m_columns.value(column), reason, detail};
}
