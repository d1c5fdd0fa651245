#include "CheckCommand.h"

#include "CommandSupport.h"
#include "CommandTable.h"
#include "data/CodePage.h"
#include "data/FileError.h"
#include "data/MultiFileCommit.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/Budgets.h"
#include "data/PayRates.h"
#include "planning/StaffingNeeds.h"
#include "schedule/ScheduleFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

struct RecordFile {
    const char *name;
    int size;
};

// Every record file of the folder with its record size.
const RecordFile kRecordFiles[] = {
    {clsEmployeeInfo::kDepartmentsFile, 530}, {clsEmployeeInfo::kPositionsFile, 328},
    {clsEmployeeInfo::kEmployeesFile, 732},   {clsEmployeeInfo::kContactsFile, 108},
    {clsEmployeeInfo::kAddressesFile, 380},   {clsEmployeeInfo::kMembershipsFile, 36},
    {clsEmployeeInfo::kAssignmentsFile, 24},  {clsEmployeeInfo::kDefaultShiftsFile, 248},
    {clsEmployeeInfo::kBarNamesFile, 30},
};

// How many overlapping pairs a finding names; the rest are counted.
constexpr int kPairsNamed = 3;

// One shift of the overlap checks: where it is stored and when it runs.
struct Placed {
    qint32 employee;
    double begin, end;
    int file;     // index into the checker's day files (or 0 within one file)
    int record;   // 1-based record number in its file
};

// "11:00a - 7:30p"
QString times(double begin, double end)
{
    return OleDate::format(begin, QStringLiteral("h:mma/p")) + QStringLiteral(" - ")
           + OleDate::format(end, QStringLiteral("h:mma/p"));
}

class Checker
{
public:
    explicit Checker(const QString &dataPath) : m_dir(dataPath) {}

    CheckCommand::Result run();

private:
    void report(const QString &path, const QString &what) { m_lines << relative(path) + QStringLiteral(": ") + what; }
    QString relative(const QString &path) const { return QDir::fromNativeSeparators(m_dir.relativeFilePath(path)); }
    std::optional<QByteArray> read(const QString &path, int recordSize);
    void checkMasterData();
    void checkDepartments(const clsEmployeeInfo &info);
    void checkDate(const QString &path, int record, const char *what, double value);
    void checkTimeOff(const QString &path, qint32 fileEmployee);
    void checkDepartmentFolder(const QString &folder);
    void checkDay(const QString &path, double day, const QString &department);
    void checkSpecial(const QString &path);
    void checkOverlapsBetweenFiles();
    void checkStaffingNeeds();
    void checkCostFiles();
    void checkDayOverlapsBetweenFiles(const QList<int> &files, double day, QList<Placed> &open);

    QDir m_dir;
    QStringList m_lines;
    QStringList m_entries;   // of the data folder
    bool m_masterReadable = true;
    QSet<qint32> m_employees;
    QSet<QString> m_positions;                   // upper-cased
    QSet<QString> m_departments;                 // upper-cased
    QHash<QString, QSet<qint32>> m_members;      // department (upper-cased) -> its employees
    QHash<qint32, QSet<QString>> m_held;         // employee -> the positions assigned (upper-cased)
    // The day files of the folders whose shifts the program shows, by day, for the overlaps
    // between files; each file by its path.
    QStringList m_dayFiles;
    QMap<qint64, QList<int>> m_dayFilesByDay;
};

std::optional<QByteArray> Checker::read(const QString &path, int recordSize)
{
    QByteArray bytes;
    try {
        bytes = ScheduleHelper::ReadFileBytes(path);
    } catch (const FileError &e) {
        report(path, QCoreApplication::translate("CheckCommand", "cannot be read: %1").arg(e.reason()));
        return std::nullopt;
    }
    if (recordSize > 0 && bytes.size() % recordSize != 0)
        report(path, QCoreApplication::translate("CheckCommand", "its length of %1 bytes is not a whole number of %2-byte records")
                         .arg(bytes.size()).arg(recordSize));
    return bytes;
}

