#include "OleDate.h"

#include <QRegularExpression>
#include <cmath>

namespace {

// 30 December 1899 as a constant, so that other static initialisers may already use it.
constexpr QDate kEpoch = QDate::fromJulianDay(2415019);
constexpr qint64 kMsPerDay = 86400000;

const char *const kShortDays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const char *const kLongDays[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
const char *const kShortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char *const kLongMonths[] = {"January", "February", "March", "April", "May", "June", "July",
                                   "August", "September", "October", "November", "December"};

// A date-time split into its day number and the time of day, rounded to `unitMs`.
struct Parts {
    qint64 day;
    qint64 ms;
};

Parts split(double value, qint64 unitMs = 1)
{
    // Values no calendar reaches (a damaged record) read as day 0 instead of overflowing.
    if (!std::isfinite(value) || std::fabs(value) >= 1e9)
        return {0, 0};
    double whole = std::trunc(value);
    const double fraction = std::fabs(value - whole);
    qint64 ms = std::llround(fraction * double(kMsPerDay) / double(unitMs)) * unitMs;
    auto day = qint64(whole);
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        ++day;   // rounding reached the next midnight, for positive and negative values alike
    }
    return {day, ms};
}

double join(qint64 day, qint64 ms)
{
    const double fraction = double(ms) / double(kMsPerDay);
    return day >= 0 ? double(day) + fraction : double(day) - fraction;
}

QString two(int n) { return QString::number(n).rightJustified(2, u'0'); }

// Appends n as format() writes it: at least `width` digits (1 or 2), zero-padded; negative
// numbers as QString::number and rightJustified write them. No temporary strings for the
// common case of 0 to 99.
void appendNumber(QString &out, int n, int width)
{
    if (n >= 0 && n < 100) {
        if (n >= 10 || width == 2)
            out += QChar(u'0' + n / 10);
        out += QChar(u'0' + n % 10);
        return;
    }
    out += width == 2 ? two(n) : QString::number(n);
}

int hour12(int hour) { return hour % 12 == 0 ? 12 : hour % 12; }

} // namespace

