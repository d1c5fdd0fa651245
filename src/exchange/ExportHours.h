#pragma once

#include <QString>
#include <QStringList>

class clsEmployeeInfo;
class clsOptions;

// Scheduled hours for payroll as CSV (RFC 4180, UTF-8, a header line): one line per department,
// employee, day and position, with the minutes of that position on that day and whether the
// employee's day or week total in the department is above the department's limit. The totals
// are the scheduler's hours column: a shift counts on the day it begins, a stored shift that the
// scheduler refuses (it collides with another shift or with time off) does not count, and the
// lines of a week add up to the minutes of the week's hours text. The last two columns are the
// hourly rate of the line's position (PayRates.csv) and the line's cost with the overtime premium
// (WeekCost), both empty without a rate; the costs of a week's lines add up to the week's cost.
// Names are written so that a
// spreadsheet never runs them as formulas.
namespace ExportHours {

struct Result {
    QString csv;
    QString error;   // not empty when nothing could be exported
};

// Departments empty means every department; they are taken in any letter case, with blanks
// around them. Reads only; throws FileError when a day or time-off file cannot be read.
Result run(clsEmployeeInfo &info, clsOptions &options, double firstDay, double lastDay,
           const QStringList &departments);

} // namespace ExportHours
