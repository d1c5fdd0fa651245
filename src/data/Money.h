#pragma once

#include <QString>
#include <optional>

// Amounts of money and multipliers as the cost files hold them: whole hundredths (cents), so
// that per-line costs add up to their totals exactly. Written and read with a "." decimal point
// whatever the locale; windows show them in the user's locale themselves.
namespace Money {

// The largest amount a file or a box takes: 9,999,999.99.
constexpr qint64 kMaxCents = 999999999;

// "12", "12.5", "12.50" -> 1250; blanks around are ignored. Empty, negative, more than two
// decimals, a comma or anything else: no value.
std::optional<qint64> centsFromText(const QString &text);
// 1250 -> "12.50"
QString text(qint64 cents);

// Cents of `seconds` of work at `rateCents` an hour, the seconds in `premiumSeconds` of them
// paid `multiplierHundredths` / 100 times: rounded to the nearest cent, halves up.
qint64 costCents(qint64 seconds, qint64 premiumSeconds, qint64 rateCents, qint64 multiplierHundredths);

} // namespace Money
