#include "MipModel.h"

#include <coin/CbcEventHandler.hpp>
#include <coin/CbcModel.hpp>
#include <coin/CbcSolver.hpp>
#include <coin/CoinPackedMatrix.hpp>
#include <coin/CoinPackedVector.hpp>
#include <coin/OsiClpSolverInterface.hpp>

#include <algorithm>
#include <string>

namespace {

// Ends the search at its next step once the caller asks.
class StopWhenAsked : public CbcEventHandler
{
public:
    explicit StopWhenAsked(std::function<bool()> asked) : m_asked(std::move(asked)) {}
    StopWhenAsked(const StopWhenAsked &other) = default;
    CbcAction event(CbcEvent) override { return m_asked && m_asked() ? stop : noAction; }
    CbcEventHandler *clone() const override { return new StopWhenAsked(*this); }

private:
    std::function<bool()> m_asked;
};

int noCallBack(CbcModel *, int) { return 0; }

std::string columnName(size_t c) { return "x" + std::to_string(c); }

} // namespace

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
                                      bool integral, const std::function<bool()> &stop) const
{
    const size_t columns = m_lower.size();
    CoinPackedMatrix matrix(false, 0, 0);
    matrix.setDimensions(0, int(columns));
    std::vector<double> rowLower, rowUpper;
    for (const Row &row : m_rows) {
        matrix.appendRow(CoinPackedVector(int(row.columns.size()), row.columns.data(), row.coefficients.data()));
        rowLower.push_back(row.sense == Sense::AtLeast ? row.rhs : -COIN_DBL_MAX);
        rowUpper.push_back(row.sense == Sense::AtMost ? row.rhs : COIN_DBL_MAX);
    }
    std::vector<double> costs(columns, 0.0);
    std::copy_n(objective.begin(), std::min(objective.size(), columns), costs.begin());

    OsiClpSolverInterface solver;
    solver.messageHandler()->setLogLevel(0);
    solver.loadProblem(matrix, m_lower.data(), m_upper.data(), costs.data(), rowLower.data(), rowUpper.data());
    for (size_t c = 0; c < columns; ++c) {
        solver.setColName(int(c), columnName(c));
        if (m_integer[c])
            solver.setInteger(int(c));
    }
    CbcModel model(solver);
    model.messageHandler()->setLogLevel(0);
    const StopWhenAsked handler(stop);
    model.passInEventHandler(&handler);
    if (!start.empty() && start.size() <= columns) {
        std::vector<std::pair<std::string, double>> values;
        for (size_t c = 0; c < start.size(); ++c)
            values.emplace_back(columnName(c), start[c]);
        model.setMIPStart(values);
    }

    // As the cbc program runs it: preprocessing, cuts and heuristics, one thread, a fixed seed,
    // the limit measured by the clock the user waits by.
    const std::string limit = std::to_string(std::max(0.05, seconds));
    std::vector<const char *> arguments{"shiftgrid", "-log", "0", "-sec", limit.c_str(), "-timeMode", "elapsed",
                                        "-threads", "0", "-randomCbcSeed", "1", "-randomSeed", "1"};
    if (integral) {
        arguments.push_back("-allowableGap");
        arguments.push_back("0.999");
    }
    arguments.push_back("-solve");
    arguments.push_back("-quit");
    CbcSolverUsefulData data;
    data.noPrinting_ = true;
    CbcMain0(model, data);
    CbcMain1(int(arguments.size()), arguments.data(), model, noCallBack, data);

    Solution solution;
    const double *values = model.bestSolution();
    solution.found = values != nullptr && !model.isProvenInfeasible();
    solution.proven = solution.found && model.isProvenOptimal() && !(stop && stop());
    if (solution.found) {
        solution.values.assign(values, values + columns);
        solution.objective = model.getObjValue();
    }
    solution.bound = solution.proven ? solution.objective : model.getBestPossibleObjValue();
    return solution;
}