void Checker::checkDate(const QString &path, int record, const char *what, double value)
{
    if (std::isnan(value))
        report(path, QCoreApplication::translate("CheckCommand", "record %1: the %2 is not a number").arg(record).arg(QLatin1String(what)));
    else if (!OleDate::isPlausible(value))
        report(path, QCoreApplication::translate("CheckCommand", "record %1: the %2 is not a date between 1900 and 2200").arg(record).arg(QLatin1String(what)));
}

void Checker::checkMasterData()
{
    for (const RecordFile &f : kRecordFiles)
        if (!read(m_dir.filePath(QLatin1String(f.name)), f.size))
            m_masterReadable = false;
    read(ScheduleHelper::SettingsFilePath(m_dir.path()), 0);
    if (!m_masterReadable)
        return;   // the cross-checks need every record file

    const clsEmployeeInfo info(m_dir.path(), clsEmployeeInfo::Access::ReadOnly);
    checkDepartments(info);
    const QString employees = m_dir.filePath(QLatin1String(clsEmployeeInfo::kEmployeesFile));
    const QList<EmployeeFields> people = info.Employees();
    for (qsizetype i = 0; i < people.size(); ++i) {
        const EmployeeFields &e = people[i];
        if (m_employees.contains(e.number))
            report(employees, QCoreApplication::translate("CheckCommand", "two employees share the number %1").arg(e.number));
        m_employees.insert(e.number);
        // 0 is a date never given (an import without one).
        if (e.dob != 0)
            checkDate(employees, int(i + 1), "birth date", e.dob);
        if (e.hireDate != 0)
            checkDate(employees, int(i + 1), "hire date", e.hireDate);
    }
    for (const PositionInfo &p : info.Positions())
        m_positions.insert(CodePage::toUpper(p.name));

    const QString memberships = m_dir.filePath(QLatin1String(clsEmployeeInfo::kMembershipsFile));
    const QList<Membership> members = info.Memberships();
    for (qsizetype i = 0; i < members.size(); ++i) {
        const QString department = CodePage::toUpper(members[i].department);
        if (!m_employees.contains(members[i].employee))
            report(memberships, QCoreApplication::translate("CheckCommand", "record %1: membership of employee %2, who does not exist")
                                    .arg(i + 1).arg(members[i].employee));
        if (!m_departments.contains(department))
            report(memberships, QCoreApplication::translate("CheckCommand", "record %1: membership in department \"%2\", which does not exist")
                                    .arg(i + 1).arg(members[i].department));
        m_members[department].insert(members[i].employee);
    }
    const QString assignments = m_dir.filePath(QLatin1String(clsEmployeeInfo::kAssignmentsFile));
    for (qsizetype i = 0; i < info.Assignments().size(); ++i) {
        const Assignment &a = info.Assignments()[i];
        if (!m_employees.contains(a.employee))
            report(assignments, QCoreApplication::translate("CheckCommand", "record %1: position of employee %2, who does not exist").arg(i + 1).arg(a.employee));
        if (!m_positions.contains(CodePage::toUpper(a.position)))
            report(assignments, QCoreApplication::translate("CheckCommand", "record %1: position \"%2\", which does not exist").arg(i + 1).arg(a.position));
        m_held[a.employee].insert(CodePage::toUpper(a.position));
    }
    const QString shifts = m_dir.filePath(QLatin1String(clsEmployeeInfo::kDefaultShiftsFile));
    for (qsizetype i = 0; i < info.DefaultShifts().size(); ++i) {
        const DefaultShift &s = info.DefaultShifts()[i];
        if (!std::isfinite(s.start) || !std::isfinite(s.end))
            report(shifts, QCoreApplication::translate("CheckCommand", "record %1: a time is not a number").arg(i + 1));
        if (!m_departments.contains(CodePage::toUpper(s.department)))
            report(shifts, QCoreApplication::translate("CheckCommand", "record %1: default shift of department \"%2\", which does not exist")
                               .arg(i + 1).arg(s.department));
    }
}

