#include "frmShiftsSetup.h"
#include "ui/common/ClockText.h"

#include "ui/common/WindowHelpers.h"
#include "frmAddShift.h"
#include "data/OleDate.h"
#include "data/Prompt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QListWidget>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmShiftsSetup::frmShiftsSetup(clsEmployeeInfo &info, clsOptions &, Prompt &prompt, DialogRunner &dialogs,
                               QWidget *parent)
    : QWidget(parent), m_info(info), m_prompt(prompt), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmShiftsSetup"));
    setWindowTitle(tr("Default Shifts Manager"));

    comDepartmentName = new QComboBox(this);
    comDepartmentName->setObjectName(QStringLiteral("comDepartmentName"));
    comDepartmentName->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    lisShifts = new QListWidget(this);
    lisShifts->setObjectName(QStringLiteral("lisShifts"));

    cmdAdd = NamedButton(tr("&Add"), QStringLiteral("cmdAdd"), this);
    cmdEdit = NamedButton(tr("&Edit"), QStringLiteral("cmdEdit"), this);
    cmdDelete = NamedButton(tr("&Delete"), QStringLiteral("cmdDelete"), this);
    cmdUp = NamedButton(tr("&Up"), QStringLiteral("cmdUp"), this);
    CmdDown = NamedButton(tr("D&own"), QStringLiteral("CmdDown"), this);
    cmdClose = NamedButton(tr("&Close"), QStringLiteral("cmdClose"), this);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {cmdAdd, cmdEdit, cmdDelete})
        buttons->addWidget(b);
    buttons->addSpacing(12);
    buttons->addWidget(cmdUp);
    buttons->addWidget(CmdDown);
    buttons->addStretch();
    buttons->addWidget(cmdClose);

    auto *grid = new QGridLayout(this);
    grid->addWidget(BuddyLabel(tr("De&partment"), comDepartmentName, this), 0, 0);
    grid->addWidget(comDepartmentName, 1, 0);
    grid->addWidget(BuddyLabel(tr("Sh&ift"), lisShifts, this), 2, 0);
    grid->addWidget(lisShifts, 3, 0);
    grid->addLayout(buttons, 3, 1);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(3, 1);

    TabOrder({comDepartmentName, lisShifts, cmdAdd, cmdEdit, cmdDelete, cmdUp, CmdDown, cmdClose});

    connect(cmdAdd, &QPushButton::clicked, this, &frmShiftsSetup::cmdAdd_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmShiftsSetup::cmdEdit_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmShiftsSetup::cmdDelete_Click);
    connect(cmdUp, &QPushButton::clicked, this, &frmShiftsSetup::cmdUp_Click);
    connect(CmdDown, &QPushButton::clicked, this, &frmShiftsSetup::CmdDown_Click);
    connect(cmdClose, &QPushButton::clicked, this, [this] { CloseForm(this); });
    // A double click or Enter on a shift edits it.
    connect(lisShifts, &QListWidget::itemActivated, this, &frmShiftsSetup::cmdEdit_Click);
    CloseFormOnEscape(this);
    connect(lisShifts, &QListWidget::currentRowChanged, this, &frmShiftsSetup::UpdateButtons);
    connect(&m_info, &clsEmployeeInfo::departmentsChanged, this, &frmShiftsSetup::FollowDepartments);

    setMinimumSize(320, 300);
    resize(380, 360);

    if (!RunShowingFileError(m_prompt, windowTitle(), [this] { FillDepartmentList(comDepartmentName, m_info); }))
        comDepartmentName->addItems(m_info.DepartmentNames());
    m_hasDepartments = comDepartmentName->count() > 0;
    connect(comDepartmentName, &QComboBox::currentIndexChanged, this, &frmShiftsSetup::comDepartmentName_Click);
    if (m_hasDepartments)
        comDepartmentName_Click();
    UpdateButtons();
    DescribeForAccessibility(this);
    OnFirstShow(this, [this] {
        if (!m_hasDepartments) {
            m_prompt.message(tr("Please setup a department"));
            CloseForm(this);
        }
    });
}

