#pragma once

#include <QWidget>

class JobInfo;
class PositionListModel;
class QListView;
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
    // Selects `name` (the first position when it is gone) and shows its colours.
    void SelectName(const QString &name = {});
    QString CurrentName() const;
    void lisJobNames_Click();
    void cmdAdd_Click();
    void cmdDelete_Click();

    clsEmployeeInfo &m_info;
    Prompt &m_prompt;

    PositionListModel *m_positions;
    QString m_currentBefore;   // the current position before the change the list follows
    QListView *lisJobNames;
    QPushButton *cmdAdd;
    QPushButton *cmdDelete;
    QPushButton *cmdClose;
    JobInfo *JobInfo1;
};
