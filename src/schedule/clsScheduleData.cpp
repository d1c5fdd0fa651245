#include "clsScheduleData.h"

#include "data/PayRates.h"

#include <QCoreApplication>
#include <QSet>
#include <map>

#include "ScheduleFiles.h"
#include "data/CodePage.h"
#include "data/FileError.h"
#include "data/LeadingNumber.h"
#include "data/OleDate.h"
#include "data/MultiFileCommit.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "grid/TimeGridModel.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace Shift = ScheduleFiles::Shift;
namespace TimeOff = ScheduleFiles::TimeOff;

namespace {

constexpr double kMargin = 0.3;   // days shown before the first and after the last day
constexpr qint32 kRed = 255;

QString rowFont() { return QStringLiteral("Fixedsys"); }
QString barFont() { return QStringLiteral("Times New Roman"); }

bool beginsOn(double begin, double day) { return begin >= day && begin < day + 1; }

// Keeps the records that match, in their order (removing by moving the last record into the
// gap would change which of two overlapping shifts a reload shows).
template<typename Keep>
void keepInOrder(RecordList &records, Keep keep)
{
    QByteArray kept;
    for (int i = 1; i <= records.count(); ++i)
        if (keep(records.record(i)))
            kept.append(records.record(i), records.recordSize());
    records.setBytes(kept);
}

} // namespace

clsScheduleData::clsScheduleData(clsEmployeeInfo &info, clsOptions &options)
    : m_info(info), m_options(options), m_dataPath(info.DataPath())
{
}

// ---- Set-up ----------------------------------------------------------------------------------

void clsScheduleData::setScheduleControl(TimeGridModel *grid)
{
    m_grid = grid;
    m_positions = m_info.JobNamesGetAll();
    defineBars();
}

void clsScheduleData::defineBars()
{
    const int font = m_grid->AddFont(barFont());
    m_grid->beginUpdate();
    m_grid->setBarsMax(int(m_positions.size()) + 2);
    m_grid->SetBarStyle(0, 65280, 0, font, QStringLiteral("None"));
    for (int i = 0; i < m_positions.size(); ++i) {
        qint32 text = 0, back = 0;
        m_info.JobNameInfoGet(m_positions[i], text, back);
        m_grid->SetBarStyle(i + 1, back, text, font, m_positions[i]);
    }
    m_grid->SetBarStyle(OffBar(), 16777215, 0, font, QStringLiteral("Off"));
    m_grid->endUpdate();
}

void clsScheduleData::SetDate(double firstDay, double lastDay)
{
    if (lastDay == 0)
        lastDay = firstDay;
    if (firstDay > lastDay)
        std::swap(firstDay, lastDay);
    if (m_filterEmployee != 0) {
        firstDay -= 1;
        lastDay += 1;
    }
    m_firstDay = firstDay;
    m_lastDay = lastDay;
}

void clsScheduleData::SetDepartment(const QString &department)
{
    m_department = department;
    m_weekLimit = m_info.OverTimeDepartmentGet(department, true);
    m_dayLimit = m_info.OverTimeDepartmentGet(department, false);
}

void clsScheduleData::setFilterEmployee(qint32 employee)
{
    m_filterEmployee = employee;
}

double clsScheduleData::WeekStart(const clsEmployeeInfo &info, const QString &department, double date)
{
    // 16 January 2000 was a Sunday: adding the first-day number gives a day of the wanted name.
    const int wanted = QDate(2000, 1, 16).addDays(info.GetDepartmentFirstDay(department)).dayOfWeek();
    const double day = OleDate::wholeDay(date);
    for (int back = 0; back <= 7; ++back)
        if (OleDate::toDate(day - back).dayOfWeek() == wanted)
            return day - back;
    return day;
}

// ---- Reload ----------------------------------------------------------------------------------

