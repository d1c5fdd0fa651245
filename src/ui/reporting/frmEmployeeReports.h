#pragma once

#include "ReportOutput.h"
#include "reports/ReportCatalog.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class clsEmployeeInfo;

// "Employee Reports": one of the five employee lists, narrowed by the report filter, printed or
// previewed.
class frmEmployeeReports : public QWidget
{
    Q_OBJECT

public:
    frmEmployeeReports(clsEmployeeInfo &info, const ReportContext &context, QWidget *parent = nullptr);

    // Preview (true) or Print (false) of the chosen list; the preview opened, or null.
    QWidget *run(bool preview);
    // The lists of the choice, in order.
    static const QList<ReportEntry> &reportTypes();

    QComboBox *comReportType = nullptr;
    QCheckBox *chkSortByName = nullptr;   // last name, first name instead of file order
    QCheckBox *chkFullIds = nullptr;      // Social Security numbers whole instead of the last four digits
    QPushButton *cmdPreview = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdClose = nullptr;
    QLabel *labStatus = nullptr;

private:
    clsEmployeeInfo &m_info;
    ReportContext m_context;
};
