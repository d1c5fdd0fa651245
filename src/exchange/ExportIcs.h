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
// wall-clock times in the given time zone, which the file describes in a VTIMEZONE.
namespace ExportIcs {

struct Request {
    double firstDay = 0;
    double lastDay = 0;
    QStringList departments;   // empty: every department
    QList<qint32> employees;   // empty: every employee
    bool timeOff = false;
    QString timeZone;          // an Olson name such as "Europe/Paris"; empty: this machine's zone
    // Told after each day read: days done, days in all.
    std::function<void(int done, int total)> progress;
};

struct Result {
    QByteArray ics;
    QString error;
    int events = 0;
};

Result run(clsEmployeeInfo &info, clsOptions &options, const Request &request);

} // namespace ExportIcs
