#include "CommandLine.h"

#include "CommandSupport.h"
#include "CommandTable.h"
#include "ui/common/Translations.h"
#include "ReportCommand.h"
#include "data/FileError.h"

#include <QCoreApplication>
#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <memory>

namespace CommandLine {

int run(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine", "Shiftgrid plans the work shifts of a business."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")}, QCoreApplication::translate("CommandLine", "Show this help."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")}, QCoreApplication::translate("CommandLine", "Show the version."));
    const QCommandLineOption dataOption(QStringLiteral("data"), QCoreApplication::translate("CommandLine", "The data folder."), QStringLiteral("DIR"));
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    const QCommandLineOption departmentOption(QStringLiteral("department"), QCoreApplication::translate("CommandLine", "A department name."), QStringLiteral("NAME"));
    const QCommandLineOption dateOption(QStringLiteral("date"), QCoreApplication::translate("CommandLine", "A date, YYYY-MM-DD."), QStringLiteral("DATE"));
    const QCommandLineOption pngOption(QStringLiteral("png"), QCoreApplication::translate("CommandLine", "A PNG file to paint into."), QStringLiteral("FILE"));
    const QCommandLineOption employeesOption(QStringLiteral("employees"), QCoreApplication::translate("CommandLine", "Number of employees."), QStringLiteral("N"));
    const QCommandLineOption weeksOption(QStringLiteral("weeks"), QCoreApplication::translate("CommandLine", "Number of weeks."), QStringLiteral("W"));
    const QCommandLineOption fromOption(QStringLiteral("from"), QCoreApplication::translate("CommandLine", "First date, YYYY-MM-DD."), QStringLiteral("DATE"));
    const QCommandLineOption toOption(QStringLiteral("to"), QCoreApplication::translate("CommandLine", "Last date, YYYY-MM-DD."), QStringLiteral("DATE"));
    const QCommandLineOption outOption(QStringLiteral("out"), QCoreApplication::translate("CommandLine", "A file to write."), QStringLiteral("FILE"));
    const QCommandLineOption employeeOption(QStringLiteral("employee"), QCoreApplication::translate("CommandLine", "An employee number."), QStringLiteral("NUMBER"));
    const QCommandLineOption timeOffOption(QStringLiteral("time-off"), QCoreApplication::translate("CommandLine", "Time off too."));
    const QCommandLineOption dryRunOption(QStringLiteral("dry-run"), QCoreApplication::translate("CommandLine", "Check only; write nothing."));
    const QCommandLineOption skipBadOption(QStringLiteral("skip-bad"), QCoreApplication::translate("CommandLine", "Import the good rows."));
    const QCommandLineOption createMissingOption(QStringLiteral("create-missing"), QCoreApplication::translate("CommandLine", "Create departments and positions."));
    const QCommandLineOption timeZoneOption(QStringLiteral("time-zone"), QCoreApplication::translate("CommandLine", "The zone of the times."), QStringLiteral("ZONE"));
    parser.addOption(dataOption);
    parser.addOptions({departmentOption, dateOption, pngOption, employeesOption, weeksOption, fromOption, toOption,
                       outOption, employeeOption, timeOffOption, timeZoneOption, dryRunOption, skipBadOption,
                       createMissingOption});
    const QCommandLineOption dayOption(QStringLiteral("day"), QCoreApplication::translate("CommandLine", "Copy one day."));
    const QCommandLineOption weekOption(QStringLiteral("week"), QCoreApplication::translate("CommandLine", "Copy a week."));
    const QCommandLineOption replaceOption(QStringLiteral("replace"), QCoreApplication::translate("CommandLine", "Replace shifts on the target days."));
    parser.addOptions({dayOption, weekOption, replaceOption});
    const QCommandLineOption timeLimitOption(QStringLiteral("time-limit"), QCoreApplication::translate("CommandLine", "Seconds the planner may search."), QStringLiteral("SECONDS"));
    const QCommandLineOption allowOvertimeOption(QStringLiteral("allow-overtime"), QCoreApplication::translate("CommandLine", "Let the planner go above the hour limits."));
    const QCommandLineOption coverageOption(QStringLiteral("coverage"), QCoreApplication::translate("CommandLine", "Paint the coverage strip."));
    parser.addOptions({timeLimitOption, allowOvertimeOption, coverageOption});
    parser.addOptions(ReportCommand::options());
    parser.addPositionalArgument(QStringLiteral("command"), QCoreApplication::translate("CommandLine", "export master"));

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
        CommandSupport::print(CommandTable::usage());
        return 0;
    }
    if (parser.isSet(versionOption)) {
        CommandSupport::print(QStringLiteral("Shiftgrid %1\n").arg(QStringLiteral(SHIFTGRID_VERSION)));
        return 0;
    }

    const QStringList words = parser.positionalArguments();
    try {
        if (const Command *command = CommandTable::find(words))
            return command->run({parser, words, parser.value(dataOption)});
        CommandSupport::fail(QCoreApplication::translate("CommandLine", "unknown command \"%1\"; see shiftgrid --help").arg(words.join(u' ')));
    } catch (const CommandFailed &e) {
        std::fprintf(stderr, "shiftgrid: %s\n", e.what());
        return e.exitCode();
    } catch (const FileError &e) {
        std::fprintf(stderr, "shiftgrid: %s\n", qPrintable(e.userText()));
    }
    return 1;
}

} // namespace CommandLine
