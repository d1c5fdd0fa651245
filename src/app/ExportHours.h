#pragma once

#include <QString>
#include <QStringList>

class clsEmployeeInfo;
class clsOptions;

// Scheduled hours for payroll as CSV (RFC 4180, UTF-8, a header line): one line per department,
// employee, day and position, with the minutes of that position on that day and whether the
// employee's day or week total in the department is above the department's limit. The totals
// are the scheduler's: a shift counts on the day it begins, its seconds dropped.
namespace ExportHours {

struct Result {
    QString csv;
    QString error;   // not empty when nothing could be exported
};

// Departments empty means every department. Reads only.
Result run(clsEmployeeInfo &info, clsOptions &options, double firstDay, double lastDay,
           const QStringList &departments);

// One CSV field, quoted when it holds a comma, a quote or a line break.
QString csvField(const QString &text);

} // namespace ExportHours
