#pragma once

#include "clsPrintschedule.h"

#include <QHash>
#include <QList>
#include <QString>

// Each employee's shifts and time off day by day, as the week posting and the employee schedule
// print them in a cell or a line: "9a-5p COOK", "9:00a-5:00p", "Off", "Off 1:00p-3:00p".
class ScheduleDays
{
public:
    ScheduleDays(const QList<ReportShiftRow> &shifts, const QList<TimeOffRow> &timeOff);

    // The shifts beginning on the day (a whole day number), by their start; of one department
    // unless `department` is empty.
    QList<ReportShiftRow> shifts(qint32 employee, double day, const QString &department = {}) const;
    // The time off touching the day: "Off" when it covers the whole day, else "Off" and the
    // times it covers, several parts joined by ", "; empty when there is none.
    QString timeOff(qint32 employee, double day) const;

    // "9:00a-5:00p"; with the position after it, "9a-5:30p COOK". A shift the scheduler refuses
    // is marked as a conflict.
    static QString shiftText(const ReportShiftRow &row, bool withPosition);

private:
    using Key = QPair<qint32, qint64>;
    QHash<Key, QList<ReportShiftRow>> m_shifts;
    QHash<Key, QStringList> m_timeOff;
};
