#pragma once

// Starts of the main window over a fresh data folder, for the shell tests.

#include "data/Prompt.h"
#include "data/ScheduleHelper.h"
#include "shell/mdiSchedule.h"

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

struct ShellRun {
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    std::unique_ptr<mdiSchedule> main;

    QString folder() const { return dir.path(); }
    QString settingsFile() const { return ScheduleHelper::SettingsFilePath(dir.path()); }
    QString layoutFile() const { return dir.path() + QStringLiteral("/MenuCustom.bin"); }

    // Builds and shows the main window, as the program does at start-up.
    mdiSchedule &start()
    {
        main = std::make_unique<mdiSchedule>(dir.path(), prompt);
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

    void writeSettings(const QByteArray &text) const
    {
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QByteArray settingsBytes() const
    {
        QFile file(settingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QList<QMdiSubWindow *> openWindows() const
    {
        QList<QMdiSubWindow *> open;
        for (QMdiSubWindow *window : main->mdiArea()->subWindowList(QMdiArea::StackingOrder))
            if (!window->isHidden())
                open << window;
        return open;   // topmost last
    }
};
