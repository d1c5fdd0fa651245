#include "ScheduleCopy.h"

#include "ScheduleFiles.h"
#include "clsScheduleData.h"
#include "data/FileError.h"
#include "data/OleDate.h"
#include "data/MultiFileCommit.h"
#include "data/RecordList.h"
#include "data/ScheduleHelper.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace Shift = ScheduleFiles::Shift;


ScheduleCopy::ScheduleCopy(clsScheduleData &schedule, const QString &department)
    : m_schedule(schedule), m_department(department)
{
}

QString ScheduleCopy::dayFile(double day) const
{
    const QString file = ScheduleFiles::dayFile(m_schedule.dataPath(), m_department, day);
    if (file.isEmpty())
        throw FileError(QStringLiteral("CopySchedule"), m_schedule.dataPath() + u'/' + m_department,
                        QCoreApplication::translate("ScheduleCopy", "the department name cannot be used as a folder name"), FileError::Kind::Write);
    return file;
}

QList<double> ScheduleCopy::occupiedDays(double targetFirst, int days) const
{
    // Any record in the file counts: the copy would replace it.
    QList<double> occupied;
    RecordList records(Shift::Size);
    const double first = OleDate::wholeDay(targetFirst);
    for (int d = 0; d < days; ++d) {
        m_schedule.LoadSchedule(records, m_department, first + d, first + d, 0, true);
        if (!records.isEmpty())
            occupied << first + d;
    }
    return occupied;
}

void ScheduleCopy::copy(double sourceFirst, double targetFirst, int days)
{
    const double source = OleDate::wholeDay(sourceFirst);
    const double target = OleDate::wholeDay(targetFirst);
    const double delta = target - source;

    // Read every source day first: a day that cannot be read stops the copy here, before any
    // file changes.
    QList<RecordList> moved;
    for (int d = 0; d < days; ++d) {
        RecordList records(Shift::Size);
        m_schedule.LoadSchedule(records, m_department, source + d, source + d, 0, true);
        for (int i = 1; i <= records.count(); ++i) {
            char *r = records.record(i);
            Shift::setTimes(r, Shift::begin(r) + delta, Shift::end(r) + delta);
        }
        moved << records;
    }
    // Every target day reaches the disk with the others, or none does.
    try {
        MultiFileCommit together(m_schedule.dataPath());
        ScheduleHelper::MakeDirectory(QFileInfo(dayFile(target)).absolutePath());
        for (int d = 0; d < days; ++d)
            moved[d].save(dayFile(target + d));
        together.commit();
    } catch (const FileError &error) {
        throw FileError(error.routine(), error.path(), error.reason() + QCoreApplication::translate("ScheduleCopy", "; nothing was copied"),
                        error.kind());
    }
}