void clsScheduleData::Reload()
{
    m_storedRecords.clear();
    m_storedDays.clear();
    m_refused.clear();
    m_refusedTimeOff.clear();
    m_otherDepartments.clear();
    m_unreadable.clear();
    m_damaged = 0;
    m_grid->beginUpdate();
    m_totalsDeferred = true;
    try {
        if (m_filterEmployee == 0)
            reloadAll();
        else
            reloadSingleEmployee();
        m_totalsDeferred = false;
        if (!m_readOnly || m_readsOtherDepartments)   // exports judge one department's shifts and need no marks
            loadOtherDepartments();
        // Every row, with shifts or without (a row without any shows its zero hours or days),
        // once its blocks are all placed and the other departments' shifts read, so that each
        // row is counted and marked once.
        for (int row = 0; row < m_grid->ResourcesMax(); ++row) {
            formatTotalHours(row, -1);
            if (m_hoursMode < WeekHours || m_hoursMode > DaysWorked)
                markOtherDepartments(row);   // no hours to count, but the marks all the same
        }
    } catch (...) {
        m_totalsDeferred = false;
        m_grid->endUpdate();
        throw;
    }
    m_grid->endUpdate();
}

void clsScheduleData::loadOtherDepartments()
{
    m_otherDepartments.clear();
    QSet<qint32> employees;
    for (int row = 0; row < m_grid->ResourcesMax(); ++row)
        employees.insert(employeeOfRow(row));
    QStringList departments = m_info.DepartmentNames();
    departments.removeDuplicates();
    const QString shown = CodePage::toUpper(CodePage::trimBlanks(m_department));
    for (const QString &department : std::as_const(departments)) {
        if (department == shown || !ScheduleHelper::IsSafeFolderName(department))
            continue;
        // Read directly: another department's folder is never created from here, and a file it
        // cannot read only hides what it would warn of.
        for (double day = m_firstDay - 1; day <= m_lastDay + 1; day += 1) {
            QByteArray records;
            try {
                records = ScheduleHelper::RecordsFromFileBytes(
                    ScheduleHelper::ReadFileBytes(ScheduleFiles::dayFile(m_dataPath, department, day)), Shift::Size);
            } catch (const FileError &) {
                continue;
            }
            for (qsizetype at = 0; at + Shift::Size <= records.size(); at += Shift::Size) {
                const char *r = records.constData() + at;
                const qint32 employee = Shift::employee(r);
                const double begin = Shift::begin(r), end = Shift::end(r);
                if (employees.contains(employee) && OleDate::isPlausible(begin)
                    && OleDate::isPlausible(end) && begin < end)
                    m_otherDepartments[employee].append({department, begin, end});
            }
        }
    }
}

QList<OtherDepartmentShift> clsScheduleData::otherDepartmentOverlaps(qint32 employee, double begin, double end) const
{
    QList<OtherDepartmentShift> overlaps;
    for (const OtherDepartmentShift &other : m_otherDepartments.value(employee))
        if (begin < other.end && other.begin < end)
            overlaps << other;
    return overlaps;
}

