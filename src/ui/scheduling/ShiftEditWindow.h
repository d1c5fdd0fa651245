#pragma once

#include "data/Prompt.h"
#include "data/clsEmployeeInfo.h"
#include "grid/Availability.h"
#include "grid/TimeGridModel.h"
#include "ShiftEditController.h"

#include <QDialog>
#include <memory>
#include <optional>
#include <utility>

class QComboBox;
class QLabel;
class QMenu;
class DialogRunner;
class TimeGrid;
class clsOptions;
class clsScheduleData;

// The window of a week of shifts on a time grid, which the scheduler and the employee week
// share: the grid bound to a clsScheduleData, its reload (with the stored conflicts and the
// unreadable files told) and save, the lists of add-shift modes, snap steps and bar texts, the
// pointer's text and the employee's available hours. The edits themselves are the
// ShiftEditController's.
class ShiftEditWindow : public QDialog
{
    Q_OBJECT

public:
    enum AddMode { ModeDefault = 0, ModePickShift = 1, ModePickStart = 2, ModePickEnd = 3, ModeNamedShift = 4 };

    ~ShiftEditWindow() override;

    clsScheduleData &schedule() const { return *m_schedule; }
    TimeGrid *grid() const { return TimeGrid1; }
    QUndoStack &undoStack() { return m_edits->undoStack(); }
    int addMode() const { return m_addMode; }

    // Keeps the first item of each text, with its value.
    static void RemoveDuplicates(QStringList &texts, QList<int> &values);

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

    // Builds the grid and the status line and gives them to the editing; call once from the
    // subclass constructor.
    void buildEditing();

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
    // The bar texts of a key of the bar list: "Position", "Times" or "None".
    void applyBarDisplay(const QString &choice);
    void applySnapChoice(QComboBox *snap);
    void setAddModeFromList(int index);

    // Saves the grid; when that fails the user chooses to try again, to discard the changes
    // (true) or to stay (false).
    bool saveWithChoice();

    void addShiftAt(int row, double time);
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
    std::unique_ptr<ShiftEditController> m_edits;   // after the schedule: it edits it

    QString m_department;
    QList<DefaultShift> m_defaultShifts;
    int m_addMode = ModeDefault;
    int m_namedShift = -1;   // index into m_defaultShifts for ModeNamedShift
    struct Pressed {
        bool set = false;
        double begin = 0;
        double end = 0;
        int row = -1;
        QString name;
    } m_pressed;
    bool m_hoverBusy = false;
    QHash<qint32, WeekAvailability> m_availabilityOf;
};
