#include "frmTimeOffSetup.h"
#include "ui/common/ClockText.h"

#include "ShiftEditController.h"
#include "frmAddTimeOFf.h"
#include "data/CodePage.h"
#include "data/OleDate.h"
#include "data/Prompt.h"
#include "data/RecordList.h"
#include "data/clsEmployeeInfo.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/clsScheduleData.h"
#include "ui/common/WindowHelpers.h"
#include "ui/widgets/TimeGrid.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace TimeOff = ScheduleFiles::TimeOff;

namespace {
// The time axis runs from the first day the files of the older program can hold to twenty
// years ahead.
constexpr int kFirstYear = 2001;
constexpr int kYearsAhead = 20;
constexpr double kDaysShown = 7;
} // namespace

frmTimeOffSetup::frmTimeOffSetup(clsEmployeeInfo &info, clsOptions &options, Prompt &prompt,
                                 DialogRunner &dialogs, QWidget *parent)
    : QWidget(parent), m_info(info), m_prompt(prompt), m_dialogs(dialogs),
      m_schedule(std::make_unique<clsScheduleData>(info, options)),
      m_edits(std::make_unique<ShiftEditController>(*m_schedule, info, prompt, this))
{
    setObjectName(QStringLiteral("frmTimeOffSetup"));
    setWindowTitle(tr("Availability Manager"));
    // A refused period is told as a warning that names the employee shown.
    m_edits->setRefusalStyle(windowTitle(), Prompt::Icon::Warning);
    ShiftEditController::Hooks hooks;
    hooks.employeeName = [this](int) { return comEmployee->currentText(); };
    m_edits->setHooks(std::move(hooks));

    comEmployee = new QComboBox(this);
    comEmployee->setObjectName(QStringLiteral("comEmployee"));
    comEmployee->setMinimumContentsLength(24);
    TimeGrid1 = new TimeGrid(this);
    TimeGrid1->setObjectName(QStringLiteral("TimeGrid1"));
    dtpShown = CalendarDatePicker(QStringLiteral("dtpShown"), this, WindowDateFormat());
    cmdToday = NamedButton(tr("&Today"), QStringLiteral("cmdToday"), this);
    cmdPrevWeek = NamedButton(tr("Pre&vious Week"), QStringLiteral("cmdPrevWeek"), this);
    cmdNextWeek = NamedButton(tr("&Next Week"), QStringLiteral("cmdNextWeek"), this);
    cmdUndo = NamedButton(tr("&Undo"), QStringLiteral("cmdUndo"), this);
    cmdRedo = NamedButton(tr("&Redo"), QStringLiteral("cmdRedo"), this);
    cmdClose = NamedButton(tr("&Close"), QStringLiteral("cmdClose"), this);
    for (QPushButton *b : {cmdUndo, cmdRedo, cmdClose, cmdToday, cmdPrevWeek, cmdNextWeek})
        b->setAutoDefault(false);

    // The grid: one row, periods on the "Off" bar labelled with their reason and times.
    TimeGridModel *model = TimeGrid1->model();
    m_schedule->setScheduleControl(model);
    model->setBarTextMode(m_schedule->OffBar(), TimeGridModel::Text);
    model->setDateScaleFormat(QStringLiteral("%a %m/%d/%y"));   // the years run by: show them
    model->setSnapMinutes(QStringLiteral("15 Minutes"));
    const QDate today = QDate::currentDate();
    model->setViewRange(OleDate::fromDate(QDate(kFirstYear, 1, 1)), OleDate::fromDate(today.addYears(kYearsAhead)));
    TimeGrid1->setCaptionWidth(170);
    TimeGrid1->setInfoWidth(0);
    TimeGrid1->setMinimumRowHeight(52);
    TimeGrid1->setVisibleSpan(kDaysShown);
    model->setScrollTime(OleDate::fromDate(today));
    // The grid grows with the window; its one row fills it, so that long reasons show whole.
    const TimeGridMapper m = TimeGrid1->mapper();
    TimeGrid1->setMinimumHeight(m.headerHeight + m.rowHeight + TimeGrid1->horizontalScrollBar()->sizeHint().height() + 4);
    TimeGrid1->viewport()->installEventFilter(this);

    // Undo and redo, named after the edit they take back or make again.
    m_edits->createUndoActions(QStringLiteral("actUndo"), QStringLiteral("actRedo"), Qt::WidgetWithChildrenShortcut);
    QAction *undo = m_edits->undoAction();
    QAction *redo = m_edits->redoAction();
    connect(cmdUndo, &QPushButton::clicked, undo, &QAction::trigger);
    connect(cmdRedo, &QPushButton::clicked, redo, &QAction::trigger);
    connect(undo, &QAction::changed, cmdUndo, [this, undo] {
        cmdUndo->setEnabled(undo->isEnabled());
        cmdUndo->setToolTip(undo->text());
    });
    connect(redo, &QAction::changed, cmdRedo, [this, redo] {
        cmdRedo->setEnabled(redo->isEnabled());
        cmdRedo->setToolTip(redo->text());
    });
    cmdUndo->setEnabled(false);
    cmdRedo->setEnabled(false);
    connect(undoStack(), &QUndoStack::indexChanged, this, &frmTimeOffSetup::relabel);

    auto *top = new QHBoxLayout;
    top->addWidget(BuddyLabel(tr("&Employee"), comEmployee, this));
    top->addWidget(comEmployee);
    top->addSpacing(12);
    top->addWidget(BuddyLabel(tr("Wee&k of"), dtpShown, this));
    top->addWidget(cmdPrevWeek);
    top->addWidget(dtpShown);
    top->addWidget(cmdNextWeek);
    top->addWidget(cmdToday);
    top->addStretch();
    top->addWidget(cmdUndo);
    top->addWidget(cmdRedo);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cmdClose);
    auto *main = new QVBoxLayout(this);
    main->addLayout(top);
    main->addWidget(TimeGrid1, 1);
    main->addLayout(bottom);
    TabOrder({comEmployee, cmdPrevWeek, dtpShown, cmdNextWeek, cmdToday, TimeGrid1, cmdUndo, cmdRedo, cmdClose});

    // Keys on the grid: Insert or Enter adds a period on the cursor's day, Enter or Space on a
    // period edits it, Delete removes it.
    connect(TimeGrid1, &TimeGrid::addRequested, this, [this](int, double time) {
        if (m_employee != 0)
            addPeriod(OleDate::wholeDay(time));
    });
    connect(TimeGrid1, &TimeGrid::blockActivated, this, [this](int id) {
        const int block = TimeGrid1->model()->TBFromId(id);
        if (m_employee != 0 && block >= 0)
            editPeriod(block);
    });
    auto *remove = new QAction(tr("Delete"), this);
    remove->setObjectName(QStringLiteral("actDelete"));
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    TimeGrid1->addAction(remove);
    connect(remove, &QAction::triggered, this, &frmTimeOffSetup::deleteSelected);
    connect(dtpShown, &QDateEdit::dateChanged, this, [this](QDate date) { showDay(OleDate::fromDate(date)); });
    connect(cmdToday, &QPushButton::clicked, this, [this] { showDay(OleDate::fromDate(QDate::currentDate())); });
    connect(cmdPrevWeek, &QPushButton::clicked, this, [this] { showDay(OleDate::wholeDay(TimeGrid1->model()->ScrollTime()) - 7); });
    connect(cmdNextWeek, &QPushButton::clicked, this, [this] { showDay(OleDate::wholeDay(TimeGrid1->model()->ScrollTime()) + 7); });
    // The picker follows the grid however it scrolls.
    connect(TimeGrid1->model(), &TimeGridModel::scrollTimeChanged, this, [this] {
        const QSignalBlocker block(dtpShown);
        dtpShown->setDate(OleDate::toDate(TimeGrid1->model()->ScrollTime()));
    });

    connect(TimeGrid1, &TimeGrid::clickedWithoutMove, this, &frmTimeOffSetup::gridClicked);
    connect(TimeGrid1, &TimeGrid::blockChangeRequested, this, &frmTimeOffSetup::blockDragged);
    connect(cmdClose, &QPushButton::clicked, this, [this] { CloseForm(this); });
    CloseFormOnEscape(this);
    resize(sizeHint());

    // Each employee once, by name, equal names told apart.
    QStringList names;
    QList<qint32> numbers;
    m_info.GetEmpNames(names, numbers);
    QList<qint32> unique;
    for (qint32 number : std::as_const(numbers))
        if (!unique.contains(number))
            unique << number;
    const QStringList labels = m_info.DistinctNames(unique, false);
    QList<qsizetype> order(unique.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return labels[a].localeAwareCompare(labels[b]) < 0; });
    for (qsizetype i : std::as_const(order))
        comEmployee->addItem(labels[i], unique[i]);
    {
        const QSignalBlocker block(dtpShown);
        dtpShown->setDate(today);
    }
    m_hasEmployees = comEmployee->count() > 0;
    if (m_hasEmployees)
        loadEmployee(0);
    connect(comEmployee, &QComboBox::currentIndexChanged, this, &frmTimeOffSetup::comEmployee_Click);
    OnFirstShow(this, [this] {
        if (!m_hasEmployees) {
            m_prompt.message(tr("Please setup employees first."));
            CloseForm(this);
        }
    });
}

