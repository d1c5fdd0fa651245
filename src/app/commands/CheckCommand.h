#pragma once

#include <QString>
#include <QStringList>

// "shiftgrid check": reads every file of a data folder and lists, one line per finding naming
// the file, what is wrong or suspicious. Changes nothing, takes no lock.
namespace CheckCommand {

struct Result {
    QStringList lines;   // "<file relative to the folder>: <what>", in a fixed order
    int exitCode = 0;    // 0 nothing found, 1 findings, 2 the folder cannot be read
};

Result run(const QString &dataPath);

} // namespace CheckCommand
