#pragma once

#include "ShiftEditWindow.h"

#include <QHash>
#include <memory>

class NeedsCoverageView;
class WeekCostView;
class QButtonGroup;
class QComboBox;
class QLabel;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QToolBar;

// The scheduler: one department's week on the time grid, a row per employee, with the toolbar
// bands of its controls, the command table of its tools, and the editing of ShiftEditWindow.
// The week is saved when the user leaves it (other week or day, other department, copy, the
// employee week, closing) and never otherwise; a save that fails asks to retry, to discard the
// changes or to stay. Shown modally, sized to the main window's work area.
class frmSchedule : public ShiftEditWindow
{
    Q_OBJECT

public:
    frmSchedule(clsEmployeeInfo &info, clsOptions &options, Prompt &prompt, DialogRunner &dialogs,
                QWidget *parent = nullptr);
    ~frmSchedule() override;

    // Fills the lists and loads the first department's current week; false (after telling
    // "Please setup a department first") when there is no department: the window is not shown.
    bool Form_Load();
    // The day whose week Form_Load opens on: today unless set.
    void setOpeningDay(double day) { m_openingDay = day; }
    // Reloads the week from the files without saving first.
    void refreshData();
    // Carries out a command of the tool table by its id.
    void ToolClick(const QString &toolId);
    // Saves, then shows the department week that holds the date (0: nothing happens).
    void GoToDate(double date);

    double FirstDay() const { return m_firstDay; }
    double LastDay() const { return m_lastDay; }
    double ChosenDay() const { return m_chosenDay; }
    bool isWeekView() const { return m_weekView; }
    bool isLoaded() const { return m_loaded; }
    QString department() const { return m_department; }
    QAction *tool(const QString &id) const { return m_tools.value(id); }
    NeedsCoverageView &coverage() const { return *m_coverage; }
    WeekCostView &cost() const { return *m_cost; }
    // Reads the department's staffing needs again (after the needs window saved them) and
    // counts the coverage of the week anew.
    void reloadNeeds();

Q_SIGNALS:
    // Print: the week was saved; the schedule reports are wanted for this department and days.
    void printRequested(const QString &department, double firstDay, double lastDay);
    // The department has no employees: the user wants the employee editor (the scheduler closes).
    void employeeEditorRequested();
    // The staffing needs of the department are to be edited (the window stays open).
    void staffingNeedsRequested(const QString &department);

protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent *event) override;

    void pasteAt(int row, double time) override;
    void onBlockChangeRequested(int id, BlockPlace from, BlockPlace to) override;
    void setPositionText(const QString &text, const QColor &color) override;

private:
    void buildBands();
    void buildCommands();
    QToolBar *band(const QString &bandName, const QString &toolId, const QString &frameName,
                   QWidget *content, const QString &caption = {});
    QAction *command(const QString &id, const QString &caption, const std::function<void()> &run,
                     const QKeySequence &key = {});
    // Saves the loaded week; on failure the user retries, discards or stays (false).
    bool saveBeforeLeaving();
    // Saves, then loads the week of `date` for `department`.
    bool leaveAndLoad(const QString &department, double date);
    void showWeekCaption();
    void onDepartmentChosen(int index);
    void setViewMode(bool weekView);
    // The check marks of the menus' modes follow the lists and buttons.
    void updateModeChecks();
    void setHoursMode(int mode);
    void setViewRangeIndex(int index);
    void stepDays(int days);
    void pickDate();
    void copyCommand();
    void exportPicture();
    void printReports();
    // Writes the shown week of the selected row's employee or of the whole department, with
    // time off, as an iCalendar file.
    void exportCalendar();
    void openEmployeeWeek(int row);
    // Says why the grid is blank when the department has nobody in it.
    void updateEmptyNotice();
    // Where an export is suggested: the last folder used, "<department>-<yyyy-mm-dd>.<extension>".
    QString suggestedExportFile(const QString &extension) const;
    void rememberExportFolder(const QString &file);
    void storeOptions();
    void onDateShown(double time);
    void recountCoverage();
    void recountCost();
    void setCoverageShown(bool shown);
    // Plans the week's open needs and adds the shifts chosen as one undo step.
    void fillOpenNeeds();

    QMenuBar *m_menuBar = nullptr;
    QComboBox *comDepartment = nullptr;
    QPushButton *cmdSetDate = nullptr;
    QComboBox *comSnapTo = nullptr;
    QComboBox *comViewRange = nullptr;
    QComboBox *comAddShift = nullptr;
    QComboBox *comBarDisplay = nullptr;
    QRadioButton *optWeekHours[3] = {};
    QButtonGroup *m_hourButtons = nullptr;
    QPushButton *cmdViewMode = nullptr;
    QPushButton *cmdDayMinus = nullptr;
    QPushButton *cmdDayPlus = nullptr;
    QPushButton *cmdWeekMinus = nullptr;
    QPushButton *cmdWeekPlus = nullptr;
    QPushButton *cmdCopy = nullptr;
    QPushButton *cmdPrint = nullptr;
    QLabel *labCurrentTime = nullptr;
    QWidget *fraEmpty = nullptr;
    QLabel *labEmpty = nullptr;
    QHash<QString, QAction *> m_tools;
    std::unique_ptr<NeedsCoverageView> m_coverage;
    std::unique_ptr<WeekCostView> m_cost;

    double m_firstDay = 0;
    double m_lastDay = 0;
    double m_chosenDay = 0;
    bool m_weekView = true;
    bool m_loaded = false;   // the grid holds the week of m_department, m_firstDay as read
    bool m_closing = false;
    double m_openingDay = 0;
};
