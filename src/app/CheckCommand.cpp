#include "CheckCommand.h"

#include "data/CodePage.h"
#include "data/FileError.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "schedule/ScheduleFiles.h"

#include <QDir>
#include <QFileInfo>
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
    void checkDate(const QString &path, int record, const char *what, double value);
    void checkTimeOff(const QString &path, qint32 fileEmployee);
    void checkDepartmentFolder(const QString &folder);
    void checkDay(const QString &path, double day);
    void checkSpecial(const QString &path);

    QDir m_dir;
    QStringList m_lines;
    bool m_masterReadable = true;
    QSet<qint32> m_employees;
    QSet<QString> m_positions;     // upper-cased
    QSet<QString> m_departments;   // upper-cased
};

std::optional<QByteArray> Checker::read(const QString &path, int recordSize)
{
    QByteArray bytes;
    try {
        bytes = ScheduleHelper::ReadFileBytes(path);
    } catch (const FileError &e) {
        report(path, QStringLiteral("cannot be read: %1").arg(e.reason()));
        return std::nullopt;
    }
    if (recordSize > 0 && bytes.size() % recordSize != 0)
        report(path, QStringLiteral("its length of %1 bytes is not a whole number of %2-byte records")
                         .arg(bytes.size()).arg(recordSize));
    return bytes;
}

void Checker::checkDate(const QString &path, int record, const char *what, double value)
{
    if (std::isnan(value))
        report(path, QStringLiteral("record %1: the %2 is not a number").arg(record).arg(QLatin1String(what)));
    else if (!OleDate::isPlausible(value))
        report(path, QStringLiteral("record %1: the %2 is not a date between 1900 and 2200").arg(record).arg(QLatin1String(what)));
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
    for (const EmployeeFields &e : info.Employees()) {
        if (m_employees.contains(e.number))
            report(m_dir.filePath(QLatin1String(clsEmployeeInfo::kEmployeesFile)),
                   QStringLiteral("two employees share the number %1").arg(e.number));
        m_employees.insert(e.number);
    }
    for (const PositionInfo &p : info.Positions())
        m_positions.insert(CodePage::toUpper(p.name));
    for (const DepartmentInfo &d : info.Departments())
        m_departments.insert(d.name);

    const QString memberships = m_dir.filePath(QLatin1String(clsEmployeeInfo::kMembershipsFile));
    const QList<Membership> members = info.Memberships();
    for (qsizetype i = 0; i < members.size(); ++i) {
        if (!m_employees.contains(members[i].employee))
            report(memberships, QStringLiteral("record %1: membership of employee %2, who does not exist")
                                    .arg(i + 1).arg(members[i].employee));
        if (!m_departments.contains(CodePage::toUpper(members[i].department)))
            report(memberships, QStringLiteral("record %1: membership in department \"%2\", which does not exist")
                                    .arg(i + 1).arg(members[i].department));
    }
    const QString assignments = m_dir.filePath(QLatin1String(clsEmployeeInfo::kAssignmentsFile));
    for (qsizetype i = 0; i < info.Assignments().size(); ++i) {
        const Assignment &a = info.Assignments()[i];
        if (!m_employees.contains(a.employee))
            report(assignments, QStringLiteral("record %1: position of employee %2, who does not exist").arg(i + 1).arg(a.employee));
        if (!m_positions.contains(CodePage::toUpper(a.position)))
            report(assignments, QStringLiteral("record %1: position \"%2\", which does not exist").arg(i + 1).arg(a.position));
    }
    const QString shifts = m_dir.filePath(QLatin1String(clsEmployeeInfo::kDefaultShiftsFile));
    for (qsizetype i = 0; i < info.DefaultShifts().size(); ++i) {
        const DefaultShift &s = info.DefaultShifts()[i];
        if (!std::isfinite(s.start) || !std::isfinite(s.end))
            report(shifts, QStringLiteral("record %1: a time is not a number").arg(i + 1));
        if (!m_departments.contains(CodePage::toUpper(s.department)))
            report(shifts, QStringLiteral("record %1: default shift of department \"%2\", which does not exist")
                               .arg(i + 1).arg(s.department));
    }
}

void Checker::checkTimeOff(const QString &path, qint32 fileEmployee)
{
    const auto bytes = read(path, ScheduleFiles::TimeOff::Size);
    if (!bytes)
        return;
    if (m_masterReadable && !m_employees.contains(fileEmployee))
        report(path, QStringLiteral("time off of employee %1, who does not exist").arg(fileEmployee));
    const QByteArray records = ScheduleHelper::RecordsFromFileBytes(*bytes, ScheduleFiles::TimeOff::Size);
    for (int i = 0; i * ScheduleFiles::TimeOff::Size < records.size(); ++i) {
        const char *r = records.constData() + i * ScheduleFiles::TimeOff::Size;
        const double begin = ScheduleFiles::TimeOff::begin(r), end = ScheduleFiles::TimeOff::end(r);
        checkDate(path, i + 1, "begin", begin);
        checkDate(path, i + 1, "end", end);
        if (end < begin)
            report(path, QStringLiteral("record %1: the period ends before it begins").arg(i + 1));
        if (ScheduleFiles::TimeOff::employee(r) != fileEmployee)
            report(path, QStringLiteral("record %1: belongs to employee %2, not to the file's employee")
                             .arg(i + 1).arg(ScheduleFiles::TimeOff::employee(r)));
    }
}

