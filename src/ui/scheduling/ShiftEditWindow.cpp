#include "ShiftEditWindow.h"
#include "ui/common/ClockText.h"

#include "EditOutcomeText.h"

#include "data/FileError.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsOptions.h"
#include "schedule/clsScheduleData.h"
#include "ui/common/WindowHelpers.h"
#include "ui/widgets/TimeGrid.h"

#include <QComboBox>
#include <QLabel>

#include <cmath>

namespace {

QString clockTime(double t)
{
    return ClockText::format(t, QStringLiteral("h:mma/p"));
}

} // namespace

ShiftEditWindow::ShiftEditWindow(clsEmployeeInfo &info, clsOptions &options, Prompt &prompt,
                                 DialogRunner &dialogs, QWidget *parent)
    : QDialog(parent), m_info(info), m_options(options), m_prompt(prompt), m_dialogs(dialogs),
      m_schedule(std::make_unique<clsScheduleData>(info, options)),
      m_edits(std::make_unique<ShiftEditController>(*m_schedule, info, prompt, this))
{
    ShiftEditController::Hooks hooks;
    hooks.employeeOfRow = [this](int row) { return employeeOfRow(row); };
    hooks.extraRefusal = [this](int row, double begin, double end) { return extraRefusal(row, begin, end); };
    hooks.pasteAt = [this](int row, double time) { pasteAt(row, time); };
    hooks.addAt = [this](int row, double time) { addShiftAt(row, time); };
    hooks.applied = [this](int id) { tellAvailability(id); };
    m_edits->setHooks(std::move(hooks));
    m_edits->setDialogs(&m_dialogs);
    m_schedule->setOtherDepartmentWording(EditOutcomeText::otherDepartmentWording());
}

ShiftEditWindow::~ShiftEditWindow() = default;

void ShiftEditWindow::buildEditing()
{
    TimeGrid1 = new TimeGrid(this);
    TimeGrid1->setObjectName(QStringLiteral("TimeGrid1"));
    m_schedule->setScheduleControl(TimeGrid1->model());
    labStatus = new QLabel(this);
    labStatus->setObjectName(QStringLiteral("labStatus"));
    labStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);

    connect(TimeGrid1, &TimeGrid::blockPressed, this, [this](int block) {
        const TimeGridModel *m = TimeGrid1->model();
        m_pressed = {true, m->TBBeg(block), m->TBEnd(block), m->TBResource(block), m->TBTag(block).trimmed()};
    });
    // The pressed flag ends with the button, so a plain click on a block never blocks adding.
    connect(TimeGrid1, &TimeGrid::buttonReleased, this, [this] { m_pressed.set = false; });
    connect(TimeGrid1, &TimeGrid::clickedWithoutMove, this, &ShiftEditWindow::onClicked);
    connect(TimeGrid1, &TimeGrid::blockChangeRequested, this, &ShiftEditWindow::onBlockChangeRequested);
    connect(TimeGrid1, &TimeGrid::pointerMoved, this, &ShiftEditWindow::onPointerMoved);
    connect(TimeGrid1, &TimeGrid::addRequested, this, &ShiftEditWindow::addShiftAt);
    connect(TimeGrid1, &TimeGrid::blockActivated, m_edits.get(), &ShiftEditController::editShift);
    connect(TimeGrid1, &TimeGrid::menuRequested, this, [this](int block, int row, double time, QPoint at) {
        m_edits->setPasteTime(time);
        if (block >= 0)
            m_edits->blockMenu(block, at);
        else
            m_edits->freeMenu(row, time, at);
    });

    m_edits->attach(TimeGrid1, labStatus);
    // A warning is about the edit just made: an undo, a redo or another edit replaces it.
    connect(&m_edits->undoStack(), &QUndoStack::indexChanged, labStatus, &QLabel::clear);
}

// ---- pick lists -------------------------------------------------------------------------------

void ShiftEditWindow::RemoveDuplicates(QStringList &texts, QList<int> &values)
{
    if (texts.size() < 2)
        return;
    QStringList keptTexts;
    QList<int> keptValues;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (keptTexts.contains(texts[i]))
            continue;
        keptTexts << texts[i];
        keptValues << (i < values.size() ? values[i] : 0);
    }
    texts = keptTexts;
    values = keptValues;
}

