#include "frmDepartmentSettings.h"

#include "ui/widgets/TimeBox.h"
#include "ui/common/WindowHelpers.h"
#include "data/Budgets.h"
#include "data/MultiFileCommit.h"
#include "data/OleDate.h"
#include "data/Prompt.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
// What a label shows, without its mnemonic marker.
QString labelText(const QLabel *label) { return label->text().remove(u'&'); }
} // namespace

frmDepartmentSettings::frmDepartmentSettings(clsEmployeeInfo &info, clsOptions &options,
                                             Prompt &prompt, QWidget *parent)
    : QDialog(parent), m_info(info), m_options(options), m_prompt(prompt)
{
    setObjectName(QStringLiteral("frmDepartmentSettings"));
    setWindowTitle(tr("Department Settings - "));

    comFirstDayofWeek = new QComboBox(this);
    comFirstDayofWeek->setObjectName(QStringLiteral("comFirstDayofWeek"));
    // The week-day index stored with the department is the index in this list.
    comFirstDayofWeek->addItems({tr("Sunday"), tr("Monday"), tr("Tuesday"), tr("Wednesday"),
                                 tr("Thursday"), tr("Friday"), tr("Saturday")});

    Frame1 = new QGroupBox(tr("Flag Overtime if"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    // Whole hours within what the department record holds (one byte); 0 means no limit.
    txtDayHours = new QSpinBox(Frame1);
    txtDayHours->setObjectName(QStringLiteral("txtDayHours"));
    txtWeekHours = new QSpinBox(Frame1);
    txtWeekHours->setObjectName(QStringLiteral("txtWeekHours"));
    for (QSpinBox *box : {txtDayHours, txtWeekHours}) {
        box->setRange(0, 255);
        box->setSpecialValueText(tr("0 (no limit)"));
        box->setToolTip(tr("Whole hours, 0 to 255; 0 means no limit."));
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(tr("0 (no limit)")) + 40);
        SayRangeWhenRefused(box);
    }
    auto *frameForm = new QFormLayout(Frame1);
    frameForm->addRow(BuddyLabel(tr("&Day hours greater than"), txtDayHours, Frame1), txtDayHours);
    frameForm->addRow(BuddyLabel(tr("&Week hours greater than"), txtWeekHours, Frame1), txtWeekHours);

    dtpDisplayStartTime = new TimeBox(QStringLiteral("dtpDisplayStartTime"), this);

    chkForceJosDisplayAlways = new QCheckBox(tr("&Always display job pick list"), this);
    chkForceJosDisplayAlways->setObjectName(QStringLiteral("chkForceJosDisplayAlways"));

    txtWeeklyBudget = new QLineEdit(this);
    txtWeeklyBudget->setObjectName(QStringLiteral("txtWeeklyBudget"));
    txtWeeklyBudget->setToolTip(tr("The labour cost the department may spend in a week, like %1. Empty: no budget.")
                                    .arg(MoneyText(250000)));
    txtOvertimeMultiplier = new QLineEdit(this);
    txtOvertimeMultiplier->setObjectName(QStringLiteral("txtOvertimeMultiplier"));
    txtOvertimeMultiplier->setToolTip(tr("How many times the hourly rate an overtime hour costs, from 1 to 10, like %1.")
                                          .arg(MoneyText(150)));
    labWeeklyBudget = BuddyLabel(tr("Weekly &Budget"), txtWeeklyBudget, this);
    labOvertimeMultiplier = BuddyLabel(tr("Overtime &Multiplier"), txtOvertimeMultiplier, this);

    cmdSave = NamedButton(tr("&Save"), QStringLiteral("cmdSave"), this);
    cmdSave->setDefault(true);
    cmdCancel = NamedButton(tr("&Cancel"), QStringLiteral("cmdCancel"), this);
    cmdCancel->setAutoDefault(false);

    auto *form = new QFormLayout;
    form->addRow(BuddyLabel(tr("&First day of week"), comFirstDayofWeek, this), comFirstDayofWeek);
    form->addRow(Frame1);
    form->addRow(BuddyLabel(tr("Display Start &Time"), dtpDisplayStartTime, this), dtpDisplayStartTime);
    form->addRow(chkForceJosDisplayAlways);
    form->addRow(labWeeklyBudget, txtWeeklyBudget);
    form->addRow(labOvertimeMultiplier, txtOvertimeMultiplier);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);

    auto *main = new QVBoxLayout(this);
    main->addLayout(form);
    main->addStretch();
    main->addLayout(buttons);

    TabOrder({comFirstDayofWeek, txtDayHours, txtWeekHours, dtpDisplayStartTime, chkForceJosDisplayAlways, txtWeeklyBudget,
              txtOvertimeMultiplier, cmdSave,
              cmdCancel});

    // The hour boxes select their text on entry, so typing replaces it.
    for (QSpinBox *box : {txtDayHours, txtWeekHours})
        SelectAllOnFocus(box->findChild<QLineEdit *>());
    SelectAllOnFocus(dtpDisplayStartTime->lineEdit());

    connect(cmdSave, &QPushButton::clicked, this, &frmDepartmentSettings::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmDepartmentSettings::cmdCancel_Click);
    setMinimumWidth(380);
    DescribeForAccessibility(this);
}

