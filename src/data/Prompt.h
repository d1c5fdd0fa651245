#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Every message box, yes/no question and input box of the program goes through this interface,
// so that business rules can ask the user something and tests can answer.
class Prompt
{
public:
    enum class Icon { Information, Warning, Critical };

    virtual ~Prompt() = default;

    // A message with an OK button. An empty title means the program's name.
    virtual void message(const QString &text, const QString &title = {}, Icon icon = Icon::Information) = 0;
    // A Yes/No question; true for Yes. `defaultNo` makes No the default button.
    virtual bool askYesNo(const QString &text, const QString &title = {}, bool defaultNo = false) = 0;
    // A one-line input box; nothing when the user cancels.
    virtual std::optional<QString> input(const QString &text, const QString &title = {},
                                         const QString &initial = {}) = 0;
};

// Answers from queues and records every text it was shown. Tests script the user with it; an
// unscripted question is answered No (or cancelled), so a forgotten answer shows in the record.
class ScriptedPrompt : public Prompt
{
public:
    struct Shown {
        enum Kind { Message, Question, Input } kind;
        QString text;
        QString title;
    };

    void queueYesNo(bool yes) { m_yesNo.append(yes); }
    void queueInput(std::optional<QString> value) { m_inputs.append(value); }

    void message(const QString &text, const QString &title, Icon icon) override;
    bool askYesNo(const QString &text, const QString &title, bool defaultNo) override;
    std::optional<QString> input(const QString &text, const QString &title, const QString &initial) override;

    const QList<Shown> &shown() const { return m_shown; }
    QStringList texts() const;        // the texts of everything shown, in order
    QStringList messages() const;     // the texts of the OK-only messages, in order
    int pendingAnswers() const { return int(m_yesNo.size() + m_inputs.size()); }
    void clear() { m_shown.clear(); }

private:
    QList<Shown> m_shown;
    QList<bool> m_yesNo;
    QList<std::optional<QString>> m_inputs;
};

// For headless commands: records messages, answers every question No and every input box with
// nothing, so that no command ever waits for a user.
class QuietPrompt : public ScriptedPrompt
{
};
