#include "frmJobSetup.h"

#include "JobInfo.h"
#include "WindowHelpers.h"
#include "data/CodePage.h"
#include "data/Prompt.h"
#include "data/clsEmployeeInfo.h"

#include <QGridLayout>
#include <QListWidget>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmJobSetup::frmJobSetup(clsEmployeeInfo &info, clsOptions &, Prompt &prompt, QWidget *parent)
    : QWidget(parent), m_info(info), m_prompt(prompt)
{
    setObjectName(QStringLiteral("frmJobSetup"));
    setWindowTitle(tr("Positions List Manager"));

    lisJobNames = new QListWidget(this);
    lisJobNames->setObjectName(QStringLiteral("lisJobNames"));

    cmdAdd = NamedButton(tr("Add"), QStringLiteral("cmdAdd"), this);
    cmdDelete = NamedButton(tr("Delete"), QStringLiteral("cmdDelete"), this);
    cmdClose = NamedButton(tr("Close"), QStringLiteral("cmdClose"), this);

    JobInfo1 = new JobInfo(info, prompt, this);
    JobInfo1->setObjectName(QStringLiteral("JobInfo1"));

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdDelete);
    buttons->addStretch();
    buttons->addWidget(cmdClose);

    auto *grid = new QGridLayout(this);
    grid->addWidget(BuddyLabel(tr("Position Name"), lisJobNames, this), 0, 0);
    grid->addWidget(lisJobNames, 1, 0);
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(JobInfo1, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnMinimumWidth(2, 300);
    grid->setHorizontalSpacing(16);

    TabOrder({lisJobNames, cmdAdd, cmdDelete, JobInfo1, cmdClose});

    connect(lisJobNames, &QListWidget::currentRowChanged, this, &frmJobSetup::lisJobNames_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &frmJobSetup::cmdAdd_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmJobSetup::cmdDelete_Click);
    connect(cmdClose, &QPushButton::clicked, this, [this] { CloseForm(this); });
    CloseFormOnEscape(this);

    resize(620, 320);
    lisJobNames_Click();
    ReloadList();
    // Opening the window with no positions asks for the first one at once.
    OnFirstShow(this, [this] {
        if (lisJobNames->count() == 0)
            cmdAdd_Click();
    });
}

void frmJobSetup::ReloadList()
{
    const QSignalBlocker block(lisJobNames);
    lisJobNames->clear();
    const QStringList names = m_info.JobNamesGetAll();
    lisJobNames->addItems(names);
    if (!names.isEmpty())
        lisJobNames->setCurrentRow(0);
    lisJobNames_Click();
}

void frmJobSetup::lisJobNames_Click()
{
    QListWidgetItem *item = lisJobNames->currentItem();
    JobInfo1->LoadJob(item ? item->text() : QString());
    JobInfo1->setVisible(item != nullptr);
}

void frmJobSetup::cmdAdd_Click()
{
    const std::optional<QString> answer = m_prompt.input(tr("Enter Position Name"), tr("Add Position"));
    const QString name = CodePage::toUpper(answer.value_or(QString()).trimmed());
    if (name.isEmpty())
        return;
    // A new position starts black on red.
    RunShowingFileError(m_prompt, windowTitle(), [&] { m_info.JobInfoAdd(name, 0, 255); });
    ReloadList();
    for (int row = 0; row < lisJobNames->count(); ++row) {
        if (CodePage::toUpper(lisJobNames->item(row)->text().trimmed()) == name)
            lisJobNames->setCurrentRow(row);
    }
}

void frmJobSetup::cmdDelete_Click()
{
    QListWidgetItem *item = lisJobNames->currentItem();
    const QString name = item ? item->text() : QString();
    if (name.isEmpty())
        return;
    if (!m_prompt.askYesNo(tr("Are you sure?"), tr("Delete Position")))
        return;
    RunShowingFileError(m_prompt, windowTitle(), [&] { m_info.JobDelete(name); });
    ReloadList();
}
