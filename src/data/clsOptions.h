#pragma once

#include <QString>

// The program's settings in "Schedule.ini": the scheduler's view choices, the snap interval,
// per-department display settings and report options. The snap minutes and the two report
// flags are read at creation and kept in memory; every other setting is read on every request
// and written on every change. A setter (and SaveData) whose write fails throws FileError;
// a settings file that cannot be read gives the defaults.
class clsOptions
{
public:
    // `settingsFile` is the full path of Schedule.ini (ScheduleHelper::SettingsFilePath).
    explicit clsOptions(const QString &settingsFile);

    const QString &settingsFile() const { return m_file; }

    QString hourdisplay() const;
    void setHourdisplay(const QString &value);
    qint16 WeekViewMode() const;
    void setWeekViewMode(qint16 value);
    qint16 SnapTo() const;
    void setSnapTo(qint16 value);
    QString bardisplay() const;
    void setBardisplay(const QString &value);

    // The folder the scheduler last exported a picture or calendar to (empty: none yet).
    QString exportFolder() const;
    void setExportFolder(const QString &folder);
    // The scheduler's name column in pixels (0: not set).
    int nameColumnWidth() const;
    void setNameColumnWidth(int pixels);
    // Whether the scheduler shows its coverage strip (shown until the user hides it).
    bool coverageStripShown() const;
    void setCoverageStripShown(bool shown);
    // The scheduler's cost column beside the hours; off unless chosen.
    bool costColumnShown() const;
    void setCostColumnShown(bool shown);

    void setSnapToMinutes(qint16 minutes);     // memory only, until SaveData
    qint16 GetSnapToMinutes() const;

    // kind 0 = week report, 1 = employee reports; any other kind reads False and sets nothing.
    bool ShowPositionGet(qint32 kind) const;
    void ShowPositionSet(qint32 kind, bool show);   // then writes all three in-memory values
    void SaveData();

    // Per department (section "Dept-" + name). Times are fractions of a day, 0 to 1.0.
    double GetShiftLength(const QString &department) const;
    void SetShiftLength(const QString &department, double length);
    double GetScheduleStartTime(const QString &department) const;
    void SetScheduleStartTime(const QString &department, double start);
    bool ForceJobDisplayForSingleJobGet(const QString &department) const;
    void ForceJobDisplayForSingleJobSet(const QString &department, bool force);

private:
    QString read(const QString &section, const QString &key) const;
    void write(const QString &section, const QString &key, const QString &value) const;

    QString m_file;
    qint16 m_snapMinutes = 15;
    bool m_showPositionEmpReport = true;
    bool m_showPositionWeekReport = true;
};
