#include "frmReportFilter.h"

#include "data/Prompt.h"
#include "data/clsEmployeeInfo.h"
#include "ui/common/DialogRunner.h"
#include "ui/common/WindowHelpers.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
constexpr int kLastStep = 2;
const char *const kMissing[] = {"No Departments Selected", "No Positions Selected", "No Employees Selected"};
}

frmReportFilter::frmReportFilter(const clsEmployeeInfo &info, Prompt &prompt, QWidget *parent)
    : QDialog(parent), m_info(info), m_prompt(prompt)
{
    setObjectName(QStringLiteral("frmReportFilter"));
    setWindowTitle(tr("Report Filter"));

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(makeStep(tr("Department Filter"), lisDepartments, optDepartmentAll, optDepartmentSelected,
                            QStringLiteral("lisDepartments"), QStringLiteral("optDepartmentAll"),
                            QStringLiteral("optDepartmentSelected")),
                   tr("&Department"));
    SSTab1->addTab(makeStep(tr("Position Filter"), lisPositions, optPositionsAll, optPositionsSelected,
                            QStringLiteral("lisPositions"), QStringLiteral("optPositionsAll"),
                            QStringLiteral("optPositionsSelected")),
                   tr("&Position"));
    SSTab1->addTab(makeStep(tr("Employee Filter"), lisEmployees, optEmployeesAll, optEmployeesSelected,
                            QStringLiteral("lisEmployees"), QStringLiteral("optEmployeesAll"),
                            QStringLiteral("optEmployeesSelected")),
                   tr("&Employee"));

    cmdBack = NamedButton(tr("< &Back"), QStringLiteral("cmdBack"), this);
    cmdNext = NamedButton(tr("&Next >"), QStringLiteral("cmdNext"), this);
    cmdFinish = NamedButton(tr("&Finish"), QStringLiteral("cmdFinish"), this);
    cmdCancel = NamedButton(tr("Cancel"), QStringLiteral("cmdCancel"), this);
    cmdNext->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {cmdBack, cmdNext, cmdFinish, cmdCancel})
        buttons->addWidget(b);
    auto *main = new QVBoxLayout(this);
    main->addWidget(SSTab1, 1);
    main->addLayout(buttons);

    connect(cmdNext, &QPushButton::clicked, this, &frmReportFilter::Next);
    connect(cmdBack, &QPushButton::clicked, this, &frmReportFilter::Back);
    connect(cmdFinish, &QPushButton::clicked, this, [this] {
        if (Finish())
            accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    for (int i = 0; i <= kLastStep; ++i) {
        const Step s = stepOf(i);
        connect(s.all, &QRadioButton::toggled, this, [this, i](bool on) { chooseAll(i, on); });
    }
    resize(460, 420);
    setMinimumSize(360, 320);
}

QWidget *frmReportFilter::makeStep(const QString &frame, QListWidget *&list, QRadioButton *&all, QRadioButton *&selected,
                                   const QString &listName, const QString &allName, const QString &selectedName)
{
    auto *page = new QWidget;
    // Made in the order they stand, so that Tab goes from the options to the list below them.
    auto *box = new QGroupBox(frame, page);
    all = new QRadioButton(tr("&All"), box);
    all->setObjectName(allName);
    selected = new QRadioButton(tr("&Selected"), box);
    selected->setObjectName(selectedName);
    list = new QListWidget(box);
    list->setObjectName(listName);
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    all->setChecked(true);
    auto *options = new QHBoxLayout;
    options->addWidget(all);
    options->addWidget(selected);
    options->addStretch();
    auto *inside = new QVBoxLayout(box);
    inside->addLayout(options);
    inside->addWidget(list, 1);
    auto *outside = new QVBoxLayout(page);
    outside->addWidget(box);
    return page;
}

frmReportFilter::Step frmReportFilter::stepOf(int index) const
{
    switch (index) {
    case 0: return {lisDepartments, optDepartmentAll, optDepartmentSelected};
    case 1: return {lisPositions, optPositionsAll, optPositionsSelected};
    default: return {lisEmployees, optEmployeesAll, optEmployeesSelected};
    }
}

void frmReportFilter::chooseAll(int index, bool all)
{
    const Step s = stepOf(index);
    if (all != s.all->isChecked())
        (all ? s.all : s.selected)->setChecked(true);
    s.list->setEnabled(!all);
    if (all)
        s.list->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
}

std::optional<ReportFilterChoice> frmReportFilter::GetReturnValues(DialogRunner &dialogs, const QStringList &presetDepartments)
{
    DisplayWindow(presetDepartments);
    PlaceFormInMainWindow(this);
    if (dialogs.exec(*this) != QDialog::Accepted)
        return std::nullopt;
    return m_choice;
}

void frmReportFilter::DisplayWindow(const QStringList &presetDepartments)
{
    lisDepartments->clear();
    lisDepartments->addItems(m_info.DepartmentNames());
    lisPositions->clear();
    lisPositions->addItems(m_info.JobNamesGetAll());
    QStringList names;
    QList<qint32> numbers;
    m_info.GetEmpNames(names, numbers);
    fillEmployees(names, numbers, false);
    chooseAll(1, true);
    chooseAll(2, true);
    if (presetDepartments.isEmpty()) {
        chooseAll(0, true);
    } else {
        chooseAll(0, false);
        for (int row = 0; row < lisDepartments->count(); ++row)
            lisDepartments->item(row)->setSelected(presetDepartments.contains(lisDepartments->item(row)->text()));
    }
    m_step = 0;
    showStep();
}

void frmReportFilter::fillEmployees(const QStringList &, const QList<qint32> &numbers, bool select)
{
    // Equal names are told apart.
    const QStringList names = m_info.DistinctNames(numbers, false);
    lisEmployees->clear();
    for (qsizetype i = 0; i < names.size() && i < numbers.size(); ++i) {
        auto *item = new QListWidgetItem(names.at(i), lisEmployees);
        item->setData(Qt::UserRole, numbers.at(i));
        item->setSelected(select);
    }
}

bool frmReportFilter::Next()
{
    if (m_step >= kLastStep)
        return true;
    const Step current = stepOf(m_step);
    // A step left with "Selected" and nothing chosen would only leave the next one empty.
    if (current.selected->isChecked() && current.list->selectedItems().isEmpty()) {
        m_prompt.message(tr(kMissing[m_step]));
        return false;
    }
    if (m_step == 0) {
        if (optDepartmentAll->isChecked()) {
            lisPositions->clear();
            lisPositions->addItems(m_info.JobNamesGetAll());
            chooseAll(1, true);
        } else {
            lisPositions->clear();
            lisPositions->addItems(m_info.PositionsInDept(selectedTexts(lisDepartments)));
            for (int row = 0; row < lisPositions->count(); ++row)
                lisPositions->item(row)->setSelected(true);
            chooseAll(1, false);
        }
    } else {
        if (optDepartmentAll->isChecked() && optPositionsAll->isChecked()) {
            QStringList names;
            QList<qint32> numbers;
            m_info.GetEmpNames(names, numbers);
            fillEmployees(names, numbers, false);
            chooseAll(2, true);
        } else {
            const QStringList departments = optDepartmentAll->isChecked() ? m_info.DepartmentNames() : selectedTexts(lisDepartments);
            const QStringList positions = optPositionsAll->isChecked() ? m_info.JobNamesGetAll() : selectedTexts(lisPositions);
            const QList<qint32> numbers = m_info.EmployeeGetForDeptandPost(positions, departments);
            QStringList names;
            for (qint32 number : numbers)
                names << m_info.ConvertNumberToName(number, false);
            fillEmployees(names, numbers, true);
            chooseAll(2, false);
        }
    }
    ++m_step;
    showStep();
    return true;
}

void frmReportFilter::Back()
{
    m_step = std::max(0, m_step - 1);
    showStep();
}

bool frmReportFilter::Finish()
{
    // The remaining steps, each as Next takes it; never past the last one.
    while (m_step < kLastStep)
        if (!Next())
            return false;
    for (int index : {0, 2, 1}) {
        const Step s = stepOf(index);
        if (s.selected->isChecked() && s.list->selectedItems().isEmpty()) {
            m_step = index;
            showStep();
            m_prompt.message(tr(kMissing[index]));
            return false;
        }
    }
    m_choice = {};
    m_choice.allDepartments = optDepartmentAll->isChecked();
    if (!m_choice.allDepartments)
        m_choice.departments = selectedTexts(lisDepartments);
    m_choice.allPositions = optPositionsAll->isChecked();
    if (!m_choice.allPositions)
        m_choice.positions = selectedTexts(lisPositions);
    m_choice.allEmployees = optEmployeesAll->isChecked();
    if (!m_choice.allEmployees)
        m_choice.employees = selectedNumbers(lisEmployees);
    return true;
}

void frmReportFilter::showStep()
{
    {
        const QSignalBlocker block(SSTab1);
        SSTab1->setCurrentIndex(m_step);
    }
    // The tabs show the steps; only the current one can be chosen, since a later step depends
    // on the choices of the earlier ones.
    for (int i = 0; i <= kLastStep; ++i)
        SSTab1->setTabEnabled(i, i == m_step);
    cmdBack->setEnabled(m_step > 0);
    cmdNext->setEnabled(m_step < kLastStep);
    cmdNext->setDefault(m_step < kLastStep);
    cmdFinish->setDefault(m_step == kLastStep);
    const Step s = stepOf(m_step);
    (s.list->isEnabled() ? static_cast<QWidget *>(s.list) : s.all)->setFocus();
}

QStringList frmReportFilter::selectedTexts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->isSelected())
            texts << list->item(row)->text();
    return texts;
}

QList<qint32> frmReportFilter::selectedNumbers(const QListWidget *list)
{
    QList<qint32> numbers;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->isSelected())
            numbers << list->item(row)->data(Qt::UserRole).toInt();
    return numbers;
}
