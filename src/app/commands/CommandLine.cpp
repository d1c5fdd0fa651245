#include "CommandLine.h"

#include "CheckCommand.h"
#include "CopyCommand.h"
#include "DemoBusiness.h"
#include "exchange/ExportHours.h"
#include "exchange/ExportIcs.h"
#include "exchange/ExportMaster.h"
#include "exchange/ImportEmployees.h"
#include "exchange/ExportWeek.h"
#include "exchange/OutputFile.h"
#include "ui/common/Translations.h"
#include "data/DataFolderLock.h"
#include "ReportCommand.h"
#include "data/OleDate.h"
#include "data/clsOptions.h"
#include "data/FileError.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "ui/shell/ProgramStart.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif
#include <functional>
#include <memory>
#include <optional>

namespace {

class CommandFailed : public std::runtime_error
{
public:
    CommandFailed(const QString &reason, int exitCode) : std::runtime_error(reason.toStdString()), m_exitCode(exitCode) {}
    int exitCode() const { return m_exitCode; }

private:
    int m_exitCode;
};

// Ends the command with the reason on standard error: exit code 1, or 2 for a request that
// must not be done at all.
[[noreturn]] void fail(const QString &reason, int exitCode = 1) { throw CommandFailed(reason, exitCode); }

void print(const QString &text)
{
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    out << text;
}

// A data folder that a headless command reads: it must exist, and is never created.
QString existingDataFolder(const QString &requested)
{
    const QString folder = ScheduleHelper::ResolveDataFolder(requested, false);
    if (!QFileInfo(folder).isDir())
        fail(QStringLiteral("data folder not found: %1").arg(folder));
    return folder;
}

// Refuses, before anything is read, an output file that lies in the data folder.
void refuseOutputInDataFolder(const QString &option, const QString &file, const QString &folder)
{
    if (file.isEmpty())
        return;
    if (const QString refusal = OutputFile::refusal(option, file, folder); !refusal.isEmpty())
        fail(refusal, 2);
}

int exportMaster(const QString &dataOption)
{
    const clsEmployeeInfo info(existingDataFolder(dataOption), clsEmployeeInfo::Access::ReadOnly);
    print(ExportMaster::toJson(info));
    return 0;
}

int exportWeek(const QString &dataOption, const QString &department, const QString &dateText, const QString &png)
{
    if (department.isEmpty())
        fail(QStringLiteral("export week needs --department NAME"));
    const QDate date = QDate::fromString(dateText, Qt::ISODate);
    if (!date.isValid())
        fail(QStringLiteral("export week needs --date YYYY-MM-DD"));
    const QString folder = existingDataFolder(dataOption);
    refuseOutputInDataFolder(QStringLiteral("--png"), png, folder);
    clsEmployeeInfo info(folder, clsEmployeeInfo::Access::ReadOnly);
    clsOptions options(ScheduleHelper::SettingsFilePath(folder));
    const ExportWeek::Result result = ExportWeek::run(info, options, department, OleDate::fromDate(date), png);
    // What could be read is printed even when part of the week could not be.
    print(result.json);
    if (!result.error.isEmpty())
        fail(result.error);
    return 0;
}

QDate isoDateOption(const QString &text, const QString &option)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid())
        fail(QStringLiteral("%1 needs a date, YYYY-MM-DD").arg(option));
    return date;
}

// Writes a command's output to the file, or prints it when no file is named.
void writeOutput(const QByteArray &bytes, const QString &out)
{
    if (out.isEmpty()) {
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        return;
    }
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(QStringLiteral("could not write %1: %2").arg(out, ScheduleHelper::WriteFailureReason(out, file.errorString())));
}

