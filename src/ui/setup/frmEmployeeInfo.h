#pragma once

#include <QWidget>

class QGroupBox;
class QLineEdit;
class EmployeeListModel;
class QListView;
class QSortFilterProxyModel;
class QPushButton;
class DialogRunner;
class Prompt;
class clsEmployeeInfo;
class clsOptions;
class ctlUserInfo;

// Lists the employees and edits the selected one in ctlUserInfo1. There is no Save button:
// the shown employee is written when another one is selected, when one is added, and when the
// window closes (also at program shutdown, which closes the window).
class frmEmployeeInfo : public QWidget
{
    Q_OBJECT

public:
    // Room for the editor control even while it is hidden (no employees yet), so the window
    // does not open cramped and stay so once the first employee is added.
    QSize sizeHint() const override;

    frmEmployeeInfo(clsEmployeeInfo &info, clsOptions &options, Prompt &prompt, DialogRunner &dialogs,
                    QWidget *parent = nullptr);

    // Reloads the list from the stored data and shows the first employee.
    void refreshlist();
    // Writes the shown employee's fields; false when that failed (the user has been told).
    bool SaveCurrent();
    qint32 selectedEmployee() const { return m_selected; }

Q_SIGNALS:
    // Print was chosen: the employee reports window should be shown.
    void printRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    // Print becomes available once someone shows the employee reports for it.
    void connectNotify(const QMetaMethod &signal) override;

private:
    void lisEmployeeList_Click();
    void cmdAddEmployee_Click();
    void cmdDelete_Click();
    // Adds the employees of a CSV file the user chooses, after showing what would change.
    void cmdImport_Click();
    // Makes the listed row of `number` the current one without loading it again.
    void SelectQuietly(qint32 number);
    // After the listed rows changed: the shown employee stays current when listed, otherwise
    // the first listed one is shown.
    void Settle();
    // Shows only the employees whose names contain the typed text.
    void ApplyFilter();
    // The editor empty and disabled, for a filter that lists nobody.
    void ShowNobody();
    qint32 CurrentNumber() const;
    void UpdateButtons();

    clsEmployeeInfo &m_info;
    Prompt &m_prompt;
    DialogRunner &m_dialogs;
    qint32 m_selected = 0;
    // While the listed rows change, the current row may move by itself: that loads no employee.
    int m_rowsChanging = 0;
    EmployeeListModel *m_employees;
    QSortFilterProxyModel *m_filter;

    QGroupBox *fraEmployeeList;
    QLineEdit *txtFilter;
    QListView *lisEmployeeList;
    QPushButton *cmdAddEmployee;
    QPushButton *cmdDelete;
    QPushButton *cmdImport;
    QPushButton *cmdPrint;
    QPushButton *cmdClose;
    ctlUserInfo *ctlUserInfo1;
};
