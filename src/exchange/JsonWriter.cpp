#include "JsonWriter.h"

void JsonWriter::prefix(const QString &key)
{
    if (!m_first.isEmpty()) {
        if (!m_first.last())
            m_out += u',';
        m_first.last() = false;
        m_out += u'\n' + QString(2 * m_first.size(), u' ');
    }
    if (!key.isNull())
        m_out += quoted(key) + QStringLiteral(": ");
}

void JsonWriter::raw(const QString &key, const QString &json)
{
    prefix(key);
    m_out += json;
}

void JsonWriter::beginObject(const QString &key)
{
    prefix(key);
    m_out += u'{';
    m_first.append(true);
}

void JsonWriter::endObject()
{
    const bool empty = m_first.takeLast();
    if (!empty)
        m_out += u'\n' + QString(2 * m_first.size(), u' ');
    m_out += u'}';
}

void JsonWriter::beginArray(const QString &key)
{
    prefix(key);
    m_out += u'[';
    m_first.append(true);
}

void JsonWriter::endArray()
{
    const bool empty = m_first.takeLast();
    if (!empty)
        m_out += u'\n' + QString(2 * m_first.size(), u' ');
    m_out += u']';
}

void JsonWriter::value(const QString &key, const QString &text) { raw(key, quoted(text)); }
void JsonWriter::value(const QString &key, qint64 number) { raw(key, QString::number(number)); }
void JsonWriter::value(const QString &key, bool flag) { raw(key, flag ? QStringLiteral("true") : QStringLiteral("false")); }
void JsonWriter::value(const QString &key, double number) { raw(key, QString::number(number, 'g', 17)); }

void JsonWriter::value(const QString &key, double number, int decimals) { raw(key, QString::number(number, 'f', decimals)); }

void JsonWriter::stringArray(const QString &key, const QStringList &texts)
{
    beginArray(key);
    for (const QString &t : texts)
        element(t);
    endArray();
}

QString JsonWriter::quoted(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"': out += QStringLiteral("\\\""); break;
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u'\n': out += QStringLiteral("\\n"); break;
        case u'\r': out += QStringLiteral("\\r"); break;
        case u'\t': out += QStringLiteral("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
            else
                out += c;
        }
    }
    out += u'"';
    return out;
}
