#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QComboBox;
class QGroupBox;
class QSpinBox;
class QPushButton;
class TimeBox;
class Prompt;
class clsEmployeeInfo;
class clsOptions;

// Edits one department's first week day, overtime limits, display start time, whether the
// position pick list is always shown, and its weekly budget and overtime multiplier. Save writes everything and closes; Cancel writes nothing.
class frmDepartmentSettings : public QDialog
{
    Q_OBJECT

public:
    frmDepartmentSettings(clsEmployeeInfo &info, clsOptions &options, Prompt &prompt,
                          QWidget *parent = nullptr);

    // Loads the department's stored settings into the controls. Run the dialog through a DialogRunner.
    void DisplayForm(const QString &name);

    const QString &departmentName() const { return m_name; }
    // True after Save has stored everything.
    bool saved() const { return m_saved; }

private:
    void cmdSave_Click();
    void cmdCancel_Click();

    clsEmployeeInfo &m_info;
    clsOptions &m_options;
    Prompt &m_prompt;
    QString m_name;
    bool m_saved = false;

    QComboBox *comFirstDayofWeek;
    QGroupBox *Frame1;
    QSpinBox *txtDayHours;
    QSpinBox *txtWeekHours;
    TimeBox *dtpDisplayStartTime;
    QCheckBox *chkForceJosDisplayAlways;
    // Budgets.csv: the weekly labour budget (empty: none) and the overtime pay multiplier.
    QLineEdit *txtWeeklyBudget;
    QLineEdit *txtOvertimeMultiplier;
    QLabel *labWeeklyBudget, *labOvertimeMultiplier;
    QPushButton *cmdSave;
    QPushButton *cmdCancel;
};