std::optional<std::pair<double, double>> ShiftEditWindow::timesForMode(double time)
{
    const double day = OleDate::wholeDay(time);
    if (m_addMode == ModeDefault)
        return std::pair{time, time + m_options.GetShiftLength(m_department)};

    int shift = m_namedShift;
    if (m_addMode != ModeNamedShift) {
        QStringList texts;
        QList<int> values;
        for (int k = 0; k < m_defaultShifts.size(); ++k) {
            const DefaultShift &s = m_defaultShifts[k];
            if (m_addMode == ModePickShift)
                texts << clockTime(s.start) + QStringLiteral(" - ") + clockTime(s.end);
            else if (m_addMode == ModePickStart)
                texts << tr("Starts %1").arg(clockTime(s.start));
            else
                texts << tr("Ends %1").arg(clockTime(s.end));
            values << k;
        }
        RemoveDuplicates(texts, values);
        const QString question = m_addMode == ModePickShift ? tr("Shift:")
                                 : m_addMode == ModePickStart ? tr("Start of the shift:") : tr("End of the shift:");
        const int chosen = m_edits->DisplayPopupMenu(texts, true, question);
        if (chosen < 1)
            return std::nullopt;
        shift = values[chosen - 1];
    }
    if (shift < 0 || shift >= m_defaultShifts.size())
        return std::nullopt;
    const DefaultShift &s = m_defaultShifts[shift];
    double begin = time;
    double end = time;
    switch (m_addMode) {
    case ModePickStart:
        begin = day + s.start;
        if (begin > end)
            begin -= 1;
        return std::pair{begin, end};
    case ModePickEnd:
        end = day + s.end;
        break;
    default:   // Pick Shift and a named shift
        begin = day + s.start;
        end = day + s.end;
        break;
    }
    if (end < begin)
        end += 1;
    return std::pair{begin, end};
}

// ---- loading ----------------------------------------------------------------------------------

qint32 ShiftEditWindow::employeeOfRow(int row) const
{
    return m_schedule->FindEmployeeNumberFromResorce(row);
}

EditOutcome ShiftEditWindow::extraRefusal(int, double, double) const
{
    return {};
}

bool ShiftEditWindow::reloadGrid()
{
    m_edits->undoStack().clear();
    labStatus->clear();
    const bool ok = RunShowingFileError(m_prompt, windowTitle(), [this] { m_schedule->Reload(); });
    if (!ok) {
        TimeGrid1->model()->ClearBlocks();
        return false;
    }
    updateAvailability();

    // Listed once per week opened; Show Conflicts lists them again on demand.
    QString listed = QStringLiteral("%1|%2|%3|%4|").arg(m_schedule->Department()).arg(m_schedule->FirstDay())
                         .arg(m_schedule->LastDay()).arg(m_schedule->FilterEmployee());
    for (const RefusedShift &r : m_schedule->refusedShifts())
        listed += QStringLiteral("%1@%2-%3;").arg(r.employee).arg(r.begin, 0, 'g', 17).arg(r.end, 0, 'g', 17);
    if (hasConflicts() && listed != m_conflictsListed)
        showConflicts();
    m_conflictsListed = listed;
    const QList<FileError> &unreadable = m_schedule->unreadableFiles();
    if (!unreadable.isEmpty()) {
        QStringList lines;
        for (const FileError &e : unreadable)
            lines << e.userText();
        m_prompt.message(tr("Some files could not be read, so their shifts or time off are not shown and "
                            "those files will not be overwritten:\n%1").arg(lines.join(u'\n')),
                         windowTitle(), Prompt::Icon::Warning);
    }
    return true;
}

bool ShiftEditWindow::hasConflicts() const
{
    return !m_schedule->refusedShifts().isEmpty();
}

void ShiftEditWindow::showConflicts()
{
    const QList<RefusedShift> &refused = m_schedule->refusedShifts();
    if (refused.isEmpty()) {
        m_prompt.message(tr("No stored shift of these days conflicts with another shift or with time off."),
                         windowTitle(), Prompt::Icon::Information);
        return;
    }
    m_prompt.message(EditOutcomeText::storedConflicts(
                         refused, [this](qint32 employee) { return m_info.ConvertNumberToName(employee, false); }),
                     windowTitle(), Prompt::Icon::Warning);
}

