#include "ImportEmployees.h"

#include "data/CsvReader.h"
#include "data/Money.h"
#include "data/MultiFileCommit.h"
#include "data/PayRates.h"
#include "data/CodePage.h"
#include "data/OleDate.h"
#include "data/TypedNumbers.h"
#include "grid/Availability.h"
#include "data/ScheduleHelper.h"
#include "data/EmployeeFieldTable.h"
#include "data/clsEmployeeInfo.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace ImportEmployees {

namespace {

using F = EmployeeField;
using Kind = EmployeeFieldEntry::Kind;

// The record's fields a file may give, first among the columns and in the order the
// documentation lists them; their headings and widths are those of the field table.
constexpr EmployeeField kFieldColumns[] = {F::FirstName, F::MiddleName, F::LastName, F::ScheduleName, F::Dob,
                                           F::HireDate, F::Phone, F::EmergencyContact, F::EmergencyPhone,
                                           F::Address1, F::Address2, F::City, F::State, F::PostalCode, F::Male};
constexpr int kFieldColumnCount = int(std::size(kFieldColumns));

constexpr int columnOf(EmployeeField field)
{
    for (int c = 0; c < kFieldColumnCount; ++c)
        if (kFieldColumns[c] == field)
            return c;
    return -1;
}

// The columns of what the record does not hold, after the fields.
enum Column {
    Departments = kFieldColumnCount, Positions, AvailableMon, AvailableTue, AvailableWed, AvailableThu,
    AvailableFri, AvailableSat, AvailableSun, HourlyRate, ColumnCount
};

// Column names and the widths of the fields they are stored in (0: not a text field).
struct ColumnInfo {
    const char *name;
    int width;
};
constexpr ColumnInfo kOtherColumns[ColumnCount - Departments] = {
    {"Departments", 30}, {"Positions", 20}, {"Available Mon", 0}, {"Available Tue", 0}, {"Available Wed", 0},
    {"Available Thu", 0}, {"Available Fri", 0}, {"Available Sat", 0}, {"Available Sun", 0}, {"Hourly Rate", 0}};

ColumnInfo columnInfo(int c)
{
    if (c >= kFieldColumnCount)
        return kOtherColumns[c - kFieldColumnCount];
    const EmployeeFieldEntry &f = EmployeeFieldTable::entry(kFieldColumns[c]);
    return {f.column, f.isText() ? f.width : 0};
}

// The control characters of a text by name, each once; empty when there are none.
QString controlCharacters(const QString &text)
{
    QStringList names;
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control)
            continue;
        QString name;
        switch (c.unicode()) {
        case 0x00: name = QStringLiteral("NUL"); break;
        case 0x07: name = QStringLiteral("BEL"); break;
        case 0x08: name = QStringLiteral("backspace"); break;
        case 0x09: name = QStringLiteral("TAB"); break;
        case 0x0A:
        case 0x0D: name = QCoreApplication::translate("ImportEmployees", "line break"); break;
        case 0x1B: name = QStringLiteral("ESC"); break;
        case 0x7F: name = QStringLiteral("DEL"); break;
        default: name = QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
        }
        if (!names.contains(name))
            names << name;
    }
    return names.join(QStringLiteral(", "));
}

// The offset of the first byte that does not belong to a valid UTF-8 sequence; -1 when the
// whole text is valid UTF-8.
qsizetype firstInvalidUtf8(const QByteArray &bytes)
{
    const auto *b = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = b[i];
        int follow = 0;
        char32_t code = 0, least = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            follow = 1, code = c & 0x1F, least = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            follow = 2, code = c & 0x0F, least = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            follow = 3, code = c & 0x07, least = 0x10000;
        } else {
            return i;
        }
        if (i + follow >= n)
            return i;
        for (int k = 1; k <= follow; ++k) {
            if ((b[i + k] & 0xC0) != 0x80)
                return i;
            code = (code << 6) | (b[i + k] & 0x3F);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return i;   // an overlong form, beyond Unicode, or half of a UTF-16 pair
        i += follow + 1;
    }
    return -1;
}

