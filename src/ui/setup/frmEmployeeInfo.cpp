#include "frmEmployeeInfo.h"

#include "ui/common/WindowHelpers.h"
#include "ui/models/MasterListModels.h"
#include "ctlUserInfo.h"
#include "frmImportEmployees.h"
#include "data/EmployeeFieldTable.h"
#include "data/OleDate.h"
#include "data/Prompt.h"
#include "data/clsEmployeeInfo.h"

#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QMetaMethod>
#include <QProgressDialog>
#include <QScopeGuard>
#include <QSortFilterProxyModel>
#include <QPushButton>
#include <QVBoxLayout>

frmEmployeeInfo::frmEmployeeInfo(clsEmployeeInfo &info, clsOptions &, Prompt &prompt, DialogRunner &dialogs,
                                 QWidget *parent)
    : QWidget(parent), m_info(info), m_prompt(prompt), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmEmployeeInfo"));
    setWindowTitle(tr("Employee Information Manager"));

    fraEmployeeList = new QGroupBox(tr("Employee List"), this);
    fraEmployeeList->setObjectName(QStringLiteral("fraEmployeeList"));
    txtFilter = new QLineEdit(fraEmployeeList);
    txtFilter->setObjectName(QStringLiteral("txtFilter"));
    txtFilter->setPlaceholderText(tr("Type to filter"));
    txtFilter->setClearButtonEnabled(true);
    txtFilter->setToolTip(tr("Shows only the employees whose names contain what you type."));
    m_employees = new EmployeeListModel(m_info, this);
    m_filter = new QSortFilterProxyModel(this);
    m_filter->setSourceModel(m_employees);
    m_filter->setFilterCaseSensitivity(Qt::CaseInsensitive);
    for (auto [before, after] : {std::pair{&QAbstractItemModel::rowsAboutToBeRemoved, &QAbstractItemModel::rowsRemoved},
                                 {&QAbstractItemModel::rowsAboutToBeInserted, &QAbstractItemModel::rowsInserted}}) {
        connect(m_filter, before, this, [this] { ++m_rowsChanging; });
        connect(m_filter, after, this, [this] { --m_rowsChanging; });
    }
    lisEmployeeList = new QListView(fraEmployeeList);
    lisEmployeeList->setObjectName(QStringLiteral("lisEmployeeList"));
    lisEmployeeList->setModel(m_filter);

    cmdAddEmployee = NamedButton(tr("&Add"), QStringLiteral("cmdAddEmployee"), fraEmployeeList);
    cmdDelete = NamedButton(tr("&Delete"), QStringLiteral("cmdDelete"), fraEmployeeList);
    // Every letter of "Import Employees" is already a mnemonic of this window or the menu bar.
    cmdImport = NamedButton(tr("Import Employees from Te&xt..."), QStringLiteral("cmdImport"), fraEmployeeList);
    cmdImport->setToolTip(tr("Adds the employees of a CSV file, after showing what would change."));
    cmdPrint = NamedButton(tr("&Print"), QStringLiteral("cmdPrint"), fraEmployeeList);
    cmdClose = NamedButton(tr("&Close"), QStringLiteral("cmdClose"), fraEmployeeList);

    auto *buttons = new QGridLayout;
    buttons->addWidget(cmdAddEmployee, 0, 0);
    buttons->addWidget(cmdDelete, 0, 1);
    buttons->addWidget(cmdPrint, 1, 0);
    buttons->addWidget(cmdClose, 1, 1);
    buttons->addWidget(cmdImport, 2, 0, 1, 2);
    auto *listLayout = new QVBoxLayout(fraEmployeeList);
    listLayout->addWidget(txtFilter);
    listLayout->addWidget(lisEmployeeList, 1);
    listLayout->addLayout(buttons);

    ctlUserInfo1 = new ctlUserInfo(info, prompt, this);
    ctlUserInfo1->setObjectName(QStringLiteral("ctlUserInfo1"));

    auto *main = new QHBoxLayout(this);
    main->addWidget(fraEmployeeList, 0);
    main->addWidget(ctlUserInfo1, 1);
    fraEmployeeList->setMinimumWidth(220);

    // One round through the list and its buttons, then every field of the editor, and back.
    TabOrder(QList<QWidget *>{txtFilter, lisEmployeeList, cmdAddEmployee, cmdDelete, cmdPrint, cmdClose, cmdImport}
             + ctlUserInfo1->tabChain());

    connect(lisEmployeeList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &frmEmployeeInfo::lisEmployeeList_Click);
    connect(cmdAddEmployee, &QPushButton::clicked, this, &frmEmployeeInfo::cmdAddEmployee_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmEmployeeInfo::cmdDelete_Click);
    connect(cmdImport, &QPushButton::clicked, this, &frmEmployeeInfo::cmdImport_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmEmployeeInfo::printRequested);
    connect(cmdClose, &QPushButton::clicked, this, [this] { CloseForm(this); });
    connect(txtFilter, &QLineEdit::textChanged, this, &frmEmployeeInfo::ApplyFilter);
    CloseFormOnEscape(this);

    // Fits a 1024x600 screen; the editor's pages scroll when the window is small.
    setMinimumSize(minimumSizeHint().boundedTo(QSize(760, 420)));
    resize(900, 560);
    refreshlist();
    DescribeForAccessibility(this);
    // Opening the window with no employees asks for the first one at once.
    OnFirstShow(this, [this] {
        if (m_employees->rowCount() == 0)
            cmdAddEmployee_Click();
    });
}