void ShiftEditWindow::updateAvailability()
{
    m_availabilityOf.clear();
    for (const EmployeeFields &e : m_info.Employees()) {
        const WeekAvailability a = Availability::of(e);
        m_availabilityOf.insert(e.number, a);   // the last record of a number wins, as when read
    }
    QList<WeekAvailability> rows;
    const int count = TimeGrid1->model()->rowCount();
    rows.reserve(count);
    for (int row = 0; row < count; ++row)
        rows << m_availabilityOf.value(employeeOfRow(row), WeekAvailability());
    TimeGrid1->setAvailability(rows, m_schedule->OffBar());
}

void ShiftEditWindow::tellAvailability(int id)
{
    const int block = TimeGrid1->model()->TBFromId(id);
    if (block < 0 || !TimeGrid1->painter().isOutsideAvailability(block)) {
        labStatus->clear();
        return;
    }
    const TimeGridModel *m = TimeGrid1->model();
    const int row = m->TBResource(block);
    const WeekAvailability a = m_availabilityOf.value(employeeOfRow(row), WeekAvailability());
    const int wd = Availability::weekday(m->TBBeg(block));
    labStatus->setText(tr("%1 is outside %2's available hours on %3 (%4 - %5).")
                           .arg(m_edits->describe(m->TBBeg(block), m->TBEnd(block), -1), m->ResourceTitle(row).trimmed(),
                                OleDate::format(m->TBBeg(block), QStringLiteral("dddd")), clockTime(a.start[wd]),
                                clockTime(a.end[wd])));
}

void ShiftEditWindow::loadDepartmentShifts(const QString &department, QComboBox *addShiftBox)
{
    m_defaultShifts = m_info.ShiftAutoGetAll(department);
    m_edits->setForcePick(m_options.ForceJobDisplayForSingleJobGet(department));
    const QSignalBlocker block(addShiftBox);
    addShiftBox->clear();
    addShiftBox->addItems({tr("Default"), tr("Pick Shift"), tr("Pick Start"), tr("Pick End")});
    for (int k = 0; k < m_defaultShifts.size(); ++k)
        addShiftBox->addItem(clockTime(m_defaultShifts[k].start) + QStringLiteral(" - ") + clockTime(m_defaultShifts[k].end),
                             k + 1);
    const int mode = m_defaultShifts.isEmpty() ? ModeDefault : ModePickShift;
    addShiftBox->setCurrentIndex(mode);
    setAddModeFromList(mode);
}

void ShiftEditWindow::setAddModeFromList(int index)
{
    if (index >= 0 && index <= ModePickEnd) {
        m_addMode = index;
    } else {
        m_addMode = ModeNamedShift;
        m_namedShift = index - 4;
    }
}

void ShiftEditWindow::fillSnapAndBarLists(QComboBox *snap, QComboBox *bars)
{
    const QSignalBlocker b1(snap);
    const QSignalBlocker b2(bars);
    snap->clear();
    const QList<QPair<QString, int>> steps{{tr("5 Minutes"), 5}, {tr("10 Minutes"), 10}, {tr("15 Minutes"), 15},
                                           {tr("30 Minutes"), 30}, {tr("1 Hour"), 60}};
    for (const auto &[text, minutes] : steps)
        snap->addItem(text, minutes);
    bars->clear();
    // The stored choice is the key, whatever language the list is shown in.
    bars->addItem(tr("Position"), QStringLiteral("Position"));
    bars->addItem(tr("Times"), QStringLiteral("Times"));
    bars->addItem(tr("None"), QStringLiteral("None"));
}

void ShiftEditWindow::applyBarDisplay(const QString &choice)
{
    TimeGridModel *m = TimeGrid1->model();
    if (choice == QLatin1String("Times")) {
        m->setAllBarTextModes(TimeGridModel::Text);
    } else if (choice == QLatin1String("None")) {
        m->setAllBarTextModes(TimeGridModel::Nothing);
    } else {
        m->setAllBarTextModes(TimeGridModel::Caption);
        m->setBarTextMode(m->BarsMax() - 1, TimeGridModel::Note);
    }
    TimeGrid1->Refresh();
}

