#include "frmEmployeeReports.h"

#include "frmReportFilter.h"
#include "data/Prompt.h"
#include "data/clsEmployeeInfo.h"
#include "ui/common/WindowHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

const QList<ReportEntry> &frmEmployeeReports::reportTypes()
{
    static const QList<ReportEntry> types = ReportCatalog::ofKind(ReportKind::EmployeeList);
    return types;
}

frmEmployeeReports::frmEmployeeReports(clsEmployeeInfo &info, const ReportContext &context, QWidget *parent)
    : QWidget(parent), m_info(info), m_context(context)
{
    setObjectName(QStringLiteral("frmEmployeeReports"));
    setWindowTitle(tr("Employee Reports"));

    comReportType = new QComboBox(this);
    comReportType->setObjectName(QStringLiteral("comReportType"));
    for (const ReportEntry &type : reportTypes())
        comReportType->addItem(ReportCatalog::name(type));
    comReportType->setCurrentIndex(0);
    chkSortByName = new QCheckBox(tr("&Sort by last name, first name"), this);
    chkSortByName->setObjectName(QStringLiteral("chkSortByName"));
    chkFullIds = new QCheckBox(tr("Print Social Security numbers &whole"), this);
    chkFullIds->setObjectName(QStringLiteral("chkFullIds"));
    chkFullIds->setToolTip(tr("Otherwise the master list and the id list show only their last four digits."));
    cmdPreview = NamedButton(tr("Pre&view"), QStringLiteral("cmdPreview"), this);
    cmdPreview->setDefault(true);
    cmdPrint = NamedButton(tr("&Print"), QStringLiteral("cmdPrint"), this);
    cmdPrint->setToolTip(tr("Prints the list on the default printer."));
    cmdClose = NamedButton(tr("&Close"), QStringLiteral("cmdClose"), this);
    labStatus = new QLabel(this);
    labStatus->setObjectName(QStringLiteral("labStatus"));
    labStatus->setWordWrap(true);

    auto *type = new QHBoxLayout;
    type->addWidget(BuddyLabel(tr("Report &Type"), comReportType, this));
    type->addWidget(comReportType, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPreview);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdClose);
    auto *main = new QVBoxLayout(this);
    main->addLayout(type);
    main->addWidget(chkSortByName);
    main->addWidget(chkFullIds);
    main->addWidget(labStatus);
    main->addStretch();
    main->addLayout(buttons);

    TabOrder({comReportType, chkSortByName, chkFullIds, cmdPreview, cmdPrint, cmdClose});
    connect(cmdPreview, &QPushButton::clicked, this, [this] { run(true); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { run(false); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { CloseForm(this); });
    CloseFormOnEscape(this);
    setMinimumSize(340, 160);
    resize(380, 170);
    OnFirstShow(this);
}

QWidget *frmEmployeeReports::run(bool preview)
{
    const ReportId type = reportTypes().at(std::max(0, comReportType->currentIndex())).id;
    frmReportFilter filter(m_info, m_context.prompt, this);
    // Cancel ends the command: nothing is printed.
    const auto choice = filter.GetReturnValues(m_context.dialogs, {});
    if (!choice)
        return nullptr;
    ReportRequest request;
    request.departments = choice->departments;
    request.positions = choice->positions;
    request.employees = choice->employees;
    request.sortByName = chkSortByName->isChecked();
    request.fullIds = chkFullIds->isChecked();
    BuiltReport built;
    {
        ReportProgress progress(this, tr("Laying out \"%1\"...").arg(ReportCatalog::title(type)));
        request.progress = progress.callback();
        built = ReportCatalog::buildList(type, m_info, request);
    }
    switch (built.outcome) {
    case ReportOutcome::Built:
        break;
    case ReportOutcome::NoData:
        m_context.prompt.message(tr("No Data"));
        return nullptr;
    case ReportOutcome::ReversedRange:
    case ReportOutcome::Stopped:
        return nullptr;
    }
    labStatus->clear();
    if (preview)
        return ReportOutput::openPreview(std::move(built.report), built.title, m_context, ReportOutput::previewOwner(this));
    const QString where = ReportOutput::printWithoutDialog(*built.report, built.title, m_context, this);
    if (!where.isEmpty())
        labStatus->setText(tr("Printed \"%1\" to %2.").arg(built.title, where));
    return nullptr;
}