void Checker::checkDay(const QString &path, double day)
{
    const auto bytes = read(path, ScheduleFiles::Shift::Size);
    if (!bytes)
        return;
    const QByteArray records = ScheduleHelper::RecordsFromFileBytes(*bytes, ScheduleFiles::Shift::Size);
    struct Taken {
        int record;
        double begin, end;
    };
    QHash<qint32, QList<Taken>> byEmployee;
    for (int i = 0; i * ScheduleFiles::Shift::Size < records.size(); ++i) {
        const char *r = records.constData() + i * ScheduleFiles::Shift::Size;
        const int n = i + 1;
        const qint32 employee = ScheduleFiles::Shift::employee(r);
        const double begin = ScheduleFiles::Shift::begin(r), end = ScheduleFiles::Shift::end(r);
        checkDate(path, n, "begin", begin);
        checkDate(path, n, "end", end);
        const bool dated = OleDate::isPlausible(begin) && OleDate::isPlausible(end);
        if (dated && end < begin)
            report(path, QStringLiteral("record %1: the shift ends before it begins").arg(n));
        if (dated && (begin < day || begin >= day + 1))
            report(path, QStringLiteral("record %1: the shift begins on another day than its file's").arg(n));
        if (m_masterReadable && !m_employees.contains(employee))
            report(path, QStringLiteral("record %1: shift of employee %2, who does not exist").arg(n).arg(employee));
        const QString position = CodePage::toUpper(ScheduleFiles::Shift::position(r));
        if (m_masterReadable && !m_positions.contains(position))
            report(path, QStringLiteral("record %1: shift of position \"%2\", which does not exist").arg(n).arg(position));
        if (dated && begin <= end)
            byEmployee[employee].append({n, begin, end});
    }
    // Overlaps, reported in record order of the later shift.
    QList<QPair<int, QString>> overlaps;
    for (auto it = byEmployee.begin(); it != byEmployee.end(); ++it) {
        QList<Taken> &list = it.value();
        std::stable_sort(list.begin(), list.end(), [](const Taken &a, const Taken &b) { return a.begin < b.begin; });
        for (qsizetype i = 1; i < list.size(); ++i)
            for (qsizetype j = 0; j < i; ++j)
                if (list[i].begin < list[j].end)
                    overlaps.append({qMax(list[i].record, list[j].record),
                                     QStringLiteral("records %1 and %2: shifts of employee %3 overlap")
                                         .arg(qMin(list[i].record, list[j].record))
                                         .arg(qMax(list[i].record, list[j].record))
                                         .arg(it.key())});
    }
    std::sort(overlaps.begin(), overlaps.end());
    for (const auto &o : std::as_const(overlaps))
        report(path, o.second);
}

void Checker::checkSpecial(const QString &path)
{
    const QString problem = ScheduleHelper::FileProblem(path);
    if (!problem.isEmpty())
        report(path, problem);
}

void Checker::checkDepartmentFolder(const QString &folder)
{
    const QString name = QFileInfo(folder).fileName();
    if (m_masterReadable && !m_departments.contains(CodePage::toUpper(name)))
        report(folder, QStringLiteral("department folder without a department"));
    const QFileInfo info(folder);
    if (info.isSymLink()) {
        const QString inside = QFileInfo(m_dir.path()).canonicalFilePath() + u'/';
        if (!info.canonicalFilePath().startsWith(inside)) {
            report(folder, QStringLiteral("it is a link to %1, outside the data folder").arg(info.symLinkTarget()));
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
            report(path, QStringLiteral("the name is not a day"));
            continue;
        }
        checkDay(path, OleDate::fromDate(date));
    }
}

CheckCommand::Result Checker::run()
{
    const QFileInfo folder(m_dir.path());
    if (!folder.isDir() || !folder.isReadable() || !m_dir.isReadable())
        return {{QStringLiteral("%1: the data folder cannot be read").arg(QDir::toNativeSeparators(m_dir.path()))}, 2};

    checkMasterData();

    static const QRegularExpression timeOffName(QStringLiteral("^(-?[0-9]{1,10})\\.KELOFF$"), QRegularExpression::CaseInsensitiveOption);
    const QStringList entries = m_dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    QStringList folders;
    for (const QString &entry : entries) {
        const QString path = m_dir.filePath(entry);
        const QFileInfo info(path);
        if (info.isDir()) {
            folders << path;
            continue;
        }
        const auto match = timeOffName.match(entry);
        if (match.hasMatch())
            checkTimeOff(path, match.captured(1).toInt());
        else if (std::none_of(std::begin(kRecordFiles), std::end(kRecordFiles),
                              [&](const RecordFile &f) { return entry == QLatin1String(f.name); })
                 && entry != QFileInfo(ScheduleHelper::SettingsFilePath(m_dir.path())).fileName())
            checkSpecial(path);   // the record files were read above
    }
    for (const QString &folder : std::as_const(folders))
        checkDepartmentFolder(folder);
    for (const QString &stale : ScheduleHelper::StaleTemporaryFiles(m_dir.path()))
        report(stale, QStringLiteral("temporary file left by an interrupted save"));

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
