#pragma once

#include "data/EmployeeFieldTable.h"
#include "data/EmployeeInfoTarget.h"

#include <QMap>
#include <QWidget>
#include <array>

class DateBox;
class QCheckBox;
class QLabel;
class TimeBox;
class QGroupBox;
class QLineEdit;
class CheckedNamesModel;
class QListView;
class QRadioButton;
class QTabWidget;
class Prompt;
class clsEmployeeInfo;

// Edits one employee: names, personal and contact data, and the departments and positions the
// employee may work. The shown employee is written back whenever the control switches to
// another one (SetEmployeeNumber) and when its window closes (SaveCurrent).
class ctlUserInfo : public QWidget, public EmployeeInfoTarget
{
    Q_OBJECT

public:
    ctlUserInfo(clsEmployeeInfo &info, Prompt &prompt, QWidget *parent = nullptr);

    // Tab indexes of SSTab1.
    enum Tab { TabGeneral = 0, TabContact = 1, TabAvailability = 2, TabAssignments = 3 };

    void SetDepartments(const QStringList &names) override;
    void SetPositions(const QStringList &names) override;
    // Saves the shown employee (when there is one), then loads `number`. False, and nothing
    // switched, when the shown employee could not be saved (the user has been told).
    bool SetEmployeeNumber(qint32 number);
    qint32 EmployeeNumber() const { return m_employee; }
    // Saves the shown employee, then shows nobody: every field empty and the control disabled
    // until SetEmployeeNumber. False, and nothing changed, when the save failed.
    bool ShowNobody();
    // Forgets the shown employee without saving it (after the employee was deleted).
    void ForgetEmployee() { m_employee = 0; }
    // Writes the shown employee; true when done or when no employee is shown. A failed write
    // is told to the user and the fields keep what was typed.
    bool SaveCurrent();
    // Leaves no row of the two assignment lists current. The lists follow the stored
    // departments and positions by themselves, and a name keeps its mark while it exists: one
    // deleted in another window loses it, so it does not come back with the next save.
    void ReloadChoices();

    // Checks what cannot be stored as typed (a date that is none, an identification number that
    // is not nine digits, a phone that does not fit its field, hours that end before they begin);
    // empty when all is well, otherwise the reason, and the box concerned gets the focus.
    QString InputProblem();

    // The controls in Tab order, for the window around it to link into its own.
    QList<QWidget *> tabChain() const;

    bool dirty() const { return m_dirty; }
    void setDirty(bool dirty) { m_dirty = dirty; }

    // Starts and ends for week days 1 (Sunday) to 7, as time-of-day fractions; an end of
    // exactly midnight is returned as 1.0 (the end of the day). A day marked not available has
    // a start equal to its end.
    void AvalTimesWeekGet(std::array<double, 7> &starts, std::array<double, 7> &ends) const;
    void AvalTimesWeekSet(const std::array<double, 7> &starts, const std::array<double, 7> &ends);

    // What the boxes hold, as the employee record stores it; the number is the shown employee's.
    EmployeeFields fields() const;
    // Shows the record: texts trimmed, phones formatted, the week's hours.
    void setFields(const EmployeeFields &fields) override;

    // Week day 1 (Sunday) to 7 (Saturday); the stored date-time value, unchanged.
    void StartTimeSet(int day, double time);
    void EndTimeSet(int day, double time);

    // The stored form of a typed phone: its digits, "0" for none (what cannot be stored is
    // refused first by InputProblem).
    static QString PhoneText(const QString &typed);

    QStringList checkedDepartments() const;
    QStringList checkedPositions() const;

private:
    QLineEdit *textBox(const char *name, int width);
    // A box of a text field of the record, as long as the field; registered for fields().
    QLineEdit *fieldBox(EmployeeField field, const char *name);
    QString formTitle() const;
    // A list of names to mark, over a model that follows the stored names.
    QListView *choiceList(const char *name, CheckedNamesModel *choices, QWidget *parent);

    clsEmployeeInfo &m_info;
    Prompt &m_prompt;
    qint32 m_employee = 0;
    bool m_dirty = false;

    QList<std::pair<const EmployeeFieldEntry *, QLineEdit *>> m_fieldBoxes;
    QLineEdit *txtFirstName, *txtMiddleName, *txtLastName, *txtScheduleName, *txtSSNumber, *txtDescCode;
    QLabel *labSSNumber, *labDOB, *labHireDate, *labPhoneNumber, *labEmergencyPhone;
    // The identification number as loaded and as shown, kept while the text is not changed.
    qint32 m_ssStored = 0;
    QString m_ssShown;
    QTabWidget *SSTab1;
    DateBox *dtpDOB, *dtpHireDate;
    QGroupBox *Frame1;
    QRadioButton *optMale, *optFemale;
    QLineEdit *txtAddressLine1, *txtAddressLine2, *txtCity, *txtState, *txtZip, *txtPhoneNumber;
    QLineEdit *txtEmergencyContact, *txtEmergencyPhone, *txtSpouse;
    std::array<QLabel *, 7> labDay{};
    std::array<QCheckBox *, 7> chkNotAvailable{};
    std::array<TimeBox *, 7> dtpStart{};
    std::array<TimeBox *, 7> dtpEnd{};
    CheckedNamesModel *m_departmentChoices, *m_positionChoices;
    // Hourly rates as typed: the employee's own, and one per position (by name) for the
    // position chosen in the list. Saved with the employee into PayRates.csv.
    QLineEdit *txtHourlyRate, *txtPositionRate;
    QLabel *labHourlyRate, *labPositionRate;
    QMap<QString, QString> m_positionRates;
    bool m_ratesLoaded = false;   // false: the rates file could not be read; saving leaves it alone
    void loadRates();
    void showPositionRate();
    QListView *lisDepartments, *lisAvalibleJobs;
};
