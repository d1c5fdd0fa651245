#include "ScheduleEditor.h"

#include "clsScheduleData.h"
#include "grid/TimeGridModel.h"

EditOutcome EditOutcome::refused(EditRefusal why, const BlockSnapshot &wanted, const BlockSnapshot &before,
                                 const BlockSnapshot &other)
{
    EditOutcome outcome;
    outcome.refusal = why;
    outcome.wanted = wanted;
    outcome.before = before;
    outcome.other = other;
    return outcome;
}

std::optional<EditOutcome> ScheduleEditor::collision(const BlockSnapshot &wanted, const BlockSnapshot &before,
                                                     int ignoredBlock) const
{
    const int other = m_schedule.overlappingBlock(wanted.begin, wanted.end, wanted.row, ignoredBlock);
    if (other < 0)
        return std::nullopt;
    return EditOutcome::refused(EditRefusal::Collision, wanted, before, snapshot(m_schedule.grid()->TBId(other)));
}

EditOutcome ScheduleEditor::vetNewShift(int row, double begin, double end) const
{
    // Shifts are saved in the file of the day they begin on; one beginning outside the days of
    // the schedule would never be saved.
    if (begin < m_schedule.FirstDay() || begin >= m_schedule.LastDay() + 1)
        return EditOutcome::refused(EditRefusal::NewOutsideDays, BlockSnapshot::at(0, row, begin, end));
    return {};
}

BlockSnapshot ScheduleEditor::snapshot(int id) const
{
    const TimeGridModel *grid = m_schedule.grid();
    const int block = grid->TBFromId(id);
    if (block < 0)
        return {};
    return {id,
            grid->TBResource(block),
            grid->TBBeg(block),
            grid->TBEnd(block),
            grid->TBTag(block),
            m_schedule.isTimeOffBlock(block),
            grid->TBNote(block)};
}

EditOutcome ScheduleEditor::add(int row, double begin, double end, const QString &position, bool timeOff,
                                const QString &note)
{
    return restore({0, row, begin, end, position, timeOff, note});
}

EditOutcome ScheduleEditor::restore(const BlockSnapshot &block)
{
    if (block.row < 0)
        return EditOutcome::refused(EditRefusal::NoRow, block);
    if (block.begin == block.end)
        return EditOutcome::refused(EditRefusal::NoLength, block);
    if (std::optional<EditOutcome> refused = collision(block, {}))
        return *refused;
    const int number = m_schedule.placeBlock(block.row, block.begin, block.end, block.position, block.timeOff, block.id);
    if (number < 0)
        return EditOutcome::refused(EditRefusal::NoRow, block);
    if (!block.note.isEmpty())
        m_schedule.grid()->setTBNote(number, block.note);
    EditOutcome outcome;
    outcome.applied = true;
    outcome.after = snapshot(m_schedule.grid()->TBId(number));
    return outcome;
}

EditOutcome ScheduleEditor::remove(int id)
{
    const BlockSnapshot before = snapshot(id);
    if (!before.isValid())
        return EditOutcome::refused(EditRefusal::BlockGone, BlockSnapshot::at(id, -1, 0, 0));
    m_schedule.TBDelete(m_schedule.grid()->TBFromId(id));
    EditOutcome outcome;
    outcome.applied = true;
    outcome.before = before;
    return outcome;
}

EditOutcome ScheduleEditor::place(int id, int row, double begin, double end)
{
    const BlockSnapshot before = snapshot(id);
    if (!before.isValid())
        return EditOutcome::refused(EditRefusal::BlockGone, BlockSnapshot::at(id, row, begin, end));
    BlockSnapshot wanted = before;
    wanted.row = row;
    wanted.begin = begin;
    wanted.end = end;
    if (row < 0)
        return EditOutcome::refused(EditRefusal::NoRow, wanted, before);
    if (!(begin < end))
        return EditOutcome::refused(EditRefusal::NoLength, wanted, before);
    // Shifts are saved in the file of the day they begin on; one beginning outside the days of
    // the schedule would never be saved.
    if (!before.timeOff && (begin < m_schedule.FirstDay() || begin >= m_schedule.LastDay() + 1))
        return EditOutcome::refused(EditRefusal::MovedOutsideDays, wanted, before);
    return put(wanted);
}

EditOutcome ScheduleEditor::put(const BlockSnapshot &wanted)
{
    const BlockSnapshot before = snapshot(wanted.id);
    if (!before.isValid())
        return EditOutcome::refused(EditRefusal::BlockGone, wanted);
    TimeGridModel *grid = m_schedule.grid();
    const int block = grid->TBFromId(wanted.id);
    if (std::optional<EditOutcome> refused = collision(wanted, before, block))
        return *refused;

    grid->setTBPlace(block, wanted.row, wanted.begin, wanted.end);
    if (wanted.note != before.note)
        grid->setTBNote(block, wanted.note);
    if (wanted.position != before.position && !before.timeOff) {
        m_schedule.ChangeJob(block, wanted.position);
        // The name the block carries follows too, so that a restored copy gets the same bar.
        grid->setTBTag(block, wanted.position);
    }
    m_schedule.FormatTimeBlockText(block, wanted.begin, wanted.end);
    if (wanted.row != before.row)
        m_schedule.formatTotalHours(before.row, -1);
    EditOutcome outcome;
    outcome.applied = true;
    outcome.before = before;
    outcome.after = snapshot(wanted.id);
    return outcome;
}

EditOutcome ScheduleEditor::changePosition(int id, const QString &position)
{
    const BlockSnapshot before = snapshot(id);
    BlockSnapshot wanted = before.isValid() ? before : BlockSnapshot::at(id, -1, 0, 0);
    wanted.position = position;
    if (!before.isValid())
        return EditOutcome::refused(EditRefusal::BlockGone, wanted);
    if (before.timeOff)
        return EditOutcome::refused(EditRefusal::TimeOffHasNoPosition, wanted, before);
    return put(wanted);
}
