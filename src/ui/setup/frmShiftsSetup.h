#pragma once

#include "data/clsEmployeeInfo.h"

#include <QWidget>

class QComboBox;
class QListWidget;
class QPushButton;
class DialogRunner;
class Prompt;
class clsOptions;

// Maintains each department's ordered list of default shifts. Every command stores the whole
// list at once and shows it again as stored.
class frmShiftsSetup : public QWidget
{
    Q_OBJECT

public:
    frmShiftsSetup(clsEmployeeInfo &info, clsOptions &options, Prompt &prompt, DialogRunner &dialogs,
                   QWidget *parent = nullptr);

    // False when there was no department to show; the window then closes as soon as it shows.
    bool hasDepartments() const { return m_hasDepartments; }

private:
    void comDepartmentName_Click();
    void cmdAdd_Click();
    void cmdEdit_Click();
    void cmdDelete_Click();
    void cmdUp_Click();
    void CmdDown_Click();
    // Stores the list for the shown department, reloads it (which selects the first shift)
    // and then selects `row` when it is not -1.
    void SaveAndReload(int row);
    int SelectedPlace() const;
    void UpdateButtons();
    // Another window changed the departments: list them as they are, keeping the shown one
    // when it still exists.
    void FollowDepartments();   // 1-based; 0 when nothing is selected
    // The add-shift dialog over the given times; the times saved there, or nothing.
    std::optional<QPair<double, double>> AskTimes(double start, double end);

    clsEmployeeInfo &m_info;
    Prompt &m_prompt;
    DialogRunner &m_dialogs;
    QList<DefaultShift> m_shifts;
    bool m_hasDepartments = false;

    QComboBox *comDepartmentName;
    QListWidget *lisShifts;
    QPushButton *cmdAdd;
    QPushButton *cmdEdit;
    QPushButton *cmdDelete;
    QPushButton *cmdUp;
    QPushButton *CmdDown;
    QPushButton *cmdClose;
};