void clsScheduleData::markOtherDepartments(int row)
{
    if (!m_grid->isValidRow(row))
        return;
    const qint32 employee = employeeOfRow(row);
    const QList<OtherDepartmentShift> others = m_otherDepartments.value(employee);
    if (others.isEmpty()) {
        // The common row: no shift elsewhere, so no marks and no tip (it would only repeat the
        // hours column).
        for (int block : m_grid->blocksInResource(row))
            m_grid->setTBWarning(block, QString());
        m_grid->setResourceInfoTip(row, QString());
        return;
    }
    // Unchanged marks and tips cost nothing to set again: the common row, with no shift in
    // another department, only clears what is already clear.
    for (int block : m_grid->blocksInResource(row)) {
        QList<OtherDepartmentShift> overlaps;
        if (!others.isEmpty() && !isTimeOffBlock(block))
            overlaps = otherDepartmentOverlaps(employee, m_grid->TBBeg(block), m_grid->TBEnd(block));
        QString warning;
        if (!overlaps.isEmpty() && m_wording.overlaps) {
            warning = m_wording.overlaps(overlaps);
        } else {
            for (const OtherDepartmentShift &other : std::as_const(overlaps))
                warning += (warning.isEmpty() ? QString() : QStringLiteral(", ")) + other.department;
        }
        m_grid->setTBWarning(block, warning);
    }
    // The hours in every department over the shown days, counted as the hours column counts them.
    std::map<QString, HourTotals> elsewhere;   // by department, in name order
    for (const OtherDepartmentShift &other : others)
        elsewhere.try_emplace(other.department, m_firstDay, m_lastDay, HourTotals::Limits{}).first->second.add(other.begin, other.end);
    qint64 total = rowTotals(row).rangeSeconds();
    QList<DepartmentHours> hours{{m_department, total}};
    for (const auto &[department, totals] : elsewhere) {
        if (totals.rangeSeconds() == 0)
            continue;   // only on the days around the shown ones
        hours.append({department, totals.rangeSeconds()});
        total += totals.rangeSeconds();
    }
    m_grid->setResourceInfoTip(row, hours.size() > 1 && m_wording.hours ? m_wording.hours(hours, total) : QString());
}

int clsScheduleData::addEmployeeRow(qint32 employee, const QString &caption)
{
    const int row = m_grid->AddResource(caption, QString::number(employee), m_grid->AddFont(rowFont()));
    if (!m_rowOfEmployee.contains(employee))   // the first row of a number is the one found
        m_rowOfEmployee.insert(employee, row);
    return row;
}

void clsScheduleData::reloadAll()
{
    QList<qint32> employees = m_info.GetEmployeeInDept(m_department);
    for (int i = 0; i < employees.size();) {
        if (m_info.EmployeeExists(employees[i])) {
            ++i;
        } else {
            employees[i] = employees.last();
            employees.removeLast();
        }
    }

    m_grid->ClearResources();
    m_rowOfEmployee.clear();
    // Equal names are told apart in the rows.
    const QStringList captions = m_info.DistinctNames(employees, true);
    for (qsizetype i = 0; i < employees.size(); ++i)
        addEmployeeRow(employees[i], captions[i]);

    m_grid->setViewRange(m_firstDay - kMargin, m_lastDay + 1 + kMargin);
    m_grid->setScrollTime(m_firstDay + m_options.GetScheduleStartTime(m_department));
    m_grid->ClearBlocks();

    // The days LoadSchedule reads for the range, kept apart: a week of a large department is
    // megabytes, and joining the days would copy every byte once more.
    const QList<QByteArray> days = readDays(m_department, m_firstDay - 1, m_lastDay + 1, &m_unreadable);

    for (const QByteArray &day : days)
        for (qsizetype at = 0; at < day.size(); at += Shift::Size) {
            const qint32 employee = Shift::employee(day.constData() + at);
            if (findEmployeeRow(employee) >= 0)
                continue;
            addEmployeeRow(employee, m_info.EmployeeExists(employee) ? m_info.ConvertNumberToName(employee, false)
                                                                     : QString::number(employee));
        }

    for (int row = 0; row < m_grid->ResourcesMax(); ++row) {
        const qint32 employee = FindEmployeeNumberFromResorce(row);
        if (employee == 0)
            continue;
        RecordList periods(TimeOff::Size);
        try {
            TimeOffLoad(employee, periods);
        } catch (const FileError &error) {
            m_unreadable.append(error);
            continue;
        }
        for (int p = 1; p <= periods.count(); ++p) {
            const char *r = periods.record(p);
            if (!OleDate::isPlausible(TimeOff::begin(r)) || !OleDate::isPlausible(TimeOff::end(r))) {
                ++m_damaged;
                continue;
            }
            const int block = AddScheduleTime(row, TimeOff::begin(r), TimeOff::end(r), QString(), true);
            if (block >= 0)
                m_grid->setTBNote(block, CodePage::trimBlanks(TimeOff::reason(r)));
            else if (TimeOff::begin(r) != TimeOff::end(r))
                m_refusedTimeOff.append({employee, TimeOff::begin(r), TimeOff::end(r)});
        }
    }

    placeStoredShifts(days, false);
}

