#pragma once

#include "planning/StaffingNeeds.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class Prompt;
class clsEmployeeInfo;

// Setup > Staffing Needs: a department's needs as a table (weekday, position, from, to, needed,
// most), with add, delete, copying a weekday's rows to other weekdays, undo, and the checks of
// the file's reader; saving replaces the department's rows of StaffingNeeds.csv.
class frmStaffingNeeds : public QWidget
{
    Q_OBJECT

public:
    frmStaffingNeeds(clsEmployeeInfo &info, Prompt &prompt, QWidget *parent = nullptr);

    QString department() const;
    void showDepartment(const QString &department);
    // The rows as typed; problems (row from 1, column, reason) of those that do not pass.
    QList<NeedRow> rows(QList<CsvProblem> *problems = nullptr) const;
    bool isModified() const { return m_modified; }

    void cmdAdd_Click();
    void cmdDelete_Click();
    void cmdCopyDay_Click();
    void cmdUndo_Click();
    bool cmdSave_Click();

protected:
    // Unsaved rows are offered for saving first; a save that fails keeps the window open.
    void closeEvent(QCloseEvent *event) override;

private:
    void load();
    void fill(const QList<QStringList> &texts);
    QString problemText(const CsvProblem &problem) const;
    QList<QStringList> texts() const;
    void remember();   // the table before a change, for Undo
    void check();

    clsEmployeeInfo &m_info;
    Prompt &m_prompt;
    StaffingNeeds m_needs;
    QString m_shown;
    QList<QList<QStringList>> m_undo;
    bool m_filling = false;
    bool m_modified = false;

    QComboBox *comDepartment;
    QTableWidget *tblNeeds;
    QLabel *labProblem;
    QPushButton *cmdAdd;
    QPushButton *cmdDelete;
    QPushButton *cmdCopyDay;
    QPushButton *cmdUndo;
    QPushButton *cmdSave;
    QPushButton *cmdClose;
};
