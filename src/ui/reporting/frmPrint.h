#pragma once

#include "ReportOutput.h"
#include "reports/ReportCatalog.h"

#include <QWidget>

class QDateEdit;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class clsEmployeeInfo;
class clsOptions;

// "Print": the schedule reports. One or more report types and a date range; Print or Preview
// then asks the report filter which departments, positions and employees, and prints or
// previews each chosen type in list order.
class frmPrint : public QWidget
{
    Q_OBJECT

public:
    frmPrint(clsEmployeeInfo &info, clsOptions &options, const ReportContext &context, QWidget *parent = nullptr);

    // Opened for a department and a range (from the scheduler): the filter starts with that
    // department chosen.
    void DisplayWindow(const QString &department, double firstDay, double lastDay);
    // Print (false) or Preview (true) of the selected types. Returns the previews opened.
    QList<QWidget *> CmdPrint_Click(bool preview);

    // The reports of the list, in list order.
    static const QList<ReportEntry> &reportTypes();

    QListWidget *lisReportType = nullptr;
    QGroupBox *fraDates = nullptr;
    QDateEdit *dtpFirstDate = nullptr;
    QDateEdit *dtpLastDate = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdPreview = nullptr;
    QPushButton *cmdClose = nullptr;
    QLabel *labStatus = nullptr;

protected:
    // The list shows its current entry as chosen when the keyboard enters it: it is chosen.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    clsEmployeeInfo &m_info;
    clsOptions &m_options;
    ReportContext m_context;
    QString m_department;
};
