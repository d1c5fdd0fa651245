#pragma once

#include "data/Budgets.h"
#include "data/PayRates.h"

#include <QCoreApplication>

class QLabel;
class QWidget;
class TimeGrid;
class clsScheduleData;

// What a scheduler shows of its week's labour cost: each employee's cost in the grid's cost
// column (when shown) and the department's week cost against its budget in the status line, red
// when over. The scheduler hands it the rates and budget when the week changes and asks it to
// count again after every edit.
class WeekCostView
{
    Q_DECLARE_TR_FUNCTIONS(WeekCostView)

public:
    WeekCostView(TimeGrid *grid, QWidget *parent);

    QLabel *costLabel() const { return m_label; }

    // Reads PayRates.csv and Budgets.csv (a bad row is left out here; `check` names it).
    void readRates(const QString &dataPath, const QString &department);
    void recount(const clsScheduleData &schedule);
    void setColumnShown(bool shown);
    bool isColumnShown() const { return m_columnShown; }

    // The status line's words for a week's cost, budget and shifts without a rate.
    static QString statusText(qint64 cents, std::optional<qint64> budgetCents, int unrated);

private:
    TimeGrid *m_grid;
    QLabel *m_label;
    PayRates m_rates;
    DepartmentBudget m_budget;
    QString m_unreadable;   // why the files could not be read
    bool m_columnShown = false;
};
