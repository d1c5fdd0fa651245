#pragma once

#include "data/FileError.h"
#include "reports/engine/BandedReport.h"

#include <QList>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class clsEmployeeInfo;
class clsOptions;
class clsPrintschedule;

// Every report the program prints, in the order the report command's help lists them.
enum class ReportId {
    IndividualEmployee,
    Weekly,
    HoursByDepartment,
    HoursByPosition,
    ScheduledTimeOff,
    WeekPosting,
    EmployeeSchedule,
    MasterList,
    ContactList,
    PhoneList,
    IdList,
    MailingList,
};

// What a report prints: a schedule report the shifts or time off of a date range, an employee
// list the employee records.
enum class ReportKind { Schedule, EmployeeList };

// A department week's staffing needs beside its scheduled staff, in person-minutes of each of
// its seven days from the first: what the week posting sums up at its foot. Needs and coverage
// are planned above the reports, so whoever asks for a report hands them in.
struct WeekNeeds {
    QList<qint64> needed;      // empty when the department has no needs
    QList<qint64> scheduled;   // on shift in the positions with a need
    QList<qint64> shortfall;   // needed but not covered
    bool isEmpty() const { return needed.isEmpty(); }
};
// The needs of a department's week (department as stored, firstDay a whole day).
using WeekNeedsSource = std::function<WeekNeeds(const QString &department, double firstDay)>;

// The range and the selection a report is built over. An empty list stands for every
// department, position or employee.
struct ReportRequest {
    double firstDay = 0;   // whole days; read by the schedule reports only
    double lastDay = 0;
    QStringList departments;   // names as stored
    QStringList positions;
    QList<qint32> employees;
    // Employee lists: Social Security numbers whole, and the records by last and first name
    // instead of in file order.
    bool fullIds = false;
    bool sortByName = false;
    QPageLayout pageLayout = BandedReport::defaultPageLayout();
    // Told how the layout comes along (see BandedReport::setProgress); the built report no
    // longer holds it.
    BandedReport::Progress progress;
    // The week posting's needs summary; without it the posting prints none.
    WeekNeedsSource weekNeeds;
};

// How building a report ended. The command and the windows word each outcome.
enum class ReportOutcome {
    Built,           // laid out and ready to paint, print or preview
    NoData,          // the selection holds nothing to print
    ReversedRange,   // the first day is after the last
    Stopped,         // the progress handler stopped the layout
};

struct BuiltReport {
    ReportOutcome outcome = ReportOutcome::Built;
    std::unique_ptr<BandedReport> report;   // set when built
    QString title;
    // Files that exist but could not be read: the report leaves their contents out.
    QList<FileError> unreadable;
};

// What a report's layout is made from: the master data, the selection, and for a schedule
// report the shifts and time off of the range.
struct ReportInput {
    const clsEmployeeInfo &info;
    const QStringList &departments;
    const QStringList &positions;
    const QList<qint32> &employees;
    clsPrintschedule *schedule;   // set for the schedule reports only
    bool fullIds = false;         // employee lists only, as in ReportRequest
    bool sortByName = false;
};

// One report of the catalog.
struct ReportEntry {
    ReportId id;
    const char *word;    // the report command's TYPE
    const char *name;    // the entry in the report windows' lists, untranslated
    const char *title;   // the printed title, untranslated
    bool titleNamesRange;   // the title holds the first and the last day as %1 and %2
    ReportKind kind;
    // The layout holding the input's rows, not yet laid out; null when there is nothing to print.
    std::unique_ptr<BandedReport> (*make)(const ReportInput &input, const QString &title);
};

namespace ReportCatalog {

// Every report, in the order the command's help lists them.
const QList<ReportEntry> &entries();
// The reports of one kind, in catalog order (the order of the windows' lists).
QList<ReportEntry> ofKind(ReportKind kind);
const ReportEntry &entry(ReportId id);
// The report the command word names, or null.
const ReportEntry *byWord(const QString &word);
// The command words, in catalog order.
QStringList words();

// The entry's name in the windows' lists, translated.
QString name(const ReportEntry &entry);
// The printed title, translated: "Weekly Schedule 3/5/01 - 3/11/01", "Employee Master List".
QString title(ReportId id, double firstDay = 0, double lastDay = 0);

// The laid-out report over the data's range, selection, page layout and progress handler.
BuiltReport build(ReportId id, clsPrintschedule &data);
// The laid-out report over a request: shifts and time off are read with `options`.
BuiltReport build(ReportId id, clsEmployeeInfo &info, clsOptions &options, const ReportRequest &request);
// An employee list over a request; lists read no schedule.
BuiltReport buildList(ReportId id, const clsEmployeeInfo &info, const ReportRequest &request);

} // namespace ReportCatalog
