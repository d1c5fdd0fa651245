#include "FillNeedsDialog.h"
#include "ui/common/WindowHelpers.h"

#include "data/FileError.h"
#include "data/OleDate.h"
#include "planning/StaffingNeeds.h"
#include "schedule/clsScheduleData.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QVBoxLayout>

namespace PlanOutcomeText {

QString reason(UnmetReason reason)
{
    switch (reason) {
    case UnmetReason::NoShiftCovers: return Texts::tr("no default shift covers it");
    case UnmetReason::NobodyHolds: return Texts::tr("nobody in the department holds the position");
    case UnmetReason::TimeOff: return Texts::tr("all who hold it are off");
    case UnmetReason::Unavailable: return Texts::tr("all who hold it are unavailable then");
    case UnmetReason::Working: return Texts::tr("all who hold it are already working");
    case UnmetReason::AtLimit: return Texts::tr("all who hold it are at their hour limit");
    }
    return {};
}

QString unmetLine(const UnmetNeed &need)
{
    return Texts::tr("%1 %2-%3 %4: %n missing - %5", nullptr, need.missing)
        .arg(WindowLocale().toString(OleDate::toDate(need.day), QStringLiteral("ddd")), StaffingNeeds::timeText(need.from), StaffingNeeds::timeText(need.to),
             need.position, reason(need.reason));
}

QString summary(const PlanResult &plan)
{
    QStringList lines;
    lines << Texts::tr("%n shift(s) to add.", nullptr, int(plan.added.size()));
    if (plan.unmet.isEmpty())
        lines << Texts::tr("Every need is met.");
    else
        lines << Texts::tr("Need left open: %1 hours.").arg(OleDate::hoursTextFromSeconds(plan.unmetMinutes * 60));
    if (plan.overtimeMinutes > 0)
        lines << Texts::tr("Overtime: %1 hours.").arg(OleDate::hoursTextFromSeconds(plan.overtimeMinutes * 60));
    lines << (plan.proven ? Texts::tr("No better plan exists.")
                          : Texts::tr("The search stopped before it could prove this plan the best."));
    for (const UnmetNeed &need : plan.unmet)
        lines << unmetLine(need);
    return lines.join(u'\n');
}

} // namespace PlanOutcomeText

FillNeedsDialog::FillNeedsDialog(const clsEmployeeInfo &info, const clsScheduleData &schedule, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FillNeedsDialog"));
    setWindowTitle(tr("Fill Open Needs"));
    QList<NeedRow> needs;
    try {
        const StaffingNeeds all = StaffingNeeds::read(schedule.dataPath());
        needs = all.rowsOf(schedule.Department());
        if (!all.problems().isEmpty())
            m_needsProblem = tr("%n row(s) of %1 could not be read and are left out; the first: %2", nullptr, int(all.problems().size()))
                                 .arg(QString::fromLatin1(StaffingNeeds::kFileName), all.problems().first().text());
    } catch (const FileError &e) {
        m_needsProblem = e.userText();
    }
    m_planner = std::make_unique<WeekPlanner>(info, schedule, needs);

    auto *intro = new QLabel(tr("Adds the department's default shifts to the week of %1 in %2 where the staffing needs are "
                                "not met, from the staff who hold the position, are available and stay under their limits.")
                                 .arg(WindowDayText(schedule.FirstDay()), schedule.Department()));
    intro->setWordWrap(true);
    chkOvertime = new QCheckBox(tr("Allow &overtime"));
    chkOvertime->setObjectName(QStringLiteral("chkOvertime"));
    txtSeconds = new QSpinBox;
    txtSeconds->setObjectName(QStringLiteral("txtSeconds"));
    txtSeconds->setRange(1, 600);
    txtSeconds->setValue(10);
    txtSeconds->setSuffix(tr(" s"));
    auto *form = new QFormLayout;
    form->addRow(chkOvertime);
    form->addRow(tr("&Search for at most:"), txtSeconds);
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    labStatus = new QLabel(needs.isEmpty() ? tr("The department has no staffing needs (Setup > Staffing Needs).") : QString());
    labStatus->setObjectName(QStringLiteral("labStatus"));
    labStatus->setWordWrap(true);
    if (!m_needsProblem.isEmpty())
        labStatus->setText(m_needsProblem);
    txtSummary = new QPlainTextEdit;
    txtSummary->setObjectName(QStringLiteral("txtSummary"));
    txtSummary->setReadOnly(true);

    auto *buttons = new QDialogButtonBox;
    cmdFill = buttons->addButton(tr("&Fill"), QDialogButtonBox::ActionRole);
    cmdFill->setObjectName(QStringLiteral("cmdFill"));
    cmdFill->setEnabled(!needs.isEmpty());
    cmdApply = buttons->addButton(tr("&Add Shifts"), QDialogButtonBox::AcceptRole);
    cmdApply->setObjectName(QStringLiteral("cmdApply"));
    cmdApply->setEnabled(false);
    cmdCancel = buttons->addButton(QDialogButtonBox::Cancel);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdFill, &QPushButton::clicked, this, &FillNeedsDialog::start);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FillNeedsDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(m_progress);
    layout->addWidget(labStatus);
    layout->addWidget(txtSummary, 1);
    layout->addWidget(buttons);
    resize(560, 420);
}

FillNeedsDialog::~FillNeedsDialog()
{
    if (m_thread) {
        m_cancelled = true;
        m_thread->wait();
    }
}

void FillNeedsDialog::start()
{
    if (m_thread)
        return;
    m_cancelled = false;
    WeekPlanner::Options options;
    options.seconds = txtSeconds->value();
    options.allowOvertime = chkOvertime->isChecked();
    options.cancelled = [this] { return m_cancelled.load(); };
    options.progress = [this](int goal, int goals) {
        QMetaObject::invokeMethod(this, [this, goal, goals] {
            m_progress->setRange(0, goals);
            m_progress->setValue(goal - 1);
        }, Qt::QueuedConnection);
    };
    cmdFill->setEnabled(false);
    cmdApply->setEnabled(false);
    chkOvertime->setEnabled(false);
    txtSeconds->setEnabled(false);
    txtSummary->clear();
    labStatus->setText(tr("Searching for the best plan..."));
    m_thread = QThread::create([this, options] { m_result = m_planner->plan(options); });
    connect(m_thread, &QThread::finished, this, &FillNeedsDialog::finished);
    m_thread->start();
}

void FillNeedsDialog::finished()
{
    m_thread->deleteLater();
    m_thread = nullptr;
    m_progress->setValue(m_progress->maximum());
    labStatus->setText(m_cancelled ? tr("Stopped: the plan found so far is shown.") : m_needsProblem);
    txtSummary->setPlainText(PlanOutcomeText::summary(m_result));
    cmdFill->setEnabled(true);
    chkOvertime->setEnabled(true);
    txtSeconds->setEnabled(true);
    cmdApply->setEnabled(!m_result.added.isEmpty());
    if (cmdApply->isEnabled())
        cmdApply->setDefault(true);
}

void FillNeedsDialog::reject()
{
    // Cancel while searching stops the search and keeps its plan to look at.
    if (m_thread) {
        m_cancelled = true;
        labStatus->setText(tr("Stopping: the plan found so far will be shown..."));
        return;
    }
    QDialog::reject();
}
