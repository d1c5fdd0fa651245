#include "ShiftEditWindow.h"

#include "EditOutcomeText.h"
#include "data/FileError.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsOptions.h"
#include "schedule/ShiftEditCommand.h"
#include "schedule/clsScheduleData.h"
#include "ui/common/WindowHelpers.h"
#include "ui/widgets/TimeGrid.h"

#include <QAction>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>

#include <cmath>

namespace {

QString clockTime(double t)
{
    return OleDate::format(t, QStringLiteral("h:mma/p"));
}

} // namespace

ShiftEditWindow::ShiftEditWindow(clsEmployeeInfo &info, clsOptions &options, Prompt &prompt,
                                 DialogRunner &dialogs, QWidget *parent)
    : QDialog(parent), m_info(info), m_options(options), m_prompt(prompt), m_dialogs(dialogs)
{
    m_schedule = std::make_unique<clsScheduleData>(info, options);
    m_editor = std::make_unique<ScheduleEditor>(*m_schedule);
}

ShiftEditWindow::~ShiftEditWindow()
{
    // The commands refer to the editor; they go first.
    m_undo.clear();
}

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

    m_editMenu = new QMenu(tr("&Edit"), this);
    m_editMenu->setObjectName(QStringLiteral("bandEdit"));
    m_undoAction = m_undo.createUndoAction(this, tr("Undo"));
    m_undoAction->setObjectName(QStringLiteral("toolUndo"));
    m_undoAction->setShortcuts(QKeySequence::Undo);
    m_redoAction = m_undo.createRedoAction(this, tr("Redo"));
    m_redoAction->setObjectName(QStringLiteral("toolRedo"));
    m_redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    m_editMenu->addAction(m_undoAction);
    m_editMenu->addAction(m_redoAction);
    m_editMenu->addSeparator();
    struct Command { const char *id; QString caption; QKeySequence key; const char *choice; };
    const QList<Command> commands{
        {"toolCut", tr("Cu&t"), QKeySequence::Cut, "CUT"},
        {"toolCopy", tr("&Copy"), QKeySequence::Copy, "COPY"},
        {"toolPaste", tr("&Paste"), QKeySequence::Paste, "PASTE"},
        {"toolDelete", tr("&Delete"), QKeySequence::Delete, "DELETE"},
        {"toolChangeJob", tr("C&hange Position..."), QKeySequence(), "CHANGEJOB"},
    };
    for (const Command &c : commands) {
        QAction *action = m_editMenu->addAction(c.caption);
        action->setObjectName(QLatin1String(c.id));
        action->setShortcut(c.key);
        action->setShortcutContext(Qt::WindowShortcut);
        const QString choice = QLatin1String(c.choice);
        connect(action, &QAction::triggered, this, [this, choice] { editCommand(choice); });
        addAction(action);
    }
    addAction(m_undoAction);
    addAction(m_redoAction);
}

// ---- pick lists -------------------------------------------------------------------------------

QString ShiftEditWindow::PickJob(int row, qint32 employee)
{
    if (employee == 0)
        employee = employeeOfRow(row);
    const QStringList positions = m_info.JobEmpAvalGet(employee);
    if (positions.isEmpty())
        return QStringLiteral("DEFAULT");
    if (positions.size() == 1 && !m_forcePick)
        return positions.first();
    const int chosen = DisplayPopupMenu(positions, true,
                                        tr("Position of %1's shift:").arg(m_info.ConvertNumberToName(employee, false)));
    return chosen >= 1 && chosen <= positions.size() ? positions[chosen - 1] : QString();
}

int ShiftEditWindow::DisplayPopupMenu(QStringList items, bool addCancel, const QString &question)
{
    if (items.isEmpty())
        return 0;
    if (addCancel)
        items << tr("Cancel");
    const std::optional<int> chosen = m_prompt.chooseItem(question, items, 0, windowTitle());
    if (!chosen || *chosen < 0 || *chosen >= items.size() || (addCancel && *chosen == items.size() - 1))
        return -1;
    return *chosen + 1;
}

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
        const int chosen = DisplayPopupMenu(texts, true, question);
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
    m_undo.clear();
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
        WeekAvailability a;
        for (int d = 0; d < 7; ++d) {
            a.start[d] = OleDate::timeOfDay(e.availabilityStart[d]);
            const double end = OleDate::timeOfDay(e.availabilityEnd[d]);
            a.end[d] = end == 0 ? 1.0 : end;
        }
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
                           .arg(describe(m->TBBeg(block), m->TBEnd(block), -1), m->ResourceTitle(row).trimmed(),
                                OleDate::format(m->TBBeg(block), QStringLiteral("dddd")), clockTime(a.start[wd]),
                                clockTime(a.end[wd])));
}

