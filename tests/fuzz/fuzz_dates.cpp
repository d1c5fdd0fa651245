// The date conversions: the first eight bytes are a stored date-time, the rest a typed text.
// Every format the program uses must come back without a fault, and a parsed text must format.

#include "data/OleDate.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    double value = 0;
    if (size >= sizeof value)
        std::memcpy(&value, data, sizeof value);
    const QString text = size > sizeof value
                             ? QString::fromLatin1(reinterpret_cast<const char *>(data + sizeof value), qsizetype(size - sizeof value))
                             : QString();

    static const char *const patterns[] = {"yyyymmdd", "h:mma/p", "h:mm A/P", "h:mm tt", "ddd mmm dd,yyyy",
                                           "m/d/yy", "ddd mm/dd/yy h:mma/p", "MM/DD/YYYY HH:MM:SS", "dddd mmmm"};
    for (const char *p : patterns)
        OleDate::format(value, QLatin1String(p));
    OleDate::format(value, text);
    OleDate::formatPercent(value, text);
    OleDate::formatPercent(value, QStringLiteral("%a %A %d %e %b %B %m %y %Y %H %I %M %S %p %%"));
    OleDate::toDate(value);
    OleDate::toTime(value);
    OleDate::toDateTime(value);
    OleDate::wholeDay(value);
    OleDate::timeOfDay(value);
    OleDate::roundToMinute(value);
    OleDate::generalDate(value);
    OleDate::hoursText(value);
    OleDate::durationSeconds(value);
    OleDate::durationMinutes(value);
    OleDate::isPlausible(value);
    OleDate::clockText(value);
    OleDate::isoDate(value);
    OleDate::isoDateTime(value);

    double parsed = 0;
    if (OleDate::parse(text, &parsed))
        OleDate::generalDate(parsed);
    return 0;
}
