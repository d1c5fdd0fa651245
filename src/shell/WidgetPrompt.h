#pragma once

#include "data/Prompt.h"

#include <QPointer>
#include <QWidget>

// The program's message boxes, yes/no questions and input boxes, shown over the main window.
// An empty title is replaced by the program's name.
class WidgetPrompt : public Prompt
{
public:
    explicit WidgetPrompt(QWidget *parent = nullptr) : m_parent(parent) {}

    // The window the boxes are centred on; may change after construction (the main window is
    // created with the prompt already in hand).
    void setParentWidget(QWidget *parent) { m_parent = parent; }

    void message(const QString &text, const QString &title, Icon icon) override;
    bool askYesNo(const QString &text, const QString &title, bool defaultNo) override;
    std::optional<QString> input(const QString &text, const QString &title, const QString &initial) override;

    static QString titleOrProgramName(const QString &title);

private:
    QPointer<QWidget> m_parent;
};
