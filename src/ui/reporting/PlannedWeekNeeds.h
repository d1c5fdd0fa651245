#pragma once

#include "reports/ReportCatalog.h"

class clsEmployeeInfo;
class clsOptions;

// The week posting's needs summary from the staffing needs of the data folder and each
// department week's coverage, for the report window and the report command alike.
namespace PlannedWeekNeeds {

// Reads the needs once (a file that cannot be read counts as none); `info` and `options` must
// outlive the source.
WeekNeedsSource source(clsEmployeeInfo &info, clsOptions &options);

} // namespace PlannedWeekNeeds
