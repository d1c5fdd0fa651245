// `shiftgrid` without a command word: the windowed program, which offers a demo business for a
// new data folder.

#include "CommandTable.h"
#include "DemoBusiness.h"
#include "data/ScheduleHelper.h"
#include "ui/shell/ProgramStart.h"

namespace {

int run(const CommandCall &call)
{
    return runWindowed(ScheduleHelper::ResolveDataFolder(call.data, false), [](const QString &folder) {
        return DemoBusiness::create(ScheduleHelper::ResolveDataFolder(folder), DemoBusiness::Options());
    });
}

} // namespace

Command Commands::runWindow()
{
    return {{}, false, "[--data DIR]                 start the program\n", run};
}