int exportHours(const QString &dataOption, const QString &from, const QString &to, const QStringList &departments,
                const QString &out)
{
    const double first = OleDate::fromDate(isoDateOption(from, QStringLiteral("--from")));
    const double last = OleDate::fromDate(isoDateOption(to, QStringLiteral("--to")));
    const QString folder = existingDataFolder(dataOption);
    refuseOutputInDataFolder(QStringLiteral("--out"), out, folder);
    clsEmployeeInfo info(folder, clsEmployeeInfo::Access::ReadOnly);
    clsOptions options(ScheduleHelper::SettingsFilePath(folder));
    const ExportHours::Result result = ExportHours::run(info, options, first, last, departments);
    if (!result.error.isEmpty())
        fail(result.error);
    writeOutput(result.csv.toUtf8(), out);
    return 0;
}

// A progress line on standard error, rewritten in place, when standard error is a terminal;
// nothing otherwise, so that pipes, files and tests see no noise. Small jobs show none.
std::function<void(int, int)> terminalProgress(const QString &what)
{
    if (!isatty(fileno(stderr)))
        return {};
    return [what](int done, int total) {
        if (total < 200)
            return;
        if (done % 50 == 0 || done + 1 == total)
            std::fprintf(stderr, "\r%s: %d of %d%s", qPrintable(what), done + 1, total, done + 1 == total ? "\n" : "");
    };
}

int exportIcs(const QString &dataOption, const QString &from, const QString &to, const QStringList &departments,
              const QStringList &employees, bool timeOff, const QString &timeZone, const QString &out)
{
    ExportIcs::Request request;
    request.firstDay = OleDate::fromDate(isoDateOption(from, QStringLiteral("--from")));
    request.lastDay = OleDate::fromDate(isoDateOption(to, QStringLiteral("--to")));
    for (const QString &text : employees) {
        bool ok = false;
        request.employees << text.toInt(&ok);
        if (!ok)
            fail(QStringLiteral("--employee needs an employee number, not \"%1\"").arg(text));
    }
    request.timeOff = timeOff;
    request.timeZone = timeZone;
    request.progress = terminalProgress(QStringLiteral("export ics: days read"));
    const QString folder = existingDataFolder(dataOption);
    refuseOutputInDataFolder(QStringLiteral("--out"), out, folder);
    clsEmployeeInfo info(folder, clsEmployeeInfo::Access::ReadOnly);
    QString unknown;
    const std::optional<QStringList> named = info.DepartmentsNamed(departments, &unknown);
    if (!named)
        fail(QStringLiteral("no department named \"%1\"").arg(unknown.trimmed()));
    request.departments = *named;
    clsOptions options(ScheduleHelper::SettingsFilePath(folder));
    const ExportIcs::Result result = ExportIcs::run(info, options, request);
    if (result.badTimeZone) {   // a wrong argument, like a bad date: nothing is written
        std::fprintf(stderr, "shiftgrid: %s%s\n", qPrintable(result.error),
                     timeZone.isEmpty() ? "; name the zone with --time-zone" : "");
        return 2;
    }
    if (!result.error.isEmpty())
        fail(result.error);
    for (const QString &shift : result.leftOut)
        std::fprintf(stderr, "shiftgrid: left out, the scheduler refuses it as a collision: %s\n", qPrintable(shift));
    writeOutput(result.ics, out);
    return 0;
}

void takeForWriting(DataFolderLock &lock, const QString &folder);