QSize frmEmployeeInfo::sizeHint() const
{
    return QWidget::sizeHint().expandedTo(QSize(900, 560));
}

void frmEmployeeInfo::closeEvent(QCloseEvent *event)
{
    if (!SaveCurrent()
        && !m_prompt.askYesNo(tr("The changes to this employee could not be saved. Close anyway and lose them?"),
                              windowTitle(), true)) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

bool frmEmployeeInfo::SaveCurrent()
{
    // The list follows a corrected name by itself.
    return ctlUserInfo1->SaveCurrent();
}

qint32 frmEmployeeInfo::CurrentNumber() const
{
    return lisEmployeeList->currentIndex().data(MasterListModel::NumberRole).toInt();
}

void frmEmployeeInfo::SelectQuietly(qint32 number)
{
    const QModelIndex at = m_filter->mapFromSource(m_employees->index(m_employees->rowOfNumber(number), 0));
    ++m_rowsChanging;
    lisEmployeeList->setCurrentIndex(at);
    --m_rowsChanging;
}

void frmEmployeeInfo::Settle()
{
    const QModelIndex shown = m_filter->mapFromSource(m_employees->index(m_employees->rowOfNumber(m_selected), 0));
    if (shown.isValid() && ctlUserInfo1->EmployeeNumber() == m_selected)
        SelectQuietly(m_selected);
    else if (m_filter->rowCount() > 0) {
        lisEmployeeList->setCurrentIndex(m_filter->index(0, 0));
        lisEmployeeList_Click();   // also when the first row was current already
    } else if (m_employees->rowCount() > 0) {
        ShowNobody();
    }
    UpdateButtons();
}

void frmEmployeeInfo::ShowNobody()
{
    // Nobody listed: the editor shows nobody either, rather than someone the list hides.
    if (!ctlUserInfo1->ShowNobody())
        return;   // what is typed could not be saved; it stays in view
    m_selected = 0;
}

void frmEmployeeInfo::refreshlist()
{
    RunShowingFileError(m_prompt, windowTitle(), [this] { m_info.Refresh(); });
    if (m_employees->rowCount() > 0) {
        if (m_filter->rowCount() > 0) {
            lisEmployeeList->setCurrentIndex(m_filter->index(0, 0));
            lisEmployeeList_Click();   // also when the first row was current already
        } else {
            ShowNobody();
        }
        ctlUserInfo1->show();
    } else {
        ctlUserInfo1->hide();
    }
    UpdateButtons();
}

void frmEmployeeInfo::ApplyFilter()
{
    m_filter->setFilterFixedString(txtFilter->text().trimmed());
    // The shown employee is always one of the listed ones.
    Settle();
}

void frmEmployeeInfo::UpdateButtons()
{
    cmdDelete->setEnabled(lisEmployeeList->currentIndex().isValid());
    // Print opens the employee reports, where the program has them.
    const bool reports = isSignalConnected(QMetaMethod::fromSignal(&frmEmployeeInfo::printRequested));
    cmdPrint->setEnabled(reports);
    cmdPrint->setToolTip(reports ? QString() : tr("Not available yet: the employee reports are not part of this version."));
}

void frmEmployeeInfo::connectNotify(const QMetaMethod &signal)
{
    if (signal == QMetaMethod::fromSignal(&frmEmployeeInfo::printRequested))
        UpdateButtons();
}

void frmEmployeeInfo::lisEmployeeList_Click()
{
    if (m_rowsChanging > 0 || !lisEmployeeList->currentIndex().isValid())
        return;
    const qint32 number = CurrentNumber();
    if (number == ctlUserInfo1->EmployeeNumber() && number == m_selected)
        return;
    const qint32 previous = ctlUserInfo1->EmployeeNumber();
    if (!ctlUserInfo1->SetEmployeeNumber(number)) {
        // The shown employee could not be written: stay with it, so nothing typed is lost.
        if (previous != 0)
            SelectQuietly(previous);
        return;
    }
    m_selected = number;
    UpdateButtons();
}

void frmEmployeeInfo::cmdAddEmployee_Click()
{
    // Keep what is typed in the shown employee; what cannot be stored is put right first.
    if (!SaveCurrent())
        return;
    // A name longer than its field is refused, never cut.
    const int firstWidth = EmployeeFieldTable::entry(EmployeeField::FirstName).width;
    const int lastWidth = EmployeeFieldTable::entry(EmployeeField::LastName).width;
    const std::optional<QString> first = AskFieldText(m_prompt, tr("Enter first name."), tr("Add Employee"), firstWidth, tr("first name"));
    if (!first)
        return;
    const std::optional<QString> last = AskFieldText(m_prompt, tr("Enter last name."), tr("Add Employee"), lastWidth, tr("last name"));
    if (!last)
        return;
    const qint32 today = qint32(OleDate::fromDate(QDate::currentDate()));
    qint32 number = 0;
    if (!RunShowingFileError(m_prompt, windowTitle(), [&] {
            EmployeeFields added;
            added.firstName = *first;
            added.lastName = *last;
            added.dob = today - 7300;
            added.hireDate = today;
            added.male = true;
            number = m_info.AddEmployee(added);
        }))
        return;
    txtFilter->clear();   // the new employee must be in view
    refreshlist();
    lisEmployeeList->setCurrentIndex(m_filter->mapFromSource(m_employees->index(m_employees->rowOfNumber(number), 0)));
}

void frmEmployeeInfo::cmdDelete_Click()
{
    const QModelIndex current = lisEmployeeList->currentIndex();
    if (!current.isValid())
        return;
    const qint32 number = CurrentNumber();
    // Say who goes and what goes along, and make No the safe default.
    const qsizetype departments = m_info.DeptEmployeeGetDepts(number).size();
    const qsizetype positions = m_info.JobEmpAvalGet(number).size();
    QString text = tr("Delete the employee %1?").arg(current.data().toString());
    if (departments || positions)
        text += u' ' + tr("Their %1 and %2 are deleted with them.")
                           .arg(tr("%n department membership(s)", nullptr, int(departments)),
                                tr("%n position(s)", nullptr, int(positions)));
    text += u' ' + tr("Shifts already scheduled stay.");
    if (!m_prompt.askYesNo(text, tr("Please Confirm"), true))
        return;
    if (!RunShowingFileError(m_prompt, windowTitle(), [&] { m_info.DeleteUser(number); }))
        return;
    if (ctlUserInfo1->EmployeeNumber() == number)
        ctlUserInfo1->ForgetEmployee();
    m_selected = 0;
    refreshlist();
}

void frmEmployeeInfo::cmdImport_Click()
{
    // The import reloads the list; what is typed in the shown employee is kept first.
    if (!SaveCurrent())
        return;
    const QString title = tr("Import Employees");
    const std::optional<QString> path = m_prompt.openFileName(title, tr("CSV files (*.csv);;All files (*)"));
    if (!path)
        return;
    const QString shownPath = QDir::toNativeSeparators(*path);
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_prompt.message(tr("Could not read %1: %2").arg(shownPath, file.errorString()), title, Prompt::Icon::Critical);
        return;
    }
    frmImportEmployees dialog(m_info, file.readAll(), *path, m_dialogs, m_prompt, this);
    if (!dialog.plan().error.isEmpty()) {
        m_prompt.message(tr("Could not import %1: %2").arg(shownPath, dialog.plan().error), title, Prompt::Icon::Critical);
        return;
    }
    if (dialog.Display() != QDialog::Accepted)
        return;
    // Many rows show how far the import got (the dialog appears only when it takes a while).
    ImportEmployees::Options options = dialog.options();
    std::optional<QProgressDialog> progress;
    if (dialog.plan().employees.size() >= 200) {
        progress.emplace(tr("Adding employees..."), QString(), 0, int(dialog.plan().employees.size()), this);
        progress->setObjectName(QStringLiteral("dlgImportProgress"));
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(500);
        options.progress = [&progress](int done, int) { progress->setValue(done); };
    }
    const bool imported = RunShowingFileError(m_prompt, title, [&] {
        const auto close = qScopeGuard([&progress] { progress.reset(); });   // gone before any message
        ImportEmployees::apply(m_info, dialog.plan(), options);
    });
    if (!imported)
        return;
    txtFilter->clear();   // the new employees must be in view
    refreshlist();
}