void frmDepartmentSettings::DisplayForm(const QString &name)
{
    m_name = name;
    const qint16 day = m_info.GetDepartmentFirstDay(name);
    if (day == -1)
        comFirstDayofWeek->setCurrentIndex(-1);
    else
        comFirstDayofWeek->setCurrentIndex(day >= 0 && day <= 6 ? day : 0);
    txtDayHours->setValue(m_info.OverTimeDepartmentGet(name, false));
    txtWeekHours->setValue(m_info.OverTimeDepartmentGet(name, true));
    dtpDisplayStartTime->setTime(OleDate::toTime(m_options.GetScheduleStartTime(name)));
    setWindowTitle(tr("Department Settings - %1").arg(name.trimmed()));
    chkForceJosDisplayAlways->setChecked(m_options.ForceJobDisplayForSingleJobGet(name.trimmed()));
    RunShowingFileError(m_prompt, windowTitle(), [&] {
        const DepartmentBudget budget = Budgets::read(m_info.DataPath()).of(name);
        txtWeeklyBudget->setText(budget.weeklyCents ? MoneyText(*budget.weeklyCents) : QString());
        txtOvertimeMultiplier->setText(MoneyText(budget.multiplierHundredths));
    });
    adjustSize();
    PlaceFormInMainWindow(this);
}

void frmDepartmentSettings::cmdSave_Click()
{
    if (!dtpDisplayStartTime->hasAcceptableInput()) {
        m_prompt.message(tr("\"%1\" is not a time of day. Type it as 9a, 9:30 pm or 21:30.")
                             .arg(dtpDisplayStartTime->lineEdit()->text()),
                         windowTitle(), Prompt::Icon::Warning);
        dtpDisplayStartTime->setFocus();
        return;
    }
    const QString budgetText = txtWeeklyBudget->text().trimmed();
    const std::optional<qint64> budget = MoneyFromTyped(budgetText);
    if (!budgetText.isEmpty() && !budget) {
        m_prompt.message(tr("The %1 \"%2\" is not an amount. Please type it like %3, or leave it empty.")
                             .arg(labelText(labWeeklyBudget), budgetText, MoneyText(250000)),
                         windowTitle(), Prompt::Icon::Warning);
        txtWeeklyBudget->setFocus();
        return;
    }
    const QString multiplierText = txtOvertimeMultiplier->text().trimmed();
    const std::optional<qint64> multiplier = multiplierText.isEmpty() ? std::optional<qint64>(Budgets::kDefaultMultiplier)
                                                                      : MoneyFromTyped(multiplierText);
    if (!multiplier || *multiplier < 100 || *multiplier > Budgets::kMaxMultiplier) {
        m_prompt.message(tr("The %1 \"%2\" is not a number from 1 to 10. Please type it like %3.")
                             .arg(labelText(labOvertimeMultiplier), multiplierText, MoneyText(150)),
                         windowTitle(), Prompt::Icon::Warning);
        txtOvertimeMultiplier->setFocus();
        return;
    }
    const QTime start = dtpDisplayStartTime->time();
    // On failure the dialog stays open with what the user entered, so Save can be tried again.
    if (!RunShowingFileError(m_prompt, windowTitle(), [&] {
            // The budget is saved with the department record or not at all.
            MultiFileCommit together(m_info.DataPath());
            Budgets budgets = Budgets::read(m_info.DataPath());
            if (budgets.of(m_name) != DepartmentBudget{budgets.of(m_name).department, budget, *multiplier}) {
                budgets.set({m_name, budget, *multiplier});
                budgets.write(m_info.DataPath());
            }
            m_info.SaveDepartmentFirstDay(m_name, qint16(comFirstDayofWeek->currentIndex()));
            m_info.OverTimeDepartmentset(m_name, false, quint8(txtDayHours->value()));
            m_info.OverTimeDepartmentset(m_name, true, quint8(txtWeekHours->value()));
            m_options.SetScheduleStartTime(m_name, OleDate::timeValue(start.hour(), start.minute()));
            m_options.ForceJobDisplayForSingleJobSet(m_name.trimmed(), chkForceJosDisplayAlways->isChecked());
            together.commit();
        }))
        return;
    m_saved = true;
    accept();
}

void frmDepartmentSettings::cmdCancel_Click()
{
    reject();
}
