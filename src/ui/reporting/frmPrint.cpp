#include "frmPrint.h"

#include "PlannedWeekNeeds.h"
#include "frmReportFilter.h"
#include "data/OleDate.h"
#include "data/Prompt.h"
#include "data/clsEmployeeInfo.h"
#include "reports/ReportCatalog.h"
#include "reports/clsPrintschedule.h"
#include "ui/common/WindowHelpers.h"

#include <QDateEdit>
#include <QFocusEvent>
#include <QTimer>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

const QList<ReportEntry> &frmPrint::reportTypes()
{
    static const QList<ReportEntry> types = ReportCatalog::ofKind(ReportKind::Schedule);
    return types;
}

namespace {
QDateEdit *datePicker(const QString &name, QWidget *parent)
{
    QDateEdit *picker = CalendarDatePicker(name, parent, QStringLiteral("ddd ") + WindowDateFormat());
    picker->setDate(QDate::currentDate());
    // Room for the longest date, "Wed 12/31/2026", beside the drop-down button.
    picker->setMinimumWidth(picker->fontMetrics().horizontalAdvance(QStringLiteral("Wed 12/31/20269")) + 40);
    return picker;
}
} // namespace

frmPrint::frmPrint(clsEmployeeInfo &info, clsOptions &options, const ReportContext &context, QWidget *parent)
    : QWidget(parent), m_info(info), m_options(options), m_context(context)
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(tr("Print"));

    lisReportType = new QListWidget(this);
    lisReportType->setObjectName(QStringLiteral("lisReportType"));
    lisReportType->setSelectionMode(QAbstractItemView::MultiSelection);
    for (const ReportEntry &type : reportTypes())
        lisReportType->addItem(ReportCatalog::name(type));
    lisReportType->setToolTip(tr("Click each report to print; each chosen report comes out on its own."));
    lisReportType->installEventFilter(this);
    auto *typeLabel = BuddyLabel(tr("Report &Type"), lisReportType, this);

    fraDates = new QGroupBox(tr("Dates"), this);
    fraDates->setObjectName(QStringLiteral("fraDates"));
    dtpFirstDate = datePicker(QStringLiteral("dtpFirstDate"), fraDates);
    dtpLastDate = datePicker(QStringLiteral("dtpLastDate"), fraDates);
    auto *dates = new QFormLayout(fraDates);
    dates->addRow(BuddyLabel(tr("&First Date"), dtpFirstDate, fraDates), dtpFirstDate);
    dates->addRow(BuddyLabel(tr("&Last Date"), dtpLastDate, fraDates), dtpLastDate);

    cmdPrint = NamedButton(tr("&Print"), QStringLiteral("cmdPrint"), this);
    cmdPrint->setToolTip(tr("Prints each chosen report on the default printer."));
    cmdPreview = NamedButton(tr("Pre&view"), QStringLiteral("cmdPreview"), this);
    cmdPreview->setToolTip(tr("Opens each chosen report in a preview window."));
    cmdPreview->setDefault(true);
    cmdClose = NamedButton(tr("&Close"), QStringLiteral("cmdClose"), this);
    labStatus = new QLabel(this);
    labStatus->setObjectName(QStringLiteral("labStatus"));
    labStatus->setWordWrap(true);

    auto *side = new QVBoxLayout;
    side->addWidget(fraDates);
    side->addStretch();
    side->addWidget(cmdPrint);
    side->addWidget(cmdPreview);
    side->addWidget(cmdClose);
    auto *left = new QVBoxLayout;
    left->addWidget(typeLabel);
    left->addWidget(lisReportType, 1);
    auto *row = new QHBoxLayout;
    row->addLayout(left, 1);
    row->addLayout(side);
    auto *main = new QVBoxLayout(this);
    main->addLayout(row, 1);
    main->addWidget(labStatus);

    TabOrder({lisReportType, dtpFirstDate, dtpLastDate, cmdPrint, cmdPreview, cmdClose});
    connect(cmdPrint, &QPushButton::clicked, this, [this] { CmdPrint_Click(false); });
    connect(cmdPreview, &QPushButton::clicked, this, [this] { CmdPrint_Click(true); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { CloseForm(this); });
    CloseFormOnEscape(this);
    setMinimumSize(420, 260);
    resize(460, 280);
    // The list has the keyboard from the start, also inside the main window's work area, where
    // the window would otherwise open with no focus of its own.
    OnFirstShow(this, [this] { lisReportType->setFocus(Qt::OtherFocusReason); });
}