int importEmployees(const QString &dataOption, const QStringList &files, const ImportEmployees::Options &options)
{
    if (dataOption.isEmpty())
        fail(QStringLiteral("import employees needs --data DIR"));
    if (files.size() != 1)
        fail(QStringLiteral("import employees needs one CSV file"));
    QFile file(files.first());
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("could not read %1: %2").arg(files.first(), file.errorString()));
    const QString folder = existingDataFolder(dataOption);
    std::optional<DataFolderLock> lock;   // a dry run writes nothing and needs no lock
    if (!options.dryRun) {
        lock.emplace(folder);
        takeForWriting(*lock, folder);
    }
    // Read-only until the file is known to import: opening the folder for writing creates
    // files (BarNames.dat), and a refused import writes nothing at all.
    std::optional<clsEmployeeInfo> info(std::in_place, folder, clsEmployeeInfo::Access::ReadOnly);
    ImportEmployees::Options withProgress = options;
    withProgress.progress = terminalProgress(QStringLiteral("import employees: rows checked"));
    const ImportEmployees::Plan plan = ImportEmployees::check(*info, file.readAll(), withProgress);
    if (!plan.error.isEmpty())
        fail(plan.error);

    QString report;
    for (const ImportEmployees::Problem &p : plan.problems)
        report += p.text() + u'\n';
    for (const ImportEmployees::Problem &p : plan.duplicates)
        report += p.text() + u'\n';
    if (!plan.newDepartments.isEmpty())
        report += QStringLiteral("New departments: %1\n").arg(plan.newDepartments.join(QStringLiteral(", ")));
    if (!plan.newPositions.isEmpty())
        report += QStringLiteral("New positions: %1\n").arg(plan.newPositions.join(QStringLiteral(", ")));
    if (!plan.problems.isEmpty() && !options.skipBad) {
        std::fputs(qPrintable(report), stderr);
        QSet<int> badLines;
        for (const ImportEmployees::Problem &p : plan.problems)
            badLines.insert(p.line);
        fail(QStringLiteral("%1 bad row(s); nothing was imported (--skip-bad imports the good rows)")
                 .arg(badLines.size()));
    }
    withProgress.progress = terminalProgress(QStringLiteral("import employees: employees added"));
    const bool adds = !plan.employees.isEmpty() || !plan.newDepartments.isEmpty() || !plan.newPositions.isEmpty();
    if (!options.dryRun && adds)
        info.emplace(folder, clsEmployeeInfo::Access::ReadWrite);   // the lock kept the files as checked
    const int added = options.dryRun || !adds ? 0 : ImportEmployees::apply(*info, plan, withProgress);
    report += options.dryRun ? QStringLiteral("Would add %1 employee(s); nothing was written (--dry-run)\n").arg(plan.employees.size())
                             : QStringLiteral("Added %1 employee(s)\n").arg(added);
    print(report);
    return 0;
}

int positiveNumber(const QString &text, const QString &option, int fallback)
{
    if (text.isEmpty())
        return fallback;
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 1)
        fail(QStringLiteral("%1 needs a positive whole number").arg(option));
    return n;
}

// Takes the data folder for a command that writes, or fails naming the copy that holds it.
void takeForWriting(DataFolderLock &lock, const QString &folder)
{
    const DataFolderLock::Result taken = lock.tryTake();
    switch (taken) {
    case DataFolderLock::Result::Taken:
    case DataFolderLock::Result::TakenOverStale:   // its holder no longer runs
        for (const QString &notice : lock.notices(taken))
            std::fprintf(stderr, "shiftgrid: %s\n", qPrintable(notice));
        return;
    case DataFolderLock::Result::Held:
        fail(QStringLiteral("the data folder %1 is in use by %2").arg(folder, lock.holder().text()));
    case DataFolderLock::Result::Failed:
        break;
    }
    fail(QStringLiteral("cannot lock the data folder: %1").arg(lock.failure()));
}

