#include "MipModel.h"

#include <coin/CbcEventHandler.hpp>
#include <coin/CbcModel.hpp>
#include <coin/CbcSolver.hpp>
#include <coin/ClpEventHandler.hpp>
#include <coin/CoinPackedMatrix.hpp>
#include <coin/CoinPackedVector.hpp>
#include <coin/OsiClpSolverInterface.hpp>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// What the solve running on this thread was asked to stop by, and the branch and bound that
// CbcMain1 runs on its own copy of the model, once it has begun.
thread_local const std::function<bool()> *tl_stop = nullptr;
thread_local CbcModel *tl_search = nullptr;

bool stopAsked() { return tl_stop && *tl_stop && (*tl_stop)(); }

// Ends the search at its next node once the caller asks.
class StopAtNode : public CbcEventHandler
{
public:
    CbcAction event(CbcEvent) override { return stopAsked() ? stop : noAction; }
    CbcEventHandler *clone() const override { return new StopAtNode(*this); }
};

// Asked at every simplex iteration, of the first LP, of preprocessing, of the heuristics' dives
// and of the nodes: the search can be long between two nodes. A stop request ends the LP and
// sets the search's time limit to now, so that CBC winds down as at its own limit.
class StopAtIteration : public ClpEventHandler
{
public:
    int event(Event which) override
    {
        if (which != endOfIteration || !stopAsked())
            return -1;
        if (tl_search)
            tl_search->setMaximumSeconds(0);
        return 0;
    }
    ClpEventHandler *clone() const override { return new StopAtIteration(*this); }
};

// CbcMain1 asks a plain function between its phases (after the first LP, after preprocessing,
// before and after the search). Only before the search may it stop: stopping after it would
// skip turning its answer back into our columns.
int betweenPhases(CbcModel *search, int whereFrom)
{
    tl_search = whereFrom == 3 ? search : nullptr;
    return whereFrom < 3 && stopAsked() ? 1 : 0;
}

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
    if (columns == 0)   // nothing to choose: CBC would not even start
        return Solution{true, true, 0, 0, {}};
    // The matrix from its elements in one go: appending row by row copies it whole each time.
    std::vector<int> rowOf, columnOf;
    std::vector<double> elements, rowLower, rowUpper;
    for (size_t r = 0; r < m_rows.size(); ++r) {
        const Row &row = m_rows[r];
        for (size_t i = 0; i < row.columns.size(); ++i) {
            rowOf.push_back(int(r));
            columnOf.push_back(row.columns[i]);
            elements.push_back(row.coefficients[i]);
        }
        rowLower.push_back(row.sense == Sense::AtLeast ? row.rhs : -COIN_DBL_MAX);
        rowUpper.push_back(row.sense == Sense::AtMost ? row.rhs : COIN_DBL_MAX);
    }
    CoinPackedMatrix matrix(false, rowOf.data(), columnOf.data(), elements.data(), CoinBigIndex(elements.size()));
    matrix.setDimensions(int(m_rows.size()), int(columns));
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
    const StopAtIteration lpStop;
    solver.getModelPtr()->passInEventHandler(&lpStop);
    CbcModel model(solver);
    model.messageHandler()->setLogLevel(0);
    const StopAtNode nodeStop;
    model.passInEventHandler(&nodeStop);
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
                                        "-threads", "0", "-randomCbcSeed", "1", "-randomSeed", "1",
                                        // Measured on the planner's weeks: the feasibility pump spends
                                        // most of the time and the diving heuristics find the
                                        // same plans sooner.
                                        "-feas", "off"};
    if (integral) {
        arguments.push_back("-allowableGap");
        arguments.push_back("0.999");
    }
    // The first LP by the primal simplex: several times faster than the dual on these models,
    // and the search starts from its answer.
    arguments.push_back("-primalS");
    arguments.push_back("-solve");
    arguments.push_back("-quit");
    CbcSolverUsefulData data;
    data.noPrinting_ = true;
    CbcMain0(model, data);
    tl_stop = &stop;
    CbcMain1(int(arguments.size()), arguments.data(), model, betweenPhases, data);
    tl_stop = nullptr;
    tl_search = nullptr;

    Solution solution;
    const double *values = model.bestSolution();
    // A search stopped inside an LP keeps only what it had checked; we check it once more.
    solution.found = values != nullptr && !model.isProvenInfeasible() && satisfies(values);
    solution.proven = solution.found && model.isProvenOptimal() && !(stop && stop());
    if (solution.found) {
        solution.values.assign(values, values + columns);
        solution.objective = model.getObjValue();
    }
    solution.bound = solution.proven ? solution.objective : model.getBestPossibleObjValue();
    return solution;
}

bool MipModel::satisfies(const double *values) const
{
    constexpr double tolerance = 1e-6;
    for (size_t c = 0; c < m_lower.size(); ++c) {
        if (values[c] < m_lower[c] - tolerance || values[c] > m_upper[c] + tolerance)
            return false;
        if (m_integer[c] && std::abs(values[c] - std::round(values[c])) > tolerance)
            return false;
    }
    for (const Row &row : m_rows) {
        double sum = 0;
        for (size_t i = 0; i < row.columns.size(); ++i)
            sum += row.coefficients[i] * values[row.columns[i]];
        const double slack = tolerance * std::max(1.0, std::abs(row.rhs));
        if (row.sense == Sense::AtMost ? sum > row.rhs + slack : sum < row.rhs - slack)
            return false;
    }
    return true;
}
