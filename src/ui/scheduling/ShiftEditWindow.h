#pragma once

#include "data/Prompt.h"
#include "data/clsEmployeeInfo.h"
#include "grid/Availability.h"
#include "grid/TimeGridModel.h"
#include "schedule/ScheduleEditor.h"

#include <QDialog>
#include <QUndoStack>
#include <memory>
#include <optional>
#include <utility>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class DialogRunner;
class TimeGrid;
class clsOptions;
class clsScheduleData;

// What the scheduler window and the employee week window share: a time grid bound to a
// clsScheduleData, the five ways of adding a shift, the right-button menu, the clipboard, the
// checks on drags and key moves, and undo of every grid edit. Every edit goes through the
// ScheduleEditor; an applied one is pushed on the undo stack, a refused one is told.
class ShiftEditWindow : public QDialog
{
    Q_OBJECT

public:
    enum AddMode { ModeDefault = 0, ModePickShift = 1, ModePickStart = 2, ModePickEnd = 3, ModeNamedShift = 4 };

    ~ShiftEditWindow() override;

    clsScheduleData &schedule() const { return *m_schedule; }
    TimeGrid *grid() const { return TimeGrid1; }
    QUndoStack &undoStack() { return m_undo; }
    int addMode() const { return m_addMode; }

    // Which position a shift of the row's employee (or of `employee` when not 0) is for: the
    // only one without asking (unless the department forces the list), "DEFAULT" without any,
    // empty when the list was cancelled.
    QString PickJob(int row, qint32 employee);
    // Shows the items as a pick list; the chosen item's number from 1, -1 for "Cancel" or none,
    // 0 for an empty list.
    int DisplayPopupMenu(QStringList items, bool addCancel, const QString &question = {});
    // Keeps the first item of each text, with its value.
    static void RemoveDuplicates(QStringList &texts, QList<int> &values);
    QString getpopup1choice() const { return m_popupChoice; }

    // The begin and end a click at `time` gives in the current add-shift mode, asking for the
    // default shift when the mode needs it; nothing when cancelled.
    std::optional<std::pair<double, double>> timesForMode(double time);

protected:
    ShiftEditWindow(clsEmployeeInfo &info, clsOptions &options, Prompt &prompt, DialogRunner &dialogs,
                    QWidget *parent);

    // The window's employee of a row.
    virtual qint32 employeeOfRow(int row) const;
    // A further reason to refuse a shift at begin..end in a row (EditRefusal::None: none).
    virtual EditOutcome extraRefusal(int row, double begin, double end) const;
    // Right-button Paste on free time of a row.
    virtual void pasteAt(int row, double time) = 0;
    // A drag or key move asks for a block to go elsewhere.
    virtual void onBlockChangeRequested(int id, BlockPlace from, BlockPlace to) = 0;
    // Shows the pointer's text; empty hides it.
    virtual void setPositionText(const QString &text, const QColor &color) = 0;

    // Builds the grid, the clipboard commands and the undo actions; call once from the
    // subclass constructor.
    void buildEditing();
    QMenu *editMenu() const { return m_editMenu; }

    // Reloads from the files: the undo history ends, stored shifts that collide are listed in
    // one message, unreadable files are told. False (and an empty grid) when it failed.
    bool reloadGrid();
    // Lists the stored shifts that the last reload refused as collisions (the Schedule menu's
    // Show Conflicts); says so when there are none.
    void showConflicts();
    bool hasConflicts() const;
    // The department's default shifts and force-pick option, and the add-shift list.
    void loadDepartmentShifts(const QString &department, QComboBox *addShiftBox);
    void fillSnapAndBarLists(QComboBox *snap, QComboBox *bars);
    void applyBarDisplay(const QString &choice);
    void applySnapChoice(QComboBox *snap);
    void setAddModeFromList(int index);

    // Saves the grid; when that fails the user chooses to try again, to discard the changes
    // (true) or to stay (false).
    bool saveWithChoice();
    // Shows a refusal, or pushes the applied edit named `what`; true when applied.
    bool applyEdit(const EditOutcome &outcome, const QString &what);
    // Tells the user why an edit was refused.
    void tellRefusal(const EditOutcome &outcome);
    // The days whose shifts a save writes: a shift must begin on one of them to be kept.
    bool isSavedBegin(double begin) const;
    EditOutcome refusalForNew(int row, double begin, double end) const;
    // Asks before a shift of the row goes where the employee already works in another
    // department; true to go on (also when there is no such shift).
    bool confirmOtherDepartments(int row, double begin, double end);
    // "6a-2p for Rosa Haddad".
    QString describe(double begin, double end, int row) const;
    QString describe(const BlockSnapshot &block) const;

    void addShiftAt(int row, double time);
    void addShift(int row, double begin, double end, const QString &position, const QString &verb);
    void blockMenu(int block);
    void freeMenu(int row, double time);
    // The clipboard and menu commands on a block (by stable id).
    void copyBlock(int id);
    void cutBlock(int id);
    void deleteBlock(int id);
    void changePositionOf(int id);
    void pasteOnCurrentRow();
    void editCommand(const QString &choice);
    // A block that begins outside the saved days can only be copied.
    bool isEditable(int block) const;
    // The shift `id` names when it may be cut, deleted or given another position; nothing (after
    // telling the user why, for a shift that begins outside the days shown) otherwise.
    std::optional<BlockSnapshot> changeableShift(int id);

    void onPointerMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint point);
    void onClicked(int block, Qt::MouseButton button, QPoint point);
    void updateAvailability();
    void tellAvailability(int id);

    clsEmployeeInfo &m_info;
    clsOptions &m_options;
    Prompt &m_prompt;
    DialogRunner &m_dialogs;
    // The week and conflicts last listed after a reload: the same list is not shown again at
    // every reload of the same week, only when the week or its conflicts change.
    QString m_conflictsListed;
    TimeGrid *TimeGrid1 = nullptr;
    QLabel *labStatus = nullptr;
    std::unique_ptr<clsScheduleData> m_schedule;
    std::unique_ptr<ScheduleEditor> m_editor;
    QUndoStack m_undo;
    QMenu *m_editMenu = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;

    QString m_department;
    QList<DefaultShift> m_defaultShifts;
    int m_addMode = ModeDefault;
    int m_namedShift = -1;   // index into m_defaultShifts for ModeNamedShift
    bool m_forcePick = false;
    struct Clip {
        double begin = 0;   // 0: empty
        double end = 0;
        int bar = 0;
    } m_clip;
    QString m_popupChoice;
    struct Pressed {
        bool set = false;
        double begin = 0;
        double end = 0;
        int row = -1;
        QString name;
    } m_pressed;
    bool m_hoverBusy = false;
    double m_lastClickTime = 0;   // where a pasted shift goes in a window that pastes by day
    QHash<qint32, WeekAvailability> m_availabilityOf;
};
