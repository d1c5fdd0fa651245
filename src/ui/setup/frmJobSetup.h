#pragma once

#include <QWidget>

class JobInfo;
class QListWidget;
class QPushButton;
class Prompt;
class clsEmployeeInfo;
class clsOptions;

// Lists the positions, adds and deletes them, and shows the selected one's colours for
// editing. Every change is stored at once.
class frmJobSetup : public QWidget
{
    Q_OBJECT

public:
    frmJobSetup(clsEmployeeInfo &info, clsOptions &options, Prompt &prompt, QWidget *parent = nullptr);

private:
    // Fills the list from memory and selects `name` (the first position when it is gone).
    void ReloadList(const QString &name = {});
    void lisJobNames_Click();
    void cmdAdd_Click();
    void cmdDelete_Click();

    clsEmployeeInfo &m_info;
    Prompt &m_prompt;

    QListWidget *lisJobNames;
    QPushButton *cmdAdd;
    QPushButton *cmdDelete;
    QPushButton *cmdClose;
    JobInfo *JobInfo1;
};