frmTimeOffSetup::~frmTimeOffSetup() = default;

QUndoStack *frmTimeOffSetup::undoStack() const
{
    return &m_edits->undoStack();
}

QSize frmTimeOffSetup::sizeHint() const
{
    return QWidget::sizeHint().expandedTo(QSize(1000, 0));
}

void frmTimeOffSetup::comEmployee_Click(int index)
{
    if (index == m_shownIndex)
        return;
    // However the choice changed (mouse, keys, wheel), the shown periods are written first; when
    // that fails the employee stays, with the periods the user made.
    if (!SaveTimeOff()) {
        const QSignalBlocker blocker(comEmployee);
        comEmployee->setCurrentIndex(m_shownIndex);
        return;
    }
    loadEmployee(index);
}

void frmTimeOffSetup::loadEmployee(int index)
{
    undoStack()->clear();
    m_shownIndex = index;
    m_employee = 0;
    TimeGridModel *model = TimeGrid1->model();
    model->beginUpdate();
    model->ClearBlocks();
    model->ClearResources();
    model->AddResource(comEmployee->itemText(index));
    model->endUpdate();

    const qint32 number = comEmployee->itemData(index).toInt();
    RecordList periods(TimeOff::Size);
    // An unreadable file is never shown as "no time off": nothing can be edited or saved over it.
    const bool read = number != 0
                      && RunShowingFileError(m_prompt, windowTitle(), [&] { m_schedule->TimeOffLoad(number, periods); });
    TimeGrid1->setEnabled(read);
    if (!read)
        return;
    m_employee = number;
    // Every stored period is shown and written back as it is, even one that overlaps another.
    model->beginUpdate();
    for (int i = 1; i <= periods.count(); ++i) {
        const char *r = periods.record(i);
        const int block = model->TBAdd(0, TimeOff::begin(r), TimeOff::end(r), m_schedule->OffBar());
        model->setTBNote(block, CodePage::trimBlanks(TimeOff::reason(r)));
    }
    model->endUpdate();
    relabel();
}

