// `shiftgrid export master`: the master data as JSON.

#include "CommandSupport.h"
#include "CommandTable.h"
#include "data/clsEmployeeInfo.h"
#include "exchange/ExportMaster.h"

namespace {

int run(const CommandCall &call)
{
    const clsEmployeeInfo info(CommandSupport::existingDataFolder(call.data), clsEmployeeInfo::Access::ReadOnly);
    CommandSupport::print(ExportMaster::toJson(info));
    return 0;
}

} // namespace

Command Commands::exportMaster()
{
    return {{QStringLiteral("export"), QStringLiteral("master")}, false,
            "export master [--data DIR]   print the master data as JSON\n", run};
}
