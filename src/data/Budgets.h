#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

#include "CsvTable.h"

// A department's weekly labour budget and the multiplier of its overtime pay.
struct DepartmentBudget {
    QString department;                  // trimmed and upper-cased
    std::optional<qint64> weeklyCents;   // none: no budget
    qint64 multiplierHundredths = 150;   // 150 = overtime paid 1.5 times
    bool operator==(const DepartmentBudget &) const = default;
};

// The budgets of the departments: Budgets.csv in the data folder (UTF-8 CSV with the header
// "Department", "Weekly Budget" and the optional "Overtime Multiplier"; an empty multiplier is
// 1.5). Read leniently and written atomically like PayRates.
class Budgets
{
public:
    static constexpr const char *kFileName = "Budgets.csv";
    static constexpr qint64 kDefaultMultiplier = 150;
    static constexpr qint64 kMaxMultiplier = 1000;
    static QString filePath(const QString &dataPath);

    static Budgets read(const QString &dataPath);
    static Budgets parse(const QByteArray &bytes);
    void write(const QString &dataPath) const;
    QByteArray toCsv() const;

    const QList<DepartmentBudget> &budgets() const { return m_budgets; }
    const QList<CsvProblem> &problems() const { return m_problems; }

    // The department's row, or one with no budget and the default multiplier.
    DepartmentBudget of(const QString &department) const;
    // Replaces the department's row; a row with no budget and the default multiplier is removed.
    void set(const DepartmentBudget &budget);

    // 1 to 10 with up to two decimals ("1.5" -> 150); empty is the default.
    static std::optional<qint64> multiplierFromText(const QString &text);

    static QStringList columns();

private:
    QList<DepartmentBudget> m_budgets;
    QList<CsvProblem> m_problems;
};
