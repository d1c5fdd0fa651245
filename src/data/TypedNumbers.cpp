#include "TypedNumbers.h"

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

PhoneRule::Reading PhoneRule::read(const QString &typed)
{
    Reading r;
    for (const QChar c : typed) {
        if (isDigit(c))
            r.digits += c;
        else if (!QStringLiteral(" -.()").contains(c) && !r.refused.contains(c))
            r.refused += c;
    }
    if (!r.refused.isEmpty())
        r.fault = Fault::Refused;
    else if (r.digits.size() > kDigits)
        r.fault = Fault::TooManyDigits;
    return r;
}

IdentityNumber::Reading IdentityNumber::read(const QString &typed)
{
    Reading r;
    QString digits;
    for (const QChar c : typed) {
        if (isDigit(c))
            digits += c;
        else if (c != u'-' && c != u' ') {
            r.fault = Fault::NotNineDigits;
            return r;
        }
    }
    if (digits.isEmpty())
        return r;
    if (digits.size() != 9)
        r.fault = Fault::NotNineDigits;
    else
        r.number = digits.toInt();
    return r;
}

QString IdentityNumber::text(qint32 number)
{
    if (number == 0)
        return {};
    if (number < 0 || number > 999'999'999)
        return QString::number(number);
    const QString d = QStringLiteral("%1").arg(number, 9, 10, QLatin1Char('0'));
    return d.left(3) + u'-' + d.mid(3, 2) + u'-' + d.mid(5);
}
