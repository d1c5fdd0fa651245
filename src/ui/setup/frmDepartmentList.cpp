#include "frmDepartmentList.h"

#include "ui/common/DialogRunner.h"
#include "ui/common/WindowHelpers.h"
#include "frmDepartmentSettings.h"
#include "data/CodePage.h"
#include "data/Prompt.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"

#include <QGridLayout>
#include <QListWidget>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmDepartmentList::frmDepartmentList(clsEmployeeInfo &info, clsOptions &options, Prompt &prompt,
                                     DialogRunner &dialogs, QWidget *parent)
    : QWidget(parent), m_info(info), m_options(options), m_prompt(prompt), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmDepartmentList"));
    setWindowTitle(tr("Department List Manager"));

    lisDepartments = new QListWidget(this);
    lisDepartments->setObjectName(QStringLiteral("lisDepartments"));

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
    connect(lisDepartments, &QListWidget::itemActivated, this, &frmDepartmentList::cmdEditDepartment_Click);
    CloseFormOnEscape(this);
    connect(lisDepartments, &QListWidget::currentRowChanged, this, &frmDepartmentList::UpdateButtons);
    connect(&m_info, &clsEmployeeInfo::departmentsChanged, this, &frmDepartmentList::FollowChanges);

    setMinimumSize(320, 240);
    resize(360, 320);
    ReloadList();
    DescribeForAccessibility(this);
    // Opening the window with no departments asks for the first one at once.
    OnFirstShow(this, [this] {
        if (lisDepartments->count() == 0)
            cmdAdd_Click();
    });
}

void frmDepartmentList::ReloadList()
{
    lisDepartments->clear();
    QStringList names;
    for (const DepartmentInfo &d : m_info.Departments())
        names << d.name;
    lisDepartments->addItems(names);
    if (!names.isEmpty())
        lisDepartments->setCurrentRow(0);
    UpdateButtons();
}

void frmDepartmentList::FollowChanges()
{
    const QString selected = lisDepartments->currentItem() ? lisDepartments->currentItem()->text() : QString();
    lisDepartments->clear();
    for (const DepartmentInfo &d : m_info.Departments())
        lisDepartments->addItem(d.name);
    const QList<QListWidgetItem *> same = lisDepartments->findItems(selected, Qt::MatchExactly);
    if (!same.isEmpty())
        lisDepartments->setCurrentItem(same.first());
    else if (lisDepartments->count() > 0)
        lisDepartments->setCurrentRow(0);
    UpdateButtons();
}

void frmDepartmentList::UpdateButtons()
{
    const bool any = lisDepartments->count() > 0;
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
    for (int row = 0; row < lisDepartments->count(); ++row) {
        if (lisDepartments->item(row)->text() == name) {
            m_prompt.message(tr("The department %1 already exists.").arg(name), tr("Add Department"),
                             Prompt::Icon::Information);
            lisDepartments->setCurrentRow(row);
            return;
        }
    }
    if (!RunShowingFileError(m_prompt, tr("Add Department"), [&] { m_info.AddDepartment(name); }))
        return;
    ReloadList();
    const int last = lisDepartments->count() - 1;
    if (last < 0)
        return;
    lisDepartments->setCurrentRow(last);
    OpenSettings(lisDepartments->item(last)->text());
}

void frmDepartmentList::cmdEditDepartment_Click()
{
    QListWidgetItem *item = lisDepartments->currentItem();
    if (!item || !item->isSelected())
        return;
    OpenSettings(item->text());
}

void frmDepartmentList::OpenSettings(const QString &name)
{
    frmDepartmentSettings dialog(m_info, m_options, m_prompt, this);
    dialog.DisplayForm(name);
    m_dialogs.exec(dialog);
}

void frmDepartmentList::cmdDelete_Click()
{
    QListWidgetItem *item = lisDepartments->currentItem();
    const QString name = item && item->isSelected() ? item->text() : QString();
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
    RunShowingFileError(m_prompt, windowTitle(), [&] { m_info.DeleteDepartment(name); });
    ReloadList();
}
