#include "ReportCommand.h"

#include "CommandTable.h"
#include "exchange/OutputFile.h"
#include "exchange/ReportCsv.h"
#include "data/CodePage.h"
#include "data/FileError.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "reports/ReportCatalog.h"
#include "ui/reporting/PlannedWeekNeeds.h"
#include "reports/engine/BandedReport.h"

#include <QCoreApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstdio>

namespace ReportCommand {

namespace {

struct BadArgument {
    QString text;
};

Result finished(int code, const QString &err = {}, const QString &out = {})
{
    return {code, out, err.isEmpty() ? QString() : err + u'\n'};
}

std::optional<QDate> dateOption(const QString &text, const char *option, bool required)
{
    if (text.isEmpty()) {
        if (required)
            throw BadArgument{QCoreApplication::translate("ReportCommand", "%1 needs a date YYYY-MM-DD").arg(QLatin1String(option))};
        return std::nullopt;
    }
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid())
        throw BadArgument{QCoreApplication::translate("ReportCommand", "%1 needs a date YYYY-MM-DD, not \"%2\"").arg(QLatin1String(option), text)};
    return date;
}

// Names as the program stores them (trimmed, upper-cased), each checked against the known ones.
QStringList knownNames(const QStringList &given, const QStringList &known, const char *option)
{
    QStringList names;
    for (const QString &name : given) {
        const QString stored = CodePage::toUpper(name.trimmed());
        if (!known.contains(stored))
            throw BadArgument{QCoreApplication::translate("ReportCommand", "%1: no such name \"%2\"").arg(QLatin1String(option), name)};
        names << stored;
    }
    return names;
}

QList<qint32> knownEmployees(const QStringList &given, const clsEmployeeInfo &info)
{
    QList<qint32> numbers;
    for (const QString &text : given) {
        bool ok = false;
        const qint32 number = text.toInt(&ok);
        if (!ok || number < 1)
            throw BadArgument{QCoreApplication::translate("ReportCommand", "--employee needs an employee number, not \"%1\"").arg(text)};
        if (!info.EmployeeExists(number))
            throw BadArgument{QCoreApplication::translate("ReportCommand", "--employee: no employee number %1").arg(number)};
        numbers << number;
    }
    return numbers;
}

QString unreadableText(const QList<FileError> &errors)
{
    QString text;
    for (const FileError &e : errors)
        text += QCoreApplication::translate("ReportCommand", "could not read %1: %2\n").arg(e.path(), e.reason());
    return text;
}

Printers systemPrinters()
{
    Printers printers;
    for (const QPrinterInfo &info : QPrinterInfo::availablePrinters())
        printers.names << info.printerName();
    printers.defaultName = QPrinterInfo::defaultPrinter().printerName();
    return printers;
}

PrinterSource g_printers = systemPrinters;

Result output(BandedReport &report, const Request &request, const QString &title)
{
    if (request.text)
        return {0, report.pagesText(), {}};
    if (!request.csv.isEmpty()) {
        const ReportTable table = report.table();
        try {
            ScheduleHelper::WriteFileBytes(request.csv, ReportCsv::text(table.header, table.rows).toUtf8());
        } catch (const FileError &e) {
            return finished(1, e.userText());
        }
        return finished(0);
    }
    if (!request.pdf.isEmpty()) {
        QString error;
        if (!report.writePdf(request.pdf, title, &error))
            return finished(1, error);
        return finished(0);
    }
    const Printers printers = g_printers();
    if (printers.names.isEmpty())
        return finished(1, QCoreApplication::translate("ReportCommand", "no printer is installed; write the report to a file with --pdf FILE instead"));
    QString name = request.printer;
    if (name.isEmpty())
        name = printers.names.size() == 1 ? printers.names.first() : printers.defaultName;
    // Without a default, guessing among several printers could print on the wrong one.
    if (name.isEmpty())
        return finished(1, QCoreApplication::translate("ReportCommand", "there are several printers and none is the default (%1); choose one with --printer NAME")
                               .arg(printers.names.join(QStringLiteral(", "))));
    if (!printers.names.contains(name))
        return finished(2, QCoreApplication::translate("ReportCommand", "--printer: no printer named \"%1\"").arg(request.printer));
    const QPrinterInfo chosen = QPrinterInfo::printerInfo(name);
    QPrinter printer(chosen, QPrinter::HighResolution);
    printer.setDocName(title);
    if (!report.print(printer))
        return finished(1, QCoreApplication::translate("ReportCommand", "could not print on %1").arg(chosen.printerName()));
    return finished(0);
}

} // namespace