// Why the bytes are not a UTF-8 text, naming the encoding they look like; empty when they are.
QString encodingProblem(const QByteArray &bytes)
{
    const auto tellAs = [](const QString &looksLike) {
        return QCoreApplication::translate("ImportEmployees", "the file is not UTF-8: it looks like %1; save it as UTF-8 (in a spreadsheet: "
                              "CSV UTF-8) and import it again").arg(looksLike);
    };
    if (bytes.startsWith(QByteArray("\xFF\xFE\0\0", 4)))
        return tellAs(QCoreApplication::translate("ImportEmployees", "UTF-32 (little-endian, with a byte-order mark)"));
    if (bytes.startsWith(QByteArray("\0\0\xFE\xFF", 4)))
        return tellAs(QCoreApplication::translate("ImportEmployees", "UTF-32 (big-endian, with a byte-order mark)"));
    if (bytes.startsWith("\xFF\xFE"))
        return tellAs(QCoreApplication::translate("ImportEmployees", "UTF-16 (little-endian, with a byte-order mark)"));
    if (bytes.startsWith("\xFE\xFF"))
        return tellAs(QCoreApplication::translate("ImportEmployees", "UTF-16 (big-endian, with a byte-order mark)"));
    // Without a mark: in UTF-16 the Latin letters, digits and commas of a CSV file are one zero
    // byte and one ASCII byte each.
    const qsizetype sample = std::min<qsizetype>(bytes.size(), 1024) & ~qsizetype(1);
    int evenZeros = 0, oddZeros = 0;
    for (qsizetype i = 0; i < sample; i += 2) {
        evenZeros += bytes[i] == '\0';
        oddZeros += bytes[i + 1] == '\0';
    }
    const int pairs = int(sample / 2);
    if (pairs >= 2 && oddZeros * 2 > pairs && evenZeros * 8 < pairs)
        return tellAs(QStringLiteral("UTF-16 (little-endian)"));
    if (pairs >= 2 && evenZeros * 2 > pairs && oddZeros * 8 < pairs)
        return tellAs(QStringLiteral("UTF-16 (big-endian)"));

    const qsizetype bad = firstInvalidUtf8(bytes);
    if (bad < 0)
        return {};
    const int line = int(bytes.left(bad).count('\n')) + 1;
    const QString where = QCoreApplication::translate("ImportEmployees", "line %1 holds the byte 0x%2")
                              .arg(line)
                              .arg(QString::number(quint8(bytes[bad]), 16).toUpper().rightJustified(2, u'0'));
    if (bytes.contains('\0'))
        return QCoreApplication::translate("ImportEmployees", "the file is not UTF-8 text (%1, and it holds zero bytes)").arg(where);
    // Every byte is a character in the single-byte Western encodings; 0x80 to 0x9F are letters
    // and signs in Windows-1252 only.
    const bool windows = std::any_of(bytes.cbegin(), bytes.cend(), [](char c) { return quint8(c) >= 0x80 && quint8(c) <= 0x9F; });
    return tellAs(windows ? QStringLiteral("Windows-1252 (%1)").arg(where)
                          : QStringLiteral("Latin-1 (ISO 8859-1) or Windows-1252 (%1)").arg(where));
}

// Characters the data files cannot hold; empty when every one fits.
QString charactersOutsideCodePage(const QString &text)
{
    QString bad;
    for (const QChar c : text)
        if (c != u'?' && CodePage::encode(QString(c)) == "?" && !bad.contains(c))
            bad += c;
    return bad;
}

// Checks the cells of one row and collects its problems.
class RowReader
{
public:
    RowReader(int line, const QStringList &cells, const QList<int> &columnOfCell, QList<Problem> &problems)
        : m_line(line), m_problems(problems)
    {
        for (qsizetype i = 0; i < cells.size() && i < columnOfCell.size(); ++i)
            m_cells[columnOfCell[i]] = cells[i].trimmed();
    }

    bool failed() const { return m_failed; }

    QString text(int c)
    {
        const QString value = m_cells[c];
        const QString control = controlCharacters(value);
        const QString bad = charactersOutsideCodePage(value);
        if (!control.isEmpty())
            problem(c, QCoreApplication::translate("ImportEmployees", "control characters are not allowed: %1").arg(control));
        else if (!bad.isEmpty())
            problem(c, QCoreApplication::translate("ImportEmployees", "the data files cannot hold these characters: %1").arg(bad));
        else if (columnInfo(c).width > 0 && value.size() > columnInfo(c).width)
            problem(c, QCoreApplication::translate("ImportEmployees", "longer than %1 characters").arg(columnInfo(c).width));
        return value;
    }

