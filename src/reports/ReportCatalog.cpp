#include "ReportCatalog.h"

#include "EmployeeReports.h"
#include "clsPrintschedule.h"
#include "rptEmployeeAddress.h"
#include "rptEmployeeContact.h"
#include "rptEmployeeIdList.h"
#include "rptEmployeeInd.h"
#include "rptEmployeeList.h"
#include "rptEmployeeSchedule.h"
#include "rptTimeOff.h"
#include "rptTotalHoursSummary.h"
#include "rptWeekPosting.h"
#include "rptWeekReport.h"
#include "rtpEmployeeMasterReport.h"
#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "schedule/clsScheduleData.h"

#include <QCoreApplication>

namespace {

// The shifts of the range in the report's order, or null when there are none.
template<typename Layout>
std::unique_ptr<BandedReport> shiftLayout(const ReportInput &in, const QString &title, ReportId order, int showPosition)
{
    QList<ReportShiftRow> rows = in.schedule->LoadReportdata();
    if (rows.isEmpty())
        return nullptr;
    in.schedule->sortShiftRows(rows, order);
    auto layout = std::make_unique<Layout>(in.info, in.schedule->options().ShowPositionGet(showPosition));
    layout->SetupData(title, rows);
    return layout;
}

std::unique_ptr<BandedReport> hoursLayout(const ReportInput &in, const QString &title, bool byPosition)
{
    const QList<ReportShiftRow> rows = in.schedule->LoadReportdata();
    if (rows.isEmpty())
        return nullptr;
    auto layout = std::make_unique<rptTotalHoursSummary>();
    layout->SetupData(title, rows, byPosition, in.info, in.schedule->firstDay(), in.schedule->lastDay());
    return layout;
}

std::unique_ptr<BandedReport> timeOffLayout(const ReportInput &in, const QString &title)
{
    QList<TimeOffRow> rows = in.schedule->LoadTimeOffData();
    if (rows.isEmpty())
        return nullptr;
    in.schedule->sortTimeOffRows(rows);
    auto layout = std::make_unique<rptTimeOff>(in.info);
    layout->SetupData(title, rows);
    return layout;
}

// The department weeks holding the range, whole: their shifts and time off are read from each
// week's first day to its last.
std::unique_ptr<BandedReport> postingLayout(const ReportInput &in, const QString &title)
{
    clsPrintschedule &data = *in.schedule;
    const double first = data.firstDay(), last = data.lastDay();
    const QStringList departments = in.departments.isEmpty() ? in.info.DepartmentNames() : in.departments;
    double from = first, to = last;
    for (const QString &department : departments) {
        from = std::min(from, clsScheduleData::WeekStart(in.info, department, first));
        to = std::max(to, clsScheduleData::WeekStart(in.info, department, last) + 6);
    }
    data.FirstDate(from);
    data.Lastdate(to);
    // Shifts last: the files they could not read are what the caller reports.
    const QList<TimeOffRow> timeOff = data.LoadTimeOffData();
    const QList<ReportShiftRow> shifts = data.LoadReportdata();
    data.FirstDate(first);
    data.Lastdate(last);
    if (shifts.isEmpty())
        return nullptr;
    auto layout = std::make_unique<rptWeekPosting>(in.info);
    layout->SetupData(title, departments, first, last, in.employees, !in.positions.isEmpty(), shifts, timeOff, data.weekNeeds());
    if (layout->rows().isEmpty())
        return nullptr;
    return layout;
}

// A page per employee with a shift or time off in the range, or per chosen employee.
std::unique_ptr<BandedReport> employeeScheduleLayout(const ReportInput &in, const QString &title)
{
    clsPrintschedule &data = *in.schedule;
    const QList<TimeOffRow> timeOff = in.positions.isEmpty() ? data.LoadTimeOffData() : QList<TimeOffRow>();
    const QList<ReportShiftRow> shifts = data.LoadReportdata();
    QList<qint32> employees = in.employees;
    if (employees.isEmpty()) {
        QSet<qint32> seen;
        for (const ReportShiftRow &row : shifts)
            seen.insert(row.employee);
        for (const TimeOffRow &row : timeOff)
            seen.insert(row.employee);
        employees = QList<qint32>(seen.cbegin(), seen.cend());
    }
    if (employees.isEmpty())
        return nullptr;
    // By name, then number, as the individual report lists them.
    std::stable_sort(employees.begin(), employees.end(), [&in](qint32 a, qint32 b) {
        const int byName = QString::compare(in.info.ConvertNumberToName(a, false), in.info.ConvertNumberToName(b, false),
                                            Qt::CaseInsensitive);
        return byName != 0 ? byName < 0 : a < b;
    });
    auto layout = std::make_unique<rptEmployeeSchedule>(in.info);
    layout->setDepartments(in.departments);
    layout->SetupData(title, employees, data.firstDay(), data.lastDay(), shifts, timeOff);
    return layout;
}

// The chosen employees' records in one of the list layouts, or null when the filter leaves nobody.
template<typename Layout>
std::unique_ptr<BandedReport> listLayout(const ReportInput &in, const QString &)
{
    QList<EmployeeFields> records = EmployeeReports::select(in.info, in.departments, in.positions, in.employees);
    if (records.isEmpty())
        return nullptr;
    if (in.sortByName)
        EmployeeReports::sortByName(records);
    auto layout = std::make_unique<Layout>(in.info);
    layout->setupReport(records);
    layout->setFullIds(in.fullIds);
    return layout;
}

// The settings kinds that say whether a report shows the position of each shift.
constexpr int kWeeklyShowsPosition = 0;
constexpr int kIndividualShowsPosition = 1;

// In the order of ReportId: an id is its entry's place.
const QList<ReportEntry> kEntries{
    {ReportId::IndividualEmployee, "individual", QT_TRANSLATE_NOOP("ReportCatalog", "Individual Employee"),
     "Employee Schedule %1 - %2", true, ReportKind::Schedule,
     [](const ReportInput &in, const QString &title) {
         return shiftLayout<rptEmployeeInd>(in, title, ReportId::IndividualEmployee, kIndividualShowsPosition);
     }},
    {ReportId::Weekly, "weekly", QT_TRANSLATE_NOOP("ReportCatalog", "Weekly"),
     "Weekly Schedule %1 - %2", true, ReportKind::Schedule,
     [](const ReportInput &in, const QString &title) {
         return shiftLayout<rptWeekReport>(in, title, ReportId::Weekly, kWeeklyShowsPosition);
     }},
    {ReportId::HoursByDepartment, "hours-by-department", QT_TRANSLATE_NOOP("ReportCatalog", "Total Hours By Dept"),
     "Total Hours Summary - Department", false, ReportKind::Schedule,
     [](const ReportInput &in, const QString &title) { return hoursLayout(in, title, false); }},
    {ReportId::HoursByPosition, "hours-by-position", QT_TRANSLATE_NOOP("ReportCatalog", "Total Hours By Position"),
     "Total Hours Summary - Position", false, ReportKind::Schedule,
     [](const ReportInput &in, const QString &title) { return hoursLayout(in, title, true); }},
    {ReportId::ScheduledTimeOff, "time-off", QT_TRANSLATE_NOOP("ReportCatalog", "Scheduled Time Off"),
     "Time Off %1 - %2", true, ReportKind::Schedule, timeOffLayout},
    {ReportId::WeekPosting, "week-posting", QT_TRANSLATE_NOOP("ReportCatalog", "Week Posting"),
     "Week Posting %1 - %2", true, ReportKind::Schedule, postingLayout},
    {ReportId::EmployeeSchedule, "employee-schedule", QT_TRANSLATE_NOOP("ReportCatalog", "My Schedule"),
     "My Schedule %1 - %2", true, ReportKind::Schedule, employeeScheduleLayout},
    {ReportId::MasterList, "master-list", QT_TRANSLATE_NOOP("ReportCatalog", "Master List"),
     "Employee Master List", false, ReportKind::EmployeeList,
     listLayout<rtpEmployeeMasterReport>},
    {ReportId::ContactList, "contact-list", QT_TRANSLATE_NOOP("ReportCatalog", "Contact List"),
     "Employee Contact List", false, ReportKind::EmployeeList,
     listLayout<rptEmployeeContact>},
    {ReportId::PhoneList, "phone-list", QT_TRANSLATE_NOOP("ReportCatalog", "Phone List"),
     "Phone List", false, ReportKind::EmployeeList, listLayout<rptEmployeeList>},
    {ReportId::IdList, "id-list", QT_TRANSLATE_NOOP("ReportCatalog", "Id List"),
     "Employee Id List", false, ReportKind::EmployeeList, listLayout<rptEmployeeIdList>},
    {ReportId::MailingList, "mailing-list", QT_TRANSLATE_NOOP("ReportCatalog", "Mailing List"),
     "Employee Addresses", false, ReportKind::EmployeeList,
     listLayout<rptEmployeeAddress>},
};

// Lays out the entry's report over the input with the page layout and progress handler.
BuiltReport layOut(const ReportEntry &entry, const ReportInput &input, const QString &title, const QPageLayout &pageLayout,
                   const BandedReport::Progress &progress)
{
    BuiltReport built;
    built.title = title;
    if (input.schedule && input.schedule->firstDay() > input.schedule->lastDay()) {
        built.outcome = ReportOutcome::ReversedRange;
        return built;
    }
    std::unique_ptr<BandedReport> report = entry.make(input, title);
    if (input.schedule)
        built.unreadable = input.schedule->unreadableFiles();
    if (!report) {
        built.outcome = ReportOutcome::NoData;
        return built;
    }
    report->setPageLayout(pageLayout);
    report->setProgress(progress);
    const bool laidOut = report->run();
    // The handler belongs to this layout only: whoever prints or writes the report later brings
    // its own (the one given here may be gone by then).
    report->setProgress({});
    if (!laidOut) {
        built.outcome = ReportOutcome::Stopped;
        return built;
    }
    built.report = std::move(report);
    return built;
}

} // namespace

