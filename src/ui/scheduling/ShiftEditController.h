#pragma once

#include "data/Prompt.h"
#include "schedule/ScheduleEditor.h"

#include <QObject>
#include <QPoint>
#include <QUndoStack>
#include <functional>
#include <optional>

class DialogRunner;
class QAction;
class QLabel;
class QMenu;
class QWidget;
class TimeGrid;
class clsEmployeeInfo;
class clsScheduleData;

// The editing of one schedule's grid, composed by every window that edits shifts or time off.
// Every edit goes through the ScheduleEditor; an applied one is pushed on the undo stack, a
// refused one is told in the words of EditOutcomeText. A window with a time grid of shifts
// (attach) also gets the clipboard, the Edit menu with its commands and shortcuts, the
// right-button menus of blocks and free time, and the checks before a shift is added.
class ShiftEditController : public QObject
{
    Q_OBJECT

public:
    // What the owning window decides. Every hook may stay empty.
    struct Hooks {
        // The employee of a row (default: the schedule's).
        std::function<qint32(int row)> employeeOfRow;
        // The name a refusal gives the employee of a row (default: the employee's name).
        std::function<QString(int row)> employeeName;
        // A further reason to refuse a shift at begin..end in a row (EditRefusal::None: none).
        std::function<EditOutcome(int row, double begin, double end)> extraRefusal;
        // Paste on free time of a row, at the copied times (the right-button menu).
        std::function<void(int row, double time)> pasteAt;
        // A new shift at a time of a row, as a click there adds it.
        std::function<void(int row, double time)> addAt;
        // After an applied edit, with the block's id.
        std::function<void(int id)> applied;
    };

    // The copied shift; begin 0 when nothing is copied.
    struct Clip {
        double begin = 0;
        double end = 0;
        int bar = 0;
    };

    // `window` owns the actions and names the pick lists.
    ShiftEditController(clsScheduleData &schedule, clsEmployeeInfo &info, Prompt &prompt, QWidget *window);
    ~ShiftEditController() override;

    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }
    // What runs the shift dialog; without it the dialog is not offered.
    void setDialogs(DialogRunner *dialogs) { m_dialogs = dialogs; }
    // The title and icon refusals are shown with (default: the program's name, information).
    void setRefusalStyle(const QString &title, Prompt::Icon icon);

    ScheduleEditor &editor() { return m_editor; }
    QUndoStack &undoStack() { return m_undo; }

    // Undo and Redo, named after the edit they take back or make again, with their shortcuts,
    // added to the window under `context`.
    void createUndoActions(const QString &undoName, const QString &redoName, Qt::ShortcutContext context);
    QAction *undoAction() const { return m_undoAction; }
    QAction *redoAction() const { return m_redoAction; }

    // Shows a refusal, or pushes the applied edit named `what`; true when applied.
    bool applyEdit(const EditOutcome &outcome, const QString &what);
    // Tells the user why an edit was refused.
    void tellRefusal(const EditOutcome &outcome);

    // ---- A time grid of shifts
    // Binds the grid and the status line, and builds the undo actions and the Edit menu.
    void attach(TimeGrid *grid, QLabel *status);
    QMenu *editMenu() const { return m_editMenu; }
    // When set, the position of a shift is always picked from the list, even when only one fits.
    void setForcePick(bool force) { m_forcePick = force; }
    // Where the Edit menu's Paste puts a shift in a window that pastes by day.
    void setPasteTime(double time) { m_pasteTime = time; }
    const Clip &clip() const { return m_clip; }

    // Which position a shift of the row's employee (or of `employee` when not 0) is for: the
    // only one without asking (unless the department forces the list), "DEFAULT" without any,
    // empty when the list was cancelled.
    QString PickJob(int row, qint32 employee);
    // Shows the items as a pick list; the chosen item's number from 1, -1 for "Cancel" or none,
    // 0 for an empty list.
    int DisplayPopupMenu(QStringList items, bool addCancel, const QString &question = {});
    QString getpopup1choice() const { return m_popupChoice; }

    // The days whose shifts a save writes: a shift must begin on one of them to be kept.
    bool isSavedBegin(double begin) const;
    // A new shift at begin..end in a row, checked, asked about and pushed as `verb` + its times.
    void addShift(int row, double begin, double end, const QString &position, const QString &verb);
    // Asks before a shift of the row goes where the employee already works in another
    // department; true to go on (also when there is no such shift).
    bool confirmOtherDepartments(int row, double begin, double end);
    // "6a-2p for Rosa Haddad"; without the name for a row of -1.
    QString describe(double begin, double end, int row) const;
    QString describe(const BlockSnapshot &block) const;

    // The context menus at a point of the screen: on a block, and on free time of a row.
    void blockMenu(int block, QPoint globalPos);
    void freeMenu(int row, double time, QPoint globalPos);
    // The shift dialog of the block `id`: its times and position changed as one step.
    void editShift(int id);
    // Ctrl+V: the copied shift's length at the grid's cursor.
    void pasteAtCursor();

private:
    qint32 employeeOfRow(int row) const;
    QString employeeName(int row) const;
    EditOutcome refusalForNew(int row, double begin, double end) const;
    // A block that begins outside the saved days can only be copied.
    bool isEditable(int block) const;
    // The shift `id` names when it may be cut, deleted or given another position; nothing (after
    // telling the user why, for a shift that begins outside the days shown) otherwise.
    std::optional<BlockSnapshot> changeableShift(int id);
    void copyBlock(int id);
    void cutBlock(int id);
    void deleteBlock(int id);
    void changePositionOf(int id);
    // An Edit menu command, on the selected block or (Paste) the current row.
    void editCommand(const QString &choice);
    // A command of the block menus (CUT, COPY, DELETE, CHANGEJOB) on the block `id`.
    void runOnBlock(const QString &choice, int id);

    clsScheduleData &m_schedule;
    clsEmployeeInfo &m_info;
    Prompt &m_prompt;
    DialogRunner *m_dialogs = nullptr;
    QWidget *m_window;
    Hooks m_hooks;
    QString m_refusalTitle;
    Prompt::Icon m_refusalIcon = Prompt::Icon::Information;
    ScheduleEditor m_editor;
    QUndoStack m_undo;   // after the editor: its commands refer to it
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    TimeGrid *m_grid = nullptr;
    QLabel *m_status = nullptr;
    QMenu *m_editMenu = nullptr;
    bool m_forcePick = false;
    Clip m_clip;
    QString m_popupChoice;
    double m_pasteTime = 0;
};
