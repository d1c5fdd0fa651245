#pragma once

// Shared by the setup window tests: a fresh data folder with its master data and settings,
// a scripted user, and ways to click named controls.

#include "ScriptedDialogs.h"
#include "ScriptedPrompt.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QListView>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <type_traits>

struct DataFolder {
    QTemporaryDir dir;
    std::unique_ptr<clsEmployeeInfo> info = std::make_unique<clsEmployeeInfo>(dir.path());
    std::unique_ptr<clsOptions> options = std::make_unique<clsOptions>(ScheduleHelper::SettingsFilePath(dir.path()));
    ScriptedPrompt prompt;
    ScriptedDialogs dialogs;

    QString path(const QString &file) const { return dir.filePath(file); }
    // What a later run of the program would read.
    std::unique_ptr<clsEmployeeInfo> reloaded() const { return std::make_unique<clsEmployeeInfo>(dir.path()); }
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

// The title and text of the last prompt shown, as "title: text".
inline QString lastShown(const ScriptedPrompt &prompt)
{
    return prompt.shown().isEmpty() ? QString() : prompt.shown().last().title + ": " + prompt.shown().last().text;
}

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
    QTest::mouseClick(child<QAbstractButton>(root, button), Qt::LeftButton);
}

// Types the text key by key, also letters no key of the test keyboard has ("ễ").
inline void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Types key by key into whichever control of `window` has the focus, as a user at the keyboard
// does: a "\t" is the Tab key and moves on.
inline void typeIntoFocus(QWidget *window, const QString &keys)
{
    for (QChar c : keys) {
        QWidget *focus = window->focusWidget();
        if (!focus)
            return;
        if (c == u'\t')
            QTest::keyClick(focus, Qt::Key_Tab);
        else
            typeText(focus, QString(c));
    }
}

// Types into the named box: a text box, or the text part of a spin box or time box.
inline void retype(QWidget *root, const QString &box, const QString &text)
{
    QWidget *named = child<QWidget>(root, box);
    auto *edit = qobject_cast<QLineEdit *>(named);
    if (!edit)
        edit = named->findChild<QLineEdit *>();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    typeText(edit, text);
}

// A setup window over the folder's data (or over `info`, e.g. as a later run reads it), shown
// and past its first-show work (placement, asking for a first record).
template <class Window>
std::unique_ptr<Window> openOn(DataFolder &data, clsEmployeeInfo *info = nullptr)
{
    clsEmployeeInfo &shown = info ? *info : *data.info;
    std::unique_ptr<Window> window;
    if constexpr (std::is_constructible_v<Window, clsEmployeeInfo &, clsOptions &, Prompt &, DialogRunner &>)
        window = std::make_unique<Window>(shown, *data.options, data.prompt, data.dialogs);
    else
        window = std::make_unique<Window>(shown, *data.options, data.prompt);
    window->resize(window->size());
    window->show();
    QTest::qWait(30);
    return window;
}

// The rows a list view shows, as texts.
inline QStringList texts(const QAbstractItemView *list)
{
    QStringList all;
    for (int i = 0; i < list->model()->rowCount(); ++i)
        all << list->model()->index(i, 0).data().toString();
    return all;
}

inline int currentRow(const QAbstractItemView *list)
{
    return list->currentIndex().row();
}

// The row of the list that shows `text`; -1 when none does.
inline int rowOf(const QAbstractItemView *list, const QString &text)
{
    return int(texts(list).indexOf(text));
}

inline void clickRow(QAbstractItemView *list, int row, bool twice = false)
{
    const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}