void setPrinterSource(PrinterSource source)
{
    g_printers = source ? source : systemPrinters;
}

QStringList types()
{
    return ReportCatalog::words();
}

QList<QCommandLineOption> options()
{
    return {
        {QStringLiteral("position"), QCoreApplication::translate("ReportCommand", "A position name."), QStringLiteral("NAME")},
        {QStringLiteral("pdf"), QCoreApplication::translate("ReportCommand", "A PDF file to write."), QStringLiteral("FILE")},
        {QStringLiteral("csv"), QCoreApplication::translate("ReportCommand", "A CSV file to write the report's rows to."), QStringLiteral("FILE")},
        {QStringLiteral("print"), QCoreApplication::translate("ReportCommand", "Print on a printer.")},
        {QStringLiteral("printer"), QCoreApplication::translate("ReportCommand", "The printer to print on."), QStringLiteral("NAME")},
        {QStringLiteral("text"), QCoreApplication::translate("ReportCommand", "Print the report's pages as text.")},
        {QStringLiteral("full-ids"), QCoreApplication::translate("ReportCommand", "Employee lists: print Social Security numbers whole.")},
        {QStringLiteral("sort"), QCoreApplication::translate("ReportCommand", "Employee lists: \"name\" (last, first) or \"file\" order."), QStringLiteral("ORDER")},
    };
}

Request fromParser(const QCommandLineParser &parser, const QStringList &words)
{
    Request r;
    r.type = words.value(1);
    if (words.size() > 2)
        r.type += u' ' + words.mid(2).join(u' ');
    r.data = parser.value(QStringLiteral("data"));
    r.from = parser.value(QStringLiteral("from"));
    r.to = parser.value(QStringLiteral("to"));
    r.departments = parser.values(QStringLiteral("department"));
    r.positions = parser.values(QStringLiteral("position"));
    r.employees = parser.values(QStringLiteral("employee"));
    r.pdf = parser.value(QStringLiteral("pdf"));
    r.csv = parser.value(QStringLiteral("csv"));
    r.print = parser.isSet(QStringLiteral("print"));
    r.printer = parser.value(QStringLiteral("printer"));
    r.text = parser.isSet(QStringLiteral("text"));
    r.fullIds = parser.isSet(QStringLiteral("full-ids"));
    r.sort = parser.value(QStringLiteral("sort"));
    return r;
}

namespace {

// The laid-out report a request asks for, or the failure (bad arguments, no data) to end with.
// `warnings` names files that could not be read.
struct Built {
    std::unique_ptr<BandedReport> report;
    QString title;
    QString warnings;
    Result failure;
};

Built build(const Request &request)
{
    Built built;
    try {
        const ReportEntry *entry = ReportCatalog::byWord(request.type);
        if (!entry)
            throw BadArgument{request.type.isEmpty()
                                  ? QCoreApplication::translate("ReportCommand", "report needs a TYPE: %1").arg(types().join(QStringLiteral(", ")))
                                  : QCoreApplication::translate("ReportCommand", "unknown report TYPE \"%1\"; one of %2").arg(request.type, types().join(QStringLiteral(", ")))};
        const bool schedule = entry->kind == ReportKind::Schedule;
        const auto from = dateOption(request.from, "--from", schedule);
        const auto to = dateOption(request.to, "--to", schedule);
        if (from && to && *from > *to)
            throw BadArgument{QCoreApplication::translate("ReportCommand", "--from %1 is after --to %2: the dates are reversed").arg(request.from, request.to)};

        const QString folder = ScheduleHelper::ResolveDataFolder(request.data, false);
        if (!QFileInfo(folder).isDir())
            throw BadArgument{QCoreApplication::translate("ReportCommand", "--data: folder not found: %1").arg(folder)};
        clsEmployeeInfo info(folder, clsEmployeeInfo::Access::ReadOnly);
        QString unknown;
        const std::optional<QStringList> named = info.DepartmentsNamed(request.departments, &unknown);
        if (!named)
            throw BadArgument{QCoreApplication::translate("ReportCommand", "--department: no such name \"%1\"").arg(unknown)};

        // The schedule reports have their own order and print no numbers: an option that would
        // change nothing is refused rather than passed over.
        if (schedule && (!request.sort.isEmpty() || request.fullIds))
            throw BadArgument{QCoreApplication::translate("ReportCommand", "%1 is for the employee lists; the %2 report does not use it")
                                  .arg(request.fullIds ? QStringLiteral("--full-ids") : QStringLiteral("--sort"), request.type)};
        if (!request.sort.isEmpty() && request.sort != QLatin1String("name") && request.sort != QLatin1String("file"))
            throw BadArgument{QCoreApplication::translate("ReportCommand", "--sort needs \"name\" or \"file\", not \"%1\"").arg(request.sort)};

        ReportRequest report;
        report.fullIds = request.fullIds;
        report.sortByName = request.sort == QLatin1String("name");
        report.departments = *named;
        report.positions = knownNames(request.positions, info.JobNamesGetAll(), "--position");
        report.employees = knownEmployees(request.employees, info);
        report.pageLayout = request.pageLayout.value_or(BandedReport::defaultPageLayout());
        BuiltReport made;
        if (schedule) {
            report.firstDay = OleDate::fromDate(*from);
            report.lastDay = OleDate::fromDate(*to);
            clsOptions options(ScheduleHelper::SettingsFilePath(folder));
            report.weekNeeds = PlannedWeekNeeds::source(info, options);
            made = ReportCatalog::build(entry->id, info, options, report);
        } else {
            made = ReportCatalog::buildList(entry->id, info, report);
        }
        built.title = made.title;
        built.warnings = unreadableText(made.unreadable);
        switch (made.outcome) {
        case ReportOutcome::Built:
            built.report = std::move(made.report);
            break;
        case ReportOutcome::NoData:
            built.failure = finished(3, built.warnings + QStringLiteral("No Data"));
            break;
        case ReportOutcome::ReversedRange:
            built.failure = finished(1, built.warnings + QCoreApplication::translate("ReportCommand", "The first date is after the last date."));
            break;
        case ReportOutcome::Stopped:
            built.failure = finished(1, built.warnings + QCoreApplication::translate("ReportCommand", "the report's layout was stopped"));
            break;
        }
    } catch (const BadArgument &bad) {
        built.failure = finished(2, bad.text);
    } catch (const FileError &error) {
        built.failure = finished(1, error.userText());
    }
    return built;
}

} // namespace

