// The settings-file reader: the input is the whole "Schedule.ini"; every setting is read, then
// one key is written and must read back as written.

#include "FuzzFolder.h"
#include "data/ScheduleHelper.h"
#include "data/clsInifile.h"
#include "data/clsOptions.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const FuzzFolder folder;
    const QString file = ScheduleHelper::SettingsFilePath(folder.path());
    folder.write(QStringLiteral("Schedule.ini"), QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));

    clsOptions options(file);
    options.hourdisplay();
    options.WeekViewMode();
    options.SnapTo();
    options.bardisplay();
    options.ShowPositionGet(0);
    for (const QString &department : {QStringLiteral("KITCHEN"), QStringLiteral(" bar ")}) {
        options.GetShiftLength(department);
        options.GetScheduleStartTime(department);
        options.ForceJobDisplayForSingleJobGet(department);
    }
    clsInifile::kelVBGetPrivateProfileString(QStringLiteral("Wizard"), QStringLiteral("HelpWizardHide"), file);

    // A write changes only its own key: it reads back exactly.
    if (clsInifile::kelVBWritePrivateProfileString(QStringLiteral("Schedule"), QStringLiteral("Snap To"),
                                                   QStringLiteral("42"), file)
        && clsInifile::kelVBGetPrivateProfileString(QStringLiteral("schedule"), QStringLiteral("SNAP TO"), file)
               != QLatin1String("42"))
        std::abort();
    folder.remove(QStringLiteral("Schedule.ini"));
    return 0;
}
