// The day and time-off readers: the input's first byte chooses a day file or a time-off file of
// a small business, the rest is its content; the department week is then loaded as the
// scheduler loads it, with its hour totals, and the employee's time off is read.

#include "FuzzFolder.h"
#include "HandMadeRecords.h"
#include "data/FileError.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "grid/TimeGridModel.h"
#include "schedule/clsScheduleData.h"

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

namespace {
const double kMonday = OleDate::fromDate(QDate(2001, 3, 5));

const FuzzFolder &business()
{
    static const FuzzFolder folder = [] {
        FuzzFolder f;
        f.write("Dept.dat", HandMade::department("KITCHEN", 1, 40, 8));
        f.write("Jobs.dat", HandMade::position("COOK", 0, 255) + HandMade::position("HOST", 0, 65535));
        f.write("EmployeeInfo.dat", HandMade::employee(17, "Ann", "Lee") + HandMade::employee(23, "Bo", "Ek"));
        f.write("EmployeeDept.dat", HandMade::membership(17, "KITCHEN") + HandMade::membership(23, "KITCHEN"));
        f.write("JobsAval.dat", HandMade::assignment(17, "COOK") + HandMade::assignment(23, "HOST"));
        return f;
    }();
    return folder;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const FuzzFolder &folder = business();
    const QString names[] = {"KITCHEN/20010304.KELSCD", "KITCHEN/20010305.KELSCD", "KITCHEN/20010311.KELSCD",
                             "17.KELOFF", "23.KELOFF"};
    const QString name = names[data[0] % std::size(names)];
    folder.write(name, QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)));
    try {
        clsEmployeeInfo info(folder.path(), clsEmployeeInfo::Access::ReadOnly);
        clsOptions options(ScheduleHelper::SettingsFilePath(folder.path()));
        TimeGridModel grid;
        clsScheduleData schedule(info, options);
        schedule.setReadOnly(true);
        schedule.setScheduleControl(&grid);
        schedule.SetDate(kMonday, kMonday + 6);
        schedule.SetDepartment(QStringLiteral("KITCHEN"));
        schedule.Reload();
        for (const qint32 employee : {17, 23})
            if (const int row = schedule.findEmployeeRow(employee); row >= 0)
                for (int mode = 0; mode < 3; ++mode)
                    schedule.hoursText(row, mode, kMonday + 1);
        RecordList periods(252);
        schedule.TimeOffLoad(17, periods);
    } catch (const FileError &) {
    }
    folder.remove(name);
    return 0;
}
