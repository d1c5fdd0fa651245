#include "ScheduleEditor.h"

#include "clsScheduleData.h"
#include "grid/TimeGridModel.h"

EditOutcome ScheduleEditor::refused(const QString &reason, const BlockSnapshot &before) const
{
    EditOutcome outcome;
    outcome.refusal = reason;
    outcome.before = before;
    return outcome;
}

QString ScheduleEditor::collisionText() const
{
    return QString::fromLatin1(clsScheduleData::kCollisionMessage);
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
        return refused(QStringLiteral("There is no row to place the shift in."));
    if (block.begin == block.end)
        return refused(QStringLiteral("A shift must end after it begins."));
    if (m_schedule.IsOverlapping(block.begin, block.end, block.row))
        return refused(collisionText());
    const int number = m_schedule.placeBlock(block.row, block.begin, block.end, block.position, block.timeOff, block.id);
    if (number < 0)
        return refused(QStringLiteral("There is no row to place the shift in."));
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
        return refused(QStringLiteral("The shift no longer exists."));
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
        return refused(QStringLiteral("The shift no longer exists."));
    if (row < 0)
        return refused(QStringLiteral("There is no row to place the shift in."), before);
    if (!(begin < end))
        return refused(QStringLiteral("A shift must end after it begins."), before);
    // Shifts are saved in the file of the day they begin on; one beginning outside the days of
    // the schedule would never be saved.
    if (!before.timeOff && (begin < m_schedule.FirstDay() || begin >= m_schedule.LastDay() + 1))
        return refused(QStringLiteral("A shift must begin on one of the days shown."), before);
    BlockSnapshot wanted = before;
    wanted.row = row;
    wanted.begin = begin;
    wanted.end = end;
    return put(wanted);
}

EditOutcome ScheduleEditor::put(const BlockSnapshot &wanted)
{
    const BlockSnapshot before = snapshot(wanted.id);
    if (!before.isValid())
        return refused(QStringLiteral("The shift no longer exists."));
    TimeGridModel *grid = m_schedule.grid();
    const int block = grid->TBFromId(wanted.id);
    if (m_schedule.IsOverlapping(wanted.begin, wanted.end, wanted.row, block))
        return refused(collisionText(), before);

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
    if (!before.isValid())
        return refused(QStringLiteral("The shift no longer exists."));
    if (before.timeOff)
        return refused(QStringLiteral("Time off has no position."), before);
    BlockSnapshot wanted = before;
    wanted.position = position;
    return put(wanted);
}
