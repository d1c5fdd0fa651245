#include "frmShiftsSetup.h"

#include "WindowHelpers.h"
#include "frmAddShift.h"
#include "data/FileError.h"
#include "data/OleDate.h"
#include "data/Prompt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

frmShiftsSetup::frmShiftsSetup(clsEmployeeInfo &info, clsOptions &, Prompt &prompt, QWidget *parent)
    : QWidget(parent), m_info(info), m_prompt(prompt)
{
    setObjectName(QStringLiteral("frmShiftsSetup"));
    setWindowTitle(tr("Default Shifts Manager"));

    comDepartmentName = new QComboBox(this);
    comDepartmentName->setObjectName(QStringLiteral("comDepartmentName"));
    comDepartmentName->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    lisShifts = new QListWidget(this);
    lisShifts->setObjectName(QStringLiteral("lisShifts"));
    auto *labDepartment = new QLabel(tr("Department"), this);
    labDepartment->setBuddy(comDepartmentName);
    auto *labShift = new QLabel(tr("Shift"), this);
    labShift->setBuddy(lisShifts);

    auto button = [this](const char *name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    cmdAdd = button("cmdAdd", tr("Add"));
    cmdEdit = button("cmdEdit", tr("Edit"));
    cmdDelete = button("cmdDelete", tr("Delete"));
    cmdUp = button("cmdUp", tr("Up"));
    CmdDown = button("CmdDown", tr("Down"));
    cmdClose = button("cmdClose", tr("Close"));

    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {cmdAdd, cmdEdit, cmdDelete})
        buttons->addWidget(b);
    buttons->addSpacing(12);
    buttons->addWidget(cmdUp);
    buttons->addWidget(CmdDown);
    buttons->addStretch();
    buttons->addWidget(cmdClose);

    auto *grid = new QGridLayout(this);
    grid->addWidget(labDepartment, 0, 0);
    grid->addWidget(comDepartmentName, 1, 0);
    grid->addWidget(labShift, 2, 0);
    grid->addWidget(lisShifts, 3, 0);
    grid->addLayout(buttons, 3, 1);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(3, 1);

    setTabOrder(comDepartmentName, lisShifts);
    setTabOrder(lisShifts, cmdAdd);
    setTabOrder(cmdAdd, cmdEdit);
    setTabOrder(cmdEdit, cmdDelete);
    setTabOrder(cmdDelete, cmdUp);
    setTabOrder(cmdUp, CmdDown);
    setTabOrder(CmdDown, cmdClose);

    connect(cmdAdd, &QPushButton::clicked, this, &frmShiftsSetup::cmdAdd_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmShiftsSetup::cmdEdit_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmShiftsSetup::cmdDelete_Click);
    connect(cmdUp, &QPushButton::clicked, this, &frmShiftsSetup::cmdUp_Click);
    connect(CmdDown, &QPushButton::clicked, this, &frmShiftsSetup::CmdDown_Click);
    connect(cmdClose, &QPushButton::clicked, this, [this] { CloseForm(this); });
    // A double click or Enter on a shift edits it.
    connect(lisShifts, &QListWidget::itemActivated, this, &frmShiftsSetup::cmdEdit_Click);
    CloseFormOnEscape(this);

    resize(380, 360);

    try {
        FillDepartmentList(comDepartmentName, m_info);
    } catch (const FileError &e) {
        m_prompt.message(e.userText(), windowTitle(), Prompt::Icon::Critical);
        for (const DepartmentInfo &d : m_info.Departments())
            comDepartmentName->addItem(d.name);
    }
    m_hasDepartments = comDepartmentName->count() > 0;
    connect(comDepartmentName, &QComboBox::currentIndexChanged, this, &frmShiftsSetup::comDepartmentName_Click);
    if (m_hasDepartments)
        comDepartmentName_Click();
}

void frmShiftsSetup::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    PlaceFormInMainWindow(this);
    if (!m_hasDepartments) {
        QTimer::singleShot(0, this, [this] {
            m_prompt.message(tr("Please setup a department"));
            CloseForm(this);
        });
    }
}

void frmShiftsSetup::comDepartmentName_Click()
{
    m_shifts = m_info.ShiftAutoGetAll(comDepartmentName->currentText());
    lisShifts->clear();
    for (int i = 0; i < m_shifts.size(); ++i) {
        const DefaultShift &shift = m_shifts[i];
        auto *item = new QListWidgetItem(OleDate::format(shift.start, QStringLiteral("h:mma/p")) + QStringLiteral(" - ")
                                         + OleDate::format(shift.end, QStringLiteral("h:mma/p")));
        item->setData(Qt::UserRole, i + 1);
        lisShifts->addItem(item);
    }
    if (!m_shifts.isEmpty())
        lisShifts->setCurrentRow(0);
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
    try {
        m_info.ShiftSaveAll(department, m_shifts);
    } catch (const FileError &e) {
        m_prompt.message(e.userText(), windowTitle(), Prompt::Icon::Critical);
    }
    comDepartmentName_Click();
    if (row >= 0 && row < lisShifts->count())
        lisShifts->setCurrentRow(row);
}

void frmShiftsSetup::cmdAdd_Click()
{
    if (comDepartmentName->currentIndex() < 0)
        return;
    frmAddShift dialog(this);
    dialog.TimesSetAndDisplay(OleDate::timeValue(8, 0), OleDate::timeValue(16, 0));
    double start = 0, end = 0;
    dialog.TimesGet(start, end);
    if (start == 0 && end == 0)
        return;
    m_shifts.append({comDepartmentName->currentText(), start, end});
    SaveAndReload(-1);
}

void frmShiftsSetup::cmdEdit_Click()
{
    const int k = SelectedPlace();
    if (k < 1 || k > m_shifts.size())
        return;
    frmAddShift dialog(this);
    dialog.TimesSetAndDisplay(m_shifts[k - 1].start, m_shifts[k - 1].end);
    double start = 0, end = 0;
    dialog.TimesGet(start, end);
    if (start == 0 && end == 0)
        return;
    m_shifts[k - 1].start = start;
    m_shifts[k - 1].end = end;
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