void ShiftEditWindow::loadDepartmentShifts(const QString &department, QComboBox *addShiftBox)
{
    m_defaultShifts = m_info.ShiftAutoGetAll(department);
    m_forcePick = m_options.ForceJobDisplayForSingleJobGet(department);
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
    bars->addItems({tr("Position"), tr("Times"), tr("None")});
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

bool ShiftEditWindow::isSavedBegin(double begin) const
{
    return begin >= m_schedule->FirstDay() && begin < m_schedule->LastDay() + 1;
}

bool ShiftEditWindow::isEditable(int block) const
{
    return isSavedBegin(TimeGrid1->model()->TBBeg(block));
}

EditOutcome ShiftEditWindow::refusalForNew(int row, double begin, double end) const
{
    const EditOutcome vetted = m_editor->vetNewShift(row, begin, end);
    if (vetted.refusal != EditRefusal::None)
        return vetted;
    return extraRefusal(row, begin, end);
}

QString ShiftEditWindow::describe(double begin, double end, int row) const
{
    if (row >= 0 && row < TimeGrid1->model()->ResourcesMax())
        return EditOutcomeText::shift(begin, end, TimeGrid1->model()->ResourceTitle(row).trimmed());
    return EditOutcomeText::shift(begin, end);
}

QString ShiftEditWindow::describe(const BlockSnapshot &block) const
{
    return describe(block.begin, block.end, block.row);
}

bool ShiftEditWindow::applyEdit(const EditOutcome &outcome, const QString &what)
{
    if (!outcome.applied) {
        tellRefusal(outcome);
        return false;
    }
    m_undo.push(new ShiftEditCommand(*m_editor, outcome, what));
    tellAvailability(outcome.after.id);
    return true;
}

void ShiftEditWindow::tellRefusal(const EditOutcome &outcome)
{
    m_prompt.message(
        EditOutcomeText::refusal(outcome, m_info.ConvertNumberToName(employeeOfRow(outcome.wanted.row), false)));
}

void ShiftEditWindow::addShift(int row, double begin, double end, const QString &position, const QString &verb)
{
    // Whole minutes, as drags and keys give: a shift that begins as another ends then compares
    // equal and collides, whatever arithmetic produced the two times.
    begin = OleDate::roundToMinute(begin);
    end = OleDate::roundToMinute(end);
    const EditOutcome refused = refusalForNew(row, begin, end);
    if (refused.refusal != EditRefusal::None) {
        tellRefusal(refused);
        return;
    }
    if (begin == end || !confirmOtherDepartments(row, begin, end))
        return;
    applyEdit(m_editor->add(row, begin, end, position), verb + u' ' + describe(begin, end, row));
}

bool ShiftEditWindow::confirmOtherDepartments(int row, double begin, double end)
{
    const QList<OtherDepartmentShift> overlaps =
        m_schedule->otherDepartmentOverlaps(m_schedule->employeeOfRow(row), begin, end);
    if (overlaps.isEmpty())
        return true;
    return m_prompt.askYesNo(
        EditOutcomeText::otherDepartmentsQuestion(TimeGrid1->model()->ResourceTitle(row).trimmed(), overlaps),
        windowTitle(), true);
}

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
    const QString position = PickJob(row, 0);
    if (position.isEmpty())
        return;
    const auto times = timesForMode(begin);
    if (!times)
        return;
    addShift(row, times->first, times->second, position, tr("Add"));
}

void ShiftEditWindow::blockMenu(int block)
{
    const TimeGridModel *m = TimeGrid1->model();
    if (m_schedule->isTimeOffBlock(block))
        return;
    const int id = m->TBId(block);
    const bool editable = isEditable(block);
    QStringList items;
    QStringList choices;
    if (editable) {
        items << tr("Cut");
        choices << QStringLiteral("CUT");
    }
    items << tr("Copy");
    choices << QStringLiteral("COPY");
    if (editable) {
        items << tr("Delete");
        choices << QStringLiteral("DELETE");
        if (m_info.JobEmployeeHasMultiple(employeeOfRow(m->TBResource(block)))) {
            items << tr("Change Position");
            choices << QStringLiteral("CHANGEJOB");
        }
    }
    m_popupChoice.clear();
    const int chosen = DisplayPopupMenu(items, true, describe(m_editor->snapshot(id)));
    if (chosen >= 1)
        m_popupChoice = choices[chosen - 1];
    const QString choice = getpopup1choice();
    if (choice == QLatin1String("DELETE"))
        deleteBlock(id);
    else if (choice == QLatin1String("COPY"))
        copyBlock(id);
    else if (choice == QLatin1String("CUT"))
        cutBlock(id);
    else if (choice == QLatin1String("CHANGEJOB"))
        changePositionOf(id);
}