namespace OleDate {

double fromDate(QDate date) { return double(kEpoch.daysTo(date)); }

double fromDateAndTime(QDate date, QTime time)
{
    return join(kEpoch.daysTo(date), time.isValid() ? time.msecsSinceStartOfDay() : 0);
}

double fromDateTime(const QDateTime &dateTime) { return fromDateAndTime(dateTime.date(), dateTime.time()); }

QDate toDate(double value) { return kEpoch.addDays(split(value).day); }

QTime toTime(double value) { return QTime::fromMSecsSinceStartOfDay(int(split(value).ms)); }

QDateTime toDateTime(double value)
{
    const Parts p = split(value);
    return QDateTime(kEpoch.addDays(p.day), QTime::fromMSecsSinceStartOfDay(int(p.ms)), Qt::UTC);
}

double wholeDay(double value) { return std::trunc(value); }

double timeOfDay(double value) { return std::fabs(value - std::trunc(value)); }

double timeValue(int hours, int minutes, int seconds)
{
    return (hours * 3600.0 + minutes * 60.0 + seconds) / 86400.0;
}

qint64 durationMinutes(double days)
{
    return std::isfinite(days) && std::fabs(days) < 1e12 ? std::llround(days * kMinutesPerDay) : 0;
}

double roundToMinute(double value)
{
    const Parts p = split(value, 60000);
    return join(p.day, p.ms);
}

int minuteOfDay(double value)
{
    return int(split(value, 1000).ms / 60000);
}

QString format(double value, const QString &pattern)
{
    const Parts p = split(value, 1000);   // displayed values are rounded to the second
    const QDate date = kEpoch.addDays(p.day);
    const int hour = int(p.ms / 3600000);
    const int minute = int(p.ms / 60000 % 60);
    const int second = int(p.ms / 1000 % 60);
    const bool pm = hour >= 12;

    if (pattern == QLatin1String("h:mma/p")) {
        // The label of every bar on the grid, thousands to a week: written directly.
        QString out;
        out.reserve(7);
        appendNumber(out, hour12(hour), 1);
        out += u':';
        appendNumber(out, minute, 2);
        out += pm ? u'p' : u'a';
        return out;
    }

    const QString lower = pattern.toLower();
    const QStringView lowerView(lower);
    const bool twelveHour = lower.contains(QLatin1String("am/pm")) || lower.contains(QLatin1String("a/p"))
                            || lower.contains(QLatin1String("tt"));

    // Whether the next date or time token after position i is a seconds token.
    auto secondsFollow = [&](qsizetype i) {
        for (; i < lower.size(); ++i) {
            const QChar c = lower.at(i);
            if (c == u's')
                return true;
            if (c == u'd' || c == u'm' || c == u'y' || c == u'h' || c == u'n' || c == u'a' || c == u't')
                return false;
        }
        return false;
    };

    QString out;
    out.reserve(pattern.size() + 16);
    bool afterHour = false;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = lower.at(i);
        qsizetype run = 1;
        while (i + run < pattern.size() && lower.at(i + run) == c)
            ++run;

        if (lowerView.mid(i, 5) == QLatin1String("am/pm")) {
            const bool upper = pattern.at(i).isUpper();
            out += pm ? (upper ? "PM" : "pm") : (upper ? "AM" : "am");
            i += 5;
            afterHour = false;
            continue;
        }
        if (lowerView.mid(i, 3) == QLatin1String("a/p")) {
            const bool upper = pattern.at(i).isUpper();
            out += pm ? (upper ? "P" : "p") : (upper ? "A" : "a");
            i += 3;
            afterHour = false;
            continue;
        }
        if (c == u'"') {   // quoted literal
            const qsizetype close = pattern.indexOf(u'"', i + 1);
            const qsizetype end = close < 0 ? pattern.size() : close;
            out += QStringView(pattern).mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (c == u'\\' && i + 1 < pattern.size()) {
            out += pattern.at(i + 1);
            i += 2;
            continue;
        }

        switch (c.unicode()) {
        case u'd':
            if (run <= 2) appendNumber(out, date.day(), int(run));
            else if (run == 3) out += kShortDays[date.dayOfWeek() - 1];
            else out += kLongDays[date.dayOfWeek() - 1];
            afterHour = false;
            break;
        case u'm':
            if (run <= 2 && (afterHour || secondsFollow(i + run))) {
                appendNumber(out, minute, int(run));
            } else if (run <= 2) {
                appendNumber(out, date.month(), int(run));
            } else if (run == 3) {
                out += kShortMonths[date.month() - 1];
            } else {
                out += kLongMonths[date.month() - 1];
            }
            afterHour = false;
            break;
        case u'y':
            out += run <= 2 ? two(date.year() % 100) : QString::number(date.year()).rightJustified(4, u'0');
            afterHour = false;
            break;
        case u'h': {
            const int h = twelveHour ? hour12(hour) : hour;
            appendNumber(out, h, run == 1 ? 1 : 2);
            afterHour = true;
            break;
        }
        case u'n':
            appendNumber(out, minute, run == 1 ? 1 : 2);
            afterHour = false;
            break;
        case u's':
            appendNumber(out, second, run == 1 ? 1 : 2);
            afterHour = false;
            break;
        case u't':
            if (run == 2) {
                out += pm ? "PM" : "AM";
                afterHour = false;
            } else {
                out += QStringView(pattern).mid(i, run);
            }
            break;
        default:
            out += QStringView(pattern).mid(i, run);
            break;
        }
        i += run;
    }
    return out;
}

QString formatPercent(double value, const QString &pattern)
{
    const Parts p = split(value, 1000);
    const QDate date = kEpoch.addDays(p.day);
    const int hour = int(p.ms / 3600000);
    const int minute = int(p.ms / 60000 % 60);
    const int second = int(p.ms / 1000 % 60);

    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c != u'%' || i + 1 >= pattern.size()) {
            out += c;
            continue;
        }
        switch (pattern.at(++i).unicode()) {
        case u'a': out += kShortDays[date.dayOfWeek() - 1]; break;
        case u'A': out += kLongDays[date.dayOfWeek() - 1]; break;
        case u'd': out += two(date.day()); break;
        case u'e': out += QString::number(date.day()); break;
        case u'b': out += kShortMonths[date.month() - 1]; break;
        case u'B': out += kLongMonths[date.month() - 1]; break;
        case u'm': out += two(date.month()); break;
        case u'y': out += two(date.year() % 100); break;
        case u'Y': out += QString::number(date.year()); break;
        case u'H': out += two(hour); break;
        case u'I': out += two(hour12(hour)); break;
        case u'M': out += two(minute); break;
        case u'S': out += two(second); break;
        case u'p': out += hour >= 12 ? "PM" : "AM"; break;
        case u'%': out += u'%'; break;
        default: out += u'%'; out += pattern.at(i); break;
        }
    }
    return out;
}

