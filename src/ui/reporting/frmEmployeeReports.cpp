#include "frmEmployeeReports.h"

#include "frmReportFilter.h"
#include "data/Prompt.h"
#include "data/clsEmployeeInfo.h"
#include "reports/clsPrintschedule.h"
#include "ui/common/WindowHelpers.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

const QList<QPair<QString, EmployeeReports::Kind>> &frmEmployeeReports::reportTypes()
{
    static const QList<QPair<QString, EmployeeReports::Kind>> types{
        {QStringLiteral("Master List"), EmployeeReports::MasterList},
        {QStringLiteral("Contact List"), EmployeeReports::ContactList},
        {QStringLiteral("Phone List"), EmployeeReports::PhoneList},
        {QStringLiteral("Id List"), EmployeeReports::IdList},
        {QStringLiteral("Mailing List"), EmployeeReports::MailingList},
    };
    return types;
}

frmEmployeeReports::frmEmployeeReports(clsEmployeeInfo &info, const ReportContext &context, QWidget *parent)
    : QWidget(parent), m_info(info), m_context(context)
{
    setObjectName(QStringLiteral("frmEmployeeReports"));
    setWindowTitle(tr("Employee Reports"));

    comReportType = new QComboBox(this);
    comReportType->setObjectName(QStringLiteral("comReportType"));
    for (const auto &[text, kind] : reportTypes())
        comReportType->addItem(tr(qPrintable(text)));
    comReportType->setCurrentIndex(0);
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
    main->addWidget(labStatus);
    main->addStretch();
    main->addLayout(buttons);

    TabOrder({comReportType, cmdPreview, cmdPrint, cmdClose});
    connect(cmdPreview, &QPushButton::clicked, this, [this] { run(true); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { run(false); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { CloseForm(this); });
    CloseFormOnEscape(this);
    setMinimumSize(340, 120);
    resize(380, 130);
    OnFirstShow(this);
}

QWidget *frmEmployeeReports::run(bool preview)
{
    const EmployeeReports::Kind kind = reportTypes().at(std::max(0, comReportType->currentIndex())).second;
    frmReportFilter filter(m_info, m_context.prompt, this);
    // Cancel ends the command: nothing is printed.
    const auto choice = filter.GetReturnValues(m_context.dialogs, {});
    if (!choice)
        return nullptr;
    const QList<EmployeeFields> records =
        EmployeeReports::select(m_info, choice->departments, choice->positions, choice->employees);
    if (records.isEmpty()) {
        m_context.prompt.message(QString::fromLatin1(clsPrintschedule::kNoData));
        return nullptr;
    }
    const QString title = EmployeeReports::title(kind);
    std::unique_ptr<BandedReport> report = EmployeeReports::create(kind, m_info, records);
    report->setPageLayout(BandedReport::defaultPageLayout());
    if (!ReportProgress::run(*report, this, tr("Laying out \"%1\"...").arg(title), [&] { return report->run(); }))
        return nullptr;
    labStatus->clear();
    if (preview) {
        return ReportOutput::openPreview(std::move(report), title, m_context, ReportOutput::previewOwner(this));
    }
    const QString where = ReportOutput::printWithoutDialog(*report, title, m_context, this);
    if (!where.isEmpty())
        labStatus->setText(tr("Printed \"%1\" to %2.").arg(title, where));
    return nullptr;
}