void ShiftEditWindow::freeMenu(int row, double time)
{
    if (row < 0 || m_clip.begin == 0)
        return;
    m_popupChoice.clear();
    if (DisplayPopupMenu({tr("Paste")}, true, describe(m_clip.begin, m_clip.end, row)) == 1)
        m_popupChoice = QStringLiteral("PASTE");
    if (getpopup1choice() == QLatin1String("PASTE"))
        pasteAt(row, time);
}

void ShiftEditWindow::copyBlock(int id)
{
    const int block = TimeGrid1->model()->TBFromId(id);
    if (block < 0 || m_schedule->isTimeOffBlock(block))
        return;
    m_clip = {TimeGrid1->model()->TBBeg(block), TimeGrid1->model()->TBEnd(block), TimeGrid1->model()->TBBar(block)};
    labStatus->setText(tr("Copied %1.").arg(describe(m_editor->snapshot(id))));
}

std::optional<BlockSnapshot> ShiftEditWindow::changeableShift(int id)
{
    const int block = TimeGrid1->model()->TBFromId(id);
    if (block < 0 || m_schedule->isTimeOffBlock(block))
        return std::nullopt;
    if (!isEditable(block)) {
        tellRefusal(EditOutcome::refused(EditRefusal::NotChangeable, m_editor->snapshot(id)));
        return std::nullopt;
    }
    return m_editor->snapshot(id);
}

void ShiftEditWindow::cutBlock(int id)
{
    const std::optional<BlockSnapshot> shift = changeableShift(id);
    if (!shift)
        return;
    const BlockSnapshot &before = *shift;
    copyBlock(id);
    applyEdit(m_editor->remove(id), tr("Cut %1").arg(describe(before)));
}

void ShiftEditWindow::deleteBlock(int id)
{
    const std::optional<BlockSnapshot> shift = changeableShift(id);
    if (!shift)
        return;
    const BlockSnapshot &before = *shift;
    applyEdit(m_editor->remove(id), tr("Delete %1").arg(describe(before)));
}

void ShiftEditWindow::changePositionOf(int id)
{
    const std::optional<BlockSnapshot> shift = changeableShift(id);
    if (!shift)
        return;
    const BlockSnapshot &before = *shift;
    const QString position = PickJob(before.row, 0);
    if (position.isEmpty())
        return;
    applyEdit(m_editor->changePosition(id, position),
              tr("Change %1 to %2").arg(describe(before), position.trimmed().toUpper()));
}

void ShiftEditWindow::pasteOnCurrentRow()
{
    if (m_clip.begin == 0)
        return;
    int row = TimeGrid1->currentRow();
    const int selected = TimeGrid1->model()->TBFromId(TimeGrid1->selectedBlockId());
    if (selected >= 0)
        row = TimeGrid1->model()->TBResource(selected);
    if (row < 0)
        return;
    pasteAt(row, m_lastClickTime);
}

void ShiftEditWindow::editCommand(const QString &choice)
{
    m_popupChoice = choice;
    const int id = TimeGrid1->selectedBlockId();
    if (choice == QLatin1String("PASTE"))
        pasteOnCurrentRow();
    else if (choice == QLatin1String("COPY"))
        copyBlock(id);
    else if (choice == QLatin1String("CUT"))
        cutBlock(id);
    else if (choice == QLatin1String("DELETE"))
        deleteBlock(id);
    else if (choice == QLatin1String("CHANGEJOB"))
        changePositionOf(id);
}

// ---- pointer ----------------------------------------------------------------------------------

void ShiftEditWindow::onClicked(int block, Qt::MouseButton button, QPoint point)
{
    const TimeGridMapper m = TimeGrid1->mapper();
    if (!m.inTimeArea(point))
        return;
    const int row = TimeGrid1->ResourceFromPoint(point);
    const double time = TimeGrid1->DateFromPoint(point);
    m_lastClickTime = time;
    if (button == Qt::LeftButton && block < 0)
        addShiftAt(row, time);
    else if (button == Qt::RightButton && block >= 0)
        blockMenu(block);
    else if (button == Qt::RightButton)
        freeMenu(row, time);
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
        setPositionText(OleDate::format(ScheduleHelper::SnapTime(time, snap), QStringLiteral("ddd mm/dd/yy h:mma/p  "))
                            + caption,
                        QColor());
    } else {
        setPositionText(OleDate::format(m->TBBeg(block), QStringLiteral("ddd h:mma/p - "))
                            + OleDate::format(m->TBEnd(block), QStringLiteral("h:mma/p  ")) + caption,
                        TimeGridModel::toColor(m->BarColor(m->TBBar(block))));
    }
    m_hoverBusy = false;
}
