#pragma once

#include <QString>

// `shiftgrid copy`: copies a department's day or week of shifts to another day or week without
// windows. A week copy moves both dates to the department's week start. Without `replace` it
// refuses when a target day already holds shifts; it never leaves a copy half done.
namespace CopyCommand {

struct Request {
    QString dataFolder;   // as given with --data (resolved like every command's)
    QString department;
    bool day = false;
    bool week = false;
    QString from;         // YYYY-MM-DD
    QString to;
    bool replace = false;
};

struct Result {
    int exitCode = 0;     // 0 copied, 1 refused or a file failed, 2 a wrong request
    QString output;       // for standard output
    QString error;        // one line for standard error
};

Result run(const Request &request);

} // namespace CopyCommand
