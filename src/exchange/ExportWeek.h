#pragma once

#include "grid/CoverageStripPainter.h"

#include <QList>
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
// With coverage lines the picture ends in a coverage strip.
Result run(clsEmployeeInfo &info, clsOptions &options, const QString &department, double date,
           const QString &pngFile = {}, const QList<CoverageStripRow> &coverage = {});

} // namespace ExportWeek