QString generalDate(double value)
{
    const Parts p = split(value, 1000);
    const QString time = format(value, QStringLiteral("h:nn:ss AM/PM"));
    if (p.day == 0)
        return time;
    const QString date = format(value, QStringLiteral("m/d/yyyy"));
    return p.ms == 0 ? date : date + u' ' + time;
}

bool parse(const QString &text, double *value)
{
    static const QRegularExpression datePattern(
        QStringLiteral(R"(^(?:(\d{1,2})/(\d{1,2})/(\d{1,4})|(\d{4})-(\d{1,2})-(\d{1,2})))"));
    static const QRegularExpression timePattern(
        QStringLiteral(R"(^(\d{1,2})(?::(\d{1,2}))?(?::(\d{1,2}))?\s*(am|pm|a|p)?$)"),
        QRegularExpression::CaseInsensitiveOption);

    QString rest = text.trimmed();
    if (rest.isEmpty())
        return false;

    qint64 day = 0;
    bool haveDate = false;
    const QRegularExpressionMatch d = datePattern.match(rest);
    if (d.hasMatch()) {
        int year, month, dayOfMonth;
        if (d.capturedLength(1) > 0) {
            month = d.captured(1).toInt();
            dayOfMonth = d.captured(2).toInt();
            year = d.captured(3).toInt();
            if (d.capturedLength(3) <= 2)
                year += year < 30 ? 2000 : 1900;
        } else {
            year = d.captured(4).toInt();
            month = d.captured(5).toInt();
            dayOfMonth = d.captured(6).toInt();
        }
        const QDate date(year, month, dayOfMonth);
        if (!date.isValid())
            return false;
        day = kEpoch.daysTo(date);
        haveDate = true;
        rest = rest.mid(d.capturedLength()).trimmed();
        if (rest.startsWith(u'T'))
            rest = rest.mid(1);
    }

    qint64 ms = 0;
    if (!rest.isEmpty()) {
        const QRegularExpressionMatch t = timePattern.match(rest);
        // A bare number is not a time: a time has minutes or a half-day marker.
        if (!t.hasMatch() || (t.capturedLength(2) == 0 && t.capturedLength(4) == 0))
            return false;
        int hour = t.captured(1).toInt();
        const int minute = t.captured(2).toInt();
        const int second = t.captured(3).toInt();
        const QString marker = t.captured(4).toLower();
        if (!marker.isEmpty()) {
            if (hour < 1 || hour > 12)
                return false;
            hour = hour % 12 + (marker.startsWith(u'p') ? 12 : 0);
        }
        if (hour > 23 || minute > 59 || second > 59)
            return false;
        ms = (hour * 3600 + minute * 60 + second) * 1000LL;
    } else if (!haveDate) {
        return false;
    }
    *value = join(day, ms);
    return true;
}

QString hoursText(double days)
{
    return hoursTextFromSeconds(durationSeconds(days));
}

QString hoursTextFromSeconds(qint64 seconds)
{
    const QString sign = seconds < 0 ? QStringLiteral("-") : QString();
    const qint64 minutes = (seconds < 0 ? -seconds : seconds) / 60;
    return sign + QString::number(minutes / 60) + u':' + two(int(minutes % 60));
}

qint64 durationSeconds(double days)
{
    // Beyond the plausible range a duration means nothing; the bound also keeps llround defined.
    constexpr double kLimit = 1e12;
    return std::isfinite(days) && std::fabs(days) < kLimit ? std::llround(days * 86400.0) : 0;
}

bool isPlausible(double value)
{
    static const double first = fromDate(QDate(1900, 1, 1));
    static const double last = fromDate(QDate(2201, 1, 1));
    return std::isfinite(value) && value >= first && value < last;
}

QString clockText(double timeOfDay)
{
    // 1.0 is the midnight that ends the day; any other value counts by its time of day.
    const qint64 minutes = durationMinutes(timeOfDay == 1.0 ? 1.0 : OleDate::timeOfDay(timeOfDay));
    return two(int(minutes / 60)) + u':' + two(int(minutes % 60));
}

QString isoDate(double value) { return toDate(value).toString(Qt::ISODate); }

QString isoDateTime(double value)
{
    const Parts p = split(value, 1000);
    return QDateTime(kEpoch.addDays(p.day), QTime::fromMSecsSinceStartOfDay(int(p.ms)), Qt::UTC)
        .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

} // namespace OleDate
