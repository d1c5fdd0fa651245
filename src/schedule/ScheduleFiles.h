#pragma once

#include "data/RecordList.h"

#include <QString>

// The shift files (one per department and day) and the time-off files (one per employee) of
// the data folder, and their records.
namespace ScheduleFiles {

// ShiftRecord, 540 bytes: employee number, begin, end, position name (20 bytes), reserved.
namespace Shift {
constexpr int Size = 540;
qint32 employee(const char *record);
double begin(const char *record);
double end(const char *record);
QString position(const char *record);   // trimmed
void setEmployee(char *record, qint32 employee);
void setTimes(char *record, double begin, double end);
void setPosition(char *record, const QString &position);   // trimmed, upper-cased, cut to 20
// The position field as setPosition writes it, to be copied into many records.
QByteArray positionField(const QString &position);
void setPositionField(char *record, const QByteArray &field);
}

// TimeOffRecord, 252 bytes: employee number, begin, end, reason (30 bytes), reserved.
namespace TimeOff {
constexpr int Size = 252;
qint32 employee(const char *record);
double begin(const char *record);
double end(const char *record);
QString reason(const char *record);   // as stored, padding included
void set(char *record, qint32 employee, double begin, double end, const QString &reason);
}

// The folder of a department's shift files: the data folder and the name trimmed and
// upper-cased. Empty when the name cannot safely be a folder name (it is then never used as a
// path: loading finds no shifts and saving fails).
QString departmentFolder(const QString &dataPath, const QString &department);
// The file of one day: "yyyymmdd.KELSCD" inside the department's folder; empty as above.
QString dayFile(const QString &dataPath, const QString &department, double day);
// "<number>.KELOFF" in the data folder.
QString timeOffFile(const QString &dataPath, qint32 employee);

} // namespace ScheduleFiles
