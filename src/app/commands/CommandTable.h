#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QCommandLineParser;

// What a command is run with: the parsed command line (every option of the program is known
// to it) and the command's words.
struct CommandCall {
    const QCommandLineParser &parser;
    QStringList words;
    QString data;   // --data as given
};

// One command of the program: the words that name it, its lines in --help and what it does.
struct Command {
    QStringList words;
    // True when more words may follow the naming ones (a report's TYPE, an import's file).
    bool takesMoreWords = false;
    // Its lines in --help after "shiftgrid ": the synopsis, then indented lines.
    const char *help = "";
    // Runs it; the exit code. It may end early by throwing CommandFailed or FileError.
    int (*run)(const CommandCall &call) = nullptr;
};

// The commands, each defined in a file of its own, in the order --help lists them.
namespace Commands {
Command runWindow();
Command exportMaster();
Command exportWeek();
Command exportHours();
Command exportIcs();
Command importEmployees();
Command demo();
Command check();
Command copy();
Command report();
Command exportCoverage();
Command plan();
} // namespace Commands

namespace CommandTable {

const QList<Command> &commands();
// The command the words name, or null.
const Command *find(const QStringList &words);
// The text of --help.
QString usage();

} // namespace CommandTable
