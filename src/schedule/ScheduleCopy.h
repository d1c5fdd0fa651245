#pragma once

#include <QList>
#include <QString>

class clsScheduleData;

// Copies the shifts of a day or a week of one department to another day or week, file to file.
// Every shift that begins on a source day arrives on the matching target day, its begin and
// end moved by the same number of days; the target day's file is replaced whole. Time off is
// not in the day files and is never copied.
//
// A copy is never half done: all source days are read before anything is written, and when a
// write fails the target days already written get their old bytes back (a target file that did
// not exist is removed again) before the FileError reaches the caller.
class ScheduleCopy
{
public:
    ScheduleCopy(clsScheduleData &schedule, const QString &department);

    // The target days (of `days` days from targetFirst) whose files hold shifts, ascending.
    // Throws FileError when a target day cannot be read.
    QList<double> occupiedDays(double targetFirst, int days) const;

    // Copies `days` days (1 or 7) from sourceFirst to targetFirst. Throws FileError when a
    // source or target day cannot be read (nothing written) or a target cannot be written
    // (every target as before, as far as the disk lets it be put back).
    void copy(double sourceFirst, double targetFirst, int days);

private:
    QString dayFile(double day) const;

    clsScheduleData &m_schedule;
    QString m_department;
};