namespace ReportCatalog {

const QList<ReportEntry> &entries()
{
    return kEntries;
}

QList<ReportEntry> ofKind(ReportKind kind)
{
    QList<ReportEntry> found;
    for (const ReportEntry &e : kEntries)
        if (e.kind == kind)
            found << e;
    return found;
}

const ReportEntry &entry(ReportId id)
{
    return kEntries.at(qsizetype(id));
}

const ReportEntry *byWord(const QString &word)
{
    for (const ReportEntry &e : kEntries)
        if (word == QLatin1String(e.word))
            return &e;
    return nullptr;
}

QStringList words()
{
    QStringList all;
    for (const ReportEntry &e : kEntries)
        all << QString::fromLatin1(e.word);
    return all;
}

QString name(const ReportEntry &entry)
{
    return QCoreApplication::translate("ReportCatalog", entry.name);
}

QString title(ReportId id, double firstDay, double lastDay)
{
    const ReportEntry &e = entry(id);
    // The page prints the title in its own words, whatever the language of the windows.
    const QString text = QString::fromLatin1(e.title);
    if (!e.titleNamesRange)
        return text;
    return text.arg(OleDate::format(firstDay, QStringLiteral("m/d/yy")), OleDate::format(lastDay, QStringLiteral("m/d/yy")));
}

BuiltReport build(ReportId id, clsPrintschedule &data)
{
    const ReportEntry &e = entry(id);
    const QStringList departments = data.chosenDepartments();
    const QStringList positions = data.chosenPositions();
    const QList<qint32> employees = data.chosenEmployees();
    const ReportInput input{data.info(), departments, positions, employees,
                            e.kind == ReportKind::Schedule ? &data : nullptr};
    return layOut(e, input, title(id, data.firstDay(), data.lastDay()), data.pageLayout(), data.progress());
}

BuiltReport build(ReportId id, clsEmployeeInfo &info, clsOptions &options, const ReportRequest &request)
{
    if (entry(id).kind == ReportKind::EmployeeList)
        return buildList(id, info, request);
    clsPrintschedule data(info, options);
    data.setPageLayout(request.pageLayout);
    data.setProgress(request.progress);
    data.setWeekNeeds(request.weekNeeds);
    data.FirstDate(request.firstDay);
    data.Lastdate(request.lastDay);
    data.DepartmentFilter(!request.departments.isEmpty());
    data.DepartmentSet(request.departments);
    data.JobFilter(!request.positions.isEmpty());
    data.JobsSet(request.positions);
    data.EmployeeFilter(!request.employees.isEmpty());
    data.EmployeeFilterEmployees(request.employees);
    return build(id, data);
}

BuiltReport buildList(ReportId id, const clsEmployeeInfo &info, const ReportRequest &request)
{
    const ReportEntry &e = entry(id);
    Q_ASSERT(e.kind == ReportKind::EmployeeList);
    const ReportInput input{info, request.departments, request.positions, request.employees, nullptr,
                            request.fullIds, request.sortByName};
    return layOut(e, input, title(id), request.pageLayout, request.progress);
}

} // namespace ReportCatalog
