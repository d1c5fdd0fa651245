#pragma once

#include <QString>

// Fills an empty data folder with a believable business: departments with different first
// weekdays and limits, coloured positions, default shifts (a night shift among them),
// employees in one or more departments with one or more positions, shifts for a number of
// weeks around a day, and some time off. Used by the demo command, the benchmarks and tests.
namespace DemoBusiness {

struct Options {
    int employees = 24;
    int weeks = 3;
    double today = 0;          // OLE date the weeks are laid around; 0 = the current date
    quint32 seed = 20260101;   // the same seed gives the same business
    int shiftsPerWeek = 0;     // 0: four to six per employee and week; otherwise exactly this many
    int timeOffEvery = 6;      // one employee in this many has a time-off period; 0: nobody
    bool oneDepartment = false;   // every employee in the first department only
};

// Returns an empty text on success, otherwise the reason nothing was written (the folder
// already holds data). Throws FileError when a file cannot be written.
QString create(const QString &dataPath, const Options &options);

// The departments the demo creates, in list order.
QStringList departments();

} // namespace DemoBusiness
