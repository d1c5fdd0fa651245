#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <functional>
#include <stdexcept>

class DataFolderLock;

// Ends a command with the reason on standard error and the exit code.
class CommandFailed : public std::runtime_error
{
public:
    CommandFailed(const QString &reason, int exitCode) : std::runtime_error(reason.toStdString()), m_exitCode(exitCode) {}
    int exitCode() const { return m_exitCode; }

private:
    int m_exitCode;
};

// What the commands share: failing, printing, the data folder and output files.
namespace CommandSupport {

// Ends the command with the reason on standard error: exit code 1, or 2 for a request that
// must not be done at all.
[[noreturn]] void fail(const QString &reason, int exitCode = 1);
// Prints UTF-8 text on standard output.
void print(const QString &text);
// A data folder that a headless command reads: it must exist, and is never created.
QString existingDataFolder(const QString &requested);
// Refuses, before anything is read, an output file that lies in the data folder.
void refuseOutputInDataFolder(const QString &option, const QString &file, const QString &folder);
// A date option's value, YYYY-MM-DD.
QDate isoDateOption(const QString &text, const QString &option);
// Writes a command's output to the file, or prints it when no file is named.
void writeOutput(const QByteArray &bytes, const QString &out);
// A progress line on standard error, rewritten in place, when standard error is a terminal;
// nothing otherwise, so that pipes, files and tests see no noise. Small jobs show none.
std::function<void(int, int)> terminalProgress(const QString &what);
// Takes the data folder for a command that writes, or fails naming the copy that holds it.
void takeForWriting(DataFolderLock &lock, const QString &folder);

} // namespace CommandSupport
