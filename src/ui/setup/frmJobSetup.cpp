#include "frmJobSetup.h"

#include "JobInfo.h"
#include "ui/common/WindowHelpers.h"
#include "ui/models/MasterListModels.h"
#include "data/CodePage.h"
#include "data/Prompt.h"
#include "data/clsEmployeeInfo.h"

#include <QGridLayout>
#include <QListView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmJobSetup::frmJobSetup(clsEmployeeInfo &info, clsOptions &, Prompt &prompt, QWidget *parent)
    : QWidget(parent), m_info(info), m_prompt(prompt)
{
    setObjectName(QStringLiteral("frmJobSetup"));
    setWindowTitle(tr("Positions List Manager"));

    // Taken before the list follows a change (this connection comes first), so that the
    // position shown then can be shown again.
    connect(&m_info, &clsEmployeeInfo::positionsChanged, this, [this] { m_currentBefore = CurrentName(); });
    m_positions = new PositionListModel(m_info, this);
    lisJobNames = new QListView(this);
    lisJobNames->setObjectName(QStringLiteral("lisJobNames"));
    lisJobNames->setModel(m_positions);

    cmdAdd = NamedButton(tr("&Add"), QStringLiteral("cmdAdd"), this);
    cmdDelete = NamedButton(tr("&Delete"), QStringLiteral("cmdDelete"), this);
    cmdClose = NamedButton(tr("&Close"), QStringLiteral("cmdClose"), this);

    JobInfo1 = new JobInfo(info, prompt, this);
    JobInfo1->setObjectName(QStringLiteral("JobInfo1"));
    // The colour editor keeps its place while hidden, so the window does not jump when a
    // position is selected.
    QSizePolicy keepPlace = JobInfo1->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    JobInfo1->setSizePolicy(keepPlace);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdDelete);
    buttons->addStretch();
    buttons->addWidget(cmdClose);

    auto *grid = new QGridLayout(this);
    grid->addWidget(BuddyLabel(tr("Position &Name"), lisJobNames, this), 0, 0);
    grid->addWidget(lisJobNames, 1, 0);
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(JobInfo1, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnMinimumWidth(2, 300);
    grid->setHorizontalSpacing(16);

    TabOrder({lisJobNames, cmdAdd, cmdDelete, JobInfo1, cmdClose});

    connect(lisJobNames->selectionModel(), &QItemSelectionModel::currentChanged, this, &frmJobSetup::lisJobNames_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &frmJobSetup::cmdAdd_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmJobSetup::cmdDelete_Click);
    connect(cmdClose, &QPushButton::clicked, this, [this] { CloseForm(this); });
    CloseFormOnEscape(this);
    // Another window (or a colour change here) changed the positions: show them as they are.
    connect(&m_info, &clsEmployeeInfo::positionsChanged, this, [this] { SelectName(m_currentBefore); });

    setMinimumSize(560, 260);
    resize(620, 320);
    lisJobNames_Click();
    SelectName();
    DescribeForAccessibility(this);
    // Opening the window with no positions asks for the first one at once.
    OnFirstShow(this, [this] {
        if (m_positions->rowCount() == 0)
            cmdAdd_Click();
    });
}

void frmJobSetup::SelectName(const QString &name)
{
    lisJobNames->setCurrentIndex(m_positions->index(qMax(0, m_positions->rowOfText(name)), 0));
    cmdDelete->setEnabled(m_positions->rowCount() > 0);
    lisJobNames_Click();
}

QString frmJobSetup::CurrentName() const
{
    return lisJobNames->currentIndex().data().toString();
}

void frmJobSetup::lisJobNames_Click()
{
    const QModelIndex current = lisJobNames->currentIndex();
    JobInfo1->LoadJob(current.isValid() ? current.data().toString() : QString());
    JobInfo1->setVisible(current.isValid());
}

void frmJobSetup::cmdAdd_Click()
{
    // The name field holds 20 characters; a longer name is refused, never cut.
    const std::optional<QString> answer =
        AskFieldText(m_prompt, tr("Enter Position Name"), tr("Add Position"), 20, tr("position name"));
    const QString name = CodePage::toUpper(answer.value_or(QString()).trimmed());
    if (name.isEmpty())
        return;
    if (m_info.JobNamesGetAll().contains(name)) {
        // Adding it again would reset its colours: show the one there is instead.
        m_prompt.message(tr("The position %1 already exists; its colours stay as they are.").arg(name),
                         tr("Add Position"), Prompt::Icon::Information);
        SelectName(name);
        return;
    }
    // A new position starts black on red.
    RunShowingFileError(m_prompt, windowTitle(), [&] { m_info.JobInfoAdd(name, 0, 255); });
    SelectName(name);
}

void frmJobSetup::cmdDelete_Click()
{
    const QString name = CurrentName();
    if (name.isEmpty())
        return;
    qsizetype holders = 0;
    for (const Assignment &a : m_info.Assignments())
        holders += CodePage::trimBlanks(a.position) == name;
    QString text = tr("Delete the position %1?").arg(name);
    if (holders)
        text += u' ' + tr("%n employee(s) who hold(s) it can then no longer be scheduled for it.", nullptr, int(holders));
    text += u' ' + tr("Shifts already scheduled stay.");
    if (!m_prompt.askYesNo(text, tr("Delete Position"), true))
        return;
    RunShowingFileError(m_prompt, windowTitle(), [&] { m_info.JobDelete(name); });
    SelectName();
}
