#pragma once

#include "grid/CoverageStripPainter.h"

#include <QList>
#include <QString>

class clsScheduleData;

// The picture of a department week: the schedule's grid painted at 1600 x 900 pixels under a
// title line, each shift labelled with its short times over its position, time off with "Off"
// and its reason, the hours column showing week hours. The schedule's own grid is left as it is
// (the picture is painted from a copy), so a window can export what it shows at any moment.
namespace WeekPicture {

// Writes the PNG; false when the file cannot be written. With coverage lines the picture ends in
// a coverage strip under the grid's time columns.
bool write(const clsScheduleData &schedule, const QString &file, const QList<CoverageStripRow> &coverage = {});

} // namespace WeekPicture