// Moves the finished folder `built` into the place of the empty `target` in one rename, so that
// an interrupted run leaves the target empty or whole. When the target cannot be replaced (it
// is a link, say), its entries are moved one by one.
void moveInto(QTemporaryDir &built, const QString &target)
{
    const QFileInfo targetInfo(target);
    if (!targetInfo.isSymLink() && QDir().rmdir(target) && QDir().rename(built.path(), target)) {
        built.setAutoRemove(false);
        return;
    }
    QDir().mkpath(target);
    const QDir from(built.path());
    for (const QString &entry : from.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        if (!QDir().rename(from.filePath(entry), QDir(target).filePath(entry)))
            fail(QStringLiteral("could not move %1 into %2").arg(entry, target));
}

int demo(const QString &dataOption, const QString &employees, const QString &weeks)
{
    if (dataOption.isEmpty())
        fail(QStringLiteral("demo needs --data DIR"));
    DemoBusiness::Options options;
    options.employees = positiveNumber(employees, QStringLiteral("--employees"), options.employees);
    options.weeks = positiveNumber(weeks, QStringLiteral("--weeks"), options.weeks);
    const QString folder = ScheduleHelper::ResolveDataFolder(dataOption, false);
    if (!QDir().mkpath(folder)) {
        const QString reason = ScheduleHelper::WriteFailureReason(folder, {});
        fail(QStringLiteral("cannot create the data folder %1%2").arg(folder, reason.isEmpty() ? QString() : QStringLiteral(": ") + reason));
    }
    {
        DataFolderLock lock(folder);
        takeForWriting(lock, folder);
        // A demo killed while building left its folder beside the target; whoever holds the
        // target's lock may remove it, as no running demo can be building for this target.
        const QString buildPrefix = QStringLiteral(".%1.demo-").arg(QFileInfo(folder).fileName());
        QDir parent = QFileInfo(folder).absoluteDir();
        for (const QString &left : parent.entryList({buildPrefix + QStringLiteral("??????")}, QDir::Dirs | QDir::Hidden | QDir::NoSymLinks))
            QDir(parent.filePath(left)).removeRecursively();
        const QStringList present = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        if (present != QStringList{DataFolderLock::fileName()})
            fail(QStringLiteral("the folder %1 already holds data; the demo needs an empty folder").arg(folder));
        // Built beside the target, then moved in whole: a killed run leaves no half-built folder.
        QTemporaryDir built(parent.filePath(buildPrefix + QStringLiteral("XXXXXX")));
        if (!built.isValid())
            fail(QStringLiteral("cannot create a folder beside %1: %2")
                     .arg(folder, ScheduleHelper::WriteFailureReason(parent.path(), built.errorString())));
        const QString refusal = DemoBusiness::create(built.path(), options);
        if (!refusal.isEmpty())
            fail(refusal);
        lock.release();
        moveInto(built, folder);
    }
    print(QStringLiteral("Created a demo business with %1 employees and %2 weeks of shifts in %3\n")
              .arg(options.employees).arg(options.weeks).arg(folder));
    return 0;
}

int check(const QString &dataOption)
{
    const CheckCommand::Result result = CheckCommand::run(ScheduleHelper::ResolveDataFolder(dataOption, false));
    for (const QString &line : result.lines)
        print(line + u'\n');
    return result.exitCode;
}

const char *const kUsage =
    "Usage: shiftgrid [--data DIR]                 start the program\n"
    "       shiftgrid export master [--data DIR]   print the master data as JSON\n"
    "       shiftgrid export week --data DIR --department NAME --date YYYY-MM-DD [--png FILE]\n"
    "                                              print a department week as JSON\n"
    "                                              (and paint it into a PNG picture)\n"
    "       shiftgrid export hours --data DIR --from YYYY-MM-DD --to YYYY-MM-DD\n"
    "                              [--department NAME]... [--out FILE]\n"
    "                                              scheduled minutes per employee and day as CSV\n"
    "       shiftgrid export ics --data DIR --from YYYY-MM-DD --to YYYY-MM-DD [--department NAME]...\n"
    "                              [--employee NUMBER]... [--time-off] [--time-zone ZONE] [--out FILE]\n"
    "                                              shifts (and time off) as an iCalendar file\n"
    "       shiftgrid import employees --data DIR FILE.csv [--dry-run] [--skip-bad] [--create-missing]\n"
    "                                              add the employees of a CSV file\n"
    "       shiftgrid demo --data DIR [--employees N] [--weeks W]\n"
    "                                              fill an empty folder with a demo business\n"
    "       shiftgrid check [--data DIR]             list what is wrong or suspicious in a data folder\n"
    "                                              (exit 0 nothing, 1 findings, 2 unreadable folder)\n"
    "       shiftgrid copy --data DIR --department NAME (--day|--week) --from YYYY-MM-DD\n"
    "                      --to YYYY-MM-DD [--replace]\n"
    "                                              copy a day or a week of shifts; refuses\n"
    "                                              when the target holds shifts, unless --replace\n"
    "       shiftgrid report TYPE --data DIR --from YYYY-MM-DD --to YYYY-MM-DD\n"
    "                [--department NAME]... [--position NAME]... [--employee NUMBER]...\n"
    "                (--pdf FILE | --print [--printer NAME] | --text)\n"
    "                                              print a report; TYPE is individual, weekly,\n"
    "                                              hours-by-department, hours-by-position, time-off,\n"
    "                                              master-list, contact-list, phone-list, id-list\n"
    "                                              or mailing-list\n"
    "\n"
    "DIR is the data folder; by default \"data\" beside the program, or the\n"
    "application-data folder when that place is not writable.\n";

} // namespace

