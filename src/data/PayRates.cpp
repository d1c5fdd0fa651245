#include "PayRates.h"

#include "CodePage.h"
#include "CsvWriter.h"
#include "Money.h"
#include "ScheduleHelper.h"

#include <QDir>
#include <QRegularExpression>

namespace {

enum Column { Employee, Position, Rate };

QString key(const QString &name) { return CodePage::toUpper(name.trimmed()); }

} // namespace

QStringList PayRates::columns()
{
    return {QStringLiteral("Employee Number"), QStringLiteral("Position"), QStringLiteral("Hourly Rate")};
}

QString PayRates::filePath(const QString &dataPath) { return QDir(dataPath).filePath(QString::fromLatin1(kFileName)); }

PayRates PayRates::read(const QString &dataPath) { return parse(ScheduleHelper::ReadFileBytes(filePath(dataPath))); }

PayRates PayRates::parse(const QByteArray &bytes)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]{1,10}$"));
    PayRates result;
    const CsvTable table(bytes, columns(), {QStringLiteral("Position")});
    result.m_problems = table.problems();
    for (int r = 0; r < table.rowCount(); ++r) {
        if (const auto shape = table.shapeProblem(r)) {
            result.m_problems << *shape;
            continue;
        }
        const QString employee = table.field(r, Employee);
        const qint64 value = employee.toLongLong();
        if (!number.match(employee).hasMatch() || value == 0 || value != qint32(value)) {
            result.m_problems << table.problem(r, Employee, employee.isEmpty() ? CsvProblem::Reason::Empty : CsvProblem::Reason::BadEmployee, employee);
            continue;
        }
        const std::optional<qint64> cents = Money::centsFromText(table.field(r, Rate));
        if (!cents) {
            result.m_problems << table.problem(r, Rate, CsvProblem::Reason::BadAmount, table.field(r, Rate));
            continue;
        }
        const PayRate rate{qint32(value), key(table.field(r, Position)), *cents};
        if (result.ratesOf(rate.employee).contains(rate.position)) {
            result.m_problems << table.problem(r, Position, CsvProblem::Reason::Repeated,
                                               rate.position.isEmpty() ? employee : employee + u' ' + rate.position);
            continue;
        }
        result.m_rates << rate;
    }
    return result;
}

QByteArray PayRates::toCsv() const
{
    QString text = CsvWriter::line(columns());
    for (const PayRate &rate : m_rates)
        text += CsvWriter::line({QString::number(rate.employee), CsvWriter::inertText(rate.position), Money::text(rate.cents)});
    return text.toUtf8();
}

void PayRates::write(const QString &dataPath) const { ScheduleHelper::WriteFileBytes(filePath(dataPath), toCsv()); }

std::optional<qint64> PayRates::rateFor(qint32 employee, const QString &position) const
{
    const QMap<QString, qint64> rates = ratesOf(employee);
    if (const auto own = rates.constFind(key(position)); own != rates.cend())
        return *own;
    if (const auto general = rates.constFind(QString()); general != rates.cend())
        return *general;
    return std::nullopt;
}

QMap<QString, qint64> PayRates::ratesOf(qint32 employee) const
{
    QMap<QString, qint64> rates;
    for (const PayRate &rate : m_rates)
        if (rate.employee == employee)
            rates.insert(rate.position, rate.cents);
    return rates;
}

void PayRates::setRatesOf(qint32 employee, const QMap<QString, qint64> &rates)
{
    m_rates.removeIf([&](const PayRate &rate) { return rate.employee == employee; });
    for (auto it = rates.cbegin(); it != rates.cend(); ++it)
        m_rates << PayRate{employee, key(it.key()), it.value()};
}
