#include "ProgramStart.h"

#include "WidgetPrompt.h"
#include "mdiSchedule.h"

#include "data/DataFolderLock.h"
#include "data/ScheduleHelper.h"
#include "setup/WindowHelpers.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QString>

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

int runWindowed(const QString &dataFolder)
{
    WidgetPrompt prompt;
    int result = 1;   // when the data cannot be read, the user is told and the program ends
    RunShowingFileError(prompt, QString(), [&] {
        const QString folder = ScheduleHelper::ResolveDataFolder(dataFolder);
        DataFolderLock lock(folder);
        const FolderAccess access = chooseFolderAccess(lock, folder, prompt);
        if (access == FolderAccess::Quit) {
            result = 0;
            return;
        }
        // Only the one writer may clear what an interrupted save left behind.
        if (access == FolderAccess::Write)
            ScheduleHelper::RemoveStaleTemporaryFiles(folder);
        mdiSchedule main(folder, prompt, prompt);
        main.setReadOnly(access == FolderAccess::ReadOnly);
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
    });
    return result;
}
