#pragma once

#include "grid/TimeGridModel.h"

#include <QWidget>
#include <memory>

class QComboBox;
class QDateEdit;
class QPushButton;
class QUndoStack;
class DialogRunner;
class Prompt;
class ShiftEditController;
class TimeGrid;
class clsEmployeeInfo;
class clsOptions;
class clsScheduleData;

// The time-off scheduler ("Availability Manager"): one employee's time-off periods as blocks on
// a single grid row. A click on free time adds a period for that day, a click on a period edits
// or deletes it (frmAddTimeOFf), a drag moves or resizes it; every change can be undone.
//
// The periods are written to the employee's time-off file before another employee is shown
// and when the window closes, only when something changed. A failed write is shown with the
// file and the reason, and the periods stay on the grid: the window then keeps the employee
// (and stays open unless the user chooses to lose the changes).
class frmTimeOffSetup : public QWidget
{
    Q_OBJECT

public:
    frmTimeOffSetup(clsEmployeeInfo &info, clsOptions &options, Prompt &prompt, DialogRunner &dialogs,
                    QWidget *parent = nullptr);
    ~frmTimeOffSetup() override;

    // False when there was no employee to show; the window then closes as soon as it shows.
    bool hasEmployees() const { return m_hasEmployees; }
    // The employee whose periods are shown; 0 for none (no employees, or an unreadable file).
    qint32 currentEmployee() const { return m_employee; }
    TimeGrid *grid() const { return TimeGrid1; }
    QUndoStack *undoStack() const;

    // Writes the shown periods when they changed since the last load or save. False when the
    // file could not be written (the user has been told; the periods stay as they are).
    bool SaveTimeOff();

    // Wide enough for a week of days on the time line.
    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void comEmployee_Click(int index);
    void loadEmployee(int index);
    void gridClicked(int block, Qt::MouseButton button, QPoint point);
    void blockDragged(int id, BlockPlace from, BlockPlace to);
    void addPeriod(double day);
    void editPeriod(int block);
    void deleteSelected();
    // Shows the week from `day` on, and the picker follows.
    void showDay(double day);
    void relabel();
    static QString periodText(double begin, double end);

    clsEmployeeInfo &m_info;
    Prompt &m_prompt;
    DialogRunner &m_dialogs;
    std::unique_ptr<clsScheduleData> m_schedule;
    std::unique_ptr<ShiftEditController> m_edits;   // after the schedule: it edits it
    qint32 m_employee = 0;
    int m_shownIndex = -1;
    bool m_hasEmployees = false;

    QComboBox *comEmployee;
    QDateEdit *dtpShown;
    QPushButton *cmdToday;
    QPushButton *cmdPrevWeek;
    QPushButton *cmdNextWeek;
    TimeGrid *TimeGrid1;
    QPushButton *cmdUndo;
    QPushButton *cmdRedo;
    QPushButton *cmdClose;
};