void clsScheduleData::placeStoredShifts(const QList<QByteArray> &days, bool singleRow)
{
    m_storedDays = days;
    qsizetype records = 0;
    for (const QByteArray &day : days)
        records += day.size() / Shift::Size;
    m_grid->reserveBlocks(m_grid->TBMax() + int(records));
    m_storedRecords.reserve(m_storedRecords.size() + records);
    for (int d = 0; d < days.size(); ++d)
        for (qsizetype at = 0; at < days[d].size(); at += Shift::Size)
            placeStoredShift(days[d].constData() + at, {d, at}, singleRow);
}

void clsScheduleData::placeStoredShift(const char *r, StoredAt at, bool singleRow)
{
    const double begin = Shift::begin(r);
    const double end = Shift::end(r);
    if (!OleDate::isPlausible(begin) || !OleDate::isPlausible(end)) {
        ++m_damaged;   // never placed, so never written back either
        return;
    }
    const qint32 employee = singleRow ? m_filterEmployee : Shift::employee(r);
    const int row = singleRow ? 0 : findEmployeeRow(employee);
    const QString position = Shift::position(r);
    const int block = AddScheduleTime(row, begin, end, position, false);
    if (block >= 0)
        m_storedRecords.insert(m_grid->TBId(block), at);
    else if (begin != end)
        m_refused.append({employee, begin, end, position, QByteArray(r, Shift::Size)});
}

void clsScheduleData::reloadSingleEmployee()
{
    m_grid->setViewRange(m_firstDay, m_lastDay + 1);
    m_grid->setScrollTime(m_firstDay + m_options.GetScheduleStartTime(m_department));
    m_grid->ClearBlocks();
    RecordList records(Shift::Size);
    LoadSchedule(records, m_department, m_firstDay, m_lastDay, m_filterEmployee, false, &m_unreadable);
    placeStoredShifts({records.bytes()}, true);
}

// ---- Shift files -----------------------------------------------------------------------------

void clsScheduleData::LoadSchedule(RecordList &records, const QString &department, double firstDay,
                                   double lastDay, qint32 employee, bool exactRange,
                                   QList<FileError> *unreadable) const
{
    records.clear();
    if (!exactRange) {
        firstDay -= 1;
        if (lastDay == 0)
            lastDay = firstDay;
        if (employee != 0)
            lastDay += 1;
    }
    const QList<QByteArray> days = readDays(department, firstDay, lastDay, unreadable);
    qsizetype size = 0;
    for (const QByteArray &day : days)
        size += day.size();
    QByteArray all;
    all.reserve(size);
    for (const QByteArray &day : std::as_const(days))
        all += day;
    records.setBytes(all);
    if (employee != 0)
        keepInOrder(records, [employee](const char *r) { return Shift::employee(r) == employee; });
}

QList<QByteArray> clsScheduleData::readDays(const QString &department, double firstDay, double lastDay,
                                            QList<FileError> *unreadable) const
{
    const QString folder = ScheduleFiles::departmentFolder(m_dataPath, department);
    if (folder.isEmpty())
        return {};   // a name that would lead outside the data folder has no shifts
    if (!m_readOnly)
        ScheduleHelper::MakeDirectory(folder);
    QList<QByteArray> days;
    for (double day = OleDate::wholeDay(firstDay); day <= lastDay; day += 1) {
        try {
            days << ScheduleHelper::RecordsFromFileBytes(
                ScheduleHelper::ReadFileBytes(ScheduleFiles::dayFile(m_dataPath, department, day)), Shift::Size);
        } catch (const FileError &error) {
            if (!unreadable)
                throw;
            unreadable->append(error);
        }
    }
    return days;
}

