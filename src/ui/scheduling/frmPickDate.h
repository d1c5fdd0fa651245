#pragma once

#include <QDialog>

class QCalendarWidget;
class QPushButton;
class DialogRunner;

// "Pick Date": chooses the week to go to on a month calendar. A date clicked in the calendar
// acts as Ok; the answer is the chosen day and that day plus six, or 0 and 0 when cancelled.
class frmPickDate : public QDialog
{
    Q_OBJECT

public:
    explicit frmPickDate(DialogRunner &dialogs, QWidget *parent = nullptr);

    // Presets the calendar to `first` and runs the dialog; `last` is not used.
    void SetDates(double first, double last);
    void GetSettings(double &first, double &last) const;

    QCalendarWidget *dtpFirstDate = nullptr;
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    void choose();

    DialogRunner &m_dialogs;
    double m_first = 0;
    double m_last = 0;
};