void frmPrint::DisplayWindow(const QString &department, double firstDay, double lastDay)
{
    m_department = department;
    dtpFirstDate->setDate(OleDate::toDate(firstDay));
    dtpLastDate->setDate(OleDate::toDate(lastDay));
}

bool frmPrint::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != lisReportType || event->type() != QEvent::FocusIn)
        return QWidget::eventFilter(watched, event);
    const auto reason = static_cast<QFocusEvent *>(event)->reason();
    // A click chooses for itself; the keyboard gets a highlighted first entry, which must count.
    QTimer::singleShot(0, lisReportType, [this, reason] {
        if (reason == Qt::MouseFocusReason || !lisReportType->selectedItems().isEmpty())
            return;
        if (!lisReportType->currentItem())
            lisReportType->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        if (QListWidgetItem *current = lisReportType->currentItem())
            current->setSelected(true);
    });
    return QWidget::eventFilter(watched, event);
}

QList<QWidget *> frmPrint::CmdPrint_Click(bool preview)
{
    QList<QWidget *> previews;
    QList<int> rows;
    for (int row = 0; row < lisReportType->count(); ++row)
        if (lisReportType->item(row)->isSelected())
            rows << row;
    if (rows.isEmpty()) {
        m_context.prompt.message(tr("Please select a report type"));
        return previews;
    }
    const double first = OleDate::fromDate(dtpFirstDate->date());
    const double last = OleDate::fromDate(dtpLastDate->date());
    if (first > last) {
        m_context.prompt.message(tr("The first date (%1) is after the last date (%2). Please put them in order.")
                                     .arg(dtpFirstDate->text(), dtpLastDate->text()));
        return previews;
    }
    frmReportFilter filter(m_info, m_context.prompt, this);
    const auto choice = filter.GetReturnValues(m_context.dialogs, m_department.isEmpty() ? QStringList() : QStringList{m_department});
    if (!choice)
        return previews;

    labStatus->clear();
    RunShowingFileError(m_context.prompt, windowTitle(), [&] {
        clsPrintschedule data(m_info, m_options);
        data.setPageLayout(BandedReport::defaultPageLayout());
        data.FirstDate(first);
        data.Lastdate(last);
        data.DepartmentFilter(!choice->allDepartments);
        data.DepartmentSet(choice->departments);
        data.JobFilter(!choice->allPositions);
        data.JobsSet(choice->positions);
        data.EmployeeFilter(!choice->allEmployees);
        data.EmployeeFilterEmployees(choice->employees);
        data.setWeekNeeds(PlannedWeekNeeds::source(m_info, m_options));
        QStringList printed;
        QStringList unreadable;   // of every report made: each load starts its own list
        for (int row : std::as_const(rows)) {
            const ReportId type = reportTypes().at(row).id;
            BuiltReport built;
            {
                ReportProgress progress(this, tr("Laying out \"%1\"...").arg(ReportCatalog::title(type, first, last)));
                data.setProgress(progress.callback());
                built = ReportCatalog::build(type, data);
                data.setProgress({});
            }
            for (const FileError &e : std::as_const(built.unreadable))
                if (!unreadable.contains(e.userText()))
                    unreadable << e.userText();
            switch (built.outcome) {
            case ReportOutcome::Built:
                break;
            case ReportOutcome::NoData:
                m_context.prompt.message(tr("No Data"));
                continue;
            case ReportOutcome::ReversedRange:
                m_context.prompt.message(tr("The first date is after the last date."));
                continue;
            case ReportOutcome::Stopped:
                continue;
            }
            const QString &title = built.title;
            if (preview) {
                previews << ReportOutput::openPreview(std::move(built.report), title, m_context, ReportOutput::previewOwner(this));
            } else if (const QString where = ReportOutput::printWithoutDialog(*built.report, title, m_context, this);
                       !where.isEmpty()) {
                printed << tr("\"%1\" to %2").arg(title, where);
            }
        }
        if (!unreadable.isEmpty()) {
            m_context.prompt.message(tr("Some schedule files could not be read, so the reports leave their shifts out:\n%1")
                                         .arg(unreadable.join(u'\n')),
                                     windowTitle(), Prompt::Icon::Warning);
        }
        if (!printed.isEmpty())
            labStatus->setText(tr("Printed %1.").arg(printed.join(QStringLiteral(", "))));
    });
    return previews;
}
