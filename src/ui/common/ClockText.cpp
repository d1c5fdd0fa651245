#include "ClockText.h"

#include "data/OleDate.h"

namespace ClockText {

bool ownFormats(const QLocale &locale)
{
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

QLocale axisLocale(const QLocale &locale)
{
    return ownFormats(locale) ? QLocale::c() : locale;
}

namespace {

// The locale's short date without its year: "dd.MM." in German, "M/d" for the United States.
QString dateWithoutYear(const QLocale &locale)
{
    QString f = locale.dateFormat(QLocale::ShortFormat);
    f.remove(QLatin1Char('y'));
    while (!f.isEmpty() && (f.front() == u'/' || f.front() == u'-' || f.front() == u' '))
        f.remove(0, 1);
    while (!f.isEmpty() && (f.back() == u'/' || f.back() == u'-' || f.back() == u' '))
        f.chop(1);
    return f;
}

} // namespace

QString format(double t, const QString &pattern, const QLocale &locale)
{
    if (ownFormats(locale))
        return OleDate::format(t, pattern);
    // The program's pieces become the locale's; day names and the rest read the same in both.
    QString f = pattern;
    f.replace(QLatin1String("hh:mma/p"), QLatin1String("\x01"));
    f.replace(QLatin1String("h:mma/p"), QLatin1String("\x01"));
    f.replace(QLatin1String("mm/dd/yy"), QLatin1String("\x02"));
    f.replace(QLatin1String("mm/dd"), QLatin1String("\x03"));
    f.replace(QLatin1String("mmm d"), QLatin1String("\x03"));   // month names come first in English only
    f.replace(QLatin1String("mmm"), QLatin1String("MMM"));
    f.replace(QLatin1Char('\x01'), locale.timeFormat(QLocale::ShortFormat));
    f.replace(QLatin1Char('\x02'), locale.dateFormat(QLocale::ShortFormat));
    f.replace(QLatin1Char('\x03'), dateWithoutYear(locale));
    return locale.toString(OleDate::toDateTime(t), f);
}

QString shortTime(double t, const QLocale &locale)
{
    if (ownFormats(locale))
        return OleDate::format(t, QStringLiteral("h:mma/p")).replace(QStringLiteral(":00"), QString());
    return locale.toString(OleDate::toDateTime(t).time(), QLocale::ShortFormat);
}

} // namespace ClockText