void Checker::checkDepartments(const clsEmployeeInfo &info)
{
    const QString file = m_dir.filePath(QLatin1String(clsEmployeeInfo::kDepartmentsFile));
    QHash<QString, int> firstRecord;
    const QList<DepartmentInfo> departments = info.Departments();
    for (qsizetype i = 0; i < departments.size(); ++i) {
        const DepartmentInfo &d = departments[i];
        const int record = int(i + 1);
        // Every lookup finds the first; the second shares its folder and its shifts.
        if (const auto first = firstRecord.constFind(d.name); first != firstRecord.cend())
            report(file, QCoreApplication::translate("CheckCommand", "record %1: a second department named \"%2\" (record %3)")
                             .arg(record).arg(d.name).arg(*first));
        else
            firstRecord.insert(d.name, record);
        m_departments.insert(d.name);
        QString problem = ScheduleHelper::FolderNameProblem(d.name);
        if (!problem.isEmpty()) {
            if (problem.endsWith(u'.'))
                problem.chop(1);
            problem[0] = problem[0].toLower();
            report(file, QCoreApplication::translate("CheckCommand", "record %1: the department name \"%2\" cannot be a folder name, so its "
                                        "shifts cannot be stored: %3")
                             .arg(record).arg(d.name, problem));
        }
        if (d.firstDay < 0 || d.firstDay > 6)
            report(file, QCoreApplication::translate("CheckCommand", "record %1: the first weekday %2 is not a weekday (0 Sunday to 6 Saturday)")
                             .arg(record).arg(d.firstDay));
    }
}

void Checker::checkTimeOff(const QString &path, qint32 fileEmployee)
{
    const auto bytes = read(path, ScheduleFiles::TimeOff::Size);
    if (!bytes)
        return;
    if (m_masterReadable && !m_employees.contains(fileEmployee))
        report(path, QCoreApplication::translate("CheckCommand", "time off of employee %1, who does not exist").arg(fileEmployee));
    const QByteArray records = ScheduleHelper::RecordsFromFileBytes(*bytes, ScheduleFiles::TimeOff::Size);
    for (int i = 0; i * ScheduleFiles::TimeOff::Size < records.size(); ++i) {
        const char *r = records.constData() + i * ScheduleFiles::TimeOff::Size;
        const double begin = ScheduleFiles::TimeOff::begin(r), end = ScheduleFiles::TimeOff::end(r);
        checkDate(path, i + 1, "begin", begin);
        checkDate(path, i + 1, "end", end);
        if (end < begin)
            report(path, QCoreApplication::translate("CheckCommand", "record %1: the period ends before it begins").arg(i + 1));
        if (ScheduleFiles::TimeOff::employee(r) != fileEmployee)
            report(path, QCoreApplication::translate("CheckCommand", "record %1: belongs to employee %2, not to the file's employee")
                             .arg(i + 1).arg(ScheduleFiles::TimeOff::employee(r)));
    }
}

