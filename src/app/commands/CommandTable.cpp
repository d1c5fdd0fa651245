#include "CommandTable.h"

namespace CommandTable {

const QList<Command> &commands()
{
    static const QList<Command> table{
        Commands::runWindow(), Commands::exportMaster(),    Commands::exportWeek(), Commands::exportHours(),
        Commands::exportIcs(), Commands::importEmployees(), Commands::demo(),       Commands::check(),
        Commands::copy(),      Commands::report(),      Commands::exportCoverage(), Commands::plan(),
    };
    return table;
}

const Command *find(const QStringList &words)
{
    for (const Command &command : commands()) {
        const bool named = command.takesMoreWords ? words.mid(0, command.words.size()) == command.words
                                                  : words == command.words;
        if (named)
            return &command;
    }
    return nullptr;
}

QString usage()
{
    QString text;
    for (const Command &command : commands())
        text += (text.isEmpty() ? QStringLiteral("Usage: shiftgrid ") : QStringLiteral("       shiftgrid "))
                + QString::fromLatin1(command.help);
    return text
           + QStringLiteral("\n"
                            "DIR is the data folder; by default \"data\" beside the program, or the\n"
                            "application-data folder when that place is not writable.\n");
}

} // namespace CommandTable
