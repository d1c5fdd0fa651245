#include "frmDepartmentList.h"

#include "ui/common/DialogRunner.h"
#include "ui/common/WindowHelpers.h"
#include "ui/models/MasterListModels.h"
#include "frmDepartmentSettings.h"
#include "data/CodePage.h"
#include "data/Prompt.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"

#include <QGridLayout>
#include <QListView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmDepartmentList::frmDepartmentList(clsEmployeeInfo &info, clsOptions &options, Prompt &prompt,
                                     DialogRunner &dialogs, QWidget *parent)
    : QWidget(parent), m_info(info), m_options(options), m_prompt(prompt), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmDepartmentList"));
    setWindowTitle(tr("Department List Manager"));

    // Taken before the list follows a change (this connection comes first), so that the
    // department selected then can be selected again.
    connect(&m_info, &clsEmployeeInfo::departmentsChanged, this, [this] { m_selectedBefore = SelectedName(); });
    m_departments = new DepartmentListModel(m_info, this);
    lisDepartments = new QListView(this);
    lisDepartments->setObjectName(QStringLiteral("lisDepartments"));
    lisDepartments->setModel(m_departments);

    cmdAdd = NamedButton(tr("&Add"), QStringLiteral("cmdAdd"), this);
    cmdEditDepartment = NamedButton(tr("&Edit"), QStringLiteral("cmdEditDepartment"), this);
    cmdDelete = NamedButton(tr("&Delete"), QStringLiteral("cmdDelete"), this);
    cmdClose = NamedButton(tr("&Close"), QStringLiteral("cmdClose"), this);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdEditDepartment);
    buttons->addWidget(cmdDelete);
    buttons->addStretch();
    buttons->addWidget(cmdClose);

    auto *grid = new QGridLayout(this);
    grid->addWidget(BuddyLabel(tr("De&partments"), lisDepartments, this), 0, 0);
    grid->addWidget(lisDepartments, 1, 0);
    grid->addLayout(buttons, 1, 1);
    grid->setColumnStretch(0, 1);

    TabOrder({lisDepartments, cmdAdd, cmdEditDepartment, cmdDelete, cmdClose});

    connect(cmdAdd, &QPushButton::clicked, this, &frmDepartmentList::cmdAdd_Click);
    connect(cmdEditDepartment, &QPushButton::clicked, this, &frmDepartmentList::cmdEditDepartment_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmDepartmentList::cmdDelete_Click);
    connect(cmdClose, &QPushButton::clicked, this, [this] { CloseForm(this); });
    // Enter or a double click on a department opens its settings.
    connect(lisDepartments, &QListView::activated, this, &frmDepartmentList::cmdEditDepartment_Click);
    CloseFormOnEscape(this);
    connect(lisDepartments->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &frmDepartmentList::UpdateButtons);
    connect(&m_info, &clsEmployeeInfo::departmentsChanged, this, &frmDepartmentList::FollowChanges);

    setMinimumSize(320, 240);
    resize(360, 320);
    SelectRow(0);
    DescribeForAccessibility(this);
    // Opening the window with no departments asks for the first one at once.
    OnFirstShow(this, [this] {
        if (m_departments->rowCount() == 0)
            cmdAdd_Click();
    });
}

void frmDepartmentList::SelectRow(int row)
{
    lisDepartments->setCurrentIndex(m_departments->index(row, 0));
    UpdateButtons();
}

void frmDepartmentList::FollowChanges()
{
    const int row = m_departments->rowOfText(m_selectedBefore);
    SelectRow(row >= 0 ? row : 0);
}

QString frmDepartmentList::SelectedName() const
{
    const QModelIndex current = lisDepartments->currentIndex();
    if (!current.isValid() || !lisDepartments->selectionModel()->isSelected(current))
        return {};
    return current.data().toString();
}

void frmDepartmentList::UpdateButtons()
{
    const bool any = m_departments->rowCount() > 0;
    cmdEditDepartment->setEnabled(any);
    cmdDelete->setEnabled(any);
}

void frmDepartmentList::cmdAdd_Click()
{
    // The name field holds 30 characters; a longer name is refused, never cut.
    const std::optional<QString> answer =
        AskFieldText(m_prompt, tr("Enter Department Name"), tr("Add Department"), 30, tr("department name"));
    const QString name = CodePage::toUpper(answer.value_or(QString()).trimmed());
    if (name.isEmpty())
        return;
    // The name becomes a folder of the data folder; refuse what no file system accepts or
    // what would lead outside it.
    const QString problem = ScheduleHelper::FolderNameProblem(name);
    if (!problem.isEmpty()) {
        m_prompt.message(problem, tr("Add Department"), Prompt::Icon::Warning);
        return;
    }
    // A second department of the same name could never be edited on its own: every lookup
    // finds the first. Show the existing one instead.
    if (const int row = m_departments->rowOfText(name); row >= 0) {
        m_prompt.message(tr("The department %1 already exists.").arg(name), tr("Add Department"),
                         Prompt::Icon::Information);
        SelectRow(row);
        return;
    }
    if (!RunShowingFileError(m_prompt, tr("Add Department"), [&] { m_info.AddDepartment(name); }))
        return;
    const int row = m_departments->rowOfText(name);
    if (row < 0)
        return;
    SelectRow(row);
    OpenSettings(name);
}

void frmDepartmentList::cmdEditDepartment_Click()
{
    const QString name = SelectedName();
    if (!name.isEmpty())
        OpenSettings(name);
}

void frmDepartmentList::OpenSettings(const QString &name)
{
    frmDepartmentSettings dialog(m_info, m_options, m_prompt, this);
    dialog.DisplayForm(name);
    m_dialogs.exec(dialog);
}

void frmDepartmentList::cmdDelete_Click()
{
    const QString name = SelectedName();
    if (name.isEmpty())
        return;
    // Say what goes with the department, and make No the safe default.
    qsizetype members = 0;
    for (const Membership &m : m_info.Memberships())
        members += m.department == name;
    const qsizetype shifts = m_info.ShiftAutoGetAll(name).size();
    QString text = tr("Delete the department %1?").arg(name);
    if (members || shifts)
        text += u' ' + tr("Its %1 and %2 are deleted with it.")
                           .arg(tr("%n employee membership(s)", nullptr, int(members)),
                                tr("%n default shift(s)", nullptr, int(shifts)));
    text += u' ' + tr("The employees themselves and the schedules already made stay.");
    if (!m_prompt.askYesNo(text, tr("Delete Department"), true))
        return;
    if (RunShowingFileError(m_prompt, windowTitle(), [&] { m_info.DeleteDepartment(name); }))
        SelectRow(0);
}
