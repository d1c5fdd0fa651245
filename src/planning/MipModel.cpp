#include "MipModel.h"

#include <coin/Cbc_C_Interface.h>

#include <algorithm>
#include <memory>
#include <string>

int MipModel::addColumn(double lower, double upper, bool integer)
{
    m_lower.push_back(lower);
    m_upper.push_back(upper);
    m_integer.push_back(integer ? 1 : 0);
    return int(m_lower.size()) - 1;
}

void MipModel::addRow(const std::vector<int> &columns, const std::vector<double> &coefficients, Sense sense, double rhs)
{
    m_rows.push_back({columns, coefficients, sense, rhs});
}

MipModel::Solution MipModel::minimise(const std::vector<double> &objective, double seconds, const std::vector<double> &start,
                                      bool integral) const
{
    std::unique_ptr<Cbc_Model, void (*)(Cbc_Model *)> model(Cbc_newModel(), Cbc_deleteModel);
    Cbc_Model *m = model.get();
    Cbc_setLogLevel(m, 0);
    for (size_t c = 0; c < m_lower.size(); ++c)
        Cbc_addCol(m, "", m_lower[c], m_upper[c], c < objective.size() ? objective[c] : 0.0, m_integer[c], 0, nullptr, nullptr);
    for (const Row &row : m_rows)
        Cbc_addRow(m, "", int(row.columns.size()), row.columns.data(), row.coefficients.data(),
                   row.sense == Sense::AtMost ? 'L' : 'G', row.rhs);
    Cbc_setMaximumSeconds(m, std::max(0.05, seconds));
    Cbc_setParameter(m, "timeMode", "elapsed");   // the user waits by the clock, not by processor time
    Cbc_setParameter(m, "threads", "0");
    Cbc_setParameter(m, "randomCbcSeed", "1");
    Cbc_setParameter(m, "randomSeed", "1");
    if (integral)
        Cbc_setAllowableGap(m, 0.999);
    if (!start.empty() && start.size() <= m_lower.size()) {
        std::vector<int> columns(start.size());
        for (size_t c = 0; c < columns.size(); ++c)
            columns[c] = int(c);
        Cbc_setMIPStartI(m, int(columns.size()), columns.data(), start.data());
    }
    Cbc_solve(m);

    Solution solution;
    const double *values = Cbc_getColSolution(m);
    solution.found = values && (Cbc_isProvenOptimal(m) || Cbc_numberSavedSolutions(m) > 0 || Cbc_status(m) == 0)
                     && !Cbc_isProvenInfeasible(m);
    solution.proven = Cbc_isProvenOptimal(m);
    if (solution.found) {
        solution.values.assign(values, values + m_lower.size());
        solution.objective = Cbc_getObjValue(m);
    }
    solution.bound = solution.proven ? solution.objective : Cbc_getBestPossibleObjValue(m);
    return solution;
}
