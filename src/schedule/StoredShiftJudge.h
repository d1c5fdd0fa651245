#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class clsEmployeeInfo;
class clsOptions;

// A department's stored shift of one day file, with whether the scheduler refuses it.
struct JudgedShift {
    double day = 0;        // the day of its file
    QByteArray record;     // the stored record
    bool refused = false;  // left off the grid as a collision
};

// Judges stored shifts exactly as the scheduler does when it opens a department's week, so that
// every output that lists or counts shifts (calendar, hours, reports) agrees with the grid. It
// only reads.
class StoredShiftJudge
{
public:
    // The shifts of the days week..week+6 (week: the department's first day of a week) in
    // stored order. The scheduler reads the day before and after too, lays each row's time off
    // first and then the shifts in stored order, and refuses a shift that touches or overlaps a
    // block already laid. Throws FileError when a file the week needs cannot be read: its
    // refusals cannot be known then.
    static QList<JudgedShift> week(clsEmployeeInfo &info, clsOptions &options, const QString &department, double week);
};
