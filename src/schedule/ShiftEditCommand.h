#pragma once

#include "ScheduleEditor.h"

#include <QUndoCommand>

// One applied edit of a schedule's grid on an undo stack. The edit is made through the
// ScheduleEditor first (so a refusal can be shown and nothing is pushed); the command then only
// replays it: undo puts the block back as it was before, redo as it was after.
class ShiftEditCommand : public QUndoCommand
{
public:
    ShiftEditCommand(ScheduleEditor &editor, const EditOutcome &applied, const QString &text);

    void undo() override;
    void redo() override;

private:
    // Brings the block from one state to the other: added, removed, or put in place.
    void apply(const BlockSnapshot &from, const BlockSnapshot &to);

    ScheduleEditor &m_editor;
    BlockSnapshot m_before;
    BlockSnapshot m_after;
    bool m_firstRedo = true;
};
