#pragma once

#include "data/EmployeeFields.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class clsEmployeeInfo;

// Adds employees from a CSV file whose header line names the columns (any order, any letter
// case). Every row is checked before anything is written; a bad row stops the whole import
// unless bad rows are to be skipped. Departments and positions that do not exist are created
// only when asked. An employee already there (same name and birth date) is reported, not added
// twice.
namespace ImportEmployees {

struct Options {
    bool dryRun = false;         // check and report, write nothing
    bool skipBad = false;        // import the good rows even when some are bad
    bool createMissing = false;  // create departments and positions the rows name
    // How the user asks for createMissing, named where a row's department or position is missing.
    QString createMissingName = QStringLiteral("--create-missing");
    // Told after each row is checked and after each employee is added: rows done, rows in all.
    std::function<void(int done, int total)> progress;
};

struct Problem {
    int line = 0;
    QString column;   // empty for a problem of the whole row
    QString reason;
    QString name;     // the row's first and last name, as far as the row gives them
    QString text() const;   // "line 4, Birth Date: not a date (YYYY-MM-DD): 1990-13-01"
};

// One employee the file adds, decoded and checked.
struct NewEmployee {
    int line = 0;
    EmployeeFields fields;   // number 0: added under a new number; dates 0 when not given
    QStringList departments, positions;
    // Hours available, Sunday first, as the employee record holds them; 0 to 0 is all day.
    std::array<double, 7> availableFrom{}, availableTo{};
    std::optional<qint64> hourlyRate;   // cents, written to PayRates.csv; none when not given
};

struct Plan {
    QString error;                 // a fault of the whole file (unreadable, unknown column); nothing else is set
    QList<NewEmployee> employees;  // the rows that will be added, in file order
    QList<Problem> problems;       // bad rows
    QList<Problem> duplicates;     // rows of employees already there (or earlier in the file)
    QStringList newDepartments, newPositions;   // what will be created
};

// Reads and checks the file's text against the master data; writes nothing.
Plan check(const clsEmployeeInfo &info, const QByteArray &csv, const Options &options);
// Adds the planned employees (and departments and positions); nothing when the plan has an error,
// or problems and bad rows are not to be skipped. Returns the number added. Throws FileError.
int apply(clsEmployeeInfo &info, const Plan &plan, const Options &options);

// The columns a file may name, in the order the documentation lists them.
QStringList columns();
// A UTF-8 file naming every column, with two example rows that import as they are.
QByteArray sample();

} // namespace ImportEmployees
