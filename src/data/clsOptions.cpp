#include "clsOptions.h"

#include "CodePage.h"
#include "OleDate.h"
#include "clsInifile.h"

#include <cmath>
#include <limits>
#include <optional>

namespace {

const QString kSchedule = QStringLiteral("Schedule");
const QString kGeneral = QStringLiteral("General");
const QString kEmpReport = QStringLiteral("Emp Report");
const QString kWeekReport = QStringLiteral("Week Report");
const QString kShowPosition = QStringLiteral("ShowPosition");

constexpr qint16 kDefaultSnap = 15;
constexpr double kDefaultShiftLength = 1.0 / 3.0;   // 8:00
constexpr double kDefaultStartTime = 0.5;           // 12:00

// The nearest 16-bit integer, halves to the even number; nothing when out of range.
std::optional<qint16> roundToInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    double rounded = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5)
        rounded = 2.0 * std::round(value / 2.0);
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(rounded);
}

// The whole text as a number, rounded to a 16-bit integer; nothing when it is not a number.
std::optional<qint16> textToInt16(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? roundToInt16(value) : std::nullopt;
}

// The decimal number the text starts with (after blanks): sign, digits, fraction, exponent.
// A text without one gives 0, as "2.5abc" gives 2.5.
double leadingNumber(const QString &text)
{
    const auto isDigit = [&text](qsizetype k) {
        return text.at(k).unicode() >= u'0' && text.at(k).unicode() <= u'9';
    };
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < n && (text.at(i) == u'+' || text.at(i) == u'-'))
        ++i;
    qsizetype digits = 0;
    for (; i < n && isDigit(i); ++i)
        ++digits;
    if (i < n && text.at(i) == u'.')
        for (++i; i < n && isDigit(i); ++i)
            ++digits;
    if (digits == 0)
        return 0.0;
    if (i < n && (text.at(i) == u'e' || text.at(i) == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text.at(j) == u'+' || text.at(j) == u'-'))
            ++j;
        const qsizetype expStart = j;
        while (j < n && isDigit(j))
            ++j;
        if (j > expStart)
            i = j;
    }
    return text.mid(start, i - start).toDouble();
}

// A time of day stored as text: 0 to 1.0 inclusive, else the default.
double timeOrDefault(const QString &text, double fallback)
{
    double value = 0.0;
    if (!OleDate::parse(text, &value) || value < 0.0 || value > 1.0)
        return fallback;
    return value;
}

// Report flags: "0" and the word False are False, any other text (or none) is True.
bool flagText(const QString &text)
{
    return !(text == u"0" || text.compare(u"False", Qt::CaseInsensitive) == 0);
}

QString boolWord(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// Shift length and start time use the department name trimmed; the force-pick flag uses it
// as passed.
QString departmentSection(const QString &department)
{
    return QStringLiteral("Dept-") + department;
}

} // namespace

clsOptions::clsOptions(const QString &settingsFile) : m_file(settingsFile)
{
    const std::optional<qint16> snap = textToInt16(read(kGeneral, QStringLiteral("SnapToMinutes")));
    m_snapMinutes = (snap && *snap >= 0 && *snap <= 30) ? *snap : kDefaultSnap;
    m_showPositionEmpReport = flagText(read(kEmpReport, kShowPosition));
    m_showPositionWeekReport = flagText(read(kWeekReport, kShowPosition));
}

QString clsOptions::read(const QString &section, const QString &key) const
{
    return clsInifile::kelVBGetPrivateProfileString(section, key, m_file);
}

void clsOptions::write(const QString &section, const QString &key, const QString &value) const
{
    clsInifile::WriteProfileString(section, key, value, m_file);
}

QString clsOptions::hourdisplay() const
{
    return read(kSchedule, QStringLiteral("Hour Display"));
}

void clsOptions::setHourdisplay(const QString &value)
{
    write(kSchedule, QStringLiteral("Hour Display"), value);
}

qint16 clsOptions::WeekViewMode() const
{
    return roundToInt16(leadingNumber(read(kSchedule, QStringLiteral("View Mode")))).value_or(0);
}

void clsOptions::setWeekViewMode(qint16 value)
{
    write(kSchedule, QStringLiteral("View Mode"), QString::number(value));
}

