#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Every message box, question and standard dialog of the program goes through this interface,
// so that business rules can ask the user something and tests can answer. Every question has
// an answer for "cancelled": nothing, or No.
class Prompt
{
public:
    enum class Icon { Information, Warning, Critical };

    virtual ~Prompt() = default;

    // A message with an OK button. An empty title means the program's name.
    virtual void message(const QString &text, const QString &title = {}, Icon icon = Icon::Information) = 0;
    // A Yes/No question; true for Yes. `defaultNo` makes No the default button.
    virtual bool askYesNo(const QString &text, const QString &title = {}, bool defaultNo = false) = 0;
    // A one-line input box.
    virtual std::optional<QString> input(const QString &text, const QString &title = {},
                                         const QString &initial = {}) = 0;
    // The colour dialog. Colours are stored values, 0x00BBGGRR (red in the lowest byte).
    virtual std::optional<qint32> chooseColor(qint32 initial, const QString &title = {}) = 0;
    // A file to save to; `filter` as "PDF files (*.pdf)".
    virtual std::optional<QString> saveFileName(const QString &caption, const QString &suggested,
                                                const QString &filter) = 0;
    // An existing file to open; `filter` as "CSV files (*.csv)".
    virtual std::optional<QString> openFileName(const QString &caption, const QString &filter) = 0;
    // One item of `items`, `current` chosen at first; the index of the chosen one.
    virtual std::optional<int> chooseItem(const QString &text, const QStringList &items, int current,
                                          const QString &title = {}) = 0;
    // A day from a calendar.
    virtual std::optional<QDate> chooseDate(const QString &text, const QDate &initial, const QString &title = {}) = 0;
};

// For headless commands: keeps the text of everything it was asked to show, so that a command
// can print it, and answers every question No or cancelled, so that no command ever waits.
class QuietPrompt : public Prompt
{
public:
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

    // The texts shown or asked, in order.
    const QStringList &texts() const { return m_texts; }

private:
    QStringList m_texts;
};
