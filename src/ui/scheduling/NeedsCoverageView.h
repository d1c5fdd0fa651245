#pragma once

#include "planning/StaffingNeeds.h"

#include <QCoreApplication>
#include <QList>

class CoverageStrip;
class QLabel;
class QWidget;
class TimeGrid;
class clsScheduleData;

// What a scheduler shows of its week's coverage: the strip under the grid (staff on shift per
// position and step against the staffing needs) and the week's unmet need in the status line.
// The scheduler hands it the department's needs when the week or the needs file changes, and
// asks it to count again after every edit.
class NeedsCoverageView
{
    Q_DECLARE_TR_FUNCTIONS(NeedsCoverageView)

public:
    NeedsCoverageView(TimeGrid *grid, QWidget *parent);

    CoverageStrip *strip() const { return m_strip; }
    QLabel *unmetLabel() const { return m_unmet; }

    // Reads the department's rows of the needs file (an unreadable row is left out here; the
    // needs window and `check` name it).
    void readNeeds(const QString &dataPath, const QString &department);
    bool hasNeeds() const { return !m_needs.isEmpty(); }
    // Counts the schedule's week again, in steps of the snap (whole hours at most).
    void recount(const clsScheduleData &schedule, int snapMinutes);
    // The strip is shown when asked for; the unmet need is told whenever needs exist.
    void setStripShown(bool shown);
    bool isStripShown() const { return m_stripShown; }

private:
    CoverageStrip *m_strip;
    QLabel *m_unmet;
    QList<NeedRow> m_needs;
    bool m_stripShown = false;
};