// The key is written as "Snap To" and read as "Snap TO": one key, since case does not count.
qint16 clsOptions::SnapTo() const
{
    return textToInt16(read(kSchedule, QStringLiteral("Snap TO"))).value_or(kDefaultSnap);
}

void clsOptions::setSnapTo(qint16 value)
{
    write(kSchedule, QStringLiteral("Snap To"), QString::number(value));
}

QString clsOptions::bardisplay() const
{
    return read(kSchedule, QStringLiteral("Bar Display"));
}

void clsOptions::setBardisplay(const QString &value)
{
    write(kSchedule, QStringLiteral("Bar Display"), value);
}

QString clsOptions::exportFolder() const
{
    return read(kSchedule, QStringLiteral("Export Folder"));
}

void clsOptions::setExportFolder(const QString &folder)
{
    write(kSchedule, QStringLiteral("Export Folder"), folder);
}

int clsOptions::nameColumnWidth() const
{
    return read(kSchedule, QStringLiteral("Name Width")).toInt();
}

void clsOptions::setNameColumnWidth(int pixels)
{
    write(kSchedule, QStringLiteral("Name Width"), QString::number(pixels));
}

bool clsOptions::coverageStripShown() const
{
    return read(kSchedule, QStringLiteral("Coverage Strip")) != QLatin1String("0");
}

void clsOptions::setCoverageStripShown(bool shown)
{
    write(kSchedule, QStringLiteral("Coverage Strip"), shown ? QStringLiteral("1") : QStringLiteral("0"));
}

bool clsOptions::costColumnShown() const
{
    return read(kSchedule, QStringLiteral("Cost Column")) == QLatin1String("1");
}

void clsOptions::setCostColumnShown(bool shown)
{
    write(kSchedule, QStringLiteral("Cost Column"), shown ? QStringLiteral("1") : QStringLiteral("0"));
}

void clsOptions::setSnapToMinutes(qint16 minutes)
{
    m_snapMinutes = minutes;
}

qint16 clsOptions::GetSnapToMinutes() const
{
    return m_snapMinutes;
}

bool clsOptions::ShowPositionGet(qint32 kind) const
{
    switch (kind) {
    case 0: return m_showPositionWeekReport;
    case 1: return m_showPositionEmpReport;
    default: return false;
    }
}

void clsOptions::ShowPositionSet(qint32 kind, bool show)
{
    if (kind == 0)
        m_showPositionWeekReport = show;
    else if (kind == 1)
        m_showPositionEmpReport = show;
    SaveData();
}

void clsOptions::SaveData()
{
    write(kGeneral, QStringLiteral("SnapToMinutes"), QString::number(m_snapMinutes));
    write(kEmpReport, kShowPosition, boolWord(m_showPositionEmpReport));
    write(kWeekReport, kShowPosition, boolWord(m_showPositionWeekReport));
}

double clsOptions::GetShiftLength(const QString &department) const
{
    return timeOrDefault(read(departmentSection(CodePage::trimBlanks(department)),
                              QStringLiteral("ShiftLength")),
                         kDefaultShiftLength);
}

void clsOptions::SetShiftLength(const QString &department, double length)
{
    write(departmentSection(CodePage::trimBlanks(department)), QStringLiteral("ShiftLength"),
          OleDate::generalDate(length));
}

double clsOptions::GetScheduleStartTime(const QString &department) const
{
    return timeOrDefault(read(departmentSection(CodePage::trimBlanks(department)),
                              QStringLiteral("StartTime")),
                         kDefaultStartTime);
}

void clsOptions::SetScheduleStartTime(const QString &department, double start)
{
    write(departmentSection(CodePage::trimBlanks(department)), QStringLiteral("StartTime"),
          OleDate::generalDate(start));
}

bool clsOptions::ForceJobDisplayForSingleJobGet(const QString &department) const
{
    return read(departmentSection(department), QStringLiteral("ForceSingleJobPick")) == u"1";
}

void clsOptions::ForceJobDisplayForSingleJobSet(const QString &department, bool force)
{
    write(departmentSection(department), QStringLiteral("ForceSingleJobPick"),
          force ? QStringLiteral("1") : QStringLiteral("0"));
}
