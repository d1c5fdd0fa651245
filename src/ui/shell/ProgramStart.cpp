#include "ProgramStart.h"

#include "AppIcon.h"
#include "ui/common/WidgetPrompt.h"
#include "mdiSchedule.h"

#include "data/DataFolderLock.h"
#include "data/ScheduleHelper.h"
#include "ui/common/WindowHelpers.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QString>
#include <QTemporaryFile>

namespace {

struct StartTexts {
    Q_DECLARE_TR_FUNCTIONS(ProgramStart)
};

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString PrepareDataFolder(const QString &folder)
{
    const QString advice = StartTexts::tr("Start Shiftgrid with --data FOLDER to use a folder where you may write.");
    const QFileInfo info(folder);
    if (!info.exists()) {
        if (QDir().mkpath(folder))
            return {};
        // Find the part of the path that is in the way.
        QString existing = QFileInfo(folder).absolutePath();
        while (!QFileInfo::exists(existing) && QFileInfo(existing).absolutePath() != existing)
            existing = QFileInfo(existing).absolutePath();
        const QFileInfo blocker(existing);
        QString problem;
        if (!blocker.isDir())
            problem = StartTexts::tr("The data folder \"%1\" cannot be created: \"%2\" is a file, not a folder.");
        else if (!blocker.isWritable())
            problem = StartTexts::tr("The data folder \"%1\" cannot be created: the folder \"%2\" is read-only.");
        else
            problem = StartTexts::tr("The data folder \"%1\" cannot be created: the system refused to create it "
                                     "in \"%2\".");
        return problem.arg(native(folder), native(existing)) + QStringLiteral("\n\n") + advice;
    }
    if (!info.isDir())
        return StartTexts::tr("The data folder \"%1\" cannot be used: it is a file, not a folder.").arg(native(folder))
               + QStringLiteral("\n\n") + advice;
    QTemporaryFile probe(folder + QStringLiteral("/.shiftgrid-XXXXXX"));
    if (!info.isWritable() || !probe.open())
        return StartTexts::tr("The data folder \"%1\" is read-only, so Shiftgrid could not save your work there.")
                   .arg(native(folder))
               + QStringLiteral("\n\n")
               + StartTexts::tr("Make the folder writable (or copy it to a place where you may write) and start "
                                "Shiftgrid with --data FOLDER.");
    return {};
}

FolderAccess chooseFolderAccess(DataFolderLock &lock, const QString &dataFolder, Prompt &prompt)
{
    const QString folder = QDir::toNativeSeparators(dataFolder);
    const QString readOnlyQuestion =
        QApplication::translate("ProgramStart", "Open the data folder read-only? (No quits the program.)");
    switch (lock.tryTake()) {
    case DataFolderLock::Result::Taken:
        return FolderAccess::Write;
    case DataFolderLock::Result::TakenOverStale:
        if (prompt.askYesNo(QApplication::translate("ProgramStart",
                                                    "The data folder \"%1\" was left locked by a copy of Shiftgrid "
                                                    "that ended without closing: %2.\n\nTake the folder over?")
                                .arg(folder, lock.previous().text()),
                            QString(), true))
            return FolderAccess::Write;
        lock.release();
        return FolderAccess::Quit;
    case DataFolderLock::Result::Held:
        return prompt.askYesNo(QApplication::translate("ProgramStart",
                                                       "The data folder \"%1\" is in use by another copy of "
                                                       "Shiftgrid: %2. Only one copy at a time can change it.\n\n%3")
                                   .arg(folder, lock.holder().text(), readOnlyQuestion))
                   ? FolderAccess::ReadOnly
                   : FolderAccess::Quit;
    case DataFolderLock::Result::Failed:
        break;
    }
    return prompt.askYesNo(QApplication::translate("ProgramStart", "Shiftgrid cannot lock the data folder \"%1\": %2.\n\n%3")
                               .arg(folder, lock.failure(), readOnlyQuestion))
               ? FolderAccess::ReadOnly
               : FolderAccess::Quit;
}

int runWindowed(const QString &dataFolder, const DemoBusinessMaker &makeDemo)
{
    QApplication::setWindowIcon(ShiftgridIcon());
    WidgetPrompt prompt;
    int result = 1;   // when the data cannot be read, the user is told and the program ends
    QString folder = ScheduleHelper::ResolveDataFolder(dataFolder, false);
    // The wizard's demo business runs in the same way, over its own folder.
    bool demo = false;
    while (!folder.isEmpty()) {
        if (const QString problem = PrepareDataFolder(folder); !problem.isEmpty()) {
            prompt.message(problem, QString(), Prompt::Icon::Critical);
            return 1;
        }
        QString next;
        RunShowingFileError(prompt, QString(), [&] {
            DataFolderLock lock(folder);
            const FolderAccess access = chooseFolderAccess(lock, folder, prompt);
            if (access == FolderAccess::Quit) {
                result = 0;
                return;
            }
            // Only the one writer may clear what an interrupted save left behind.
            if (access == FolderAccess::Write) {
                if (const QString recovered = lock.recovery().text(); !recovered.isEmpty())
                    prompt.message(recovered, QString(), Prompt::Icon::Information);
                ScheduleHelper::RemoveStaleTemporaryFiles(folder);
            }
            mdiSchedule main(folder, prompt, prompt, nullptr, access == FolderAccess::ReadOnly);
            main.setDemoBusinessMaker(makeDemo);
            if (demo)   // the user sees at a glance that this is not the business's own data
                main.setWindowTitle(QCoreApplication::translate("ProgramStart", "Shiftgrid - Demo Business"));
            prompt.setParentWidget(&main);
            if (main.layoutRestored()) {
                main.show();
            } else {
                // First start (or a lost layout): fill the screen.
                if (const QScreen *screen = main.screen())
                    main.setGeometry(screen->availableGeometry());
                main.showMaximized();
            }
            result = QApplication::exec();
            prompt.setParentWidget(nullptr);
            next = main.nextDataFolder();
        });
        folder = next;
        demo = true;
    }
    return result;
}
