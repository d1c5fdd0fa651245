#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include "data/CsvTable.h"

// One row of the staffing needs: how many people a position needs in a department between two
// times of a weekday. Rows may overlap; the need at a moment is the sum of the rows covering it.
struct NeedRow {
    QString department;   // trimmed and upper-cased
    int weekday = 0;      // 0 = Monday ... 6 = Sunday
    QString position;     // trimmed and upper-cased
    int from = 0;         // minutes after midnight, 0..1439
    int to = 0;           // 1..1440; not after `from` means the row runs past midnight
    int needed = 0;       // 0..99
    int most = -1;        // 0..99, or -1 for no upper bound

    // Minutes the row covers: up to a whole day.
    int length() const { return to > from ? to - from : to + 1440 - from; }
    bool operator==(const NeedRow &) const = default;
};

// The staffing needs of every department: StaffingNeeds.csv in the data folder (UTF-8 CSV with a
// header line). Read leniently (a bad row is left out and named, the others count), written
// whole and atomically through ScheduleHelper.
class StaffingNeeds
{
    Q_DECLARE_TR_FUNCTIONS(StaffingNeeds)

public:
    static constexpr const char *kFileName = "StaffingNeeds.csv";
    static QString filePath(const QString &dataPath);

    // A missing file has no needs; an unreadable one throws FileError.
    static StaffingNeeds read(const QString &dataPath);
    static StaffingNeeds parse(const QByteArray &bytes);
    // Throws FileError; the old file is then unchanged.
    void write(const QString &dataPath) const;
    QByteArray toCsv() const;

    const QList<NeedRow> &rows() const { return m_rows; }
    const QList<CsvProblem> &problems() const { return m_problems; }
    QList<NeedRow> rowsOf(const QString &department) const;
    // Replaces the department's rows by these, kept after the other departments' rows.
    void setRowsOf(const QString &department, const QList<NeedRow> &rows);
    void append(const NeedRow &row) { m_rows << row; }

    // The header line's column names, in the order the file is written.
    static QStringList columns();

    // "Mon".."Sun" for 0..6, and back (-1 for no weekday).
    static QString weekdayName(int weekday);
    static int weekdayFromName(const QString &name);
    // "HH:MM" for minutes after midnight (1440 as "24:00"), and back (-1 for no time).
    static QString timeText(int minutes);
    static int minutesFromText(const QString &text, bool endOfDayAllowed);

private:
    QList<NeedRow> m_rows;
    QList<CsvProblem> m_problems;
};
