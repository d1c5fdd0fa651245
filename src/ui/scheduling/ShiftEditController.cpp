#include "ShiftEditController.h"

#include "EditOutcomeText.h"
#include "ShiftDialog.h"
#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"
#include "schedule/ShiftEditCommand.h"
#include "schedule/clsScheduleData.h"
#include "ui/common/DialogRunner.h"
#include "ui/widgets/TimeGrid.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QWidget>

ShiftEditController::ShiftEditController(clsScheduleData &schedule, clsEmployeeInfo &info, Prompt &prompt,
                                         QWidget *window)
    : QObject(window), m_schedule(schedule), m_info(info), m_prompt(prompt), m_window(window), m_editor(schedule)
{
}

ShiftEditController::~ShiftEditController()
{
    // The commands refer to the editor; they go first.
    m_undo.clear();
}

void ShiftEditController::setRefusalStyle(const QString &title, Prompt::Icon icon)
{
    m_refusalTitle = title;
    m_refusalIcon = icon;
}

void ShiftEditController::createUndoActions(const QString &undoName, const QString &redoName,
                                            Qt::ShortcutContext context)
{
    m_undoAction = m_undo.createUndoAction(m_window, tr("Undo"));
    m_undoAction->setObjectName(undoName);
    m_undoAction->setShortcuts(QKeySequence::Undo);
    m_redoAction = m_undo.createRedoAction(m_window, tr("Redo"));
    m_redoAction->setObjectName(redoName);
    m_redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction *action : {m_undoAction, m_redoAction}) {
        action->setShortcutContext(context);
        m_window->addAction(action);
    }
}

// ---- outcomes ---------------------------------------------------------------------------------

qint32 ShiftEditController::employeeOfRow(int row) const
{
    return m_hooks.employeeOfRow ? m_hooks.employeeOfRow(row) : m_schedule.FindEmployeeNumberFromResorce(row);
}

QString ShiftEditController::employeeName(int row) const
{
    return m_hooks.employeeName ? m_hooks.employeeName(row) : m_info.ConvertNumberToName(employeeOfRow(row), false);
}

bool ShiftEditController::applyEdit(const EditOutcome &outcome, const QString &what)
{
    if (!outcome.applied) {
        tellRefusal(outcome);
        return false;
    }
    m_undo.push(new ShiftEditCommand(m_editor, outcome, what));
    if (m_hooks.applied)
        m_hooks.applied(outcome.after.id);
    return true;
}

void ShiftEditController::tellRefusal(const EditOutcome &outcome)
{
    m_prompt.message(EditOutcomeText::refusal(outcome, employeeName(outcome.wanted.row)), m_refusalTitle,
                     m_refusalIcon);
}

// ---- the grid's Edit menu ---------------------------------------------------------------------

void ShiftEditController::attach(TimeGrid *grid, QLabel *status)
{
    m_grid = grid;
    m_status = status;
    m_editMenu = new QMenu(tr("&Edit"), m_window);
    m_editMenu->setObjectName(QStringLiteral("bandEdit"));
    createUndoActions(QStringLiteral("toolUndo"), QStringLiteral("toolRedo"), Qt::WindowShortcut);
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
        m_window->addAction(action);
    }
}

// ---- pick lists -------------------------------------------------------------------------------

QString ShiftEditController::PickJob(int row, qint32 employee)
{
    // A row's caption tells equal names apart (schedule name, then number); a window of one
    // employee names them plainly.
    QString name;
    if (employee == 0) {
        employee = employeeOfRow(row);
        name = m_grid ? m_grid->model()->ResourceTitle(row).trimmed() : QString();
    }
    if (name.isEmpty())
        name = m_info.ConvertNumberToName(employee, false);
    const QStringList positions = m_info.JobEmpAvalGet(employee);
    if (positions.isEmpty())
        return QStringLiteral("DEFAULT");
    if (positions.size() == 1 && !m_forcePick)
        return positions.first();
    const int chosen = DisplayPopupMenu(positions, true,
                                        tr("Position of %1's shift:").arg(name));
    return chosen >= 1 && chosen <= positions.size() ? positions[chosen - 1] : QString();
}

int ShiftEditController::DisplayPopupMenu(QStringList items, bool addCancel, const QString &question)
{
    if (items.isEmpty())
        return 0;
    if (addCancel)
        items << tr("Cancel");
    const std::optional<int> chosen = m_prompt.chooseItem(question, items, 0, m_window->windowTitle());
    if (!chosen || *chosen < 0 || *chosen >= items.size() || (addCancel && *chosen == items.size() - 1))
        return -1;
    return *chosen + 1;
}

// ---- edits ------------------------------------------------------------------------------------

