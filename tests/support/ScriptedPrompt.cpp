#include "ScriptedPrompt.h"

void ScriptedPrompt::message(const QString &text, const QString &title, Icon)
{
    m_shown.append({Shown::Message, text, title, {}});
}

QVariant ScriptedPrompt::ask(Shown::Kind kind, const QString &text, const QString &title, const QVariant &offered)
{
    m_shown.append({kind, text, title, offered});
    QList<QVariant> &answers = m_answers[kind];
    return answers.isEmpty() ? QVariant() : answers.takeFirst();
}

bool ScriptedPrompt::askYesNo(const QString &text, const QString &title, bool defaultNo)
{
    return answer<bool>(Shown::Question, text, title, defaultNo).value_or(false);
}

std::optional<QString> ScriptedPrompt::input(const QString &text, const QString &title, const QString &initial)
{
    return answer<QString>(Shown::Input, text, title, initial);
}

std::optional<qint32> ScriptedPrompt::chooseColor(qint32 initial, const QString &title)
{
    return answer<qint32>(Shown::Color, QString(), title, initial);
}

std::optional<QString> ScriptedPrompt::saveFileName(const QString &caption, const QString &suggested,
                                                    const QString &filter)
{
    return answer<QString>(Shown::SaveFile, filter, caption, suggested);
}

std::optional<QString> ScriptedPrompt::openFileName(const QString &caption, const QString &filter)
{
    return answer<QString>(Shown::OpenFile, filter, caption, QVariant());
}

std::optional<int> ScriptedPrompt::chooseItem(const QString &text, const QStringList &items, int,
                                              const QString &title)
{
    return answer<int>(Shown::Item, text, title, items);
}

std::optional<QDate> ScriptedPrompt::chooseDate(const QString &text, const QDate &initial, const QString &title)
{
    return answer<QDate>(Shown::Date, text, title, initial);
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
