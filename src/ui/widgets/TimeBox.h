#pragma once

#include <QTime>
#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;

// A time of day typed the way people write it: "10p", "10:00 pm", "22:00", "7:30a", "1030".
// "a" or "p" alone moves the shown time to the morning or the afternoon. Beside the box it
// shows the time it will store; on leaving the box the text becomes that time ("10:00 PM").
// Up and Down step by a quarter of an hour.
class TimeBox : public QWidget
{
    Q_OBJECT

public:
    explicit TimeBox(const QString &name, QWidget *parent = nullptr);

    // The time the text means; while it means none, the last time it did.
    QTime time() const { return m_time; }
    void setTime(QTime time);
    // False while the text means no time of day.
    bool hasAcceptableInput() const { return m_valid; }
    QLineEdit *lineEdit() const { return m_edit; }

    // What the text means, or nothing. `current` is the time "a" or "p" alone moves.
    static std::optional<QTime> Parse(const QString &text, QTime current);
    // The time in the user's short form: "10:00 PM", "22:00".
    static QString Text(QTime time);

Q_SIGNALS:
    void timeChanged(QTime time);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void interpret();
    void showStored();

    QLineEdit *m_edit;
    QLabel *m_shows;
    QTime m_time{0, 0};
    bool m_valid = true;
};