bool ShiftEditController::isSavedBegin(double begin) const
{
    return begin >= m_schedule.FirstDay() && begin < m_schedule.LastDay() + 1;
}

bool ShiftEditController::isEditable(int block) const
{
    return isSavedBegin(m_grid->model()->TBBeg(block));
}

EditOutcome ShiftEditController::refusalForNew(int row, double begin, double end) const
{
    const EditOutcome vetted = m_editor.vetNewShift(row, begin, end);
    if (vetted.refusal != EditRefusal::None || !m_hooks.extraRefusal)
        return vetted;
    return m_hooks.extraRefusal(row, begin, end);
}

QString ShiftEditController::describe(double begin, double end, int row) const
{
    if (row >= 0 && row < m_grid->model()->ResourcesMax())
        return EditOutcomeText::shift(begin, end, m_grid->model()->ResourceTitle(row).trimmed());
    return EditOutcomeText::shift(begin, end);
}

QString ShiftEditController::describe(const BlockSnapshot &block) const
{
    return describe(block.begin, block.end, block.row);
}

void ShiftEditController::addShift(int row, double begin, double end, const QString &position, const QString &verb)
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
    applyEdit(m_editor.add(row, begin, end, position), verb + u' ' + describe(begin, end, row));
}

bool ShiftEditController::confirmOtherDepartments(int row, double begin, double end)
{
    const QList<OtherDepartmentShift> overlaps =
        m_schedule.otherDepartmentOverlaps(m_schedule.employeeOfRow(row), begin, end);
    if (overlaps.isEmpty())
        return true;
    return m_prompt.askYesNo(
        EditOutcomeText::otherDepartmentsQuestion(m_grid->model()->ResourceTitle(row).trimmed(), overlaps),
        m_window->windowTitle(), true);
}

void ShiftEditController::blockMenu(int block, QPoint globalPos)
{
    const TimeGridModel *m = m_grid->model();
    if (block < 0 || m_schedule.isTimeOffBlock(block))
        return;
    const int id = m->TBId(block);
    const bool editable = isEditable(block);
    QMenu menu(m_window);
    menu.setObjectName(QStringLiteral("menuShift"));
    menu.setTitle(describe(m_editor.snapshot(id)));
    m_popupChoice.clear();
    auto add = [&](const QString &text, const QKeySequence &key, const char *choice) {
        QAction *action = menu.addAction(text);
        action->setShortcut(key);
        action->setData(QLatin1String(choice));
        return action;
    };
    if (editable) {
        add(tr("&Edit Shift..."), QKeySequence(Qt::Key_Return), "EDIT");
        menu.addSeparator();
        add(tr("Cu&t"), QKeySequence::Cut, "CUT");
    }
    add(tr("&Copy"), QKeySequence::Copy, "COPY");
    if (editable) {
        add(tr("&Delete"), QKeySequence::Delete, "DELETE");
        if (m_info.JobEmployeeHasMultiple(employeeOfRow(m->TBResource(block))))
            add(tr("C&hange Position..."), QKeySequence(), "CHANGEJOB");
    }
    const QAction *chosen = menu.exec(globalPos);
    if (!chosen)
        return;
    m_popupChoice = chosen->data().toString();
    if (m_popupChoice == QLatin1String("EDIT"))
        editShift(id);
    else
        runOnBlock(m_popupChoice, id);
}

void ShiftEditController::freeMenu(int row, double time, QPoint globalPos)
{
    if (row < 0)
        return;
    QMenu menu(m_window);
    menu.setObjectName(QStringLiteral("menuFreeTime"));
    m_popupChoice.clear();
    QAction *add = nullptr;
    if (m_hooks.addAt) {
        add = menu.addAction(tr("&Add Shift"));
        add->setShortcut(QKeySequence(Qt::Key_Insert));
    }
    QAction *paste = nullptr;
    if (m_clip.begin != 0 && m_hooks.pasteAt)
        // At the copied times: the shortcut pastes at the cursor instead.
        paste = menu.addAction(tr("&Paste %1").arg(describe(m_clip.begin, m_clip.end, -1)));
    if (menu.isEmpty())
        return;
    const QAction *chosen = menu.exec(globalPos);
    if (chosen && chosen == add) {
        m_popupChoice = QStringLiteral("ADD");
        m_hooks.addAt(row, time);
    } else if (chosen && chosen == paste) {
        m_popupChoice = QStringLiteral("PASTE");
        m_hooks.pasteAt(row, time);
    }
}

