#include "StaffingNeeds.h"

#include "data/CodePage.h"
#include "data/ScheduleHelper.h"
#include "data/CsvWriter.h"

#include <QDir>
#include <QRegularExpression>

namespace {

const char *const kColumns[] = {"Department", "Weekday", "Position", "From", "To", "Needed", "Most"};
enum Column { Department, Weekday, Position, From, To, Needed, Most, ColumnCount };

const char *const kWeekdays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

QString key(const QString &name) { return CodePage::toUpper(name.trimmed()); }

// 0..99, or -1
int count(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,2}$"));
    return digits.match(text.trimmed()).hasMatch() ? text.trimmed().toInt() : -1;
}

} // namespace

QStringList StaffingNeeds::columns()
{
    QStringList names;
    for (const char *c : kColumns)
        names << QString::fromLatin1(c);
    return names;
}

QString StaffingNeeds::filePath(const QString &dataPath) { return QDir(dataPath).filePath(QString::fromLatin1(kFileName)); }

StaffingNeeds StaffingNeeds::read(const QString &dataPath)
{
    return parse(ScheduleHelper::ReadFileBytes(filePath(dataPath)));
}

StaffingNeeds StaffingNeeds::parse(const QByteArray &bytes)
{
    StaffingNeeds needs;
    const CsvTable table(bytes, columns(), {QString::fromLatin1(kColumns[Most])});
    needs.m_problems = table.problems();
    for (int r = 0; r < table.rowCount(); ++r) {
        auto problem = [&](int column, CsvProblem::Reason reason, const QString &detail = {}) {
            needs.m_problems << table.problem(r, column, reason, detail);
        };
        if (const std::optional<CsvProblem> shape = table.shapeProblem(r)) {
            needs.m_problems << *shape;
            continue;
        }
        auto field = [&](int column) { return table.field(r, column); };
        NeedRow row;
        row.department = key(field(Department));
        row.position = key(field(Position));
        if (row.department.isEmpty()) {
            problem(Department, CsvProblem::Reason::Empty);
            continue;
        }
        row.weekday = weekdayFromName(field(Weekday));
        if (row.weekday < 0) {
            problem(Weekday, CsvProblem::Reason::BadWeekday, field(Weekday));
            continue;
        }
        if (row.position.isEmpty()) {
            problem(Position, CsvProblem::Reason::Empty);
            continue;
        }
        row.from = minutesFromText(field(From), false);
        if (row.from < 0) {
            problem(From, CsvProblem::Reason::BadTime, field(From));
            continue;
        }
        row.to = minutesFromText(field(To), true);
        if (row.to < 0) {
            problem(To, CsvProblem::Reason::BadTime, field(To));
            continue;
        }
        if (row.to == 0)
            row.to = 1440;   // midnight at the end of the day
        row.needed = count(field(Needed));
        if (row.needed < 0) {
            problem(Needed, CsvProblem::Reason::BadCount, field(Needed));
            continue;
        }
        if (!field(Most).isEmpty()) {
            row.most = count(field(Most));
            if (row.most < 0) {
                problem(Most, CsvProblem::Reason::BadCount, field(Most));
                continue;
            }
            if (row.most < row.needed) {
                problem(Most, CsvProblem::Reason::MostBelowNeeded, field(Most));
                continue;
            }
        }
        needs.m_rows << row;
    }
    return needs;
}

QByteArray StaffingNeeds::toCsv() const
{
    QStringList header;
    for (const char *c : kColumns)
        header << QString::fromLatin1(c);
    QString text = CsvWriter::line(header);
    for (const NeedRow &row : m_rows)
        text += CsvWriter::line({CsvWriter::inertText(row.department), weekdayName(row.weekday), CsvWriter::inertText(row.position),
                                 timeText(row.from), timeText(row.to % 1440), QString::number(row.needed),
                                 row.most < 0 ? QString() : QString::number(row.most)});
    return text.toUtf8();
}

void StaffingNeeds::write(const QString &dataPath) const
{
    ScheduleHelper::WriteFileBytes(filePath(dataPath), toCsv());
}

QList<NeedRow> StaffingNeeds::rowsOf(const QString &department) const
{
    QList<NeedRow> rows;
    const QString k = key(department);
    for (const NeedRow &row : m_rows)
        if (row.department == k)
            rows << row;
    return rows;
}

void StaffingNeeds::setRowsOf(const QString &department, const QList<NeedRow> &rows)
{
    const QString k = key(department);
    m_rows.removeIf([&](const NeedRow &row) { return row.department == k; });
    for (NeedRow row : rows) {
        row.department = k;
        row.position = key(row.position);
        m_rows << row;
    }
}

QString StaffingNeeds::weekdayName(int weekday)
{
    return weekday >= 0 && weekday < 7 ? QString::fromLatin1(kWeekdays[weekday]) : QString();
}

int StaffingNeeds::weekdayFromName(const QString &name)
{
    for (int d = 0; d < 7; ++d)
        if (name.trimmed().compare(QLatin1String(kWeekdays[d]), Qt::CaseInsensitive) == 0)
            return d;
    return -1;
}

QString StaffingNeeds::timeText(int minutes)
{
    return QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QChar(u'0')).arg(minutes % 60, 2, 10, QChar(u'0'));
}

int StaffingNeeds::minutesFromText(const QString &text, bool endOfDayAllowed)
{
    static const QRegularExpression time(QStringLiteral("^([0-9]{1,2}):([0-9]{2})$"));
    const QRegularExpressionMatch m = time.match(text.trimmed());
    if (!m.hasMatch())
        return -1;
    const int hours = m.captured(1).toInt(), minutes = m.captured(2).toInt();
    if (endOfDayAllowed && hours == 24 && minutes == 0)
        return 1440;
    if (hours > 23 || minutes > 59)
        return -1;
    return hours * 60 + minutes;
}
