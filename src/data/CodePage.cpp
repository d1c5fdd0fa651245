#include "CodePage.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// Unicode code points of bytes 0x80..0x9F in Windows-1252. The five bytes the code page leaves
// undefined map to the control characters of the same value, so they survive a round trip.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char encodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == c)
            return char(0x80 + i);
    return '?';
}

char16_t upperChar(char16_t c)
{
    if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return char16_t(c - 0x20);
    switch (c) {
    case 0x0161: return 0x0160;   // š Š
    case 0x0153: return 0x0152;   // œ Œ
    case 0x017E: return 0x017D;   // ž Ž
    case 0x00FF: return 0x0178;   // ÿ Ÿ
    default: return c;
    }
}

} // namespace

namespace CodePage {

UnencodableText::UnencodableText(const QString &characters)
    : std::runtime_error(UnencodableMessage(characters).toStdString()), m_characters(characters) {}

QString UnencodableText::userText() const
{
    return UnencodableMessage(m_characters);
}

QString Unencodable(const QString &text)
{
    QString found;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A character beyond the 16-bit range comes as a pair; name it whole.
        if (c.isHighSurrogate() && i + 1 < text.size()) {
            const QString pair = text.mid(i, 2);
            if (!found.contains(pair))
                found += pair;
            ++i;
            continue;
        }
        if (encodeChar(c.unicode()) == '?' && c != u'?' && !found.contains(c))
            found += c;
    }
    return found;
}

void RequireEncodable(const QString &text)
{
    const QString bad = Unencodable(text);
    if (!bad.isEmpty())
        throw UnencodableText(bad);
}

QString UnencodableMessage(const QString &characters)
{
    QStringList named;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const bool pair = characters.at(i).isHighSurrogate() && i + 1 < characters.size();
        named << u'"' + characters.mid(i, pair ? 2 : 1) + u'"';
        if (pair)
            ++i;
    }
    return QCoreApplication::translate("CodePage", "Shiftgrid cannot store %1: its data files hold only Western European letters "
                          "(the Windows-1252 character set). Please write the text without %2.")
        .arg(named.join(QStringLiteral(", ")), named.size() == 1 ? QStringLiteral("it") : QStringLiteral("them"));
}

QString toUpper(const QString &text)
{
    QString upper(text);
    for (QChar &c : upper)
        c = QChar(upperChar(c.unicode()));
    return upper;
}

QByteArray encode(const QString &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[i] = encodeChar(text.at(i).unicode());
    return bytes;
}

QString decode(const char *bytes, int length)
{
    QString text(length, Qt::Uninitialized);
    QChar *out = text.data();
    for (int i = 0; i < length; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHighControls[b - 0x80]) : QChar(b);
    }
    return text;
}

QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

void TextToField(char *field, int width, const QString &text)
{
    const qsizetype n = qMin<qsizetype>(text.size(), width);
    for (qsizetype i = 0; i < n; ++i)
        field[i] = encodeChar(text.at(i).unicode());
    for (qsizetype i = n; i < width; ++i)
        field[i] = ' ';
}

QString FieldToText(const char *field, int width)
{
    return trimBlanks(decode(field, width));
}

QString FieldToText(const char *field, int width, int first, int last)
{
    if (first < 0)
        first = 0;
    if (last < 0 || last >= width)
        last = width - 1;
    if (last < first)
        return {};
    return decode(field + first, last - first + 1);
}

} // namespace CodePage