    // An hourly rate with a "." decimal point, as PayRates.csv holds it; empty for none.
    std::optional<qint64> rate(int c)
    {
        const QString value = m_cells[c];
        if (value.isEmpty())
            return std::nullopt;
        const std::optional<qint64> cents = Money::centsFromText(value);
        if (!cents)
            problem(c, QCoreApplication::translate("ImportEmployees", "not an amount like 12.50: %1").arg(value));
        return cents;
    }

    qint32 date(int c)
    {
        const QString value = m_cells[c];
        if (value.isEmpty())
            return 0;
        // A date alone: the ISO reading would also take a time after it ("1990-01-02T10:00").
        static const QRegularExpression dateOnly(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
        const QDate date = dateOnly.match(value).hasMatch() ? QDate::fromString(value, Qt::ISODate) : QDate();
        if (!date.isValid() || date.year() < 1900 || date.year() > 2200) {
            problem(c, QCoreApplication::translate("ImportEmployees", "not a date (YYYY-MM-DD): %1").arg(value));
            return 0;
        }
        return qint32(OleDate::fromDate(date));
    }

    // A phone as the files store it, by the rule the employee editor follows.
    QString phone(int c)
    {
        const PhoneRule::Reading phone = PhoneRule::read(m_cells[c]);
        if (phone.fault == PhoneRule::Fault::Refused)
            problem(c, QCoreApplication::translate("ImportEmployees", "only digits, with blanks, dashes, dots or brackets between them, can be stored, not \"%1\": %2")
                           .arg(phone.refused, m_cells[c]));
        else if (phone.fault == PhoneRule::Fault::TooManyDigits)
            problem(c, QCoreApplication::translate("ImportEmployees", "%1 digits; at most %2 can be stored: %3")
                           .arg(phone.digits.size()).arg(PhoneRule::kDigits).arg(m_cells[c]));
        return phone.fault == PhoneRule::Fault::None ? phone.digits : QString();
    }

    // Hours of one weekday: "HH:MM-HH:MM", "off" for none, empty for the whole day (stored as
    // 0 to 0, as for a new employee). An end of 00:00 or 24:00 is the end of the day.
    void hours(int c, double &from, double &to)
    {
        const QString value = m_cells[c];
        from = to = 0;
        if (value.isEmpty())
            return;
        if (value.compare(QLatin1String("off"), Qt::CaseInsensitive) == 0) {
            from = to = Availability::kNotAvailable;
            return;
        }
        static const QRegularExpression span(QStringLiteral("^(\\d{1,2}):(\\d{2})\\s*-\\s*(\\d{1,2}):(\\d{2})$"));
        const QRegularExpressionMatch m = span.match(value);
        const auto time = [&m](int at) { return m.captured(at).toInt() * 60 + m.captured(at + 1).toInt(); };
        const bool shaped = m.hasMatch() && m.captured(2).toInt() < 60 && m.captured(4).toInt() < 60;
        const int begin = shaped ? time(1) : 0;
        int end = shaped ? time(3) : 0;
        if (end == 0)
            end = 24 * 60;
        if (!shaped || begin >= 24 * 60 || end > 24 * 60 || end <= begin) {
            problem(c, QCoreApplication::translate("ImportEmployees", "hours as HH:MM-HH:MM ending after they begin, \"off\" or nothing are needed: %1").arg(value));
            return;
        }
        from = begin / 1440.0;
        to = end / 1440.0;
    }

    bool flag(int c)
    {
        const QString value = m_cells[c].toLower();
        if (value.isEmpty() || value == u"no" || value == u"n" || value == u"false" || value == u"0" || value == u"f")
            return false;
        if (value == u"yes" || value == u"y" || value == u"true" || value == u"1" || value == u"m")
            return true;
        problem(c, QCoreApplication::translate("ImportEmployees", "yes or no is needed: %1").arg(m_cells[c]));
        return false;
    }

    // A list separated by ";", each name trimmed and upper-cased as the files store names.
    QStringList names(int c)
    {
        QStringList list;
        for (const QString &part : m_cells[c].split(u';', Qt::SkipEmptyParts)) {
            const QString name = CodePage::toUpper(part.trimmed());
            if (name.isEmpty() || list.contains(name))
                continue;
            const QString control = controlCharacters(name);
            const QString bad = charactersOutsideCodePage(name);
            if (!control.isEmpty())
                problem(c, QCoreApplication::translate("ImportEmployees", "control characters are not allowed: %1").arg(control));
            else if (!bad.isEmpty())
                problem(c, QCoreApplication::translate("ImportEmployees", "the data files cannot hold these characters: %1").arg(bad));
            else if (name.size() > columnInfo(c).width)
                problem(c, QCoreApplication::translate("ImportEmployees", "\"%1\" is longer than %2 characters").arg(name).arg(columnInfo(c).width));
            else if (c == Departments && !ScheduleHelper::IsSafeFolderName(name))
                problem(c, QStringLiteral("\"%1\": %2").arg(name, ScheduleHelper::FolderNameProblem(name)));
            else
                list << name;   // only names that can be stored are looked up further
        }
        return list;
    }

    void problem(int c, const QString &reason) { rowProblem(QString::fromLatin1(columnInfo(c).name), reason); }
    void rowProblem(const QString &column, const QString &reason)
    {
        m_problems.append({m_line, column, reason, (m_cells[columnOf(F::FirstName)] + u' ' + m_cells[columnOf(F::LastName)]).trimmed()});
        m_failed = true;
    }

private:
    int m_line;
    QList<Problem> &m_problems;
    QString m_cells[ColumnCount];
    bool m_failed = false;
};

QString identity(const QString &first, const QString &last, qint32 birthDate)
{
    return first.trimmed().toLower() + u'\n' + last.trimmed().toLower() + u'\n' + QString::number(birthDate);
}

} // namespace

