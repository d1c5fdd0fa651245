#include "ProgramStart.h"

#include "WidgetPrompt.h"
#include "mdiSchedule.h"

#include "data/ScheduleHelper.h"
#include "setup/WindowHelpers.h"

#include <QApplication>
#include <QScreen>
#include <QString>

int runWindowed(const QString &dataFolder)
{
    WidgetPrompt prompt;
    int result = 1;   // when the data cannot be read, the user is told and the program ends
    RunShowingFileError(prompt, QString(), [&] {
        const QString folder = ScheduleHelper::ResolveDataFolder(dataFolder);
        mdiSchedule main(folder, prompt, prompt);
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
