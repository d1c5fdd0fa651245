// The staffing needs reader: any bytes read without a fault; every row it keeps lies within the
// file's ranges, and what it keeps is written and read back as the same rows.

#include "planning/StaffingNeeds.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const StaffingNeeds needs = StaffingNeeds::parse(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    bool inert = true;   // no name that the writer marks as text for spreadsheets
    for (const NeedRow &row : needs.rows()) {
        if (row.weekday < 0 || row.weekday > 6 || row.from < 0 || row.from > 1439 || row.to < 1 || row.to > 1440
            || row.needed < 0 || row.needed > 99 || row.most < -1 || row.most > 99 || (row.most >= 0 && row.most < row.needed)
            || row.department.isEmpty() || row.position.isEmpty() || row.length() < 1 || row.length() > 1440)
            std::abort();
        for (const QString &name : {row.department, row.position})
            if (name.startsWith(u'=') || name.startsWith(u'+') || name.startsWith(u'-') || name.startsWith(u'@')
                || name.startsWith(u'\t') || name.startsWith(u'\r'))
                inert = false;
    }
    for (const CsvProblem &problem : needs.problems())
        (void)problem.text();
    if (inert && StaffingNeeds::parse(needs.toCsv()).rows() != needs.rows())
        std::abort();
    return 0;
}
