#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>
#include <optional>

class QGroupBox;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class DialogRunner;
class Prompt;
class clsEmployeeInfo;

// What the report filter chose. A flag set means "All": its list is then empty and must not
// narrow anything.
struct ReportFilterChoice {
    bool allDepartments = true;
    QStringList departments;
    bool allPositions = true;
    QStringList positions;
    bool allEmployees = true;
    QList<qint32> employees;
};

// "Report Filter": three steps (departments, the positions of those departments, the employees
// holding them), each "All" or a selection, walked with Next and Back; Finish takes the rest of
// the steps as they come and checks that every "Selected" list has a choice.
class frmReportFilter : public QDialog
{
    Q_OBJECT

public:
    frmReportFilter(const clsEmployeeInfo &info, Prompt &prompt, QWidget *parent = nullptr);

    // Shows the filter with the preset departments chosen ("All" when there are none) and
    // returns the choice, or nothing when cancelled.
    std::optional<ReportFilterChoice> GetReturnValues(DialogRunner &dialogs, const QStringList &presetDepartments);
    void DisplayWindow(const QStringList &presetDepartments);

    int step() const { return m_step; }
    // One step forward; false when the step's selection is missing (the user was told).
    bool Next();
    void Back();
    // Completes the steps and stores the choice; false when a selection is missing.
    bool Finish();
    const ReportFilterChoice &choice() const { return m_choice; }

    QTabWidget *SSTab1 = nullptr;
    QListWidget *lisDepartments = nullptr;
    QListWidget *lisPositions = nullptr;
    QListWidget *lisEmployees = nullptr;
    QRadioButton *optDepartmentAll = nullptr;
    QRadioButton *optDepartmentSelected = nullptr;
    QRadioButton *optPositionsAll = nullptr;
    QRadioButton *optPositionsSelected = nullptr;
    QRadioButton *optEmployeesAll = nullptr;
    QRadioButton *optEmployeesSelected = nullptr;
    QPushButton *cmdFinish = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdBack = nullptr;

private:
    struct Step {
        QListWidget *list;
        QRadioButton *all;
        QRadioButton *selected;
    };
    QWidget *makeStep(const QString &frame, QListWidget *&list, QRadioButton *&all, QRadioButton *&selected,
                      const QString &listName, const QString &allName, const QString &selectedName);
    Step stepOf(int index) const;
    void chooseAll(int index, bool all);
    void showStep();
    static QStringList selectedTexts(const QListWidget *list);
    static QList<qint32> selectedNumbers(const QListWidget *list);
    void fillEmployees(const QStringList &names, const QList<qint32> &numbers, bool select);

    const clsEmployeeInfo &m_info;
    Prompt &m_prompt;
    int m_step = 0;
    ReportFilterChoice m_choice;
};