bool clsScheduleData::isUnreadable(const QString &file) const
{
    return std::any_of(m_unreadable.cbegin(), m_unreadable.cend(),
                       [&file](const FileError &error) { return error.path() == file; });
}

void clsScheduleData::SaveScheduleDay(const QString &department, const RecordList &records, double day)
{
    const QString file = ScheduleFiles::dayFile(m_dataPath, department, day);
    if (m_readOnly)
        throw FileError(QStringLiteral("SaveScheduleDay"), file, QCoreApplication::translate("clsScheduleData", "the schedule was opened for reading only"), FileError::Kind::Write);
    if (file.isEmpty())
        throw FileError(QStringLiteral("SaveScheduleDay"), m_dataPath + u'/' + department,
                        QCoreApplication::translate("clsScheduleData", "the department name cannot be used as a folder name"),
                        FileError::Kind::Write);
    ScheduleHelper::MakeDirectory(QFileInfo(file).absolutePath());
    records.save(file);
}

void clsScheduleData::SaveSchedule()
{
    if (!OleDate::isPlausible(m_firstDay) || !OleDate::isPlausible(m_lastDay) || m_lastDay < m_firstDay)
        return;
    const int days = int(std::llround(m_lastDay - m_firstDay)) + 1;
    m_savedDays.resize(days, RecordList(Shift::Size));
    for (RecordList &day : m_savedDays)
        day.clearKeepingMemory();
    QList<RecordList> &perDay = m_savedDays;

    // With an employee filter every other employee's records of the day are kept, in order. A
    // day that cannot be read now throws before anything is written.
    if (m_filterEmployee != 0) {
        for (int d = 0; d < days; ++d) {
            LoadSchedule(perDay[d], m_department, m_firstDay + d, m_firstDay + d, 0, true);
            const qint32 filtered = m_filterEmployee;
            keepInOrder(perDay[d], [filtered](const char *r) { return Shift::employee(r) != filtered; });
        }
    }

    // The day each block begins on, or -1 for blocks that are not written: one pass to count
    // the records of each day, so that each day's list is made the right size at once.
    const int blocks = m_grid->TBMax();
    QList<int> dayOfBlock(blocks, -1);
    QList<int> recordsOfDay(days, 0);
    for (int block = 0; block < blocks; ++block) {
        if (isTimeOffBlock(block))
            continue;
        const double begin = m_grid->TBBeg(block);
        if (!OleDate::isPlausible(begin))
            continue;
        const double day = std::floor(begin);
        if (day < m_firstDay || day > m_lastDay)
            continue;
        dayOfBlock[block] = int(day - m_firstDay);
        ++recordsOfDay[dayOfBlock[block]];
    }
    for (int d = 0; d < days; ++d)
        perDay[d].reserve(perDay[d].count() + recordsOfDay[d]);

    // Each row's employee and each bar's position field, worked out once for all their blocks.
    QList<qint32> employeeOf(m_grid->ResourcesMax());
    for (int row = 0; row < employeeOf.size(); ++row)
        employeeOf[row] = employeeOfRow(row);
    QList<QByteArray> positionOfBar(m_grid->BarsMax());
    for (int block = 0; block < blocks; ++block) {
        const int d = dayOfBlock[block];
        if (d < 0)
            continue;
        char *r = perDay[d].record(perDay[d].append());
        // A block read from a file starts from its record, so that the bytes this program does
        // not use (the reserved ones) are written back as they were.
        if (const auto stored = m_storedRecords.constFind(m_grid->TBId(block)); stored != m_storedRecords.cend())
            std::memcpy(r, m_storedDays.at(stored->day).constData() + stored->offset, Shift::Size);
        const int row = m_grid->TBResource(block);
        Shift::setEmployee(r, row >= 0 && row < employeeOf.size() ? employeeOf[row] : employeeOfRow(row));
        Shift::setTimes(r, m_grid->TBBeg(block), m_grid->TBEnd(block));
        // A shift on the "None" bar keeps the name it was stored or placed with (a position
        // deleted since), rather than "NONE"; "DEFAULT" (an employee without positions) is
        // written as the bar's name, as always.
        const int bar = m_grid->TBBar(block);
        if (bar == 0) {
            const QString tag = CodePage::toUpper(CodePage::trimBlanks(m_grid->TBTag(block)));
            if (!tag.isEmpty() && tag != QLatin1String("DEFAULT")) {
                Shift::setPosition(r, tag);
                continue;
            }
        }
        if (bar < 0 || bar >= positionOfBar.size()) {
            Shift::setPosition(r, m_grid->BarCaption(bar));
            continue;
        }
        if (positionOfBar[bar].isEmpty())
            positionOfBar[bar] = Shift::positionField(m_grid->BarCaption(bar));
        Shift::setPositionField(r, positionOfBar[bar]);
    }
    // Refused stored shifts are not on the grid; only the user deletes shifts, so they go back
    // to their day as they were read.
    for (const RefusedShift &refused : std::as_const(m_refused)) {
        const double day = std::floor(refused.begin);
        if (refused.record.size() != Shift::Size || day < m_firstDay || day > m_lastDay)
            continue;
        const int d = int(day - m_firstDay);
        std::memcpy(perDay[d].record(perDay[d].append()), refused.record.constData(), Shift::Size);
    }

    // The days reach the disk together: a failure leaves every day file as it was.
    QStringList unread;
    MultiFileCommit together(m_dataPath);
    for (int d = 0; d < days; ++d) {
        const double day = m_firstDay + d;
        if (isUnreadable(ScheduleFiles::dayFile(m_dataPath, m_department, day)))
            unread << OleDate::format(day, QStringLiteral("ddd mmm dd,yyyy"));
        else
            SaveScheduleDay(m_department, perDay[d], day);
    }
    together.commit();
    if (!unread.isEmpty())
        throw FileError(QStringLiteral("SaveSchedule"), ScheduleFiles::departmentFolder(m_dataPath, m_department),
                        QStringLiteral("the shifts of %1 could not be read when the week was opened, so their "
                                       "files were left as they are and changes on those days were not saved")
                            .arg(unread.join(QStringLiteral(", "))),
                        FileError::Kind::Write);
}