void ShiftEditWindow::applySnapChoice(QComboBox *snap)
{
    const int minutes = snap->currentData().toInt();
    if (minutes < 5 || minutes > 60)
        return;
    m_options.setSnapToMinutes(qint16(minutes));
    TimeGrid1->model()->setSnapMinutes(QString::number(m_options.GetSnapToMinutes()) + QStringLiteral(" Minutes"));
}

bool ShiftEditWindow::saveWithChoice()
{
    for (;;) {
        try {
            m_schedule->SaveSchedule();
            return true;
        } catch (const FileError &error) {
            const std::optional<int> choice = m_prompt.chooseItem(
                tr("The week could not be saved.\n%1\n\nYour changes are still on the grid.").arg(error.userText()),
                {tr("Try again"), tr("Discard the changes"), tr("Stay on this week")}, 0, tr("Save Failed"));
            if (!choice || *choice == 2)
                return false;
            if (*choice == 1)
                return true;
        }
    }
}

// ---- edits ------------------------------------------------------------------------------------

void ShiftEditWindow::addShiftAt(int row, double time)
{
    if (row < 0 || time < m_schedule->FirstDay() || time >= m_schedule->LastDay() + 1)
        return;
    qint16 snap = m_options.GetSnapToMinutes();
    // The snapped minute, without the seconds the pointer happened to carry.
    const double snapped = ScheduleHelper::SnapTime(time, snap);
    const double day = OleDate::wholeDay(snapped);
    const double begin = OleDate::roundToMinute(day + std::floor((snapped - day) * OleDate::kMinutesPerDay + 1e-6)
                                                          / OleDate::kMinutesPerDay);
    const QString position = m_edits->PickJob(row, 0);
    if (position.isEmpty())
        return;
    const auto times = timesForMode(begin);
    if (!times)
        return;
    m_edits->addShift(row, times->first, times->second, position, tr("Add"));
}

// ---- pointer ----------------------------------------------------------------------------------

void ShiftEditWindow::onClicked(int block, Qt::MouseButton button, QPoint point)
{
    const TimeGridMapper m = TimeGrid1->mapper();
    if (!m.inTimeArea(point))
        return;
    const int row = TimeGrid1->ResourceFromPoint(point);
    const double time = TimeGrid1->DateFromPoint(point);
    m_edits->setPasteTime(time);
    if (button == Qt::LeftButton && block < 0)
        addShiftAt(row, time);
    else if (button == Qt::RightButton && block >= 0)
        m_edits->blockMenu(block, TimeGrid1->viewport()->mapToGlobal(point));
    else if (button == Qt::RightButton)
        m_edits->freeMenu(row, time, TimeGrid1->viewport()->mapToGlobal(point));
}

void ShiftEditWindow::onPointerMoved(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint point)
{
    if (m_hoverBusy)
        return;
    m_hoverBusy = true;
    const TimeGridModel *m = TimeGrid1->model();
    const int row = TimeGrid1->ResourceFromPoint(point);
    const double time = TimeGrid1->DateFromPoint(point);
    if (row < 0 || time < m->ViewBeg() || time > m->ViewEnd() || m_pressed.set) {
        setPositionText(QString(), QColor());
        m_hoverBusy = false;
        return;
    }
    const int block = TimeGrid1->TBFromPoint(point);
    const QString caption = m->ResourceTitle(row).trimmed();
    if (block < 0) {
        qint16 snap = m_options.GetSnapToMinutes();
        setPositionText(ClockText::format(ScheduleHelper::SnapTime(time, snap), QStringLiteral("ddd mm/dd/yy h:mma/p  "))
                            + caption,
                        QColor());
    } else {
        setPositionText(ClockText::format(m->TBBeg(block), QStringLiteral("ddd h:mma/p - "))
                            + ClockText::format(m->TBEnd(block), QStringLiteral("h:mma/p  ")) + caption,
                        TimeGridModel::toColor(m->BarColor(m->TBBar(block))));
    }
    m_hoverBusy = false;
}
