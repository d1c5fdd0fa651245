#pragma once

#include "reports/engine/BandedReport.h"

#include <QList>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <optional>

class QCommandLineOption;
class QCommandLineParser;

// `shiftgrid report TYPE ...`: builds one report from a data folder, reading only, and writes it
// to a PDF file, a printer, standard output as text, or its rows to a CSV file.
namespace ReportCommand {

struct Request {
    QString type;
    QString data;
    QString from, to;                 // YYYY-MM-DD
    QStringList departments, positions, employees;
    QString pdf;
    QString csv;                      // the report's rows as CSV
    bool print = false;
    QString printer;
    bool text = false;
    bool fullIds = false;             // employee lists: Social Security numbers whole
    QString sort;                     // employee lists: "name" or "file" (the default)
    std::optional<QPageLayout> pageLayout;   // default: Letter or A4 by the locale
};

struct Result {
    int exitCode = 0;   // 0 done, 1 failed, 2 bad arguments, 3 no data
    QString out;        // standard output
    QString err;        // standard error, one line per message
};

// The printers the system offers and the name of its default one (empty when there is none).
struct Printers {
    QStringList names;
    QString defaultName;
};
using PrinterSource = Printers (*)();
// Where --print learns the printers: the system's unless a test gives its own (null: the
// system's again).
void setPrinterSource(PrinterSource source);

// The report types the command knows, in the order the help lists them.
QStringList types();
// The command's own options (--position, --pdf, --csv, --print, --printer, --text); --data,
// --department, --employee, --from and --to are the program's, shared with other commands.
QList<QCommandLineOption> options();
Request fromParser(const QCommandLineParser &parser, const QStringList &words);
Result execute(const Request &request);
// Parses, runs and writes the result to standard output and error; returns the exit code.
int run(const QCommandLineParser &parser, const QStringList &words);

} // namespace ReportCommand
