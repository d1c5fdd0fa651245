#pragma once

#include <QDialog>

class DateBox;
class QLineEdit;
class QPushButton;
class TimeBox;
class DialogRunner;
class Prompt;

// Edits one time-off period: its first and last date-time and its reason. Add (or Save) keeps
// the values, Delete asks for the period's removal, Cancel, Escape and the window frame change
// nothing. A period must end after it begins, and its reason must fit the time-off file.
class frmAddTimeOFf : public QDialog
{
    Q_OBJECT

public:
    frmAddTimeOFf(Prompt &prompt, DialogRunner &dialogs, QWidget *parent = nullptr);

    // True prepares an addition ("Add Time Off", no Delete); false an edit ("Edit Time Off").
    void HideDelete(bool hide);
    // Shows the period, runs the dialog modally and returns the edited values and what the
    // user chose; exactly one of the three flags is set.
    void DisplayWindow(double &first, double &last, QString &reason, bool &saved, bool &deleted, bool &cancelled);

    static constexpr int kReasonWidth = 30;   // bytes of the reason in a time-off record

private:
    void cmdAdd_Click();
    void recompute();

    Prompt &m_prompt;
    DialogRunner &m_dialogs;
    double m_first = 0;
    double m_last = 0;
    bool m_saved = false;
    bool m_deleted = false;

    DateBox *dtpFirstDate;
    TimeBox *dtpFirstTime;
    DateBox *dtpLastDate;
    TimeBox *dtpLastTime;
    QLineEdit *txtReason;
    QPushButton *cmdAdd;
    QPushButton *cmdDelete;
    QPushButton *cmdCancel;
};
