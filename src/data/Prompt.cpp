#include "Prompt.h"

void QuietPrompt::message(const QString &text, const QString &, Icon)
{
    m_texts << text;
}

bool QuietPrompt::askYesNo(const QString &text, const QString &, bool)
{
    m_texts << text;
    return false;
}

std::optional<QString> QuietPrompt::input(const QString &text, const QString &, const QString &)
{
    m_texts << text;
    return std::nullopt;
}

std::optional<qint32> QuietPrompt::chooseColor(qint32, const QString &title)
{
    m_texts << title;
    return std::nullopt;
}

std::optional<QString> QuietPrompt::saveFileName(const QString &caption, const QString &, const QString &)
{
    m_texts << caption;
    return std::nullopt;
}

std::optional<QString> QuietPrompt::openFileName(const QString &caption, const QString &)
{
    m_texts << caption;
    return std::nullopt;
}

std::optional<int> QuietPrompt::chooseItem(const QString &text, const QStringList &, int, const QString &)
{
    m_texts << text;
    return std::nullopt;
}

std::optional<QDate> QuietPrompt::chooseDate(const QString &text, const QDate &, const QString &)
{
    m_texts << text;
    return std::nullopt;
}
