#include "LeadingNumber.h"

#include <QByteArray>
#include <cmath>

double LeadingNumberSkippingBlanks(const QString &text)
{
    QByteArray digits;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r'))
            ++i;
    };
    skipBlanks();
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        digits += char(text[i].unicode());
        ++i;
    }
    bool anyDigit = false;
    bool point = false;
    for (;; ++i) {
        skipBlanks();
        if (i >= n)
            break;
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            digits += char(c.unicode());
            anyDigit = true;
        } else if (c == u'.' && !point) {
            digits += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        qsizetype j = i + 1;
        QByteArray exponent = "e";
        auto skip = [&] {
            while (j < n && (text[j] == u' ' || text[j] == u'\t'))
                ++j;
        };
        skip();
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            exponent += char(text[j++].unicode());
        bool expDigit = false;
        for (;; ++j) {
            skip();
            if (j >= n || text[j] < u'0' || text[j] > u'9')
                break;
            exponent += char(text[j].unicode());
            expDigit = true;
        }
        if (expDigit)
            digits += exponent;
    }
    bool ok = false;
    const double value = digits.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

qint32 LeadingMinusAndDigits(const QString &text)
{
    // Read in place: every row of the grid is found by this number, thousands of times a reload.
    const QStringView trimmed = QStringView(text).trimmed();
    qsizetype n = 0;
    if (n < trimmed.size() && trimmed.at(n) == u'-')
        ++n;
    while (n < trimmed.size() && trimmed.at(n) >= u'0' && trimmed.at(n) <= u'9')
        ++n;
    bool ok = false;
    const qint32 value = trimmed.left(n).toInt(&ok);
    return ok ? value : 0;
}
