#include "ShiftEditCommand.h"

ShiftEditCommand::ShiftEditCommand(ScheduleEditor &editor, const EditOutcome &applied, const QString &text)
    : QUndoCommand(text), m_editor(editor), m_before(applied.before), m_after(applied.after)
{
}

void ShiftEditCommand::redo()
{
    if (m_firstRedo) {   // QUndoStack::push redoes at once; the edit is already made
        m_firstRedo = false;
        return;
    }
    apply(m_before, m_after);
}

void ShiftEditCommand::undo()
{
    apply(m_after, m_before);
}

void ShiftEditCommand::apply(const BlockSnapshot &from, const BlockSnapshot &to)
{
    // Undo and redo walk the stack in order, so the place being restored is always free.
    if (!to.isValid())
        m_editor.remove(from.id);
    else if (!from.isValid())
        m_editor.restore(to);
    else
        m_editor.put(to);
}
