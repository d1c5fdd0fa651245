#pragma once

#include "exchange/ImportEmployees.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
class DialogRunner;
class Prompt;
class clsEmployeeInfo;

// Shows what importing a CSV file of employees would change, before anything is written: one
// row per employee to add, then the bad rows (line, column, reason) and the employees already
// there; a bad row names the person, the line, the column and the reason. The two choices
// re-check the file at once. Import is offered only when something can
// be added and no bad row stands in the way.
class frmImportEmployees : public QDialog
{
    Q_OBJECT

public:
    frmImportEmployees(const clsEmployeeInfo &info, const QByteArray &csv, const QString &fileName,
                       DialogRunner &dialogs, Prompt &prompt, QWidget *parent = nullptr);
    // Asks where, then writes a CSV file naming every column with two example rows.
    static void SaveSample(Prompt &prompt, const QString &title);

    // Runs the dialog through the runner; QDialog::Accepted when Import was chosen.
    int Display();
    // The plan for the choices made, and those choices.
    const ImportEmployees::Plan &plan() const { return m_plan; }
    ImportEmployees::Options options() const;

private:
    // Checks the file again with the current choices and shows the result.
    void Recheck();

    const clsEmployeeInfo &m_info;
    QByteArray m_csv;
    DialogRunner &m_dialogs;
    Prompt &m_prompt;
    ImportEmployees::Plan m_plan;

    QLabel *lblSummary;
    QTableWidget *tblPreview;
    QCheckBox *chkCreateMissing;
    QCheckBox *chkSkipBad;
    QPushButton *cmdSample;
    QPushButton *cmdImport;
    QPushButton *cmdCancel;
};
