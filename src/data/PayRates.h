#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QString>
#include <optional>

#include "CsvTable.h"

// One hourly rate: of an employee for one position, or for every position without its own
// (an empty position).
struct PayRate {
    qint32 employee = 0;
    QString position;   // trimmed and upper-cased; empty for the employee's rate
    qint64 cents = 0;
    bool operator==(const PayRate &) const = default;
};

// The hourly rates of the employees: PayRates.csv in the data folder (UTF-8 CSV with the header
// "Employee Number", "Position", "Hourly Rate"). Read leniently (a bad row is left out and
// named, the others count; of two rows for one employee and position the first counts), written
// whole and atomically through ScheduleHelper.
class PayRates
{
public:
    static constexpr const char *kFileName = "PayRates.csv";
    static QString filePath(const QString &dataPath);

    // A missing file has no rates; an unreadable one throws FileError.
    static PayRates read(const QString &dataPath);
    static PayRates parse(const QByteArray &bytes);
    // Throws FileError; the old file is then unchanged.
    void write(const QString &dataPath) const;
    QByteArray toCsv() const;

    const QList<PayRate> &rates() const { return m_rates; }
    const QList<CsvProblem> &problems() const { return m_problems; }

    // The rate for the employee's work in the position: the position's own, else the
    // employee's, else none.
    std::optional<qint64> rateFor(qint32 employee, const QString &position) const;
    // The employee's rates by position (the empty position for the employee's own rate).
    QMap<QString, qint64> ratesOf(qint32 employee) const;
    // Replaces the employee's rates by these; an empty map removes the employee.
    void setRatesOf(qint32 employee, const QMap<QString, qint64> &rates);

    static QStringList columns();

private:
    QList<PayRate> m_rates;
    QList<CsvProblem> m_problems;
};