// `department` is the upper-cased department the folder belongs to, or empty when none does.
void Checker::checkDay(const QString &path, double day, const QString &department)
{
    const auto bytes = read(path, ScheduleFiles::Shift::Size);
    if (!bytes)
        return;
    const QByteArray records = ScheduleHelper::RecordsFromFileBytes(*bytes, ScheduleFiles::Shift::Size);
    const QSet<qint32> *members = department.isEmpty() ? nullptr : &m_members[department];
    QList<Placed> placed;
    // A finding that many records share (all shifts of a deleted employee, say) is one line,
    // where its first record's would be.
    struct Shared {
        Checker &checker;
        const QString &path;
        struct Finding {
            qsizetype line;
            int count;
            QList<int> records;   // the first few
            QString what;
        };
        QHash<QString, Finding> findings;

        void report(int record, const QString &key, const QString &what)
        {
            auto it = findings.find(key);
            if (it == findings.end()) {
                checker.report(path, QStringLiteral("record %1: shift %2").arg(record).arg(what));
                findings.insert(key, {checker.m_lines.size() - 1, 1, {record}, what});
            } else if (++it->count <= kPairsNamed + 1) {
                it->records << record;
            }
        }
        void finish()
        {
            for (const Finding &f : std::as_const(findings)) {
                if (f.count == 1)
                    continue;
                QStringList named;
                for (int r : f.records.mid(0, f.count > kPairsNamed + 1 ? kPairsNamed : kPairsNamed + 1))
                    named << QString::number(r);
                const QString records = f.count > kPairsNamed + 1
                                            ? named.join(QStringLiteral(", ")) + QStringLiteral(" and %1 others").arg(f.count - kPairsNamed)
                                            : named.mid(0, named.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + named.last();
                checker.m_lines[f.line] = checker.relative(path) + QStringLiteral(": records %1: shifts %2").arg(records, f.what);
            }
        }
    } shared{*this, path, {}};
    for (int i = 0; i * ScheduleFiles::Shift::Size < records.size(); ++i) {
        const char *r = records.constData() + i * ScheduleFiles::Shift::Size;
        const int n = i + 1;
        const qint32 employee = ScheduleFiles::Shift::employee(r);
        const double begin = ScheduleFiles::Shift::begin(r), end = ScheduleFiles::Shift::end(r);
        checkDate(path, n, "begin", begin);
        checkDate(path, n, "end", end);
        const bool dated = OleDate::isPlausible(begin) && OleDate::isPlausible(end);
        if (dated && end < begin)
            report(path, QCoreApplication::translate("CheckCommand", "record %1: the shift ends before it begins").arg(n));
        if (dated && (begin < day || begin >= day + 1))
            report(path, QCoreApplication::translate("CheckCommand", "record %1: the shift begins on another day than its file's").arg(n));
        const QString position = CodePage::toUpper(ScheduleFiles::Shift::position(r));
        if (m_masterReadable) {
            const bool known = m_employees.contains(employee);
            const QString who = QString::number(employee);
            if (!known)
                shared.report(n, QStringLiteral("nobody ") + who, QCoreApplication::translate("CheckCommand", "of employee %1, who does not exist").arg(who));
            else if (members && !members->contains(employee))
                shared.report(n, QStringLiteral("member ") + who, QCoreApplication::translate("CheckCommand", "of employee %1, who is not a member of %2").arg(who, department));
            if (!m_positions.contains(position))
                shared.report(n, QStringLiteral("position ") + position, QCoreApplication::translate("CheckCommand", "of position \"%1\", which does not exist").arg(position));
            else if (known && !m_held.value(employee).contains(position))
                shared.report(n, QStringLiteral("held ") + who + u' ' + position,
                              QCoreApplication::translate("CheckCommand", "of employee %1 as %2, a position the employee does not hold").arg(who, position));
        }
        if (dated && begin <= end)
            placed.append({employee, begin, end, 0, n});
    }

    shared.finish();

    // Overlaps, one finding per employee: in the order of begins, a shift overlaps an earlier
    // one exactly when it begins before the latest end so far, and a later one exactly when the
    // next shift begins before its own end. Linear after the sort.
    std::stable_sort(placed.begin(), placed.end(), [](const Placed &a, const Placed &b) {
        return a.employee != b.employee ? a.employee < b.employee : a.begin < b.begin;
    });
    struct Finding {
        std::pair<int, int> order;   // the first pair named, later record first
        QString text;
    };
    QList<Finding> findings;
    for (qsizetype from = 0; from < placed.size();) {
        qsizetype to = from;
        while (to < placed.size() && placed[to].employee == placed[from].employee)
            ++to;
        int involved = 0;
        QList<std::pair<int, int>> pairs;   // (lower record, higher record)
        qsizetype latest = from;            // the shift with the latest end so far
        for (qsizetype i = from; i < to; ++i) {
            const bool overlapsEarlier = i > from && placed[i].begin < placed[latest].end;
            const bool overlapsLater = i + 1 < to && placed[i + 1].begin < placed[i].end;
            if (overlapsEarlier || overlapsLater)
                ++involved;
            if (overlapsEarlier && pairs.size() < kPairsNamed)
                pairs.append(std::minmax(placed[i].record, placed[latest].record));
            if (i > from && placed[i].end > placed[latest].end)
                latest = i;
        }
        if (involved > 0) {
            const qint32 employee = placed[from].employee;
            QString text;
            if (involved == 2) {
                text = QCoreApplication::translate("CheckCommand", "records %1 and %2: shifts of employee %3 overlap")
                           .arg(pairs[0].first).arg(pairs[0].second).arg(employee);
            } else {
                QStringList named;
                for (const auto &p : std::as_const(pairs))
                    named << QStringLiteral("%1 and %2").arg(p.first).arg(p.second);
                text = QCoreApplication::translate("CheckCommand", "%1 shifts of employee %2 overlap, among them records %3")
                           .arg(involved).arg(employee).arg(named.join(QStringLiteral(", ")));
            }
            findings.append({{pairs[0].second, pairs[0].first}, text});
        }
        from = to;
    }
    std::sort(findings.begin(), findings.end(), [](const Finding &a, const Finding &b) { return a.order < b.order; });
    for (const Finding &f : std::as_const(findings))
        report(path, f.text);
}

void Checker::checkSpecial(const QString &path)
{
    const QString problem = ScheduleHelper::FileProblem(path);
    if (!problem.isEmpty())
        report(path, problem);
}

void Checker::checkStaffingNeeds()
{
    const QString path = StaffingNeeds::filePath(m_dir.path());
    if (!QFileInfo(path).isFile() || !ScheduleHelper::FileProblem(path).isEmpty())
        return;   // a missing file has no needs; a strange one was named above
    const StaffingNeeds needs = StaffingNeeds::read(m_dir.path());
    for (const CsvProblem &problem : needs.problems())
        report(path, problem.text());
}

void Checker::checkCostFiles()
{
    const QString rates = PayRates::filePath(m_dir.path());
    if (QFileInfo(rates).isFile() && ScheduleHelper::FileProblem(rates).isEmpty()) {
        const PayRates read = PayRates::read(m_dir.path());
        for (const CsvProblem &problem : read.problems())
            report(rates, problem.text());
        if (m_masterReadable) {
            QSet<qint32> named;
            for (const PayRate &rate : read.rates()) {
                if (!m_employees.contains(rate.employee) && !named.contains(rate.employee)) {
                    named.insert(rate.employee);
                    report(rates, QCoreApplication::translate("CheckCommand", "a rate of employee %1, who does not exist").arg(rate.employee));
                }
                if (!rate.position.isEmpty() && !m_positions.contains(rate.position))
                    report(rates, QCoreApplication::translate("CheckCommand", "a rate of employee %1 for the position %2, which does not exist")
                                      .arg(rate.employee).arg(rate.position));
            }
        }
    }
    const QString budgets = Budgets::filePath(m_dir.path());
    if (QFileInfo(budgets).isFile() && ScheduleHelper::FileProblem(budgets).isEmpty()) {
        const Budgets read = Budgets::read(m_dir.path());
        for (const CsvProblem &problem : read.problems())
            report(budgets, problem.text());
        if (m_masterReadable)
            for (const DepartmentBudget &budget : read.budgets())
                if (!m_departments.contains(budget.department))
                    report(budgets, QCoreApplication::translate("CheckCommand", "a budget of the department %1, which does not exist").arg(budget.department));
    }
}

void Checker::checkDepartmentFolder(const QString &folder)
{
    const QString name = QFileInfo(folder).fileName();
    const QString upper = CodePage::toUpper(name);
    QString department;   // the department whose shifts the folder holds
    bool shown = true;    // whether the program reads this folder for it
    if (m_masterReadable) {
        if (m_departments.contains(upper)) {
            department = upper;
            // The program reads the folder of the upper-cased name. Where letter case matters,
            // another spelling is a folder nobody looks into.
            if (name != upper && (m_entries.contains(upper) || !QFileInfo::exists(m_dir.filePath(upper)))) {
                shown = false;
                report(folder, QCoreApplication::translate("CheckCommand", "no window shows its shifts: the department %1 keeps them in the folder %1")
                                   .arg(upper));
            }
        } else {
            shown = false;
            report(folder, QCoreApplication::translate("CheckCommand", "department folder without a department"));
        }
    }
    const QFileInfo info(folder);
    if (info.isSymLink()) {
        const QString inside = QFileInfo(m_dir.path()).canonicalFilePath() + u'/';
        if (!info.canonicalFilePath().startsWith(inside)) {
            report(folder, QCoreApplication::translate("CheckCommand", "it is a link to %1, outside the data folder").arg(info.symLinkTarget()));
            return;
        }
    }
    static const QRegularExpression dayName(QStringLiteral("^([0-9]{8})\\.KELSCD$"), QRegularExpression::CaseInsensitiveOption);
    const QDir dir(folder);
    for (const QString &entry : dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name)) {
        const QString path = dir.filePath(entry);
        const auto match = dayName.match(entry);
        if (!match.hasMatch()) {
            checkSpecial(path);
            continue;
        }
        const QDate date = QDate::fromString(match.captured(1), QStringLiteral("yyyyMMdd"));
        if (!date.isValid()) {
            report(path, QCoreApplication::translate("CheckCommand", "the name is not a day"));
            continue;
        }
        const double day = OleDate::fromDate(date);
        checkDay(path, day, department);
        if (shown && ScheduleHelper::FileProblem(path).isEmpty()) {
            m_dayFilesByDay[qint64(day)].append(int(m_dayFiles.size()));
            m_dayFiles << path;
        }
    }
}

