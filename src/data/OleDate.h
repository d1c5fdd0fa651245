#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

// Date-times as the data files hold them: OLE Automation dates, a double counting days since
// 30 December 1899 with the time of day as the fraction (1 hour = 1/24). Negative values keep a
// positive time fraction (-1.25 is 29 December 1899, 06:00), as the format defines.
//
// This header is the only place that turns such values into text or back. All formatting is
// English and fixed, whatever the machine's locale.
namespace OleDate {

constexpr double kMinutesPerDay = 24.0 * 60.0;

// Conversions. Times are rounded to the nearest millisecond.
double fromDate(QDate date);
double fromDateTime(const QDateTime &dateTime);
double fromDateAndTime(QDate date, QTime time);
QDate toDate(double value);
QTime toTime(double value);           // time of day; 1.0 exactly gives 00:00
QDateTime toDateTime(double value);   // the wall-clock date and time, held in UTC so no zone shifts it

// The whole-day part (as a day value) and the time-of-day fraction of a date-time.
double wholeDay(double value);
double timeOfDay(double value);

// A time of day from hours and minutes, as a fraction of a day.
double timeValue(int hours, int minutes, int seconds = 0);

// Whole minutes in a duration of days, rounded to the nearest minute, so that floating-point
// noise (8:00 stored as 0.33333...) never loses a minute.
qint64 durationMinutes(double days);
// The date-time rounded to the nearest whole minute.
double roundToMinute(double value);

// Formats a date-time with a format string in the system's classic style. Tokens (letter case
// ignored, except that upper "AM/PM" and "A/P" print upper-case and lower print lower-case):
//   d dd ddd dddd   day, two-digit day, Mon, Monday
//   m mm mmm mmmm   month, two-digit month, Mar, March; after an hour token or before a
//                   seconds token m and mm are minutes
//   yy yyyy         two- and four-digit year
//   h hh            hour (12-hour when an AM/PM token is present, else 24-hour)
//   n nn            minutes
//   s ss            seconds
//   AM/PM am/pm A/P a/p tt   half-day markers ("tt" gives AM or PM)
// Any other character is copied. Examples used by the program: "yyyymmdd", "h:mma/p",
// "h:mm A/P", "h:mm tt", "ddd mmm dd,yyyy", "ddd mmm dd, yyyy", "m/d/yy", "ddd mm/dd/yyyy",
// "ddd mm/dd/yy h:mma/p", "hh:mma/p", "MM/DD/YYYY HH:MM:SS", "ddd", "dd".
QString format(double value, const QString &pattern);
// The minute of the day that format() shows for the value (0 to 1439), seconds rounded as it
// rounds them.
int minuteOfDay(double value);

// Formats with the grid's percent style: %a (Mon) %A (Monday) %d (05) %e (5) %b (Mar)
// %B (March) %m (03) %y (01) %Y (2001) %H (24-hour, 09) %I (12-hour, 09) %M (minutes)
// %S (seconds) %p (AM/PM) %% (percent).
QString formatPercent(double value, const QString &pattern);

// The general date form: "3/5/2001 2:07:09 PM"; a value without a time gives the date alone,
// a value before 31 December 1899 (whole day 0) gives the time alone ("8:00:00 AM").
QString generalDate(double value);

// Parses the general date form and the usual variants: date alone (m/d/yyyy, m/d/yy,
// yyyy-mm-dd), time alone (h:mm, h:mm:ss, with or without AM/PM, a or p), or a date followed by
// a time. Returns false when the text is none of these.
bool parse(const QString &text, double *value);

// A duration of days as whole hours (no 24-hour limit), a colon and two-digit minutes. The
// duration is first rounded to whole seconds, so that floating-point noise cannot turn 8:00 into
// 7:59; then the seconds are dropped (8 h 29 min 40 s gives 8:29).
QString hoursText(double days);
// The same for a number of whole seconds.
QString hoursTextFromSeconds(qint64 seconds);
// Whole seconds in a duration of days, rounded; 0 for a value that is not finite.
qint64 durationSeconds(double days);

// Dates from 1900 to 2200: anything else in a data file is a damaged record, never a shift.
bool isPlausible(double value);

// A time of day as "HH:MM" on a 24-hour clock, rounded to the minute; 1.0 gives "24:00".
QString clockText(double timeOfDay);
// "YYYY-MM-DD" and "YYYY-MM-DDTHH:MM:SS".
QString isoDate(double value);
QString isoDateTime(double value);

} // namespace OleDate
