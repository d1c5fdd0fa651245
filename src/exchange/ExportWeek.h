#pragma once

#include <QString>

class clsEmployeeInfo;
class clsOptions;

// One department week as the scheduler shows it: rows with their hour texts, blocks, the stored
// shifts refused as collisions and the messages of the reload, as one JSON document; optionally
// the grid painted into a PNG.
namespace ExportWeek {

struct Result {
    QString json;
    QString error;   // not empty when the week could not be exported
};

// The department as a user types it: letter case and blanks around the name do not matter.
Result run(clsEmployeeInfo &info, clsOptions &options, const QString &department, double date,
           const QString &pngFile = {});

} // namespace ExportWeek
