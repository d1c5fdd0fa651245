#pragma once

#include <functional>
#include <vector>

// A mixed-integer program minimised by COIN-OR CBC: columns with bounds, linear rows, and one
// objective per solve. The same model, objective and start give the same answer (one thread,
// a fixed seed) unless the time limit stops the search.
class MipModel
{
public:
    int addColumn(double lower, double upper, bool integer);
    enum class Sense { AtMost, AtLeast };
    void addRow(const std::vector<int> &columns, const std::vector<double> &coefficients, Sense sense, double rhs);
    int columnCount() const { return int(m_lower.size()); }

    struct Solution {
        bool found = false;            // a solution satisfying every row
        bool proven = false;           // no better one exists
        double objective = 0;
        double bound = 0;              // no solution is below this
        std::vector<double> values;    // per column
    };
    // Minimises the objective (one coefficient per column) within the seconds; `start`, when not
    // empty, holds the values of the first columns of a solution to begin from. Objectives of whole numbers may
    // pass `integral`: then a gap below one counts as proven.
    // `stop`, asked between the search's steps, ends it early with the best solution found.
    Solution minimise(const std::vector<double> &objective, double seconds, const std::vector<double> &start,
                      bool integral, const std::function<bool()> &stop = {}) const;

private:
    // Whether the values keep every bound, integrality and row (within a small tolerance).
    bool satisfies(const double *values) const;

    struct Row {
        std::vector<int> columns;
        std::vector<double> coefficients;
        Sense sense;
        double rhs;
    };
    std::vector<double> m_lower, m_upper;
    std::vector<char> m_integer;
    std::vector<Row> m_rows;
};