void ShiftEditController::editShift(int id)
{
    const std::optional<BlockSnapshot> shift = changeableShift(id);
    if (!shift)
        return;
    const qint32 employee = employeeOfRow(shift->row);
    const QString who = tr("%1, %2").arg(employeeName(shift->row),
                                         OleDate::format(shift->begin, QStringLiteral("dddd mmm d, yyyy")));
    ShiftDialog dialog(who, shift->begin, shift->end, shift->position, m_info.JobEmpAvalGet(employee), m_window);
    if (!m_dialogs || m_dialogs->exec(dialog) != QDialog::Accepted)
        return;
    BlockSnapshot wanted = *shift;
    wanted.begin = dialog.begin();
    wanted.end = dialog.end();
    const QString position = dialog.position().trimmed().toUpper();
    const bool moved = wanted.begin != shift->begin || wanted.end != shift->end;
    const bool repositioned = !position.isEmpty() && position != shift->position.trimmed().toUpper();
    if (!moved && !repositioned)
        return;
    if (moved && !confirmOtherDepartments(shift->row, wanted.begin, wanted.end))
        return;
    // Both changes are made, then pushed as one step; a refused second one takes back the first.
    if (moved) {
        const EditOutcome placed = m_editor.place(id, shift->row, wanted.begin, wanted.end);
        if (!placed.applied) {
            tellRefusal(placed);
            return;
        }
    }
    if (repositioned) {
        const EditOutcome changed = m_editor.changePosition(id, position);
        if (!changed.applied) {
            m_editor.put(*shift);
            tellRefusal(changed);
            return;
        }
    }
    EditOutcome both;
    both.applied = true;
    both.before = *shift;
    both.after = m_editor.snapshot(id);
    QString what = describe(*shift);
    if (moved)
        what = tr("Change %1 to %2").arg(what, describe(wanted.begin, wanted.end, -1));
    else
        what = tr("Change %1").arg(what);
    if (repositioned)
        what = tr("%1, %2").arg(what, position);
    applyEdit(both, what);
}

void ShiftEditController::copyBlock(int id)
{
    const TimeGridModel *m = m_grid->model();
    const int block = m->TBFromId(id);
    if (block < 0 || m_schedule.isTimeOffBlock(block))
        return;
    m_clip = {m->TBBeg(block), m->TBEnd(block), m->TBBar(block)};
    m_status->setText(tr("Copied %1.").arg(describe(m_editor.snapshot(id))));
}

std::optional<BlockSnapshot> ShiftEditController::changeableShift(int id)
{
    const int block = m_grid->model()->TBFromId(id);
    if (block < 0 || m_schedule.isTimeOffBlock(block))
        return std::nullopt;
    if (!isEditable(block)) {
        tellRefusal(EditOutcome::refused(EditRefusal::NotChangeable, m_editor.snapshot(id)));
        return std::nullopt;
    }
    return m_editor.snapshot(id);
}

void ShiftEditController::cutBlock(int id)
{
    const std::optional<BlockSnapshot> shift = changeableShift(id);
    if (!shift)
        return;
    copyBlock(id);
    applyEdit(m_editor.remove(id), tr("Cut %1").arg(describe(*shift)));
}

void ShiftEditController::deleteBlock(int id)
{
    const std::optional<BlockSnapshot> shift = changeableShift(id);
    if (!shift)
        return;
    applyEdit(m_editor.remove(id), tr("Delete %1").arg(describe(*shift)));
}

void ShiftEditController::changePositionOf(int id)
{
    const std::optional<BlockSnapshot> shift = changeableShift(id);
    if (!shift)
        return;
    const QString position = PickJob(shift->row, 0);
    if (position.isEmpty())
        return;
    applyEdit(m_editor.changePosition(id, position),
              tr("Change %1 to %2").arg(describe(*shift), position.trimmed().toUpper()));
}

void ShiftEditController::pasteAtCursor()
{
    const int row = m_grid->currentRow();
    if (m_clip.begin == 0 || row < 0)
        return;
    const double begin = m_grid->cursorTime();
    const QString position = PickJob(row, 0);
    if (position.isEmpty())
        return;
    addShift(row, begin, begin + (m_clip.end - m_clip.begin), position, tr("Paste"));
}

void ShiftEditController::editCommand(const QString &choice)
{
    m_popupChoice = choice;
    if (choice == QLatin1String("PASTE"))
        pasteAtCursor();
    else
        runOnBlock(choice, m_grid->selectedBlockId());
}

void ShiftEditController::runOnBlock(const QString &choice, int id)
{
    if (choice == QLatin1String("DELETE"))
        deleteBlock(id);
    else if (choice == QLatin1String("COPY"))
        copyBlock(id);
    else if (choice == QLatin1String("CUT"))
        cutBlock(id);
    else if (choice == QLatin1String("CHANGEJOB"))
        changePositionOf(id);
}