namespace CommandLine {

int run(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shiftgrid plans the work shifts of a business."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Show the version."));
    const QCommandLineOption dataOption(QStringLiteral("data"), QStringLiteral("The data folder."), QStringLiteral("DIR"));
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    const QCommandLineOption departmentOption(QStringLiteral("department"), QStringLiteral("A department name."), QStringLiteral("NAME"));
    const QCommandLineOption dateOption(QStringLiteral("date"), QStringLiteral("A date, YYYY-MM-DD."), QStringLiteral("DATE"));
    const QCommandLineOption pngOption(QStringLiteral("png"), QStringLiteral("A PNG file to paint into."), QStringLiteral("FILE"));
    const QCommandLineOption employeesOption(QStringLiteral("employees"), QStringLiteral("Number of employees."), QStringLiteral("N"));
    const QCommandLineOption weeksOption(QStringLiteral("weeks"), QStringLiteral("Number of weeks."), QStringLiteral("W"));
    const QCommandLineOption fromOption(QStringLiteral("from"), QStringLiteral("First date, YYYY-MM-DD."), QStringLiteral("DATE"));
    const QCommandLineOption toOption(QStringLiteral("to"), QStringLiteral("Last date, YYYY-MM-DD."), QStringLiteral("DATE"));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("A file to write."), QStringLiteral("FILE"));
    const QCommandLineOption employeeOption(QStringLiteral("employee"), QStringLiteral("An employee number."), QStringLiteral("NUMBER"));
    const QCommandLineOption timeOffOption(QStringLiteral("time-off"), QStringLiteral("Time off too."));
    const QCommandLineOption dryRunOption(QStringLiteral("dry-run"), QStringLiteral("Check only; write nothing."));
    const QCommandLineOption skipBadOption(QStringLiteral("skip-bad"), QStringLiteral("Import the good rows."));
    const QCommandLineOption createMissingOption(QStringLiteral("create-missing"), QStringLiteral("Create departments and positions."));
    const QCommandLineOption timeZoneOption(QStringLiteral("time-zone"), QStringLiteral("The zone of the times."), QStringLiteral("ZONE"));
    parser.addOption(dataOption);
    parser.addOptions({departmentOption, dateOption, pngOption, employeesOption, weeksOption, fromOption, toOption,
                       outOption, employeeOption, timeOffOption, timeZoneOption, dryRunOption, skipBadOption,
                       createMissingOption});
    const QCommandLineOption dayOption(QStringLiteral("day"), QStringLiteral("Copy one day."));
    const QCommandLineOption weekOption(QStringLiteral("week"), QStringLiteral("Copy a week."));
    const QCommandLineOption replaceOption(QStringLiteral("replace"), QStringLiteral("Replace shifts on the target days."));
    parser.addOptions({dayOption, weekOption, replaceOption});
    parser.addOptions(ReportCommand::options());
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("export master"));

    // Only the windowed start needs widgets; the commands run without a screen.
    const bool parsed = parser.parse(arguments);
    const bool windowed = parsed && !parser.isSet(helpOption) && !parser.isSet(versionOption)
                          && parser.positionalArguments().isEmpty();
    if (!windowed && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error of a command carries only the command's own messages: Qt's notes about
    // the session (such as a missing XDG_RUNTIME_DIR) are not for the user of a command.
    if (!windowed)
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
            if (type == QtFatalMsg)
                std::fprintf(stderr, "shiftgrid: %s\n", qPrintable(message));
        });
    const std::unique_ptr<QGuiApplication> app = windowed ? std::make_unique<QApplication>(argc, argv)
                                                          : std::make_unique<QGuiApplication>(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Shiftgrid"));
    QGuiApplication::setOrganizationName(QStringLiteral("Shiftgrid"));
    QGuiApplication::setApplicationVersion(QStringLiteral(SHIFTGRID_VERSION));
    Translations::install(*app);

    if (!parsed) {
        std::fprintf(stderr, "shiftgrid: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(helpOption)) {
        print(QString::fromLatin1(kUsage));
        return 0;
    }
    if (parser.isSet(versionOption)) {
        print(QStringLiteral("Shiftgrid %1\n").arg(QStringLiteral(SHIFTGRID_VERSION)));
        return 0;
    }

    const QStringList words = parser.positionalArguments();
    const QString data = parser.value(dataOption);
    try {
        if (words.isEmpty())
            return runWindowed(ScheduleHelper::ResolveDataFolder(data, false), [](const QString &folder) {
                return DemoBusiness::create(ScheduleHelper::ResolveDataFolder(folder), DemoBusiness::Options());
            });
        if (words == QStringList{QStringLiteral("export"), QStringLiteral("master")})
            return exportMaster(data);
        if (words == QStringList{QStringLiteral("export"), QStringLiteral("week")})
            return exportWeek(data, parser.value(departmentOption), parser.value(dateOption), parser.value(pngOption));
        if (words == QStringList{QStringLiteral("export"), QStringLiteral("hours")})
            return exportHours(data, parser.value(fromOption), parser.value(toOption),
                               parser.values(departmentOption), parser.value(outOption));
        if (words == QStringList{QStringLiteral("export"), QStringLiteral("ics")})
            return exportIcs(data, parser.value(fromOption), parser.value(toOption), parser.values(departmentOption),
                             parser.values(employeeOption), parser.isSet(timeOffOption), parser.value(timeZoneOption),
                             parser.value(outOption));
        if (words.size() >= 2 && words.mid(0, 2) == QStringList{QStringLiteral("import"), QStringLiteral("employees")}) {
            ImportEmployees::Options options;
            options.dryRun = parser.isSet(dryRunOption);
            options.skipBad = parser.isSet(skipBadOption);
            options.createMissing = parser.isSet(createMissingOption);
            return importEmployees(data, words.mid(2), options);
        }
        if (words == QStringList{QStringLiteral("check")})
            return check(data);
        if (words.value(0) == QLatin1String("report"))
            return ReportCommand::run(parser, words);
        if (words == QStringList{QStringLiteral("demo")})
            return demo(data, parser.value(employeesOption), parser.value(weeksOption));
        if (words == QStringList{QStringLiteral("copy")}) {
            const CopyCommand::Result result = CopyCommand::run(
                {data, parser.value(departmentOption), parser.isSet(dayOption), parser.isSet(weekOption),
                 parser.value(fromOption), parser.value(toOption), parser.isSet(replaceOption)});
            print(result.output);
            if (!result.error.isEmpty())
                std::fprintf(stderr, "shiftgrid: %s\n", qPrintable(result.error));
            return result.exitCode;
        }
        fail(QStringLiteral("unknown command \"%1\"; see shiftgrid --help").arg(words.join(u' ')));
    } catch (const CommandFailed &e) {
        std::fprintf(stderr, "shiftgrid: %s\n", e.what());
        return e.exitCode();
    } catch (const FileError &e) {
        std::fprintf(stderr, "shiftgrid: %s\n", qPrintable(e.userText()));
    }
    return 1;
}

} // namespace CommandLine
