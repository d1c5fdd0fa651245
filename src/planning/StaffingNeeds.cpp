#include "StaffingNeeds.h"

#include "data/CodePage.h"
#include "data/ScheduleHelper.h"
#include "data/CsvReader.h"
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

QString NeedProblem::text() const
{
    const QString why = reasonText();
    if (line == 0)
        return why;
    if (column.isEmpty() || reason == Reason::MissingColumn)
        return StaffingNeeds::tr("line %1: %2").arg(line).arg(why);
    return StaffingNeeds::tr("line %1, column %2: %3").arg(line).arg(column, why);
}

QString NeedProblem::reasonText() const
{
    QString why;
    switch (reason) {
    case Reason::BadCsv: why = StaffingNeeds::tr("not readable as CSV: %1").arg(detail); break;
    case Reason::MissingColumn: why = StaffingNeeds::tr("the header has no column %1").arg(column); break;
    case Reason::FieldCount: why = StaffingNeeds::tr("has %1 fields, the header has %2").arg(detail).arg(int(ColumnCount)); break;
    case Reason::Empty: why = StaffingNeeds::tr("is empty"); break;
    case Reason::BadWeekday: why = StaffingNeeds::tr("\"%1\" is not a weekday Mon..Sun").arg(detail); break;
    case Reason::BadTime: why = StaffingNeeds::tr("\"%1\" is not a time HH:MM").arg(detail); break;
    case Reason::BadCount: why = StaffingNeeds::tr("\"%1\" is not a number from 0 to 99").arg(detail); break;
    case Reason::MostBelowNeeded: why = StaffingNeeds::tr("%1 is less than Needed").arg(detail); break;
    }
    return why;
}

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
    QString error;
    const QList<CsvReader::Record> records = CsvReader::parse(bytes, &error);
    if (!error.isEmpty()) {
        needs.m_problems << NeedProblem{0, {}, NeedProblem::Reason::BadCsv, error};
        return needs;
    }
    if (records.isEmpty())
        return needs;

    // Columns are found by their header names, in any order and letter case.
    int at[ColumnCount];
    const QStringList header = records.first().fields;
    for (int c = 0; c < ColumnCount; ++c) {
        at[c] = -1;
        for (int i = 0; i < header.size(); ++i)
            if (header[i].trimmed().compare(QLatin1String(kColumns[c]), Qt::CaseInsensitive) == 0)
                at[c] = i;
        if (at[c] < 0 && c != Most)
            needs.m_problems << NeedProblem{records.first().line, QString::fromLatin1(kColumns[c]), NeedProblem::Reason::MissingColumn, {}};
    }
    if (!needs.m_problems.isEmpty())
        return needs;

    for (qsizetype r = 1; r < records.size(); ++r) {
        const CsvReader::Record &record = records[r];
        auto problem = [&](int column, NeedProblem::Reason reason, const QString &detail = {}) {
            needs.m_problems << NeedProblem{record.line, column < 0 ? QString() : QString::fromLatin1(kColumns[column]), reason, detail};
        };
        if (record.fields.size() != header.size()) {
            problem(-1, NeedProblem::Reason::FieldCount, QString::number(record.fields.size()));
            continue;
        }
        auto field = [&](int column) { return at[column] < 0 ? QString() : record.fields[at[column]].trimmed(); };
        NeedRow row;
        row.department = key(field(Department));
        row.position = key(field(Position));
        if (row.department.isEmpty()) {
            problem(Department, NeedProblem::Reason::Empty);
            continue;
        }
        row.weekday = weekdayFromName(field(Weekday));
        if (row.weekday < 0) {
            problem(Weekday, NeedProblem::Reason::BadWeekday, field(Weekday));
            continue;
        }
        if (row.position.isEmpty()) {
            problem(Position, NeedProblem::Reason::Empty);
            continue;
        }
        row.from = minutesFromText(field(From), false);
        if (row.from < 0) {
            problem(From, NeedProblem::Reason::BadTime, field(From));
            continue;
        }
        row.to = minutesFromText(field(To), true);
        if (row.to < 0) {
            problem(To, NeedProblem::Reason::BadTime, field(To));
            continue;
        }
        if (row.to == 0)
            row.to = 1440;   // midnight at the end of the day
        row.needed = count(field(Needed));
        if (row.needed < 0) {
            problem(Needed, NeedProblem::Reason::BadCount, field(Needed));
            continue;
        }
        if (!field(Most).isEmpty()) {
            row.most = count(field(Most));
            if (row.most < 0) {
                problem(Most, NeedProblem::Reason::BadCount, field(Most));
                continue;
            }
            if (row.most < row.needed) {
                problem(Most, NeedProblem::Reason::MostBelowNeeded, field(Most));
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
