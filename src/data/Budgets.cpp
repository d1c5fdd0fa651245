#include "Budgets.h"

#include "CodePage.h"
#include "CsvWriter.h"
#include "Money.h"
#include "ScheduleHelper.h"

#include <QDir>
#include <algorithm>

namespace {

enum Column { Department, Weekly, Multiplier };

QString key(const QString &name) { return CodePage::toUpper(name.trimmed()); }

} // namespace

QStringList Budgets::columns()
{
    return {QStringLiteral("Department"), QStringLiteral("Weekly Budget"), QStringLiteral("Overtime Multiplier")};
}

QString Budgets::filePath(const QString &dataPath) { return QDir(dataPath).filePath(QString::fromLatin1(kFileName)); }

Budgets Budgets::read(const QString &dataPath) { return parse(ScheduleHelper::ReadFileBytes(filePath(dataPath))); }

std::optional<qint64> Budgets::multiplierFromText(const QString &text)
{
    if (text.trimmed().isEmpty())
        return kDefaultMultiplier;
    const std::optional<qint64> hundredths = Money::centsFromText(text);
    if (!hundredths || *hundredths < 100 || *hundredths > kMaxMultiplier)
        return std::nullopt;
    return hundredths;
}

Budgets Budgets::parse(const QByteArray &bytes)
{
    Budgets result;
    const CsvTable table(bytes, columns(), {QStringLiteral("Overtime Multiplier")});
    result.m_problems = table.problems();
    for (int r = 0; r < table.rowCount(); ++r) {
        if (const auto shape = table.shapeProblem(r)) {
            result.m_problems << *shape;
            continue;
        }
        DepartmentBudget budget;
        budget.department = key(table.field(r, Department));
        if (budget.department.isEmpty()) {
            result.m_problems << table.problem(r, Department, CsvProblem::Reason::Empty);
            continue;
        }
        const QString weekly = table.field(r, Weekly);
        if (!weekly.isEmpty()) {
            budget.weeklyCents = Money::centsFromText(weekly);
            if (!budget.weeklyCents) {
                result.m_problems << table.problem(r, Weekly, CsvProblem::Reason::BadAmount, weekly);
                continue;
            }
        }
        const std::optional<qint64> multiplier = multiplierFromText(table.field(r, Multiplier));
        if (!multiplier) {
            result.m_problems << table.problem(r, Multiplier, CsvProblem::Reason::BadMultiplier, table.field(r, Multiplier));
            continue;
        }
        budget.multiplierHundredths = *multiplier;
        const bool repeated = std::any_of(result.m_budgets.cbegin(), result.m_budgets.cend(),
                                          [&](const DepartmentBudget &b) { return b.department == budget.department; });
        if (repeated) {
            result.m_problems << table.problem(r, Department, CsvProblem::Reason::Repeated, budget.department);
            continue;
        }
        result.m_budgets << budget;
    }
    return result;
}

QByteArray Budgets::toCsv() const
{
    QString text = CsvWriter::line(columns());
    for (const DepartmentBudget &b : m_budgets)
        text += CsvWriter::line({CsvWriter::inertText(b.department), b.weeklyCents ? Money::text(*b.weeklyCents) : QString(),
                                 b.multiplierHundredths == kDefaultMultiplier ? QString() : Money::text(b.multiplierHundredths)});
    return text.toUtf8();
}

void Budgets::write(const QString &dataPath) const { ScheduleHelper::WriteFileBytes(filePath(dataPath), toCsv()); }

DepartmentBudget Budgets::of(const QString &department) const
{
    const QString k = key(department);
    for (const DepartmentBudget &b : m_budgets)
        if (b.department == k)
            return b;
    return DepartmentBudget{k, std::nullopt, kDefaultMultiplier};
}

void Budgets::set(const DepartmentBudget &budget)
{
    const QString k = key(budget.department);
    const auto at = std::find_if(m_budgets.begin(), m_budgets.end(), [&](const DepartmentBudget &b) { return b.department == k; });
    const bool plain = !budget.weeklyCents && budget.multiplierHundredths == kDefaultMultiplier;
    if (at != m_budgets.end()) {
        if (plain)
            m_budgets.erase(at);
        else
            *at = DepartmentBudget{k, budget.weeklyCents, budget.multiplierHundredths};
    } else if (!plain) {
        m_budgets << DepartmentBudget{k, budget.weeklyCents, budget.multiplierHundredths};
    }
}
