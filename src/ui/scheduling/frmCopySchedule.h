#pragma once

#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;
class DialogRunner;

// "Copy Schedule": the day or week to copy to, clicked on a month calendar. The caller sets
// the two labels and the preset date, then runs it; 0 means cancelled.
class frmCopySchedule : public QDialog
{
    Q_OBJECT

public:
    explicit frmCopySchedule(DialogRunner &dialogs, QWidget *parent = nullptr);

    // Runs the dialog with the calendar on `preset`; the chosen date, 0 when cancelled.
    double Ask(const QString &caption, const QString &prompt, double preset);
    double GetSelectedDate() const { return m_chosen; }

    QCalendarWidget *MonthView1 = nullptr;
    QLabel *labCopyInfor = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    DialogRunner &m_dialogs;
    double m_chosen = 0;
};
