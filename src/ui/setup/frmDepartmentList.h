#pragma once

#include <QWidget>

class DepartmentListModel;
class QListView;
class QPushButton;
class DialogRunner;
class Prompt;
class clsEmployeeInfo;
class clsOptions;

// Lists the departments; adds, deletes and opens them in the settings dialog. With no
// department at all, the first one is asked for as soon as the window shows.
class frmDepartmentList : public QWidget
{
    Q_OBJECT

public:
    frmDepartmentList(clsEmployeeInfo &info, clsOptions &options, Prompt &prompt, DialogRunner &dialogs,
                      QWidget *parent = nullptr);

private:
    // Selects the department of `row` (nothing when there is none) and updates the buttons.
    void SelectRow(int row);
    // The list follows every change of the departments by itself; this keeps the selected
    // department selected (the first one when it is gone).
    void FollowChanges();
    // The selected department; empty when none is selected.
    QString SelectedName() const;
    void UpdateButtons();
    void cmdAdd_Click();
    void cmdEditDepartment_Click();
    void cmdDelete_Click();
    void OpenSettings(const QString &name);

    clsEmployeeInfo &m_info;
    clsOptions &m_options;
    Prompt &m_prompt;
    DialogRunner &m_dialogs;

    DepartmentListModel *m_departments;
    QString m_selectedBefore;   // the selected department before the change FollowChanges follows
    QListView *lisDepartments;
    QPushButton *cmdAdd;
    QPushButton *cmdEditDepartment;
    QPushButton *cmdDelete;
    QPushButton *cmdClose;
};
