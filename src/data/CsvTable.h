#pragma once

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

// A row of a data folder's CSV file that could not be read, named by its line and column.
struct CsvProblem {
    Q_DECLARE_TR_FUNCTIONS(CsvProblem)

public:
    enum class Reason {
        BadCsv, MissingColumn, FieldCount, Empty, Repeated,
        BadEmployee, BadAmount, BadMultiplier,                 // the cost files
        BadWeekday, BadTime, BadCount, MostBelowNeeded          // the staffing needs
    };
    int line = 0;
    QString column;   // the column's header name; empty for a problem of the whole line
    Reason reason = Reason::BadCsv;
    QString detail;   // the offending text, or the parser's reason
    int expected = 0; // the header's field count, for a line of another count

    // "line 4, column Hourly Rate: "12,50" is not an amount like 12.50"
    QString text() const;
    // The reason alone
    QString reasonText() const;
};

// The records of a CSV file with a header line, its columns found by their names in any order
// and letter case. Shared by the cost files and the staffing needs, which are read the same
// lenient way.
class CsvTable
{
public:
    // `columns`: the header names; those in `optional` may be missing.
    CsvTable(const QByteArray &bytes, const QStringList &columns, const QStringList &optional);

    // Problems of the file as a whole (unreadable CSV, a missing column); no rows then.
    const QList<CsvProblem> &problems() const { return m_problems; }
    int rowCount() const { return int(m_rows.size()); }
    int line(int row) const;
    // The trimmed field of the row in the named column (one of `columns`); empty when the column
    // is missing.
    QString field(int row, int column) const;
    // A problem of the row when its field count differs from the header's.
    std::optional<CsvProblem> shapeProblem(int row) const;
    CsvProblem problem(int row, int column, CsvProblem::Reason reason, const QString &detail = {}) const;

private:
    QStringList m_columns;
    QList<int> m_at;
    int m_headerSize = 0;
    QList<QPair<int, QStringList>> m_rows;
    QList<CsvProblem> m_problems;
};
