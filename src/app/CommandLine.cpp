#include "CommandLine.h"

#include "DemoBusiness.h"
#include "ExportMaster.h"
#include "ExportWeek.h"
#include "data/OleDate.h"
#include "data/clsOptions.h"
#include "data/FileError.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "shell/ProgramStart.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>
#include <memory>

namespace {

class CommandFailed : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const QString &reason) { throw CommandFailed(reason.toStdString()); }

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
    clsEmployeeInfo info(folder, clsEmployeeInfo::Access::ReadOnly);
    clsOptions options(ScheduleHelper::SettingsFilePath(folder));
    const ExportWeek::Result result = ExportWeek::run(info, options, department, OleDate::fromDate(date), png);
    // What could be read is printed even when part of the week could not be.
    print(result.json);
    if (!result.error.isEmpty())
        fail(result.error);
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

int demo(const QString &dataOption, const QString &employees, const QString &weeks)
{
    if (dataOption.isEmpty())
        fail(QStringLiteral("demo needs --data DIR"));
    DemoBusiness::Options options;
    options.employees = positiveNumber(employees, QStringLiteral("--employees"), options.employees);
    options.weeks = positiveNumber(weeks, QStringLiteral("--weeks"), options.weeks);
    const QString folder = ScheduleHelper::ResolveDataFolder(dataOption, false);
    const QString refusal = DemoBusiness::create(folder, options);
    if (!refusal.isEmpty())
        fail(refusal);
    print(QStringLiteral("Created a demo business with %1 employees and %2 weeks of shifts in %3\n")
              .arg(options.employees).arg(options.weeks).arg(folder));
    return 0;
}

const char *const kUsage =
    "Usage: shiftgrid [--data DIR]                 start the program\n"
    "       shiftgrid export master [--data DIR]   print the master data as JSON\n"
    "       shiftgrid export week --data DIR --department NAME --date YYYY-MM-DD [--png FILE]\n"
    "                                              print a department week as JSON\n"
    "                                              (and paint it into a PNG picture)\n"
    "       shiftgrid demo --data DIR [--employees N] [--weeks W]\n"
    "                                              fill an empty folder with a demo business\n"
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
    parser.addOption(dataOption);
    parser.addOptions({departmentOption, dateOption, pngOption, employeesOption, weeksOption});
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
        if (words == QStringList{QStringLiteral("demo")})
            return demo(data, parser.value(employeesOption), parser.value(weeksOption));
        fail(QStringLiteral("unknown command \"%1\"; see shiftgrid --help").arg(words.join(u' ')));
    } catch (const CommandFailed &e) {
        std::fprintf(stderr, "shiftgrid: %s\n", e.what());
    } catch (const FileError &e) {
        std::fprintf(stderr, "shiftgrid: %s\n", qPrintable(e.userText()));
    }
    return 1;
}

} // namespace CommandLine