bool frmTimeOffSetup::SaveTimeOff()
{
    if (m_employee == 0 || undoStack()->isClean())
        return true;
    const TimeGridModel *model = TimeGrid1->model();
    RecordList records(TimeOff::Size);
    for (int block = 0; block < model->TBMax(); ++block)
        TimeOff::set(records.record(records.append()), m_employee, model->TBBeg(block), model->TBEnd(block),
                     model->TBNote(block));
    if (!RunShowingFileError(m_prompt, windowTitle(), [&] { m_schedule->TimeOffSave(m_employee, records); }))
        return false;
    undoStack()->setClean();
    return true;
}

void frmTimeOffSetup::closeEvent(QCloseEvent *event)
{
    if (!SaveTimeOff()
        && !m_prompt.askYesNo(tr("The time off of %1 could not be saved. Close anyway and lose the changes?")
                                  .arg(comEmployee->currentText()),
                              windowTitle(), true)) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void frmTimeOffSetup::gridClicked(int block, Qt::MouseButton button, QPoint point)
{
    if (button != Qt::LeftButton || m_employee == 0)
        return;
    if (block >= 0)
        editPeriod(block);
    else if (TimeGrid1->mapper().inTimeArea(point))
        addPeriod(OleDate::wholeDay(TimeGrid1->DateFromPoint(point)));
}

void frmTimeOffSetup::addPeriod(double day)
{
    // The whole day: midnight to one minute before the next.
    double first = day, last = day + 1 - OleDate::timeValue(0, 1);
    QString reason;
    for (;;) {   // a refused period comes back to the dialog as typed
        frmAddTimeOFf dialog(m_prompt, m_dialogs, this);
        dialog.HideDelete(true);
        bool saved = false, deleted = false, cancelled = true;
        dialog.DisplayWindow(first, last, reason, saved, deleted, cancelled);
        if (!saved)
            return;
        if (m_edits->applyEdit(m_edits->editor().add(0, first, last, QString(), true, reason),
                   tr("Add time off %1").arg(periodText(first, last))))
            return;
    }
}

void frmTimeOffSetup::editPeriod(int block)
{
    const BlockSnapshot before = m_edits->editor().snapshot(TimeGrid1->model()->TBId(block));
    BlockSnapshot wanted = before;
    for (;;) {
        frmAddTimeOFf dialog(m_prompt, m_dialogs, this);
        dialog.HideDelete(false);
        bool saved = false, deleted = false, cancelled = true;
        dialog.DisplayWindow(wanted.begin, wanted.end, wanted.note, saved, deleted, cancelled);
        if (deleted) {
            m_edits->applyEdit(m_edits->editor().remove(before.id), tr("Delete time off %1").arg(periodText(before.begin, before.end)));
            return;
        }
        if (!saved || (wanted.begin == before.begin && wanted.end == before.end && wanted.note == before.note))
            return;
        if (m_edits->applyEdit(m_edits->editor().put(wanted), tr("Edit time off %1").arg(periodText(before.begin, before.end))))
            return;
    }
}

void frmTimeOffSetup::blockDragged(int id, BlockPlace from, BlockPlace to)
{
    if (m_employee == 0)
        return;
    const bool sameLength = OleDate::durationMinutes(to.end - to.begin) == OleDate::durationMinutes(from.end - from.begin);
    const QString text = sameLength ? tr("Move time off %1") : tr("Resize time off %1");
    m_edits->applyEdit(m_edits->editor().place(id, 0, to.begin, to.end), text.arg(periodText(from.begin, from.end)));
}

void frmTimeOffSetup::deleteSelected()
{
    const int block = TimeGrid1->model()->TBFromId(TimeGrid1->selectedBlockId());
    if (m_employee == 0 || block < 0)
        return;
    const BlockSnapshot period = m_edits->editor().snapshot(TimeGrid1->selectedBlockId());
    m_edits->applyEdit(m_edits->editor().remove(period.id), tr("Delete time off %1").arg(periodText(period.begin, period.end)));
}

void frmTimeOffSetup::showDay(double day)
{
    TimeGrid1->scrollToTime(OleDate::wholeDay(day));
    TimeGrid1->resetCursor();
}

bool frmTimeOffSetup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TimeGrid1->viewport() && event->type() == QEvent::Resize) {
        const TimeGridMapper m = TimeGrid1->mapper();
        TimeGrid1->setMinimumRowHeight(std::max(52, TimeGrid1->viewport()->height() - m.headerHeight));
    }
    return QWidget::eventFilter(watched, event);
}

void frmTimeOffSetup::relabel()
{
    TimeGridModel *model = TimeGrid1->model();
    model->beginUpdate();
    for (int block = 0; block < model->TBMax(); ++block) {
        const QString times = periodText(model->TBBeg(block), model->TBEnd(block));
        const QString note = model->TBNote(block);
        model->setTBText(block, note.isEmpty() ? times : note + u'\n' + times);
    }
    model->endUpdate();
}

QString frmTimeOffSetup::periodText(double begin, double end)
{
    const QString day = QStringLiteral("ddd mmm d");
    if (OleDate::wholeDay(begin) == OleDate::wholeDay(end))
        return ClockText::format(begin, day + QStringLiteral(", h:mma/p")) + QStringLiteral(" - ")
               + ClockText::format(end, QStringLiteral("h:mma/p"));
    return ClockText::format(begin, day + QStringLiteral(" h:mma/p")) + QStringLiteral(" - ")
           + ClockText::format(end, day + QStringLiteral(" h:mma/p"));
}
