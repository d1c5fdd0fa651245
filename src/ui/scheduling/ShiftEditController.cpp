#include "ShiftEditController.h"

#include "EditOutcomeText.h"
#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"
#include "schedule/ShiftEditCommand.h"
#include "schedule/clsScheduleData.h"
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

void ShiftEditController::blockMenu(int block)
{
    const TimeGridModel *m = m_grid->model();
    if (m_schedule.isTimeOffBlock(block))
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
    const int chosen = DisplayPopupMenu(items, true, describe(m_editor.snapshot(id)));
    if (chosen >= 1)
        m_popupChoice = choices[chosen - 1];
    runOnBlock(getpopup1choice(), id);
}

void ShiftEditController::freeMenu(int row, double time)
{
    if (row < 0 || m_clip.begin == 0)
        return;
    m_popupChoice.clear();
    if (DisplayPopupMenu({tr("Paste")}, true, describe(m_clip.begin, m_clip.end, row)) == 1)
        m_popupChoice = QStringLiteral("PASTE");
    if (getpopup1choice() == QLatin1String("PASTE") && m_hooks.pasteAt)
        m_hooks.pasteAt(row, time);
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

void ShiftEditController::pasteOnCurrentRow()
{
    if (m_clip.begin == 0 || !m_hooks.pasteAt)
        return;
    int row = m_grid->currentRow();
    const int selected = m_grid->model()->TBFromId(m_grid->selectedBlockId());
    if (selected >= 0)
        row = m_grid->model()->TBResource(selected);
    if (row < 0)
        return;
    m_hooks.pasteAt(row, m_pasteTime);
}

void ShiftEditController::editCommand(const QString &choice)
{
    m_popupChoice = choice;
    if (choice == QLatin1String("PASTE"))
        pasteOnCurrentRow();
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
