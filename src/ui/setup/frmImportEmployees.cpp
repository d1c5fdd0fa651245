#include "frmImportEmployees.h"

#include "ui/common/DialogRunner.h"
#include "ui/common/WindowHelpers.h"
#include "data/OleDate.h"
#include "data/Prompt.h"
#include "data/ScheduleHelper.h"

#include <QDir>

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum PreviewColumn { ColWhat, ColLine, ColName, ColBirthDate, ColDepartments, ColPositions, ColColumn, ColReason, ColCount };

void setRow(QTableWidget *table, int row, const QStringList &cells)
{
    for (int c = 0; c < cells.size(); ++c) {
        auto *item = new QTableWidgetItem(cells[c]);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        table->setItem(row, c, item);
    }
}

} // namespace

frmImportEmployees::frmImportEmployees(const clsEmployeeInfo &info, const QByteArray &csv, const QString &fileName,
                                       DialogRunner &dialogs, Prompt &prompt, QWidget *parent)
    : QDialog(parent), m_info(info), m_csv(csv), m_dialogs(dialogs), m_prompt(prompt)
{
    setObjectName(QStringLiteral("frmImportEmployees"));
    setWindowTitle(tr("Import Employees - %1").arg(QFileInfo(fileName).fileName()));

    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setWordWrap(true);
    tblPreview = new QTableWidget(0, ColCount, this);
    tblPreview->setObjectName(QStringLiteral("tblPreview"));
    tblPreview->setHorizontalHeaderLabels(
        {tr("Change"), tr("Line"), tr("Name"), tr("Birth Date"), tr("Departments"), tr("Positions"), tr("Column"),
         tr("Problem")});
    // Tab leaves the table for the choices and buttons below it.
    tblPreview->setTabKeyNavigation(false);
    tblPreview->verticalHeader()->hide();
    tblPreview->horizontalHeader()->setStretchLastSection(true);
    tblPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPreview->setSelectionBehavior(QAbstractItemView::SelectRows);

    chkCreateMissing = new QCheckBox(tr("&Create missing departments and positions"), this);
    chkCreateMissing->setObjectName(QStringLiteral("chkCreateMissing"));
    chkSkipBad = new QCheckBox(tr("&Skip bad rows"), this);
    chkSkipBad->setObjectName(QStringLiteral("chkSkipBad"));

    cmdImport = NamedButton(tr("&Import"), QStringLiteral("cmdImport"), this);
    cmdImport->setDefault(true);
    cmdCancel = NamedButton(tr("Cancel"), QStringLiteral("cmdCancel"), this);
    cmdCancel->setAutoDefault(false);
    cmdSample = NamedButton(tr("Save a Sa&mple CSV..."), QStringLiteral("cmdSample"), this);
    cmdSample->setAutoDefault(false);
    cmdSample->setToolTip(tr("Writes a CSV file with every column this import reads and two example rows."));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(chkCreateMissing);
    buttons->addWidget(chkSkipBad);
    buttons->addStretch();
    buttons->addWidget(cmdSample);
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdCancel);
    auto *main = new QVBoxLayout(this);
    main->addWidget(lblSummary);
    main->addWidget(tblPreview, 1);
    main->addLayout(buttons);
    TabOrder({tblPreview, chkCreateMissing, chkSkipBad, cmdSample, cmdImport, cmdCancel});

    connect(chkCreateMissing, &QCheckBox::toggled, this, &frmImportEmployees::Recheck);
    connect(chkSkipBad, &QCheckBox::toggled, this, &frmImportEmployees::Recheck);
    connect(cmdImport, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdSample, &QPushButton::clicked, this, [this] { SaveSample(m_prompt, windowTitle()); });
    resize(820, 480);
    Recheck();
    DescribeForAccessibility(this);
}

ImportEmployees::Options frmImportEmployees::options() const
{
    ImportEmployees::Options options;
    options.createMissing = chkCreateMissing->isChecked();
    options.skipBad = chkSkipBad->isChecked();
    options.createMissingName = u'"' + QString(chkCreateMissing->text()).remove(u'&') + u'"';
    return options;
}

int frmImportEmployees::Display()
{
    PlaceFormInMainWindow(this);
    return m_dialogs.exec(*this);
}

void frmImportEmployees::Recheck()
{
    m_plan = ImportEmployees::check(m_info, m_csv, options());
    const int rows = int(m_plan.employees.size() + m_plan.problems.size() + m_plan.duplicates.size());
    tblPreview->setRowCount(rows);
    int row = 0;
    for (const ImportEmployees::NewEmployee &e : std::as_const(m_plan.employees)) {
        const QString name = QStringList{e.fields.firstName, e.fields.middleName, e.fields.lastName}.join(u' ').simplified();
        setRow(tblPreview, row++,
               {tr("Add"), QString::number(e.line), name, e.fields.dob ? OleDate::isoDate(e.fields.dob) : QString(),
                e.departments.join(QStringLiteral(", ")), e.positions.join(QStringLiteral(", "))});
    }
    for (const ImportEmployees::Problem &p : std::as_const(m_plan.problems))
        setRow(tblPreview, row++, {tr("Bad row"), QString::number(p.line), p.name, {}, {}, {}, p.column, p.reason});
    for (const ImportEmployees::Problem &p : std::as_const(m_plan.duplicates))
        setRow(tblPreview, row++, {tr("Already there"), QString::number(p.line), p.name, {}, {}, {}, {}, p.reason});
    tblPreview->resizeColumnsToContents();

    QSet<int> badLines;
    for (const ImportEmployees::Problem &p : std::as_const(m_plan.problems))
        badLines.insert(p.line);
    QStringList summary;
    summary << tr("%n employee(s) to add.", nullptr, int(m_plan.employees.size()));
    if (!badLines.isEmpty())
        summary << (chkSkipBad->isChecked()
                        ? tr("%n bad row(s) skipped.", nullptr, int(badLines.size()))
                        : tr("%n bad row(s): nothing is imported unless they are skipped.", nullptr, int(badLines.size())));
    if (!m_plan.duplicates.isEmpty())
        summary << tr("%n employee(s) already there.", nullptr, int(m_plan.duplicates.size()));
    if (!m_plan.newDepartments.isEmpty())
        summary << tr("New departments: %1.").arg(m_plan.newDepartments.join(QStringLiteral(", ")));
    if (!m_plan.newPositions.isEmpty())
        summary << tr("New positions: %1.").arg(m_plan.newPositions.join(QStringLiteral(", ")));
    lblSummary->setText(m_plan.error.isEmpty() ? summary.join(u' ') : m_plan.error);
    cmdImport->setEnabled(m_plan.error.isEmpty() && !m_plan.employees.isEmpty()
                          && (badLines.isEmpty() || chkSkipBad->isChecked()));
}

void frmImportEmployees::SaveSample(Prompt &prompt, const QString &title)
{
    const std::optional<QString> file = prompt.saveFileName(tr("Save a Sample CSV"),
                                                            QDir::home().filePath(QStringLiteral("employees-sample.csv")),
                                                            tr("CSV files (*.csv)"));
    if (!file || file->isEmpty())
        return;
    RunShowingFileError(prompt, title, [&] { ScheduleHelper::WriteFileBytes(*file, ImportEmployees::sample()); });
}
