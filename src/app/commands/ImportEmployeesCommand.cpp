// `shiftgrid import employees`: adds the employees of a CSV file, all or (with --skip-bad) the
// good rows, under the data folder's lock.

#include "CommandSupport.h"
#include "CommandTable.h"
#include "data/DataFolderLock.h"
#include "data/clsEmployeeInfo.h"
#include "exchange/ImportEmployees.h"

#include <QCoreApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QSet>
#include <cstdio>
#include <optional>

using namespace CommandSupport;

namespace {

int importEmployees(const QString &dataOption, const QStringList &files, const ImportEmployees::Options &options)
{
    if (dataOption.isEmpty())
        fail(QCoreApplication::translate("ImportEmployeesCommand", "import employees needs --data DIR"));
    if (files.size() != 1)
        fail(QCoreApplication::translate("ImportEmployeesCommand", "import employees needs one CSV file"));
    QFile file(files.first());
    if (!file.open(QIODevice::ReadOnly))
        fail(QCoreApplication::translate("ImportEmployeesCommand", "could not read %1: %2").arg(files.first(), file.errorString()));
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
    withProgress.progress = terminalProgress(QCoreApplication::translate("ImportEmployeesCommand", "import employees: rows checked"));
    const ImportEmployees::Plan plan = ImportEmployees::check(*info, file.readAll(), withProgress);
    if (!plan.error.isEmpty())
        fail(plan.error);

    QString report;
    for (const ImportEmployees::Problem &p : plan.problems)
        report += p.text() + u'\n';
    for (const ImportEmployees::Problem &p : plan.duplicates)
        report += p.text() + u'\n';
    if (!plan.newDepartments.isEmpty())
        report += QCoreApplication::translate("ImportEmployeesCommand", "New departments: %1\n").arg(plan.newDepartments.join(QStringLiteral(", ")));
    if (!plan.newPositions.isEmpty())
        report += QCoreApplication::translate("ImportEmployeesCommand", "New positions: %1\n").arg(plan.newPositions.join(QStringLiteral(", ")));
    if (!plan.problems.isEmpty() && !options.skipBad) {
        std::fputs(qPrintable(report), stderr);
        QSet<int> badLines;
        for (const ImportEmployees::Problem &p : plan.problems)
            badLines.insert(p.line);
        fail(QCoreApplication::translate("ImportEmployeesCommand",
                                        "%n bad row(s); nothing was imported (--skip-bad imports the good rows)",
                                        nullptr, int(badLines.size())));
    }
    withProgress.progress = terminalProgress(QCoreApplication::translate("ImportEmployeesCommand", "import employees: employees added"));
    const bool adds = !plan.employees.isEmpty() || !plan.newDepartments.isEmpty() || !plan.newPositions.isEmpty();
    if (!options.dryRun && adds)
        info.emplace(folder, clsEmployeeInfo::Access::ReadWrite);   // the lock kept the files as checked
    const int added = options.dryRun || !adds ? 0 : ImportEmployees::apply(*info, plan, withProgress);
    report += options.dryRun ? QCoreApplication::translate("ImportEmployeesCommand",
                                                           "Would add %n employee(s); nothing was written (--dry-run)\n",
                                                           nullptr, int(plan.employees.size()))
                             : QCoreApplication::translate("ImportEmployeesCommand", "Added %n employee(s)\n", nullptr, added);
    print(report);
    return 0;
}

int run(const CommandCall &call)
{
    ImportEmployees::Options options;
    options.dryRun = call.parser.isSet(QStringLiteral("dry-run"));
    options.skipBad = call.parser.isSet(QStringLiteral("skip-bad"));
    options.createMissing = call.parser.isSet(QStringLiteral("create-missing"));
    return importEmployees(call.data, call.words.mid(2), options);
}

} // namespace

Command Commands::importEmployees()
{
    return {{QStringLiteral("import"), QStringLiteral("employees")}, true,
            "import employees --data DIR FILE.csv [--dry-run] [--skip-bad] [--create-missing]\n"
            "                                              add the employees of a CSV file\n",
            run};
}
