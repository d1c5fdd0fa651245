#pragma once

// Shared by the setup window tests: a fresh data folder with its master data and settings,
// a scripted user, and ways to click named controls and answer modal dialogs.

#include "data/Prompt.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

struct DataFolder {
    QTemporaryDir dir;
    std::unique_ptr<clsEmployeeInfo> info;
    std::unique_ptr<clsOptions> options;
    ScriptedPrompt prompt;

    DataFolder()
    {
        info = std::make_unique<clsEmployeeInfo>(dir.path());
        options = std::make_unique<clsOptions>(ScheduleHelper::SettingsFilePath(dir.path()));
    }
    QString path(const QString &file) const { return dir.filePath(file); }
    // What a later run of the program would read.
    std::unique_ptr<clsEmployeeInfo> reloaded() const { return std::make_unique<clsEmployeeInfo>(dir.path()); }
    std::unique_ptr<clsOptions> reloadedOptions() const
    {
        return std::make_unique<clsOptions>(ScheduleHelper::SettingsFilePath(dir.path()));
    }
    QByteArray bytes(const QString &file) const
    {
        QFile f(path(file));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Makes every later write of the file fail, as a full or broken disk would.
    void breakFile(const QString &file) const
    {
        QFile::remove(path(file));
        QDir(dir.path()).mkdir(file);
    }
    void repairFile(const QString &file) const { QDir(dir.path()).rmdir(file); }
};

template <class T = QWidget>
T *child(QWidget *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    if (!found)
        qWarning("no control named %s", qPrintable(name));
    return found;
}

inline void click(QWidget *root, const QString &button)
{
    auto *b = child<QAbstractButton>(root, button);
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
}

inline void retype(QWidget *root, const QString &box, const QString &text)
{
    auto *edit = child<QLineEdit>(root, box);
    QVERIFY(edit);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// Runs `answer` on the next modal dialog as soon as it is open. The dialog is expected to be
// closed by `answer`; otherwise it is rejected so that the test cannot hang.
inline void whenModal(std::function<void(QWidget *)> answer, bool *seen = nullptr)
{
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [answer, seen, timer, poll] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            if (seen)
                *seen = true;
            answer(modal);
            if (QApplication::activeModalWidget() == modal && modal->isVisible())
                modal->close();
            return;
        }
        if (timer->elapsed() < 3000)
            QTimer::singleShot(5, *poll);
    };
    QTimer::singleShot(0, *poll);
}

// Shows the window and lets its first-show work (placement, asking for a first record) run.
inline void showAndSettle(QWidget *window)
{
    window->resize(window->size());
    window->show();
    QTest::qWait(30);
}
