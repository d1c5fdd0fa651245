#pragma once

#include <QDate>
#include <QWidget>
#include <optional>

class QCalendarWidget;
class QLabel;
class QLineEdit;

// A date typed the way the box shows it, in the user's short date order ("3/15/1990",
// "15.03.1990"): any of "/", ".", "-" or a blank between the parts, the year with two or four
// digits. The whole date is checked at once, so 2/29/1996 is a date and 2/29/1995 is not;
// beside the box it says when the text is not a date. No key leaves the box but Tab.
// F4 or Alt+Down opens a calendar; Escape closes only the calendar.
class DateBox : public QWidget
{
    Q_OBJECT

public:
    explicit DateBox(const QString &name, QWidget *parent = nullptr);

    // The date the text means; while it means none, the last date it did.
    QDate date() const { return m_date; }
    void setDate(QDate date);
    // False while the text means no date.
    bool hasAcceptableInput() const { return m_valid; }
    QLineEdit *lineEdit() const { return m_edit; }
    // How a date is written in this box ("3/15/1990").
    QString Text(QDate date) const;
    // What the text means in a date format's order of day, month and year, or nothing. A
    // two-digit year is the one within 80 years before and 19 after `today`.
    static std::optional<QDate> Parse(const QString &text, const QString &format, QDate today = QDate::currentDate());

    void showCalendar();

Q_SIGNALS:
    void dateChanged(QDate date);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void interpret();
    void showState();

    QString m_format;
    QLineEdit *m_edit;
    QLabel *m_shows;
    QDate m_date;
    bool m_valid = true;
};
