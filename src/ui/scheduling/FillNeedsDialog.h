#pragma once

#include "planning/WeekPlanner.h"

#include <QCoreApplication>
#include <QDialog>
#include <atomic>
#include <memory>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QThread;
class clsEmployeeInfo;
class clsScheduleData;

// The words of the planner's outcomes.
namespace PlanOutcomeText {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PlanOutcomeText)
};
// "all who hold it are off"
QString reason(UnmetReason reason);
// "Mon 11:00-14:00 COOK: 1 missing - all who hold it are already working"
QString unmetLine(const UnmetNeed &need);
// The summary of a plan: how many shifts, the unmet need in hours, whether it is the best, and
// a line per unmet need.
QString summary(const PlanResult &plan);
} // namespace PlanOutcomeText

// Schedule > Fill Open Needs: plans the shown week of the scheduler's department by its staffing
// needs on a worker thread, with a progress bar and Cancel (the plan found so far is kept), then
// shows what it would add and what stays open. Accepting gives the shifts (added()) to the caller,
// which adds them as one undo step; the dialog itself changes nothing.
class FillNeedsDialog : public QDialog
{
    Q_OBJECT

public:
    // schedule: the scheduler's week, reloaded; it must not change while the dialog is open.
    FillNeedsDialog(const clsEmployeeInfo &info, const clsScheduleData &schedule, QWidget *parent = nullptr);
    ~FillNeedsDialog() override;

    const QList<PlannedShift> &added() const { return m_result.added; }
    const PlanResult &planResult() const { return m_result; }

public Q_SLOTS:
    void start();
    void reject() override;

private:
    void finished();

    std::unique_ptr<WeekPlanner> m_planner;
    QString m_needsProblem;
    PlanResult m_result;
    std::atomic<bool> m_cancelled{false};
    QThread *m_thread = nullptr;

    QCheckBox *chkOvertime;
    QSpinBox *txtSeconds;
    QProgressBar *m_progress;
    QLabel *labStatus;
    QPlainTextEdit *txtSummary;
    QPushButton *cmdFill;
    QPushButton *cmdApply;
    QPushButton *cmdCancel;
};
