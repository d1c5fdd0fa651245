#include "Prompt.h"

void ScriptedPrompt::message(const QString &text, const QString &title, Icon)
{
    m_shown.append({Shown::Message, text, title});
}

bool ScriptedPrompt::askYesNo(const QString &text, const QString &title, bool)
{
    m_shown.append({Shown::Question, text, title});
    return m_yesNo.isEmpty() ? false : m_yesNo.takeFirst();
}

std::optional<QString> ScriptedPrompt::input(const QString &text, const QString &title, const QString &)
{
    m_shown.append({Shown::Input, text, title});
    return m_inputs.isEmpty() ? std::nullopt : m_inputs.takeFirst();
}

QStringList ScriptedPrompt::texts() const
{
    QStringList result;
    for (const Shown &s : m_shown)
        result << s.text;
    return result;
}

QStringList ScriptedPrompt::messages() const
{
    QStringList result;
    for (const Shown &s : m_shown)
        if (s.kind == Shown::Message)
            result << s.text;
    return result;
}