// Overlapping shifts of one employee stored in different files: in two departments, or in one
// department on two days (a shift past midnight). Day by day, so that only the shifts of one day
// and those still running from earlier days are held at a time.
void Checker::checkOverlapsBetweenFiles()
{
    QList<Placed> open;   // shifts of earlier days that end after the current day began
    for (auto it = m_dayFilesByDay.cbegin(); it != m_dayFilesByDay.cend(); ++it)
        checkDayOverlapsBetweenFiles(it.value(), double(it.key()), open);
}

void Checker::checkDayOverlapsBetweenFiles(const QList<int> &files, double day, QList<Placed> &open)
{
    open.removeIf([day](const Placed &p) { return p.end <= day; });
    const qsizetype carried = open.size();
    QList<Placed> all = open;
    for (int file : files) {
        QByteArray records;
        try {
            records = ScheduleHelper::RecordsFromFileBytes(ScheduleHelper::ReadFileBytes(m_dayFiles[file]),
                                                           ScheduleFiles::Shift::Size);
        } catch (const FileError &) {
            continue;   // told by the file's own check
        }
        for (int i = 0; i * ScheduleFiles::Shift::Size < records.size(); ++i) {
            const char *r = records.constData() + i * ScheduleFiles::Shift::Size;
            const double begin = ScheduleFiles::Shift::begin(r), end = ScheduleFiles::Shift::end(r);
            // Shifts that do not belong to the day are told by the file's own check.
            if (OleDate::isPlausible(begin) && OleDate::isPlausible(end) && begin <= end && begin >= day && begin < day + 1)
                all.append({ScheduleFiles::Shift::employee(r), begin, end, file, i + 1});
        }
    }
    for (qsizetype i = carried; i < all.size(); ++i)
        if (all[i].end > day + 1)
            open.append(all[i]);

    // In the order of begins, per employee: a shift of the day overlaps a shift of another file
    // exactly when it begins before the latest end among the other files' shifts so far. The
    // latest end overall and the latest of any other file than that one's are enough for that.
    std::stable_sort(all.begin(), all.end(), [](const Placed &a, const Placed &b) {
        return a.employee != b.employee ? a.employee < b.employee : a.begin < b.begin;
    });
    const auto describe = [this](const Placed &p, int inFile) {
        QString text = QStringLiteral("record %1 (%2)").arg(p.record).arg(times(p.begin, p.end));
        return p.file == inFile ? text : relative(m_dayFiles[p.file]) + u' ' + text;
    };
    for (qsizetype from = 0; from < all.size();) {
        qsizetype to = from;
        while (to < all.size() && all[to].employee == all[from].employee)
            ++to;
        const Placed *latest = nullptr, *latestElsewhere = nullptr;
        int count = 0;
        QList<std::pair<const Placed *, const Placed *>> pairs;   // (the day's shift, the one it overlaps)
        for (qsizetype i = from; i < to; ++i) {
            const Placed &p = all[i];
            const Placed *other = latest && latest->file != p.file ? latest : latestElsewhere;
            if (p.begin >= day && other && p.begin < other->end) {
                ++count;
                if (pairs.size() < kPairsNamed)
                    pairs.append(std::make_pair(&p, other));
            }
            if (!latest || p.end > latest->end) {
                if (latest && latest->file != p.file)
                    latestElsewhere = latest;
                latest = &p;
            } else if (p.file != latest->file && (!latestElsewhere || p.end > latestElsewhere->end)) {
                latestElsewhere = &p;
            }
        }
        if (count > 0) {
            const int file = pairs[0].first->file;
            const qint32 employee = all[from].employee;
            if (count == 1) {
                report(m_dayFiles[file], QCoreApplication::translate("CheckCommand", "%1: shift of employee %2 overlaps %3")
                                             .arg(describe(*pairs[0].first, file), QString::number(employee),
                                                  describe(*pairs[0].second, file)));
            } else {
                QStringList named;
                for (const auto &p : std::as_const(pairs))
                    named << describe(*p.second, file) + QStringLiteral(" and ") + describe(*p.first, file);
                report(m_dayFiles[file], QCoreApplication::translate("CheckCommand", "%1 overlaps of shifts of employee %2 with shifts in other files "
                                                        "on this day, among them %3")
                                             .arg(count).arg(employee).arg(named.join(QStringLiteral("; "))));
            }
        }
        from = to;
    }
}

