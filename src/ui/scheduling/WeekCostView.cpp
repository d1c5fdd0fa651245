#include "WeekCostView.h"

#include "data/FileError.h"
#include "grid/TimeGridModel.h"
#include "schedule/clsScheduleData.h"
#include "ui/common/WindowHelpers.h"
#include "ui/widgets/TimeGrid.h"

#include <QLabel>

namespace {
QString money(qint64 cents) { return MoneyText(cents); }
} // namespace

WeekCostView::WeekCostView(TimeGrid *grid, QWidget *parent) : m_grid(grid), m_label(new QLabel(parent))
{
    m_label->setObjectName(QStringLiteral("labWeekCost"));
    m_label->hide();
}

void WeekCostView::readRates(const QString &dataPath, const QString &department)
{
    m_unreadable.clear();
    try {
        m_rates = PayRates::read(dataPath);
        m_budget = Budgets::read(dataPath).of(department);
    } catch (const FileError &e) {
        m_rates = PayRates();
        m_budget = DepartmentBudget{department, std::nullopt, Budgets::kDefaultMultiplier};
        m_unreadable = e.userText();
    }
}

void WeekCostView::setColumnShown(bool shown)
{
    m_columnShown = shown;
    m_grid->setCostColumn(shown ? m_grid->fontMetrics().horizontalAdvance(money(99999999)) + 12 : 0,
                          tr("Week\nCost"));
}

QString WeekCostView::statusText(qint64 cents, std::optional<qint64> budgetCents, int unrated)
{
    QString text = budgetCents ? tr("Week cost %1 of budget %2").arg(money(cents), money(*budgetCents))
                               : tr("Week cost %1").arg(money(cents));
    if (unrated > 0)
        text += u' ' + tr("(%n shift(s) without a rate)", "", unrated);
    return text;
}

void WeekCostView::recount(const clsScheduleData &schedule)
{
    TimeGridModel *grid = schedule.grid();
    if (!grid)
        return;
    qint64 total = 0;
    int unrated = 0;
    for (int row = 0; row < grid->ResourcesMax(); ++row) {
        if (schedule.findEmployeeRow(schedule.FindEmployeeNumberFromResorce(row)) != row) {
            grid->setResourceCost(row, QString());   // a second row of one employee holds no shift
            continue;
        }
        const WeekCost cost = schedule.rowCost(row, m_rates, m_budget.multiplierHundredths);
        total += cost.totalCents();
        unrated += cost.unratedShifts();
        grid->setResourceCost(row, cost.totalCents() == 0 && cost.unratedShifts() == 0 ? QString() : money(cost.totalCents()));
        grid->setResourceCostMarked(row, cost.unratedShifts() > 0);
    }
    // A folder without any rate or budget does not use costs: nothing to tell.
    const bool used = !m_rates.rates().isEmpty() || m_budget.weeklyCents || !m_unreadable.isEmpty();
    m_label->setVisible(used);
    const bool over = m_budget.weeklyCents && total > *m_budget.weeklyCents;
    m_label->setStyleSheet(over || !m_unreadable.isEmpty() ? QStringLiteral("color: red;") : QString());
    m_label->setText(m_unreadable.isEmpty() ? statusText(total, m_budget.weeklyCents, unrated)
                                            : tr("Week cost unknown: %1").arg(m_unreadable));
}