bool clsScheduleData::AreShiftsScheduled(double day, const QString &department) const
{
    RecordList records(Shift::Size);
    LoadSchedule(records, department, day, day, 0, false);
    for (int i = 1; i <= records.count(); ++i)
        if (beginsOn(Shift::begin(records.record(i)), day))
            return true;
    return false;
}

void clsScheduleData::CopySchedule(double sourceDay, double targetDay, const QString &department)
{
    RecordList records(Shift::Size);
    LoadSchedule(records, department, sourceDay, sourceDay, 0, true);
    const double delta = targetDay - sourceDay;
    for (int i = 1; i <= records.count(); ++i) {
        char *r = records.record(i);
        Shift::setTimes(r, Shift::begin(r) + delta, Shift::end(r) + delta);
    }
    SaveScheduleDay(department, records, targetDay);
}

// ---- Time off --------------------------------------------------------------------------------

void clsScheduleData::TimeOffLoad(qint32 employee, RecordList &records) const
{
    records.clear();
    records.load(ScheduleFiles::timeOffFile(m_dataPath, employee));
}

void clsScheduleData::TimeOffSave(qint32 employee, const RecordList &records)
{
    const QString file = ScheduleFiles::timeOffFile(m_dataPath, employee);
    if (m_readOnly)
        throw FileError(QStringLiteral("TimeOffSave"), file, QCoreApplication::translate("clsScheduleData", "the schedule was opened for reading only"), FileError::Kind::Write);
    if (isUnreadable(file))
        throw FileError(QStringLiteral("TimeOffSave"), file,
                        QCoreApplication::translate("clsScheduleData", "the file could not be read, so it was left as it is"), FileError::Kind::Write);
    records.save(file);
}

