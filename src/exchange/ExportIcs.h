#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class clsEmployeeInfo;
class clsOptions;

// Shifts (and, when asked, time off) as an iCalendar file: one VEVENT per shift, summarised by
// position and department, with a UID made of employee, department and begin, so that a calendar
// that imports the file again updates its events instead of doubling them. Times are the stored
// wall-clock times in the given time zone, which the file describes in a VTIMEZONE holding only
// the offsets and changes over the exported times.
//
// The calendar shows what the scheduler shows: a stored shift that the scheduler refuses when it
// opens the shift's week (it collides with another shift or with time off of its row) is left
// out and listed in Result::leftOut.
namespace ExportIcs {

struct Request {
    double firstDay = 0;
    double lastDay = 0;
    QStringList departments;   // empty: every department
    QList<qint32> employees;   // empty: every employee (time off: the members of the departments)
    bool timeOff = false;
    QString timeZone;          // an IANA name such as "Europe/Paris"; empty: this machine's zone
    // Told after each day read: days done, days in all.
    std::function<void(int done, int total)> progress;
};

struct Result {
    QByteArray ics;
    QString error;
    bool badTimeZone = false;   // the error is about the time zone: the request, not the data
    int events = 0;
    // Refused stored shifts that were left out, one line each: employee, department, begin-end.
    QStringList leftOut;
};

Result run(clsEmployeeInfo &info, clsOptions &options, const Request &request);

} // namespace ExportIcs
