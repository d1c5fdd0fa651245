#pragma once

#include "ShiftEditWindow.h"

class QComboBox;
class QLabel;
class QPushButton;

// One employee's week in one department, close up: the scheduler's ways of adding, moving and
// editing shifts on a grid of that employee's shifts alone. Dragging a shift to another day
// copies it there; pasting puts the copied shift on the day clicked at its own times of day;
// shifts that touch the employee's time off are refused. The week is saved when the window
// closes.
class frmEmployeeWeek : public ShiftEditWindow
{
    Q_OBJECT

public:
    frmEmployeeWeek(clsEmployeeInfo &info, clsOptions &options, Prompt &prompt, DialogRunner &dialogs,
                    QWidget *parent = nullptr);

    // Loads the employee's shifts of the week from `firstDay` in the department; false when
    // the week could not be read (the window is then not shown).
    bool DisplayWindow(qint32 employee, double firstDay, const QString &department);
    qint32 employee() const { return m_employee; }

protected:
    void done(int result) override;
    qint32 employeeOfRow(int row) const override;
    EditOutcome extraRefusal(int row, double begin, double end) const override;
    void pasteAt(int row, double time) override;
    void onBlockChangeRequested(int id, BlockPlace from, BlockPlace to) override;
    void setPositionText(const QString &text, const QColor &color) override;

private:
    QComboBox *comShiftAddConfig = nullptr;
    QComboBox *comBarDisplay = nullptr;
    QComboBox *comSnapTo = nullptr;
    QLabel *labMousePos = nullptr;
    QPushButton *cmdClose = nullptr;
    qint32 m_employee = 0;
    QList<QPair<double, double>> m_timeOff;
    bool m_closing = false;
};
