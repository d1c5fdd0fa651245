#include "frmEmployeeWeek.h"

#include "data/OleDate.h"
#include "data/RecordList.h"
#include "data/ScheduleHelper.h"
#include "data/clsOptions.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/clsScheduleData.h"
#include "ui/common/WindowHelpers.h"
#include "ui/widgets/TimeGrid.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

frmEmployeeWeek::frmEmployeeWeek(clsEmployeeInfo &info, clsOptions &options, Prompt &prompt, DialogRunner &dialogs,
                                 QWidget *parent)
    : ShiftEditWindow(info, options, prompt, dialogs, parent)
{
    setObjectName(QStringLiteral("frmEmployeeWeek"));
    setSizeGripEnabled(true);
    buildEditing();
    TimeGrid1->setCaptionWidth(150);
    TimeGrid1->setInfoWidth(0);
    TimeGrid1->setMinimumRowHeight(64);

    comShiftAddConfig = new QComboBox(this);
    comShiftAddConfig->setObjectName(QStringLiteral("comShiftAddConfig"));
    comBarDisplay = new QComboBox(this);
    comBarDisplay->setObjectName(QStringLiteral("comBarDisplay"));
    comSnapTo = new QComboBox(this);
    comSnapTo->setObjectName(QStringLiteral("comSnapTo"));
    fillSnapAndBarLists(comSnapTo, comBarDisplay);
    labMousePos = new QLabel(this);
    labMousePos->setObjectName(QStringLiteral("labMousePos"));
    labMousePos->setAutoFillBackground(true);
    labMousePos->setMinimumWidth(300);
    cmdClose = NamedButton(tr("&Close"), QStringLiteral("cmdClose"), this);
    cmdClose->setAutoDefault(false);

    auto *undoBar = new QToolBar(this);
    undoBar->setObjectName(QStringLiteral("bandUndo"));
    undoBar->addAction(m_edits->undoAction());
    undoBar->addAction(m_edits->redoAction());

    auto *controls = new QHBoxLayout;
    controls->addWidget(BuddyLabel(tr("Shift Configuration"), comShiftAddConfig, this));
    controls->addWidget(comShiftAddConfig);
    controls->addWidget(BuddyLabel(tr("Bar Display"), comBarDisplay, this));
    controls->addWidget(comBarDisplay);
    controls->addWidget(BuddyLabel(tr("Snap To"), comSnapTo, this));
    controls->addWidget(comSnapTo);
    controls->addWidget(undoBar);
    controls->addStretch();

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(tr("Mouse Position"), this));
    bottom->addWidget(labMousePos);
    bottom->addWidget(labStatus, 1);
    bottom->addWidget(cmdClose);

    auto *menuBar = new QMenuBar(this);
    menuBar->addMenu(m_edits->editMenu());
    auto *main = new QVBoxLayout(this);
    main->setMenuBar(menuBar);
    main->addLayout(controls);
    main->addWidget(TimeGrid1, 1);
    main->addLayout(bottom);

    connect(comShiftAddConfig, &QComboBox::currentIndexChanged, this, [this](int index) { setAddModeFromList(index); });
    connect(comSnapTo, &QComboBox::currentIndexChanged, this, [this] { applySnapChoice(comSnapTo); });
    connect(comBarDisplay, &QComboBox::currentIndexChanged, this,
            [this] { applyBarDisplay(comBarDisplay->currentData().toString()); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    resize(1100, 320);
}

bool frmEmployeeWeek::DisplayWindow(qint32 employee, double firstDay, const QString &department)
{
    m_employee = employee;
    m_department = department;
    TimeGridModel *model = TimeGrid1->model();
    model->AddResource(m_info.ConvertNumberToName(employee, false), QString::number(employee));
    m_schedule->setFilterEmployee(employee);
    m_schedule->SetDepartment(department);
    m_schedule->SetDate(firstDay, firstDay + 6);
    const bool loaded = reloadGrid();
    setWindowTitle(tr("%1  %2 - %3", "employee, first and last day")
                       .arg(m_info.ConvertNumberToName(employee, false), WindowDayText(firstDay), WindowDayText(firstDay + 6)));
    TimeGrid1->setVisibleSpan(7);
    TimeGrid1->scrollToTime(firstDay);

    // The employee's time off: shifts may not touch it, although this view does not show it.
    m_timeOff.clear();
    try {
        RecordList periods(ScheduleFiles::TimeOff::Size);
        m_schedule->TimeOffLoad(employee, periods);
        for (int p = 1; p <= periods.count(); ++p)
            m_timeOff.append({ScheduleFiles::TimeOff::begin(periods.record(p)),
                              ScheduleFiles::TimeOff::end(periods.record(p))});
    } catch (const FileError &) {
        // Told by the reload of the scheduler; nothing to check against then.
    }

    loadDepartmentShifts(department, comShiftAddConfig);
    model->setSnapMinutes(QString::number(m_options.GetSnapToMinutes()) + QStringLiteral(" Minutes"));
    comBarDisplay->setCurrentIndex(0);
    applyBarDisplay(comBarDisplay->currentData().toString());
    const int snap = comSnapTo->findData(int(m_options.GetSnapToMinutes()));
    if (snap >= 0)
        comSnapTo->setCurrentIndex(snap);
    const int bars = comBarDisplay->findData(m_options.bardisplay());
    if (bars >= 0)
        comBarDisplay->setCurrentIndex(bars);
    applyBarDisplay(comBarDisplay->currentData().toString());
    OnFirstShow(this, [this] { TimeGrid1->setFocus(); });
    return loaded;
}

qint32 frmEmployeeWeek::employeeOfRow(int) const
{
    return m_employee;
}

EditOutcome frmEmployeeWeek::extraRefusal(int row, double begin, double end) const
{
    for (const auto &[offBegin, offEnd] : m_timeOff)
        if (offEnd >= begin && offBegin <= end)
            return EditOutcome::refused(EditRefusal::TouchesTimeOff, BlockSnapshot::at(0, row, begin, end), {},
                                        BlockSnapshot::at(0, row, offBegin, offEnd, true));
    return {};
}

void frmEmployeeWeek::pasteAt(int, double time)
{
    if (m_edits->clip().begin == 0)
        return;
    // The day under the pointer, found on a five-minute step (fixed, whatever the snap).
    qint16 five = 5;
    const double t = ScheduleHelper::SnapTime(time, five);
    const double delta = OleDate::wholeDay(t) - OleDate::wholeDay(m_edits->clip().begin);
    const QString position = m_edits->PickJob(0, m_employee);
    if (position.isEmpty())
        return;
    m_edits->addShift(0, m_edits->clip().begin + delta, m_edits->clip().end + delta, position, tr("Paste"));
}

void frmEmployeeWeek::onBlockChangeRequested(int id, BlockPlace from, BlockPlace to)
{
    const TimeGridModel *model = TimeGrid1->model();
    if (model->TBFromId(id) < 0 || to.begin < model->ViewBeg() || to.begin > model->ViewEnd())
        return;   // a drag that ends outside the days shown is dropped
    const double fromDay = OleDate::wholeDay(from.begin);
    const double toDay = OleDate::wholeDay(to.begin);
    if (fromDay != toDay) {
        // Dragging to another day copies the shift there.
        const QString position = m_edits->PickJob(0, m_employee);
        if (position.isEmpty())
            return;
        m_edits->addShift(0, from.begin + (toDay - fromDay), from.end + (toDay - fromDay), position, tr("Copy"));
        return;
    }
    const EditOutcome refused = extraRefusal(0, to.begin, to.end);
    if (refused.refusal != EditRefusal::None) {
        m_edits->tellRefusal(refused);
        return;
    }
    const bool stretched = std::abs((to.end - to.begin) - (from.end - from.begin)) > 1e-9;
    if (!m_edits->confirmOtherDepartments(0, to.begin, to.end))
        return;
    m_edits->applyEdit(m_edits->editor().place(id, 0, to.begin, to.end),
                       (stretched ? tr("Stretch %1 to %2") : tr("Move %1 to %2"))
                           .arg(m_edits->describe(from.begin, from.end, from.row), m_edits->describe(to.begin, to.end, -1)));
}

void frmEmployeeWeek::setPositionText(const QString &text, const QColor &color)
{
    labMousePos->setVisible(!text.isEmpty());
    labMousePos->setText(text);
    QPalette palette = labMousePos->palette();
    palette.setColor(QPalette::Window, color.isValid() ? color : this->palette().color(QPalette::Window));
    palette.setColor(QPalette::WindowText, color.isValid() && color.lightness() < 120 ? Qt::white : Qt::black);
    labMousePos->setPalette(palette);
}

void frmEmployeeWeek::done(int result)
{
    // Saved on closing, always and without a question; a failed save asks what to do.
    if (!m_closing && m_employee != 0 && !saveWithChoice())
        return;
    m_closing = true;
    QDialog::done(result);
}
