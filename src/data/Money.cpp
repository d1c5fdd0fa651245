#include "Money.h"

#include <QRegularExpression>

namespace Money {

std::optional<qint64> centsFromText(const QString &text)
{
    static const QRegularExpression amount(QStringLiteral("^([0-9]{1,7})(?:\\.([0-9]{0,2}))?$"));
    const QRegularExpressionMatch m = amount.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const QString decimals = m.captured(2).leftJustified(2, u'0');
    return m.captured(1).toLongLong() * 100 + decimals.toLongLong();
}

QString text(qint64 cents)
{
    const QString sign = cents < 0 ? QStringLiteral("-") : QString();
    cents = qAbs(cents);
    return sign + QStringLiteral("%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QChar(u'0'));
}

qint64 costCents(qint64 seconds, qint64 premiumSeconds, qint64 rateCents, qint64 multiplierHundredths)
{
    // In cents times 360000 (seconds an hour times the multiplier's hundredths), exact.
    const qint64 scaled = rateCents * (seconds * 100 + premiumSeconds * (multiplierHundredths - 100));
    return scaled >= 0 ? (scaled + 180000) / 360000 : -((-scaled + 180000) / 360000);
}

} // namespace Money
