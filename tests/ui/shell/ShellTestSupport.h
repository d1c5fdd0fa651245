#pragma once

// Starts of the main window over a fresh data folder, for the shell tests.

#include "ScriptedDialogs.h"
#include "ScriptedPrompt.h"
#include "data/ScheduleHelper.h"
#include "ui/shell/mdiSchedule.h"

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

inline const QByteArray kWizardHidden("[Wizard]\r\nHelpWizardHide=1\r\n");

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct ShellRun {
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    ScriptedDialogs dialogs;
    std::unique_ptr<mdiSchedule> main;

    QString settingsFile() const { return ScheduleHelper::SettingsFilePath(dir.path()); }
    QString layoutFile() const { return dir.path() + QStringLiteral("/MenuCustom.bin"); }

    // Builds and shows the main window as the program does at start-up, over `settings` if given.
    mdiSchedule &start(const QByteArray &settings = {})
    {
        if (!settings.isEmpty())
            writeFile(settingsFile(), settings);
        main = std::make_unique<mdiSchedule>(dir.path(), prompt, dialogs);
        main->resize(1200, 760);
        main->show();
        if (!QTest::qWaitForWindowExposed(main.get()))
            qWarning("main window not exposed");
        return *main;
    }

    // Closes the main window as the user would (its close box) and ends this run.
    bool exit()
    {
        const bool closed = main->close();
        if (closed)
            main.reset();
        return closed;
    }

    // The child windows that are not closed, topmost last.
    QList<QMdiSubWindow *> openWindows() const
    {
        QList<QMdiSubWindow *> open;
        for (QMdiSubWindow *window : main->mdiArea()->subWindowList(QMdiArea::StackingOrder))
            if (!window->isHidden())
                open << window;
        return open;
    }
};
