#include "ProgramStart.h"

#include "WidgetPrompt.h"
#include "mdiSchedule.h"

#include "data/FileError.h"
#include "data/ScheduleHelper.h"

#include <QApplication>
#include <QScreen>
#include <QString>

int runWindowed(const QString &dataFolder)
{
    WidgetPrompt prompt;
    try {
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
        return QApplication::exec();
    } catch (const FileError &error) {
        prompt.setParentWidget(nullptr);
        prompt.message(error.userText(), QString(), Prompt::Icon::Critical);
        return 1;
    }
}
