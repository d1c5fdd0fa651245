#pragma once

#include <QDialog>

class QPushButton;
class TimeBox;
class DialogRunner;

// Asks for one shift's start and end time. Save keeps the two times; Close, Escape and the
// window frame keep 0 and 0, which the caller reads as "nothing chosen".
class frmAddShift : public QDialog
{
    Q_OBJECT

public:
    explicit frmAddShift(DialogRunner &dialogs, QWidget *parent = nullptr);

    // Shows the time-of-day parts of both values and runs the dialog modally through the runner.
    int TimesSetAndDisplay(double start, double end);
    // The kept times; both 0 after Close.
    void TimesGet(double &start, double &end) const;

    void done(int result) override;

private:
    void cmdSave_Click();

    DialogRunner &m_dialogs;
    double m_start = 0;
    double m_end = 0;
    TimeBox *dtpStart;
    TimeBox *dtpEnd;
    QPushButton *cmdSave;
    QPushButton *cmdClose;
};