QString Problem::text() const
{
    return column.isEmpty() ? QStringLiteral("line %1: %2").arg(line).arg(reason)
                            : QStringLiteral("line %1, %2: %3").arg(line).arg(column, reason);
}

QStringList columns()
{
    QStringList names;
    for (int c = 0; c < ColumnCount; ++c)
        names << QString::fromLatin1(columnInfo(c).name);
    return names;
}

QByteArray sample()
{
    QByteArray csv = columns().join(u',').toUtf8() + "\r\n";
    // In column order: names, dates, phones and contact, address, gender, assignments, Mon..Sun.
    csv += "Ann,,Lee,Ann L.,1990-03-15,2024-06-01,(555) 123-4567,Sam Lee,555-987-6543,1 Main Street,,Springfield,IL,62701,"
           "no,KITCHEN,COOK;DISHWASHER,08:00-17:00,08:00-17:00,08:00-17:00,off,08:00-17:00,,off,18.50\r\n";
    csv += "Bob,J,Ray,,1985-11-02,2025-01-15,555.222.3333,,,,,,,,yes,DELI,CASHIER,,,,,,,,\r\n";
    return csv;
}

Plan check(const clsEmployeeInfo &info, const QByteArray &csv, const Options &options)
{
    Plan plan;
    plan.error = encodingProblem(csv);
    if (!plan.error.isEmpty())
        return plan;
    QString error;
    const QList<CsvReader::Record> records = CsvReader::parse(csv, &error);
    if (!error.isEmpty()) {
        plan.error = error;
        return plan;
    }
    if (records.isEmpty()) {
        plan.error = QCoreApplication::translate("ImportEmployees", "the file is empty; its first line must name the columns");
        return plan;
    }

    // The header: every name must be known, none twice.
    QList<int> columnOfCell;
    const QStringList known = columns();
    for (const QString &name : records.first().fields) {
        qsizetype found = -1;
        for (qsizetype k = 0; k < known.size(); ++k)
            if (known[k].compare(name.trimmed(), Qt::CaseInsensitive) == 0)
                found = k;
        if (found < 0) {
            plan.error = QCoreApplication::translate("ImportEmployees", "unknown column \"%1\"; the columns are: %2").arg(name, known.join(QStringLiteral(", ")));
            return plan;
        }
        if (columnOfCell.contains(int(found))) {
            plan.error = QCoreApplication::translate("ImportEmployees", "the column \"%1\" is named twice").arg(name);
            return plan;
        }
        columnOfCell << int(found);
    }

    QSet<QString> existing;
    for (const EmployeeFields &e : info.Employees())
        existing.insert(identity(e.firstName, e.lastName, e.dob));
    const QStringList departments = info.DepartmentNames();
    const QStringList positions = info.JobNamesGetAll();

    for (qsizetype r = 1; r < records.size(); ++r) {
        if (options.progress)
            options.progress(int(r - 1), int(records.size() - 1));
        const CsvReader::Record &record = records[r];
        RowReader row(record.line, record.fields, columnOfCell, plan.problems);
        if (record.fields.size() > columnOfCell.size())
            row.rowProblem({}, QCoreApplication::translate("ImportEmployees", "%1 fields, but the header names %2 columns")
                                   .arg(record.fields.size()).arg(columnOfCell.size()));
        NewEmployee e;
        e.line = record.line;
        for (int c = 0; c < kFieldColumnCount; ++c) {
            const EmployeeFieldEntry &f = EmployeeFieldTable::entry(kFieldColumns[c]);
            switch (f.kind) {
            case Kind::Text: e.fields.*f.text = row.text(c); break;
            case Kind::Phone: e.fields.*f.text = row.phone(c); break;
            case Kind::Day: e.fields.*f.whole = row.date(c); break;
            case Kind::Flag: e.fields.*f.flag = row.flag(c); break;
            case Kind::Key:
            case Kind::Whole:
            case Kind::Unused16: break;   // no column gives them
            }
        }
        e.departments = row.names(Departments);
        e.positions = row.names(Positions);
        // The columns run from Monday; the record's days from Sunday.
        for (int d = 0; d < 7; ++d)
            row.hours(AvailableMon + d, e.availableFrom[(d + 1) % 7], e.availableTo[(d + 1) % 7]);
        e.hourlyRate = row.rate(HourlyRate);
        if (e.fields.firstName.isEmpty() && e.fields.lastName.isEmpty())
            row.rowProblem({}, QCoreApplication::translate("ImportEmployees", "a first or last name is needed"));
        for (const QString &d : std::as_const(e.departments))
            if (!departments.contains(d) && !plan.newDepartments.contains(d)) {
                if (options.createMissing)
                    plan.newDepartments << d;
                else
                    row.problem(Departments, QCoreApplication::translate("ImportEmployees", "no department named \"%1\" (create it with %2)").arg(d, options.createMissingName));
            }
        for (const QString &p : std::as_const(e.positions))
            if (!positions.contains(p) && !plan.newPositions.contains(p)) {
                if (options.createMissing)
                    plan.newPositions << p;
                else
                    row.problem(Positions, QCoreApplication::translate("ImportEmployees", "no position named \"%1\" (create it with %2)").arg(p, options.createMissingName));
            }
        if (row.failed())
            continue;
        const QString id = identity(e.fields.firstName, e.fields.lastName, e.fields.dob);
        if (existing.contains(id)) {
            plan.duplicates.append({e.line, {}, QCoreApplication::translate("ImportEmployees", "%1 %2 with this birth date is already there; not added again")
                                                    .arg(e.fields.firstName, e.fields.lastName).trimmed(),
                                       (e.fields.firstName + u' ' + e.fields.lastName).trimmed()});
            continue;
        }
        existing.insert(id);
        plan.employees << e;
    }
    return plan;
}