CheckCommand::Result Checker::run()
{
    const QFileInfo folder(m_dir.path());
    if (!folder.isDir() || !folder.isReadable() || !m_dir.isReadable())
        return {{QCoreApplication::translate("CheckCommand", "%1: the data folder cannot be read").arg(QDir::toNativeSeparators(m_dir.path()))}, 2};

    checkMasterData();

    static const QRegularExpression timeOffName(QStringLiteral("^(-?[0-9]{1,10})\\.KELOFF$"), QRegularExpression::CaseInsensitiveOption);
    m_entries = m_dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    QStringList folders;
    for (const QString &entry : std::as_const(m_entries)) {
        const QString path = m_dir.filePath(entry);
        const QFileInfo info(path);
        if (info.isDir()) {
            folders << path;
            continue;
        }
        const auto match = timeOffName.match(entry);
        if (entry == MultiFileCommit::journalFileName())
            report(path, QCoreApplication::translate("CheckCommand", "an operation was interrupted; the next start of the program finishes or undoes it"));
        else if (match.hasMatch())
            checkTimeOff(path, match.captured(1).toInt());
        else if (std::none_of(std::begin(kRecordFiles), std::end(kRecordFiles),
                              [&](const RecordFile &f) { return entry == QLatin1String(f.name); })
                 && entry != QFileInfo(ScheduleHelper::SettingsFilePath(m_dir.path())).fileName())
            checkSpecial(path);   // the record files were read above
    }
    for (const QString &folder : std::as_const(folders))
        checkDepartmentFolder(folder);
    checkOverlapsBetweenFiles();
    checkStaffingNeeds();
    checkCostFiles();
    for (const QString &stale : ScheduleHelper::StaleTemporaryFiles(m_dir.path()))
        report(stale, QCoreApplication::translate("CheckCommand", "temporary file left by an interrupted save"));

    return {m_lines, m_lines.isEmpty() ? 0 : 1};
}

} // namespace

namespace CheckCommand {

Result run(const QString &dataPath)
{
    try {
        return Checker(dataPath).run();
    } catch (const FileError &e) {
        return {{e.userText()}, 2};
    }
}

} // namespace CheckCommand

namespace {

int runCheck(const CommandCall &call)
{
    const CheckCommand::Result result = CheckCommand::run(ScheduleHelper::ResolveDataFolder(call.data, false));
    for (const QString &line : result.lines)
        CommandSupport::print(line + u'\n');
    return result.exitCode;
}

} // namespace

Command Commands::check()
{
    return {{QStringLiteral("check")}, false,
            "check [--data DIR]             list what is wrong or suspicious in a data folder\n"
            "                                              (exit 0 nothing, 1 findings, 2 unreadable folder)\n",
            runCheck};
}