// ---- Placement -------------------------------------------------------------------------------

int clsScheduleData::BarForPosition(const QString &position) const
{
    const QString key = CodePage::toUpper(CodePage::trimBlanks(position));
    const qsizetype i = m_positions.indexOf(key);
    return i < 0 ? 0 : int(i) + 1;
}

int clsScheduleData::AddScheduleTime(int row, double begin, double end, const QString &position, bool isTimeOff)
{
    if (begin == end)
        return -1;
    if (IsOverlapping(begin, end, row))
        return -1;
    return placeBlock(row, begin, end, position, isTimeOff);
}

int clsScheduleData::placeBlock(int row, double begin, double end, const QString &position, bool isTimeOff, int id)
{
    if (begin == end)
        return -1;
    const int bar = isTimeOff ? OffBar() : BarForPosition(position);
    const int block = m_grid->TBAddWithId(id, row, begin, end, bar, position);
    if (block >= 0)
        FormatTimeBlockText(block, begin, end);
    return block;
}

bool clsScheduleData::IsOverlapping(double begin, double end, int row, int ignoredBlock) const
{
    return overlappingBlock(begin, end, row, ignoredBlock) >= 0;
}

int clsScheduleData::overlappingBlock(double begin, double end, int row, int ignoredBlock) const
{
    for (int b : m_grid->blocksInResource(row))
        if (b != ignoredBlock && m_grid->TBEnd(b) >= begin && m_grid->TBBeg(b) <= end)
            return b;
    return -1;
}

bool clsScheduleData::isTimeOffBlock(int block) const
{
    return m_grid->TBBar(block) == OffBar();
}

void clsScheduleData::ChangeJob(int block, const QString &position)
{
    m_grid->setTBBar(block, BarForPosition(position));
}

void clsScheduleData::TBDelete(int block)
{
    if (!m_grid->isValidBlock(block))
        return;
    const int row = m_grid->TBResource(block);
    m_grid->TBRemove(block);
    formatTotalHours(row, -1);
}

void clsScheduleData::FormatTimeBlockText(int block, double begin, double end)
{
    if (!m_grid->isValidBlock(block))
        return;
    if (begin == 0)
        begin = m_grid->TBBeg(block);
    if (end == 0)
        end = m_grid->TBEnd(block);
    // A week repeats the same few shift times on many blocks: each pair is worded once.
    const int key = OleDate::minuteOfDay(begin) * 1440 + OleDate::minuteOfDay(end);
    auto text = m_timeLabels.constFind(key);
    if (text == m_timeLabels.cend()) {
        const QString label = QStringLiteral("h:mma/p");
        text = m_timeLabels.insert(key, OleDate::format(begin, label) + QStringLiteral(" - ") + OleDate::format(end, label));
    }
    m_grid->setTBText(block, *text);
    formatTotalHours(-1, block);
}

// ---- Hours column ----------------------------------------------------------------------------

void clsScheduleData::setColumnCaption()
{
    switch (m_hoursMode) {
    case WeekHours:
        m_grid->setColumnCaption(QCoreApplication::translate("clsScheduleData", "Week\nHours"));
        break;
    case DayHours:
        m_grid->setColumnCaption(OleDate::format(m_chosenDay, QStringLiteral("ddd")) + u'\n'
                                 + OleDate::format(m_chosenDay, QStringLiteral("dd")));
        break;
    case DaysWorked:
        m_grid->setColumnCaption(QCoreApplication::translate("clsScheduleData", "Days\nAval"));
        break;
    default:
        break;
    }
}