Result execute(const Request &request)
{
    if (int(request.text) + int(request.print) + int(!request.pdf.isEmpty()) + int(!request.csv.isEmpty()) != 1)
        return finished(2, QCoreApplication::translate("ReportCommand", "report needs exactly one of --pdf FILE, --csv FILE, --print or --text"));
    if (!request.printer.isEmpty() && !request.print)
        return finished(2, QCoreApplication::translate("ReportCommand", "--printer needs --print"));
    if (!request.pdf.isEmpty()) {
        const QString refusal = OutputFile::refusal(QStringLiteral("--pdf"), request.pdf,
                                                    ScheduleHelper::ResolveDataFolder(request.data, false));
        if (!refusal.isEmpty())
            return finished(2, refusal);
    }
    if (!request.csv.isEmpty()) {
        const QString refusal = OutputFile::refusal(QStringLiteral("--csv"), request.csv,
                                                    ScheduleHelper::ResolveDataFolder(request.data, false));
        if (!refusal.isEmpty())
            return finished(2, refusal);
    }
    const Built built = build(request);
    if (!built.report)
        return built.failure;
    Result result = output(*built.report, request, built.title);
    // What could be read is printed; files that could not be read make the command fail.
    if (!built.warnings.isEmpty() && result.exitCode == 0) {
        result.exitCode = 1;
        result.err = built.warnings + result.err;
    }
    return result;
}

int run(const QCommandLineParser &parser, const QStringList &words)
{
    const Result result = execute(fromParser(parser, words));
    std::fputs(result.out.toUtf8().constData(), stdout);
    for (const QString &line : result.err.split(u'\n', Qt::SkipEmptyParts))
        std::fprintf(stderr, "shiftgrid: %s\n", qPrintable(line));
    return result.exitCode;
}

} // namespace ReportCommand

Command Commands::report()
{
    return {{QStringLiteral("report")}, true,
            "report TYPE --data DIR --from YYYY-MM-DD --to YYYY-MM-DD\n"
            "                [--department NAME]... [--position NAME]... [--employee NUMBER]...\n"
            "                [--full-ids] [--sort name|file]\n"
            "                (--pdf FILE | --csv FILE | --print [--printer NAME] | --text)\n"
            "                                              print a report, or write its rows as CSV; TYPE is\n"
            "                                              individual, weekly, hours-by-department,\n"
            "                                              hours-by-position, time-off, week-posting,\n"
            "                                              employee-schedule, master-list, contact-list,\n"
            "                                              phone-list, id-list or mailing-list\n",
            [](const CommandCall &call) { return ReportCommand::run(call.parser, call.words); }};
}