int apply(clsEmployeeInfo &info, const Plan &plan, const Options &options)
{
    if (!plan.error.isEmpty() || options.dryRun || (!plan.problems.isEmpty() && !options.skipBad))
        return 0;
    // Each file is written once, at the end, and the rates with them, whole or not at all.
    try {
        MultiFileCommit together(info.DataPath());
        info.beginBatch();
        QMap<qint32, qint64> rateOf;
        for (const QString &d : plan.newDepartments)
            info.AddDepartment(d);
        for (const QString &p : plan.newPositions)
            info.JobInfoAdd(p, 0, 255);
        int done = 0;
        for (const NewEmployee &e : plan.employees) {
            if (options.progress)
                options.progress(done++, int(plan.employees.size()));
            const qint32 number = info.AddEmployee(e.fields);
            if (!e.departments.isEmpty())
                info.DeptEmployeeSetAll(number, e.departments);
            if (!e.positions.isEmpty())
                info.JobEmpAvalReplace(number, e.positions);
            if (e.availableFrom != std::array<double, 7>{} || e.availableTo != std::array<double, 7>{})
                info.EmployeeSetAvalTimes(number, e.availableFrom, e.availableTo);
            if (e.hourlyRate)
                rateOf.insert(number, *e.hourlyRate);
        }
        info.endBatch();
        if (!rateOf.isEmpty()) {
            PayRates rates = PayRates::read(info.DataPath());
            for (auto it = rateOf.cbegin(); it != rateOf.cend(); ++it)
                rates.setRatesOf(it.key(), {{QString(), it.value()}});
            rates.write(info.DataPath());
        }
        together.commit();
    } catch (...) {
        info.cancelBatch();   // nothing of a failed import is written: the lists are read back
        throw;
    }
    return int(plan.employees.size());
}

} // namespace ImportEmployees