void clsScheduleData::ScheduleDisplayHours(int mode)
{
    m_hoursMode = mode;
    if (m_chosenDay == 0)
        m_chosenDay = m_firstDay;
    setColumnCaption();
    m_grid->beginUpdate();
    for (int row = 0; row < m_grid->ResourcesMax(); ++row)
        formatTotalHours(row, -1);
    m_grid->endUpdate();
}

void clsScheduleData::SetDayView(double day)
{
    m_chosenDay = day == 0 ? m_firstDay : day;
    if (m_hoursMode == DayHours)
        ScheduleDisplayHours(DayHours);
}

HourTotals clsScheduleData::rowTotals(int row) const
{
    HourTotals totals(m_firstDay, m_lastDay, {m_weekLimit, m_dayLimit});
    for (int b = m_grid->TBNextInResource(row, -1); b >= 0; b = m_grid->TBNextInResource(row, b))
        totals.add(m_grid->TBBeg(b), m_grid->TBEnd(b), isTimeOffBlock(b));
    return totals;
}

WeekCost clsScheduleData::rowCost(int row, const PayRates &rates, qint64 multiplierHundredths, QList<int> *blocks) const
{
    WeekCost cost(m_firstDay, {m_weekLimit, m_dayLimit}, multiplierHundredths);
    const qint32 employee = employeeOfRow(row);
    for (int b = m_grid->TBNextInResource(row, -1); b >= 0; b = m_grid->TBNextInResource(row, b)) {
        if (isTimeOffBlock(b))
            continue;
        cost.add(m_grid->TBBeg(b), m_grid->TBEnd(b), rates.rateFor(employee, m_grid->TBTag(b)));
        if (blocks)
            *blocks << b;
    }
    return cost;
}

QString clsScheduleData::hoursText(int row, int mode, double day, bool *over) const
{
    if (over)
        *over = false;
    const HourTotals totals = rowTotals(row);
    switch (mode) {
    case WeekHours:
        if (over)
            *over = totals.weekOver();
        return totals.weekText();
    case DayHours:
        if (over)
            *over = totals.dayOver(day);
        return totals.dayText(day);
    case DaysWorked:
        return totals.daysWorked();
    default:
        return {};
    }
}

void clsScheduleData::formatTotalHours(int row, int block)
{
    if (row == -1) {
        if (block == -1 || !m_grid->isValidBlock(block))
            return;
        row = m_grid->TBResource(block);
    }
    if (!m_grid->isValidRow(row) || m_hoursMode < WeekHours || m_hoursMode > DaysWorked)
        return;
    if (m_totalsDeferred)
        return;   // the reload counts every row when it ends
    bool over = false;
    const QString text = hoursText(row, m_hoursMode, m_chosenDay == 0 ? m_firstDay : m_chosenDay, &over);
    m_grid->setResourceInfo(row, text);
    m_grid->setResourceForeColor(row, over ? kRed : 0);
    markOtherDepartments(row);
}

// ---- Rows ------------------------------------------------------------------------------------

qint32 clsScheduleData::employeeOfRow(int row) const
{
    return m_filterEmployee != 0 ? m_filterEmployee : FindEmployeeNumberFromResorce(row);
}

qint32 clsScheduleData::FindEmployeeNumberFromResorce(int row) const
{
    return LeadingMinusAndDigits(m_grid->ResourceKey(row));
}

int clsScheduleData::findEmployeeRow(qint32 employee) const
{
    // Rows are added by this object only; the index is rebuilt when the grid changed behind it.
    const int rows = m_grid->ResourcesMax();
    auto it = m_rowOfEmployee.constFind(employee);
    if (it != m_rowOfEmployee.constEnd() && it.value() < rows && FindEmployeeNumberFromResorce(it.value()) == employee)
        return it.value();
    for (int row = 0; row < rows; ++row)
        if (FindEmployeeNumberFromResorce(row) == employee)
            return row;
    return -2;
}
