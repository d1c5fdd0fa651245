#pragma once

#include "data/Prompt.h"

#include <QMap>
#include <QVariant>

// The user, scripted: answers from queues, one per kind of question, and records everything it
// was shown. An unscripted question is answered No or cancelled, so a forgotten answer shows
// in the record rather than hanging the test.
class ScriptedPrompt : public Prompt
{
public:
    struct Shown {
        enum Kind { Message, Question, Input, Color, SaveFile, OpenFile, Item, Date } kind;
        QString text;
        QString title;
        QVariant offered;   // the initial value, suggested path or item list the dialog showed;
                            // for a question, whether No is the default
    };

    void queueYesNo(bool yes) { m_answers[Shown::Question].append(yes); }
    void queueInput(std::optional<QString> value) { queue(Shown::Input, value); }
    void queueColor(std::optional<qint32> value) { queue(Shown::Color, value); }
    void queueSaveFile(std::optional<QString> path) { queue(Shown::SaveFile, path); }
    void queueOpenFile(std::optional<QString> path) { queue(Shown::OpenFile, path); }
    void queueItem(std::optional<int> index) { queue(Shown::Item, index); }
    void queueDate(std::optional<QDate> day) { queue(Shown::Date, day); }

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

    const QList<Shown> &shown() const { return m_shown; }
    QStringList texts() const;        // the texts of everything shown, in order
    QStringList messages() const;     // the texts of the OK-only messages, in order
    void clear() { m_shown.clear(); }

private:
    template <class T>
    void queue(Shown::Kind kind, const std::optional<T> &value)
    {
        m_answers[kind].append(value ? QVariant::fromValue(*value) : QVariant());
    }
    // Records the question and takes its scripted answer; an invalid variant for "cancelled".
    QVariant ask(Shown::Kind kind, const QString &text, const QString &title, const QVariant &offered);
    template <class T>
    std::optional<T> answer(Shown::Kind kind, const QString &text, const QString &title, const QVariant &offered)
    {
        const QVariant value = ask(kind, text, title, offered);
        return value.isValid() ? std::optional<T>(value.value<T>()) : std::nullopt;
    }

    QList<Shown> m_shown;
    QMap<Shown::Kind, QList<QVariant>> m_answers;
};
