#pragma once

#include <QWidget>

class QListWidget;
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
    void ReloadList();
    // Shows the departments as they are in memory, keeping the selected one: another window
    // changed them.
    void FollowChanges();
    void UpdateButtons();
    void cmdAdd_Click();
    void cmdEditDepartment_Click();
    void cmdDelete_Click();
    void OpenSettings(const QString &name);

    clsEmployeeInfo &m_info;
    clsOptions &m_options;
    Prompt &m_prompt;
    DialogRunner &m_dialogs;

    QListWidget *lisDepartments;
    QPushButton *cmdAdd;
    QPushButton *cmdEditDepartment;
    QPushButton *cmdDelete;
    QPushButton *cmdClose;
};
