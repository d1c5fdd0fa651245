#pragma once

#include "grid/TimeGridModel.h"

#include <QString>
#include <optional>

class clsScheduleData;

// Everything a block was, so that an edit can be told, undone and redone.
struct BlockSnapshot {
    int id = 0;        // the grid's stable id; 0 for no block
    int row = -1;
    double begin = 0;
    double end = 0;
    QString position;  // the name the block was added with; its bar follows the name
    bool timeOff = false;
    QString note;      // a time-off block's reason

    bool isValid() const { return id != 0; }
    // A block by its place alone, as an edit wants it.
    static BlockSnapshot at(int id, int row, double begin, double end, bool timeOff = false)
    {
        return {id, row, begin, end, QString(), timeOff, QString()};
    }
};

// Why an edit was refused. The engine only names the reason; the windows word it, from the
// facts the outcome carries with it.
enum class EditRefusal {
    None,
    NoRow,                  // `wanted.row` is no row of the grid
    NoLength,               // `wanted` does not end after it begins
    BlockGone,              // no block has the id `wanted.id` any more
    MovedOutsideDays,       // `wanted` would begin outside the days of the schedule
    NewOutsideDays,         // a new shift at `wanted` would begin outside the days of the schedule
    Collision,              // `wanted` touches or overlaps `other`, a block of the same row
    TimeOffHasNoPosition,   // `wanted` is time off, which has no position to change
    TouchesTimeOff,         // the shift `wanted` touches `other`, the employee's time off
    NotChangeable,          // `wanted` begins outside the days shown: it can be copied, not changed
};

// What an edit did: `applied` with the block before and after (an added block has no `before`,
// a removed one no `after`), or why it was refused: the reason, the block as the edit wanted it
// and, for a collision, the block in the way.
struct EditOutcome {
    bool applied = false;
    EditRefusal refusal = EditRefusal::None;
    BlockSnapshot before;
    BlockSnapshot after;
    BlockSnapshot wanted;
    BlockSnapshot other;

    static EditOutcome refused(EditRefusal why, const BlockSnapshot &wanted, const BlockSnapshot &before = {},
                               const BlockSnapshot &other = {});
};

// The one way the windows change a schedule's grid: add, remove, move or resize, and change a
// shift's position, each checked by the placement rules and answered with what it did. Nothing
// here asks the user anything, so an undo command can wrap every call and replay it.
// Blocks are named by their stable ids, which survive other blocks' removal.
class ScheduleEditor
{
public:
    explicit ScheduleEditor(clsScheduleData &schedule) : m_schedule(schedule) {}

    // A new block; refused when begin equals end or it touches another block of the row.
    EditOutcome add(int row, double begin, double end, const QString &position, bool timeOff = false,
                    const QString &note = {});
    EditOutcome remove(int id);
    // Moves and/or resizes a block, to another row too. Refused when the block is gone, when
    // begin is not before end, when a shift would begin outside the days of the schedule, or
    // when it would touch another block of the target row.
    EditOutcome place(int id, int row, double begin, double end);
    // The same for a place the grid widget asks for when a drag ends.
    EditOutcome place(int id, const BlockPlace &to) { return place(id, to.row, to.begin, to.end); }
    // Gives a shift another position (its bar follows; time off cannot change).
    EditOutcome changePosition(int id, const QString &position);
    // Puts a removed block back exactly as it was, under its old id (undo of a removal, redo of
    // an addition). Refused when its place has been taken meanwhile.
    EditOutcome restore(const BlockSnapshot &block);
    // Gives an existing block the row, times, position and note of a snapshot (undo and redo of
    // a move or a position change; a time-off period's new reason). Only collisions are checked:
    // the place was the block's before.
    EditOutcome put(const BlockSnapshot &block);

    // The check a new shift passes before anything is asked about it: refused (NewOutsideDays)
    // when it would begin outside the days of the schedule, whose files a save writes;
    // EditRefusal::None when it may be added.
    EditOutcome vetNewShift(int row, double begin, double end) const;

    BlockSnapshot snapshot(int id) const;

private:
    // Refused as a collision when `wanted` touches another block of its row than `ignoredBlock`.
    std::optional<EditOutcome> collision(const BlockSnapshot &wanted, const BlockSnapshot &before,
                                         int ignoredBlock = -1) const;

    clsScheduleData &m_schedule;
};