void frmShiftsSetup::comDepartmentName_Click()
{
    m_shifts = m_info.ShiftAutoGetAll(comDepartmentName->currentText());
    lisShifts->clear();
    for (int i = 0; i < m_shifts.size(); ++i) {
        const DefaultShift &shift = m_shifts[i];
        auto *item = new QListWidgetItem(ClockText::format(shift.start, QStringLiteral("h:mma/p")) + QStringLiteral(" - ")
                                         + ClockText::format(shift.end, QStringLiteral("h:mma/p")));
        item->setData(Qt::UserRole, i + 1);
        lisShifts->addItem(item);
    }
    if (!m_shifts.isEmpty())
        lisShifts->setCurrentRow(0);
    UpdateButtons();
}

void frmShiftsSetup::UpdateButtons()
{
    const bool any = lisShifts->count() > 0;
    for (QPushButton *b : {cmdEdit, cmdDelete, cmdUp, CmdDown})
        b->setEnabled(any);
    cmdAdd->setEnabled(comDepartmentName->count() > 0);
}

void frmShiftsSetup::FollowDepartments()
{
    const QString shown = comDepartmentName->currentText();
    {
        const QSignalBlocker block(comDepartmentName);
        comDepartmentName->clear();
        comDepartmentName->addItems(m_info.DepartmentNames());
        comDepartmentName->setCurrentIndex(qMax(0, comDepartmentName->findText(shown)));
    }
    if (comDepartmentName->count() > 0) {
        if (comDepartmentName->currentText() != shown)
            comDepartmentName_Click();
    } else {
        m_shifts.clear();
        lisShifts->clear();
    }
    UpdateButtons();
}

int frmShiftsSetup::SelectedPlace() const
{
    QListWidgetItem *item = lisShifts->currentItem();
    if (!item || !item->isSelected())
        return 0;
    return item->data(Qt::UserRole).toInt();
}

void frmShiftsSetup::SaveAndReload(int row)
{
    const QString department = comDepartmentName->currentText();
    for (DefaultShift &shift : m_shifts)
        shift.department = department;
    RunShowingFileError(m_prompt, windowTitle(), [&] { m_info.ShiftSaveAll(department, m_shifts); });
    comDepartmentName_Click();
    if (row >= 0 && row < lisShifts->count())
        lisShifts->setCurrentRow(row);
}

std::optional<QPair<double, double>> frmShiftsSetup::AskTimes(double start, double end)
{
    frmAddShift dialog(m_dialogs, this);
    dialog.TimesSetAndDisplay(start, end);
    dialog.TimesGet(start, end);
    if (start == 0 && end == 0)
        return std::nullopt;
    return qMakePair(start, end);
}

void frmShiftsSetup::cmdAdd_Click()
{
    if (comDepartmentName->currentIndex() < 0)
        return;
    const auto times = AskTimes(OleDate::timeValue(8, 0), OleDate::timeValue(16, 0));
    if (!times)
        return;
    m_shifts.append({comDepartmentName->currentText(), times->first, times->second});
    SaveAndReload(-1);
}

void frmShiftsSetup::cmdEdit_Click()
{
    const int k = SelectedPlace();
    if (k < 1 || k > m_shifts.size())
        return;
    const auto times = AskTimes(m_shifts[k - 1].start, m_shifts[k - 1].end);
    if (!times)
        return;
    m_shifts[k - 1].start = times->first;
    m_shifts[k - 1].end = times->second;
    SaveAndReload(k - 1);
}

void frmShiftsSetup::cmdDelete_Click()
{
    const int k = SelectedPlace();
    if (k < 1 || k > m_shifts.size())
        return;
    m_shifts.removeAt(k - 1);
    SaveAndReload(-1);
}

void frmShiftsSetup::cmdUp_Click()
{
    const int k = SelectedPlace();
    if (k < 2 || k > m_shifts.size())
        return;
    m_shifts.swapItemsAt(k - 2, k - 1);
    SaveAndReload(k - 2);
}

void frmShiftsSetup::CmdDown_Click()
{
    const int k = SelectedPlace();
    if (k < 1 || k > m_shifts.size() - 1)
        return;
    m_shifts.swapItemsAt(k - 1, k);
    SaveAndReload(k);
}
