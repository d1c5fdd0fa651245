#pragma once

#include "data/Prompt.h"
#include "DialogRunner.h"

#include <QPointer>
#include <QWidget>

// The program's message boxes, questions and standard dialogs, shown over the main window, and
// the runner of its own dialogs. An empty title is replaced by the program's name.
class WidgetPrompt : public Prompt, public DialogRunner
{
public:
    explicit WidgetPrompt(QWidget *parent = nullptr) : m_parent(parent) {}

    // The window the boxes are centred on; may change after construction (the main window is
    // created with the prompt already in hand).
    void setParentWidget(QWidget *parent) { m_parent = parent; }

    void message(const QString &text, const QString &title, Icon icon) override;
    bool askYesNo(const QString &text, const QString &title, bool defaultNo) override;
    std::optional<QString> input(const QString &text, const QString &title, const QString &initial) override;
    std::optional<qint32> chooseColor(qint32 initial, const QString &title) override;
    std::optional<QString> saveFileName(const QString &caption, const QString &suggested,
                                        const QString &filter) override;
    std::optional<QString> openFileName(const QString &caption, const QString &filter) override;
    std::optional<int> chooseItem(const QString &text, const QStringList &items, int current,
                                  const QString &title) override;
    std::optional<QDate> chooseDate(const QString &text, const QDate &initial, const QString &title) override;

    int exec(QDialog &dialog) override;

    static QString titleOrProgramName(const QString &title);

private:
    QWidget *owner() const;

    QPointer<QWidget> m_parent;
};
