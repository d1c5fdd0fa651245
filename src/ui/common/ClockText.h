#pragma once

#include <QLocale>
#include <QString>

// Dates and times as the windows show them. In English they keep the program's own formats
// ("Mon 03/05 6:00a"), which users of the older program know; in any other language the same
// pieces come in the language's own way ("Mo. 05.03. 06:00").
namespace ClockText {

// True when the windows write times the program's own way (English).
bool ownFormats(const QLocale &locale = QLocale());
// The locale the time grid labels its axis with: C (the stored formats) in English.
QLocale axisLocale(const QLocale &locale = QLocale());
// `t` in a pattern of the program's own kind: "h:mma/p", "ddd h:mma/p", "ddd mm/dd h:mma/p",
// "ddd mmm d, h:mma/p", "ddd mm/dd/yy h:mma/p".
QString format(double t, const QString &pattern, const QLocale &locale = QLocale());
// A time without needless minutes: "6a", "6:30a"; elsewhere the short time ("06:00").
QString shortTime(double t, const QLocale &locale = QLocale());

} // namespace ClockText
